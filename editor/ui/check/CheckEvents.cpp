#include "CheckEvents.h"

#include <QCoreApplication>

#include "ThreadHandOff.h"

void PostCheckEvent(QObject* target, int message, qintptr wParam) {
    if (!target) return;
    // Built before the hand-off is marked, so that the receiver's mark covers the event itself.
    auto* event = new CheckEvent(message, wParam);
    ThreadHandOff::Sent(target);
    QCoreApplication::postEvent(target, event);
}

void PostProgressShare(QObject* target, qint64 done, qint64 total, int& shown) {
    const int position = total > 0 ? static_cast<int>(done * kCheckProgressScale / total) : 0;
    if (position != shown) PostCheckEvent(target, WM_CHECK_PROGRESS, shown = position);
}
