#include "ParallelRanges.h"

namespace Internal {
namespace {

std::atomic<size_t> g_assumedProcessors{0};
std::atomic<size_t> g_runsOnSeveralThreads{0};

}  // namespace

size_t ProcessorsForRanges() {
    const size_t assumed = g_assumedProcessors;
    return assumed > 0 ? assumed : std::max(1u, std::thread::hardware_concurrency());
}

void AssumeProcessors(size_t processors) {
    g_assumedProcessors = processors;
}

size_t RunsOnSeveralThreads() {
    return g_runsOnSeveralThreads;
}

void CountRunOnSeveralThreads() {
    ++g_runsOnSeveralThreads;
}

}  // namespace Internal
