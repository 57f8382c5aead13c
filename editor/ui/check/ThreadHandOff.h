#pragma once
// Qt is not built with ThreadSanitizer, so the order its own locks give is invisible to it: an event a
// worker posts, or a thread's end that QThread::wait reports, would look unordered. In a ThreadSanitizer
// build these mark such hand-offs on a channel (an address both sides know); elsewhere they are nothing.

#if defined(__SANITIZE_THREAD__)
#define PEL_THREAD_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define PEL_THREAD_SANITIZER 1
#endif
#endif

#ifdef PEL_THREAD_SANITIZER
#include <sanitizer/tsan_interface.h>
#endif

namespace ThreadHandOff {

#ifdef PEL_THREAD_SANITIZER
inline constexpr bool kMarked = true;
#else
inline constexpr bool kMarked = false;
#endif

// What this thread has done so far is seen by a later Received on the same channel, in any thread.
inline void Sent([[maybe_unused]] const void* channel) {
#ifdef PEL_THREAD_SANITIZER
    __tsan_release(const_cast<void*>(channel));
#endif
}

inline void Received([[maybe_unused]] const void* channel) {
#ifdef PEL_THREAD_SANITIZER
    __tsan_acquire(const_cast<void*>(channel));
#endif
}

}  // namespace ThreadHandOff
