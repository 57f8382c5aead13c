#include <gtest/gtest.h>

#include "FreedMemory.h"

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif
#include <cstdlib>

namespace {

// The sanitizers bring allocators of their own.
#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
constexpr bool kGlibcAllocator = true;
#else
constexpr bool kGlibcAllocator = false;
#endif

// The blocks the allocator has mapped on their own, with one of this size held.
size_t MappedWith(size_t size) {
#if defined(__GLIBC__)
    void* volatile block = std::malloc(size);
    const size_t mapped = mallinfo2().hblks;
    std::free(block);
    return mapped;
#else
    return size;
#endif
}

size_t Mapped() {
    return MappedWith(0);
}

// After a close the allocator keeps a freed 1 MB block for the next one, as it did before: mapping and
// unmapping each one costs forty times the time.
TEST(FreedMemoryTest, AfterTheReturnAFreedMegabyteIsReusedRatherThanMappedAgain) {
    if (!kGlibcAllocator) GTEST_SKIP() << "glibc's allocator only";
    { const FreedMemoryReturn returning; }
    constexpr size_t kBlock = 1024 * 1024;
    const size_t before = Mapped();
    // The first may be mapped: freeing it is what tells the allocator to keep the next.
    MappedWith(kBlock);
    EXPECT_EQ(MappedWith(kBlock), before);
}

}  // namespace
