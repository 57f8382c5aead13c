#pragma once
#include <QGuiApplication>

namespace Internal {

// The wait cursor for the lifetime of the object. Only around work without a window: an override
// cursor would also stand over every dialog and box shown meanwhile.
class WaitCursor {
public:
    WaitCursor() : m_on(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        if (m_on) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~WaitCursor() {
        if (m_on) QGuiApplication::restoreOverrideCursor();
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool m_on;
};

}  // namespace Internal
