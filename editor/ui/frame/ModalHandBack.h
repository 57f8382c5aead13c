#pragma once
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

class QWidget;

// Hands the activation and the focus back once the last modal window of the application closes: a
// dialog, a wizard, a message box or a file dialog, the plug-ins' too. The window manager does not
// always do it: when modal windows close one right after the other (a box, then the wizard's pages),
// it can be left with the closed window as its active one and no window focused, and every key is lost
// until the user clicks. So the window that was active when the first modal window showed is asked to
// be active again, and asked again until the window system has made it so; but only while the focus is
// nowhere: never from another program or another window of the editor, and not once the user has given
// input to another window or minimised this one.
class ModalHandBack : public QObject {
public:
    // fallbackWindow is taken when no other window was active; fallbackFocus is called when the widget
    // that had the focus in it is gone.
    ModalHandBack(QWidget& fallbackWindow, std::function<void()> fallbackFocus);
    ~ModalHandBack() override;

    // Asks the window system to make the window active, unless the focus is with another program or another
    // shown window of the editor. While a popup of a closed dialog is still open (a file name completer's
    // list), the window can be the focus window without being the active one: then only the widgets learn it.
    static void Activate(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void HandBack();
    void RestoreFocus(QWidget& window);
    void Reset();
    QWidget& Target() const;
    // Input the user gives to another shown window, or a minimise, ends the hand-back.
    bool EndsHandBack(const QObject* watched, const QEvent* event) const;

    QWidget& m_fallbackWindow;
    std::function<void()> m_fallbackFocus;
    QPointer<QWidget> m_window;  // active when the first modal window showed
    QPointer<QWidget> m_focus;   // its focus widget then
    QTimer m_retry;
    int m_attempts = 0;
    int m_settledChecks = 0;
    bool m_handingBack = false;  // from the last modal window's close until the window system settled
};
