#pragma once
#include <QApplication>
#include <exception>
#include <functional>

// The editor's QApplication. No exception may leave a slot or an event handler: the commands report
// their own failures. One that still gets through is caught here, the last net, and handed to the
// failure handler, so that the editor goes on with the user's work instead of ending.
class EditorApplication : public QApplication {
public:
    EditorApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Without a handler the failure is only written to the error output.
    void SetFailureHandler(std::function<void(const std::exception_ptr&)> handler);

private:
    std::function<void(const std::exception_ptr&)> m_failureHandler;
};
