#pragma once
#include <QEvent>

// Events the check worker and the plug-in's check post to the progress dialog. The type numbers
// are the message numbers the check was designed with (the user range begins at 1024).
inline constexpr int WM_USER = 0x0400;
inline constexpr int WM_CHECK_PROGRESS_RANGE = WM_USER + 200;  // wParam: upper bound
inline constexpr int WM_CHECK_PROGRESS = WM_USER + 201;        // wParam: position
inline constexpr int WM_CHECK_FINISHED = WM_USER + 202;
inline constexpr int WM_CHECK_SHOW = WM_USER + 203;
// Other work behind the same dialog names its stages: wParam is the stage's index.
inline constexpr int WM_PROGRESS_STAGE = WM_USER + 204;

// The progress scale of a check run.
inline constexpr int kCheckProgressScale = 120;

class CheckEvent : public QEvent {
public:
    CheckEvent(int message, qintptr wParam) : QEvent(static_cast<QEvent::Type>(message)), m_wParam(wParam) {}
    qintptr WParam() const { return m_wParam; }

private:
    qintptr m_wParam;
};

// Posts a check event; safe from any thread. A null target drops it.
void PostCheckEvent(QObject* target, int message, qintptr wParam = 0);
// Posts WM_CHECK_PROGRESS with done's share of total on the check's scale when that differs from shown,
// which then becomes it: a bar that moves in steps of its own, whatever the number of steps of the work.
void PostProgressShare(QObject* target, qint64 done, qint64 total, int& shown);
