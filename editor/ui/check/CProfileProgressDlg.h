#pragma once
#include <QDialog>
#include <QList>
#include <QStringList>
#include <exception>
#include <functional>
#include <thread>

#include "PluginRecords.h"

class IDialogPresenter;
class QLabel;
class QProgressBar;
class QPushButton;
struct ProfileCheckJob;

// The modal progress dialog of a check run. The worker thread starts once the dialog's event
// loop runs and reaches the dialog only by posted events; the dialog cannot be dismissed while
// the worker runs, and it waits for the thread before it returns. Work that can stop early may
// offer Cancel. When no thread can be started, the dialog ends at once, as if it had never run.
class CProfileProgressDlg : public QDialog {
    Q_OBJECT
public:
    explicit CProfileProgressDlg(QWidget* parent = nullptr);
    ~CProfileProgressDlg() override;

    // How the worker's thread is made: the default (null) is std::thread's constructor, which throws
    // std::system_error when the system cannot start one; a test may put in one that fails so.
    using ThreadStart = std::thread (*)(std::function<void()> run);
    // Returns the previous one.
    static ThreadStart SetThreadStart(ThreadStart start);

    // Runs the check behind the dialog: IDOK once the worker has finished, -1 when it never ran.
    int DoModal(IDialogPresenter& presenter, const ProfileCheckJob& job,
                QList<_ST_PEL_CHECK_MESSAGE>& messages);
    // Runs other work behind the dialog in the same way. The work gets the dialog to post its events
    // to and must end by posting WM_CHECK_FINISHED.
    int RunWork(IDialogPresenter& presenter, std::function<void(QObject* dialog)> work);
    // Names the work above the bar (the first stage when there is no heading); WM_PROGRESS_STAGE then
    // shows stage n's text and, when the bar counts the stages, moves the bar to n of their count.
    // Otherwise the work moves the bar itself.
    void ShowStages(const QString& heading, const QStringList& stages, bool barCountsStages = true);
    // Keeps the dialog off the screen until the work has run for delayMs, so that short work does not
    // flash it; it is modal, and so blocks input to the other windows, from the start all the same.
    void ShowAfter(int delayMs);
    // Offers Cancel: its button, Escape, the window's close button and the close of the window behind the
    // dialog call cancel (once), and the dialog goes on waiting for the work, which is to end soon after.
    void EnableCancel(std::function<void()> cancel);

    QProgressBar& ProgressBar() { return *m_progress; }
    QLabel& StageLabel() { return *m_stage; }
    QPushButton* CancelButton() const { return m_cancelButton; }
    bool WorkerStarted() const { return m_workerStarted; }
    // Why the worker could not be started (a std::system_error); null when it was, or never tried.
    std::exception_ptr WorkerStartFailure() const { return m_startFailure; }

public slots:
    void reject() override;

protected:
    void customEvent(QEvent* event) override;
    // On the window behind, for its close; and in a ThreadSanitizer build on the application, to tell it
    // the worker's posted events are ordered.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void StartWorker(std::function<void(QObject*)> work);
    void WaitForWorker();
    void PutOnScreen();
    void RequestCancel();

    QProgressBar* m_progress = nullptr;
    QLabel* m_stage = nullptr;
    QString m_heading;
    QStringList m_stages;
    bool m_barCountsStages = true;
    std::thread m_thread;
    bool m_workerStarted = false;
    std::exception_ptr m_startFailure;
    bool m_finished = false;
    bool m_returned = false;
    int m_showDelayMs = -1;  // -1: shown at once
    std::function<void()> m_cancel;
    QPushButton* m_cancelButton = nullptr;
};
