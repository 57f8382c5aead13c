#include "CheckProgressPoster.h"

#include "CheckEvents.h"

void CheckProgressPoster::PostCheckProgress(int value) {
    PostCheckEvent(m_target, WM_CHECK_PROGRESS, value);
}
