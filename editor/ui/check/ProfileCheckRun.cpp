#include "ProfileCheckRun.h"

#include "COutputWnd.h"
#include "CProfileProgressDlg.h"
#include "CommandFailure.h"
#include "ICheckRunFrame.h"
#include "ProfileCheckWorker.h"
#include "ResourceMessage.h"

namespace {

// Keeps the frame's model views still while the dialog runs, on every way out.
class LockedViews {
public:
    explicit LockedViews(ICheckRunFrame* frame) : m_frame(frame) {
        if (m_frame) m_frame->SetModelViewsLocked(true);
    }
    ~LockedViews() {
        if (m_frame) m_frame->SetModelViewsLocked(false);
    }
    LockedViews(const LockedViews&) = delete;
    LockedViews& operator=(const LockedViews&) = delete;

private:
    ICheckRunFrame* m_frame;
};

// Clears the re-entrancy flag on every way out, exceptions included.
class RunningFlag {
public:
    explicit RunningFlag(int& flag) : m_flag(flag) { m_flag = 1; }
    ~RunningFlag() { m_flag = 0; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

private:
    int& m_flag;
};

QString Number(int value) {
    return QString::number(value);
}

}  // namespace

int RunProfileCheck(ProfileCheckRunContext& context, int forExport) {
    if (context.checkRunning) return 0;
    RunningFlag running(context.checkRunning);

    if (context.frame) context.frame->FinishActiveCellEdit();
    context.checkMessages.clear();

    int shown = -1;
    std::exception_ptr startFailure;
    {
        LockedViews locked(context.frame);
        CProfileProgressDlg dialog(context.frame ? context.frame->CheckDialogParent() : nullptr);
        dialog.setWindowTitle(context.strings.LoadString(IDS_CHECK_PROGRESS_TITLE));
        QStringList stages;
        for (int stage = 0; stage < CHECK_STAGE_COUNT; ++stage)
            stages.append(context.strings.LoadString(IDS_CHECK_STAGE_FIRST + stage));
        dialog.ShowStages(QString(), stages, false);
        shown = dialog.DoModal(context.dialogs, context.job, context.checkMessages);
        startFailure = dialog.WorkerStartFailure();
    }
    if (startFailure)
        CommandFailure::Report(context.strings, context.messages, CheckOperationName(context.strings),
                               startFailure);
    if (shown == -1) return 1;

    const CheckFindingCounts counts = CountCheckFindings(context.checkMessages);
    if (context.frame) {
        COutputWnd& output = context.frame->OutputPane();
        output.ShowCheckResults(
            FormatResourceMessage(context.strings, {Number(counts.errors), Number(counts.warnings)},
                                  IDS_CHECK_SUMMARY),
            context.checkMessages);
        output.BringToFront();
        if (context.frame->CloseWaiting()) return 1;
    }

    if (counts.errors > 0) {
        // Before an export the errors also mean that nothing was written.
        const QString stopped = forExport ? context.strings.LoadString(IDS_CHECK_EXPORT_STOPPED) : QString();
        if (counts.warnings > 0)
            ShowResourceMessage(context.strings, context.messages,
                                {Number(counts.errors), Number(counts.warnings), stopped},
                                IDS_CHECK_ERRORS_AND_WARNINGS, MB_ICONERROR);
        else
            ShowResourceMessage(context.strings, context.messages, {Number(counts.errors), stopped},
                                IDS_CHECK_ERRORS, MB_ICONERROR);
        return 1;
    }
    if (counts.warnings > 0) {
        if (forExport) {
            const QString question =
                FormatResourceMessage(context.strings, {}, IDS_CHECK_EXPORT_WITH_WARNINGS);
            if (ShowMessageBox(context.messages, question, QString(), MB_YESNO | MB_ICONQUESTION) != IDYES)
                return 1;
        } else {
            ShowResourceMessage(context.strings, context.messages, {Number(counts.warnings)},
                                IDS_CHECK_WARNINGS, MB_ICONERROR);
        }
    } else if (!forExport) {
        ShowResourceMessage(context.strings, context.messages, {}, IDS_CHECK_NO_PROBLEMS, MB_ICONINFORMATION);
    }
    return 0;
}
