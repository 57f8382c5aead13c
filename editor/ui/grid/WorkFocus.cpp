#include "WorkFocus.h"

#include <QApplication>
#include <QMenuBar>
#include <QPointer>

namespace WorkFocus {
namespace {

QPointer<QWidget> g_lentToMenuBar;

}  // namespace

void Follow() {
    static QPointer<QCoreApplication> followed;
    if (!qApp || followed == qApp) return;
    followed = qApp;
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget* old, QWidget* now) {
        if (!qobject_cast<QMenuBar*>(now))
            g_lentToMenuBar = nullptr;
        else if (!qobject_cast<QMenuBar*>(old))
            g_lentToMenuBar = old;
    });
}

QWidget* Widget() {
    QWidget* focus = QApplication::focusWidget();
    return qobject_cast<QMenuBar*>(focus) && g_lentToMenuBar ? g_lentToMenuBar.data() : focus;
}

}  // namespace WorkFocus
