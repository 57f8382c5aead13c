#include "CheckEvents.h"

#include <QCoreApplication>

#include "ThreadHandOff.h"

void PostCheckEvent(QObject* target, int message, qintptr wParam) {
    if (!target) return;
    ThreadHandOff::Sent(target);
    QCoreApplication::postEvent(target, new CheckEvent(message, wParam));
}
