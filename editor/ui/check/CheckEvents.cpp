#include "CheckEvents.h"

#include <QCoreApplication>

void PostCheckEvent(QObject* target, int message, qintptr wParam) {
    if (target) QCoreApplication::postEvent(target, new CheckEvent(message, wParam));
}
