#include "FreedMemory.h"

// malloc.h brings in the C library's features header, which says whether it is glibc.
#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

namespace {

int g_returning = 0;

#if defined(__GLIBC__)
// glibc's own bounds: a heap is trimmed once 128 KB at its end are free; its dynamic rule raises the mmap
// threshold up to 32 MB as mapped blocks are freed, and keeps twice that for reuse. Small chunks freed into
// the fast bins would not join the free end of a thread's heap, so none go there meanwhile.
constexpr int kTrimAtOnce = 128 * 1024;
constexpr int kMmapCeiling = 32 * 1024 * 1024;
constexpr int kKeepForReuse = 2 * kMmapCeiling;
constexpr int kDefaultMaxFast = 64 * static_cast<int>(sizeof(size_t)) / 4;
#endif

}  // namespace

FreedMemoryReturn::FreedMemoryReturn() {
    if (g_returning++ > 0) return;
#if defined(__GLIBC__)
    mallopt(M_TRIM_THRESHOLD, kTrimAtOnce);
    mallopt(M_MXFAST, 0);
#endif
}

FreedMemoryReturn::~FreedMemoryReturn() {
    if (--g_returning > 0) return;
#if defined(__GLIBC__)
    malloc_trim(0);
    mallopt(M_MXFAST, kDefaultMaxFast);
    // Setting the trim threshold ends glibc's dynamic rule for good, and with it the raising of the mmap
    // threshold: every later block above the one it had reached would be mapped and unmapped on each
    // allocation. Both are put where that rule leads, so such blocks are kept and reused again.
    mallopt(M_TRIM_THRESHOLD, kKeepForReuse);
    mallopt(M_MMAP_THRESHOLD, kMmapCeiling);
#endif
}
