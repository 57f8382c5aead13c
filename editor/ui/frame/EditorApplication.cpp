#include "EditorApplication.h"

#include <QtGlobal>

EditorApplication::EditorApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool EditorApplication::notify(QObject* receiver, QEvent* event) {
    std::exception_ptr failure;
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        failure = std::current_exception();
    }
    // Reported outside the handler: the message box runs an event loop of its own.
    try {
        if (m_failureHandler) {
            m_failureHandler(failure);
            return false;
        }
    } catch (...) {
    }
    qCritical("An exception left an event handler; the editor goes on.");
    return false;
}

void EditorApplication::SetFailureHandler(std::function<void(const std::exception_ptr&)> handler) {
    m_failureHandler = std::move(handler);
}
