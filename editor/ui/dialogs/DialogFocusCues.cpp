#include "DialogFocusCues.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>

DialogFocusCues::DialogFocusCues() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

bool DialogFocusCues::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        if (auto* dialog = qobject_cast<QDialog*>(watched); dialog && dialog->isWindow())
            dialog->setAttribute(Qt::WA_KeyboardFocusChange);
    }
    return false;
}
