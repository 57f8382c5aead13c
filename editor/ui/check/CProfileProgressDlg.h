#pragma once
#include <QDialog>
#include <QList>
#include <memory>

#include "PluginRecords.h"

class IDialogPresenter;
class QProgressBar;
class QThread;
struct ProfileCheckJob;

// The modal progress dialog of a check run. The worker thread starts once the dialog's event
// loop runs and reaches the dialog only by posted events; the dialog cannot be dismissed while
// the worker runs, and it waits for the thread before it returns.
class CProfileProgressDlg : public QDialog {
    Q_OBJECT
public:
    explicit CProfileProgressDlg(QWidget* parent = nullptr);
    ~CProfileProgressDlg() override;

    // Runs the check behind the dialog: IDOK once the worker has finished, -1 when it never ran.
    int DoModal(IDialogPresenter& presenter, const ProfileCheckJob& job,
                QList<_ST_PEL_CHECK_MESSAGE>& messages);

    QProgressBar& ProgressBar() { return *m_progress; }
    bool WorkerStarted() const { return m_thread != nullptr; }

public slots:
    void reject() override;

protected:
    void customEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void StartWorker(const ProfileCheckJob& job, QList<_ST_PEL_CHECK_MESSAGE>& messages);
    void WaitForWorker();

    QProgressBar* m_progress = nullptr;
    std::unique_ptr<QThread> m_thread;
    bool m_finished = false;
    bool m_returned = false;
};
