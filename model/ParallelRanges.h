#pragma once
// Private to the model and its views: a loop over independent ranges, split over a few threads.

#include <algorithm>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

namespace Internal {

// The number of ranges RunInRanges makes of count items.
inline size_t RangeCount(size_t count, size_t minPerRange, size_t maxRanges) {
    const size_t cores = std::max(1u, std::thread::hardware_concurrency());
    return std::max<size_t>(1, std::min({maxRanges, cores, count / std::max<size_t>(1, minPerRange)}));
}

// Calls run(range, first, last) for consecutive ranges that cover [0, count): RangeCount of them, one on the
// calling thread and each other on a thread of its own (or here, when no thread can be had). Returns once
// all have ended; then the first range's exception, if any, is thrown. The ranges must share nothing that
// one of them changes.
template <typename Run>
void RunInRanges(size_t count, size_t minPerRange, size_t maxRanges, Run run) {
    const size_t ranges = RangeCount(count, minPerRange, maxRanges);
    std::vector<std::exception_ptr> failures(ranges);
    const auto one = [&](size_t r) {
        try {
            run(r, r * count / ranges, (r + 1) * count / ranges);
        } catch (...) {
            failures[r] = std::current_exception();
        }
    };
    std::vector<std::thread> threads;
    for (size_t r = 1; r < ranges; ++r) {
        try {
            threads.emplace_back(one, r);
        } catch (const std::system_error&) {
            one(r);
        }
    }
    one(0);
    for (std::thread& t : threads) t.join();
    for (const std::exception_ptr& failure : failures)
        if (failure) std::rethrow_exception(failure);
}

}  // namespace Internal
