#pragma once
#include <QAbstractNativeEventFilter>
#include <functional>

class QWidget;

// The window manager's close of a window that a modal window blocks never reaches the window: Qt drops it.
// Such a close (on X11 WM_DELETE_WINDOW) is offered to take first; what it takes, Qt never sees.
class BlockedCloseRequests final : public QAbstractNativeEventFilter {
public:
    BlockedCloseRequests(QWidget& window, std::function<bool()> take);
    ~BlockedCloseRequests() override;
    BlockedCloseRequests(const BlockedCloseRequests&) = delete;
    BlockedCloseRequests& operator=(const BlockedCloseRequests&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    QWidget& m_window;
    std::function<bool()> m_take;
};
