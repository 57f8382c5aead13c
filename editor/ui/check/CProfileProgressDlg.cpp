#include "CProfileProgressDlg.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <cstdint>
#include <system_error>

#include "CheckEvents.h"
#include "IDialogPresenter.h"
#include "MessageBoxStyle.h"
#include "ProfileCheckJob.h"
#include "ProfileCheckWorker.h"
#include "ThreadHandOff.h"

namespace {

CProfileProgressDlg::ThreadStart g_threadStart = nullptr;

}  // namespace

CProfileProgressDlg::ThreadStart CProfileProgressDlg::SetThreadStart(ThreadStart start) {
    const ThreadStart previous = g_threadStart;
    g_threadStart = start;
    return previous;
}

CProfileProgressDlg::CProfileProgressDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("CProfileProgressDlg"));
    setModal(true);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("Progress1060"));
    m_progress->setRange(0, kCheckProgressScale);
    m_progress->setValue(0);
    m_progress->setMinimumWidth(320);
    m_stage = new QLabel(this);
    m_stage->setObjectName(QStringLiteral("StageText"));
    m_stage->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_stage);
    layout->addWidget(m_progress);
}

CProfileProgressDlg::~CProfileProgressDlg() {
    WaitForWorker();
}

int CProfileProgressDlg::DoModal(IDialogPresenter& presenter, const ProfileCheckJob& job,
                                 QList<_ST_PEL_CHECK_MESSAGE>& messages) {
    return RunWork(presenter,
                   [&job, &messages](QObject* dialog) { ProfileCheckWorker(job, messages, dialog); });
}

int CProfileProgressDlg::RunWork(IDialogPresenter& presenter, std::function<void(QObject*)> work) {
    // Queued, so the worker starts only once the dialog's own event loop runs.
    QMetaObject::invokeMethod(
        this, [this, work = std::move(work)]() mutable { StartWorker(std::move(work)); },
        Qt::QueuedConnection);
    if (m_showDelayMs >= 0) QTimer::singleShot(m_showDelayMs, this, &CProfileProgressDlg::PutOnScreen);
    // Installed last, so it sees every event before the application's other filters read it.
    if constexpr (ThreadHandOff::kMarked) QCoreApplication::instance()->installEventFilter(this);
    QWidget* behind = parentWidget() ? parentWidget()->window() : nullptr;
    if (behind) behind->installEventFilter(this);
    const int result = presenter.RunModal(*this);
    if (behind) behind->removeEventFilter(this);
    if constexpr (ThreadHandOff::kMarked) QCoreApplication::instance()->removeEventFilter(this);
    m_returned = true;
    WaitForWorker();
    // Without a finished worker there are no results to trust.
    return m_finished ? result : -1;
}

void CProfileProgressDlg::ShowStages(const QString& heading, const QStringList& stages,
                                     bool barCountsStages) {
    m_heading = heading;
    m_stages = stages;
    m_barCountsStages = barCountsStages;
    if (barCountsStages) m_progress->setRange(0, static_cast<int>(stages.size()));
    m_progress->setValue(0);
    m_stage->setText(heading.isEmpty() && !stages.isEmpty() ? stages.first() : heading);
    m_stage->show();
}

void CProfileProgressDlg::ShowAfter(int delayMs) {
    m_showDelayMs = delayMs;
    setAttribute(Qt::WA_DontShowOnScreen);
}

void CProfileProgressDlg::EnableCancel(std::function<void()> cancel) {
    m_cancel = std::move(cancel);
    if (m_cancelButton) return;
    setWindowFlag(Qt::WindowCloseButtonHint, true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_cancelButton = buttons->button(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::rejected, this, &CProfileProgressDlg::reject);
    layout()->addWidget(buttons);
}

void CProfileProgressDlg::RequestCancel() {
    if (!m_cancel || !m_cancelButton->isEnabled()) return;
    m_cancelButton->setEnabled(false);
    m_cancel();
}

void CProfileProgressDlg::PutOnScreen() {
    if (m_finished || !testAttribute(Qt::WA_DontShowOnScreen)) return;
    setAttribute(Qt::WA_DontShowOnScreen, false);
    // The dialog counts as shown already (hiding it would end its modal loop); only its window is missing.
    if (isVisible() && windowHandle()) windowHandle()->setVisible(true);
}

void CProfileProgressDlg::StartWorker(std::function<void(QObject*)> work) {
    if (m_returned || m_workerStarted || m_startFailure) return;
    std::function<void()> run = [this, work = std::move(work)] {
        work(this);
        ThreadHandOff::Sent(static_cast<QObject*>(this));
    };
    try {
        m_thread = g_threadStart ? g_threadStart(std::move(run)) : std::thread(std::move(run));
        m_workerStarted = true;
    } catch (const std::system_error& error) {
        m_startFailure =
            std::make_exception_ptr(std::system_error(error.code(), "no worker thread could be started"));
        // No worker will finish the dialog: it ends here, and the caller does without the work.
        QDialog::done(QDialog::Rejected);
    }
}

void CProfileProgressDlg::WaitForWorker() {
    if (m_thread.joinable()) m_thread.join();
}

bool CProfileProgressDlg::eventFilter(QObject* watched, QEvent* event) {
    // The worker's events were posted to this dialog; marked before anything reads them.
    ThreadHandOff::Received(static_cast<QObject*>(this));
    // Closing the window behind the dialog asks what the dialog's own close asks.
    if (event->type() == QEvent::Close && parentWidget() && watched == parentWidget()->window())
        RequestCancel();
    return QDialog::eventFilter(watched, event);
}

void CProfileProgressDlg::customEvent(QEvent* event) {
    const auto wParam = [event] { return static_cast<const CheckEvent*>(event)->WParam(); };
    switch (static_cast<int>(event->type())) {
        case WM_CHECK_PROGRESS_RANGE:
            m_progress->setRange(0, static_cast<int>(wParam()));
            break;
        case WM_CHECK_PROGRESS:
            m_progress->setValue(static_cast<std::int16_t>(wParam()));
            break;
        case WM_CHECK_FINISHED:
            m_finished = true;
            done(IDOK);
            break;
        case WM_CHECK_SHOW:
            show();
            break;
        case WM_PROGRESS_STAGE:
            if (wParam() >= 0 && wParam() < m_stages.size()) {
                const QString& stage = m_stages[wParam()];
                m_stage->setText(m_heading.isEmpty() ? stage : m_heading + QLatin1Char('\n') + stage);
                if (m_barCountsStages) m_progress->setValue(static_cast<int>(wParam()));
            }
            break;
        default:
            QDialog::customEvent(event);
    }
}

// The worker owns the model until it has finished; leaving early would hand it back too soon, so a
// cancel only asks the work to end.
void CProfileProgressDlg::reject() {
    if (m_finished)
        QDialog::reject();
    else
        RequestCancel();
}

void CProfileProgressDlg::closeEvent(QCloseEvent* event) {
    if (m_finished) {
        QDialog::closeEvent(event);
        return;
    }
    RequestCancel();
    event->ignore();
}
