#pragma once
#include <QObject>
#include <functional>

// Runs an update once per turn of the event loop however many changes ask for it. A key that may
// fire a shortcut, or a click that may press a toolbar button, runs a pending update first, so they
// meet the state of the last change even when input comes faster than the loop turns.
class CoalescedUpdate : public QObject {
public:
    explicit CoalescedUpdate(std::function<void()> update, QObject* parent = nullptr);
    ~CoalescedUpdate() override;

    void Request();
    // Runs a pending update now.
    void Flush();
    bool Pending() const { return m_pending; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> m_update;
    bool m_pending = false;
};
