#pragma once
// Private to the model and its views: a loop over independent ranges, split over a few threads.

#include <algorithm>
#include <atomic>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

namespace Internal {

// The processor count the split is made for: the machine's, unless AssumeProcessors set one.
size_t ProcessorsForRanges();
// Makes every later split as if the machine had this many processors (0: the machine's own again), so
// that a test sees the work spread over threads on a machine that reports one.
void AssumeProcessors(size_t processors);
// How many calls of RunInRanges so far had ranges run on two threads or more.
size_t RunsOnSeveralThreads();
void CountRunOnSeveralThreads();

// The number of ranges RunInRanges makes of count items.
inline size_t RangeCount(size_t count, size_t minPerRange, size_t maxRanges) {
    return std::max<size_t>(
        1, std::min({maxRanges, ProcessorsForRanges(), count / std::max<size_t>(1, minPerRange)}));
}

// Calls run(range, first, last) for consecutive ranges that cover [0, count): RangeCount of them, one on the
// calling thread and each other on a thread of its own (or here, when no thread can be had). Returns once
// all have ended; then the first range's exception, if any, is thrown. The ranges must share nothing that
// one of them changes.
template <typename Run>
void RunInRanges(size_t count, size_t minPerRange, size_t maxRanges, Run run) {
    const size_t ranges = RangeCount(count, minPerRange, maxRanges);
    std::vector<std::exception_ptr> failures(ranges);
    std::atomic<bool> elsewhere{false};
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
            threads.emplace_back([&, r] {
                elsewhere = true;
                one(r);
            });
        } catch (const std::system_error&) {
            one(r);
        }
    }
    one(0);
    for (std::thread& t : threads) t.join();
    if (elsewhere) CountRunOnSeveralThreads();
    for (const std::exception_ptr& failure : failures)
        if (failure) std::rethrow_exception(failure);
}

}  // namespace Internal
