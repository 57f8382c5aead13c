#include "ModalHandBack.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include "X11InputFocus.h"

namespace {

// The window manager answers an activation request within a few milliseconds; a request it dropped is
// made again at this pace for about two seconds. The window must then stay active for a few checks: a
// request of a closed dialog that the window manager handles late can take the focus away once more.
constexpr int kCheckMs = 100;
constexpr int kAttempts = 20;
constexpr int kSettledChecks = 3;

bool CanTakeFocus(const QWidget* widget, const QWidget& window) {
    return widget && widget->window() == &window && widget->isVisible() && widget->isEnabled();
}

bool IsUserInput(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::KeyPress || type == QEvent::Wheel ||
           type == QEvent::TouchBegin || type == QEvent::TabletPress;
}

// The server's focus is with someone the user chose: another program or another shown window of ours.
bool HeldElsewhere(const std::optional<X11InputFocus::Holder>& holder, const QWidget& window) {
    return holder && holder->kind != X11InputFocus::Holder::Nobody && holder->window != window.windowHandle();
}

}  // namespace

ModalHandBack::ModalHandBack(QWidget& fallbackWindow, std::function<void()> fallbackFocus)
    : m_fallbackWindow(fallbackWindow), m_fallbackFocus(std::move(fallbackFocus)) {
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &ModalHandBack::HandBack);
    qApp->installEventFilter(this);
}

ModalHandBack::~ModalHandBack() {
    qApp->removeEventFilter(this);
}

void ModalHandBack::Activate(QWidget& window) {
    QWindow* handle = window.windowHandle();
    if (!handle) return;
    const std::optional<X11InputFocus::Holder> holder = X11InputFocus::Current();
    if (HeldElsewhere(holder, window)) return;
    // Qt may still take the window for the focus window while the server has the focus elsewhere.
    if (QGuiApplication::focusWindow() == handle && (!holder || holder->window == handle)) {
        if (QApplication::activeWindow() == &window) return;
        QT_WARNING_PUSH
        QT_WARNING_DISABLE_DEPRECATED
        QApplication::setActiveWindow(&window);
        QT_WARNING_POP
    } else {
        handle->requestActivate();
    }
}

bool ModalHandBack::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (m_handingBack && EndsHandBack(watched, event)) Reset();
    if ((type != QEvent::Show && type != QEvent::Hide) || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (!widget->isWindow() || !widget->isModal()) return false;
    if (type == QEvent::Show) {
        // Another modal window on top of the first one, or one that shows while the last hand-back is
        // still waiting for the window system: the window to hand back to stays the one from before.
        m_retry.stop();
        m_handingBack = false;
        if (!m_window && !QApplication::activeModalWidget()) {
            m_window = QApplication::activeWindow();
            m_focus = m_window ? m_window->focusWidget() : nullptr;
        }
    } else {
        // The modal window that follows a closed one shows in the same call, before this runs.
        m_attempts = 0;
        m_settledChecks = 0;
        m_handingBack = true;
        m_retry.start(0);
    }
    return false;
}

QWidget& ModalHandBack::Target() const {
    return m_window && m_window->isVisible() ? *m_window : m_fallbackWindow;
}

bool ModalHandBack::EndsHandBack(const QObject* watched, const QEvent* event) const {
    if (!watched->isWidgetType()) return false;
    const QWidget* window = static_cast<const QWidget*>(watched)->window();
    if (event->type() == QEvent::WindowStateChange) return window == &Target() && window->isMinimized();
    // A popup belongs to the window it opened from.
    return IsUserInput(event->type()) && window != &Target() && window->isVisible() &&
           window->windowType() != Qt::Popup;
}

void ModalHandBack::HandBack() {
    if (QApplication::activeModalWidget()) return;
    QWidget& window = Target();
    // The window manager iconifies before Qt hears of it: asking for the activation then would restore it.
    if (!window.isVisible() || window.isMinimized() || m_attempts == kAttempts ||
        X11InputFocus::IsIconic(window).value_or(false)) {
        Reset();
        return;
    }
    const std::optional<X11InputFocus::Holder> holder = X11InputFocus::Current();
    if (HeldElsewhere(holder, window)) {
        Reset();
        return;
    }
    const std::optional<bool> server =
        holder ? std::optional<bool>(holder->window == window.windowHandle()) : std::nullopt;
    const bool forQt = window.windowHandle() && QGuiApplication::focusWindow() == window.windowHandle();
    if (forQt && server.value_or(true)) {
        Activate(window);
        if (m_settledChecks++ == 0) RestoreFocus(window);
        if (m_settledChecks == kSettledChecks) {
            Reset();
            return;
        }
    } else {
        m_settledChecks = 0;
        ++m_attempts;
        // With the server's focus in the window already, Qt only has not heard of it yet.
        if (!server.value_or(false)) Activate(window);
    }
    m_retry.start(kCheckMs);
}

// The focus goes back to the widget that had it, unless a command moved it meanwhile; to the fallback
// when neither can take it any more.
void ModalHandBack::RestoreFocus(QWidget& window) {
    QWidget* target = window.focusWidget();
    if (!CanTakeFocus(target, window)) target = m_focus;
    if (CanTakeFocus(target, window))
        target->setFocus(Qt::ActiveWindowFocusReason);
    else if (&window == &m_fallbackWindow && m_fallbackFocus)
        m_fallbackFocus();
}

void ModalHandBack::Reset() {
    m_handingBack = false;
    m_retry.stop();
    m_window = nullptr;
    m_focus = nullptr;
}
