#include "CheckEvents.h"

#include <QCoreApplication>

#include "ThreadHandOff.h"

void PostCheckEvent(QObject* target, int message, qintptr wParam) {
    if (!target) return;
    ThreadHandOff::Sent(target);
    QCoreApplication::postEvent(target, new CheckEvent(message, wParam));
}

void PostProgressShare(QObject* target, qint64 done, qint64 total, int& shown) {
    const int position = total > 0 ? static_cast<int>(done * kCheckProgressScale / total) : 0;
    if (position != shown) PostCheckEvent(target, WM_CHECK_PROGRESS, shown = position);
}
