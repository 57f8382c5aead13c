// Check a 100 MB profile in the running editor (offscreen), then close it: File > Check behind its progress
// dialog, watched for when it first names what it does and first moves, then File > Close. Every run is a
// process of its own. Printed are the medians over the rounds: when the dialog first names a stage and
// first moves, how long each stage takes, the process's resident memory with no file, with the file open,
// after the check and after the close, and how long the close took. The close is held to giving back
// what the file took: resident after it at most the start plus 10% of what the check had added.
//
//   pel_check_close_bench [--sizes=100] [--dir=/tmp/pel_bench] [--runs=3]

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <cstdio>

#include "BenchRunningEditor.h"
#include "BenchSupport.h"
#include "CMainFrame.h"
#include "CProfileProgressDlg.h"
#include "CTessalyApp.h"
#include "CheckEvents.h"
#include "CommandIds.h"
#include "MessageBoxStyle.h"
#include "ProfileCheckWorker.h"
#include "ProfileGenerator.h"
#include "StagedProgramFolder.h"
#include "UiTestSupport.h"

namespace {

constexpr double kKeptShare = 0.10;

// Notes when the dialog takes the worker's events, and whether it says anything by then.
class DialogClock : public QObject {
public:
    explicit DialogClock(CProfileProgressDlg& dialog) : m_dialog(dialog) {
        dialog.installEventFilter(this);
        timer.start();
    }
    bool eventFilter(QObject*, QEvent* event) override {
        const int type = static_cast<int>(event->type());
        if (type < WM_CHECK_PROGRESS_RANGE || type > WM_PROGRESS_STAGE) return false;
        const double ms = timer.nsecsElapsed() / 1e6;
        const auto wParam = static_cast<const CheckEvent*>(event)->WParam();
        if (firstEventMs < 0) {
            firstEventMs = ms;
            namedAtFirst = !m_dialog.StageLabel().text().isEmpty();
        }
        if (type == WM_PROGRESS_STAGE && wParam == CHECK_STAGE_CHECKING) checkingMs = ms;
        if (type == WM_CHECK_PROGRESS && wParam > 0 && firstMoveMs < 0) firstMoveMs = ms;
        if (type == WM_CHECK_FINISHED) finishedMs = ms;
        return false;
    }
    QElapsedTimer timer;
    double firstEventMs = -1, firstMoveMs = -1, checkingMs = -1, finishedMs = -1;
    bool namedAtFirst = false;

private:
    CProfileProgressDlg& m_dialog;
};

int CheckInChild(int argc, char** argv, const QString& file) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    BenchRunningEditor editor(argc, argv);
    UiTest::ScriptedDialogPresenter& dialogs = editor.dialogs;
    double firstEventMs = -1, firstMoveMs = -1, checkingMs = -1, finishedMs = -1;
    bool named = false;
    dialogs.onRun = [&](QDialog& dialog) {
        auto* progress = qobject_cast<CProfileProgressDlg*>(&dialog);
        if (!progress) return int(QDialog::Rejected);
        DialogClock clock(*progress);
        const int result = dialog.exec();
        firstEventMs = clock.firstEventMs, firstMoveMs = clock.firstMoveMs;
        checkingMs = clock.checkingMs, finishedMs = clock.finishedMs, named = clock.namedAtFirst;
        return result;
    };
    if (!editor.Make()) return 2;
    CTessalyApp& app = *editor.app;
    app.checkFinishPauseMs = 0;
    if (!app.InitInstance()) return 3;
    QCoreApplication::processEvents();
    const double started = ResidentMiB();
    app.OpenProfileFile(file);
    if (!app.Utility().fileOpen) return 4;
    const double opened = ResidentMiB();
    const auto trigger = [&app](int id) {
        app.MainFrame()->UpdateCommandUi();
        app.MainFrame()->Action(id)->trigger();
        QCoreApplication::processEvents();
    };
    trigger(ID_FILE_CHECK);
    const double checked = ResidentMiB();
    const qsizetype findings = app.checkMessages.size();
    QElapsedTimer closing;
    closing.start();
    trigger(ID_FILE_CLOSE);
    const double closeMs = closing.nsecsElapsed() / 1e6;
    if (app.Utility().fileOpen) return 5;
    std::printf("%.1f %.1f %.1f %.1f %.1f %.1f %.1f %.1f %lld %d %.1f\n", started, opened, checked,
                ResidentMiB(), firstEventMs, firstMoveMs, checkingMs, finishedMs,
                static_cast<long long>(findings), named, closeMs);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && QByteArray(argv[1]) == "--child")
        return CheckInChild(argc, argv, QString::fromLocal8Bit(argv[2]));

    BenchOptions options = ParseBenchOptions(argc, argv);
    if (!options.rest.isEmpty()) {
        std::fprintf(stderr, "usage: %s [--sizes=100] [--dir=DIR] [--runs=3]\n", argv[0]);
        return 2;
    }
    if (options.sizes == QList<int>{10, 100}) options.sizes = {100};
    const QString self = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath();
    for (int mb : options.sizes) {
        const QString file = EnsureSizedProfile(options.dir, mb, options.runs);
        if (file.isEmpty()) return 1;
        QList<QList<double>> said(11);
        for (int r = 0; r < options.runs; ++r) {
            const ChildRun run = RunChild({self, "--child", file});
            if (!run.ok) {
                std::fprintf(stderr, "a run failed\n");
                return 1;
            }
            const QList<QByteArray> values = run.output.trimmed().split(' ');
            for (int i = 0; i < said.size(); ++i) said[i] << values.value(i).toDouble();
        }
        const auto m = [&](int i) { return Median(said[i]); };
        std::printf("  progress dialog: first event at %.0f ms, %s; the bar first moves at %.0f ms\n", m(4),
                    m(9) > 0 ? "already naming what it does" : "saying nothing yet", m(5));
        std::printf("  stages: loading the parts %.0f ms, checking %.0f ms (%.0f findings)\n", m(6) - m(4),
                    m(7) - m(6), m(8));
        const double kept = m(3) - m(0), took = m(2) - m(0);
        std::printf(
            "  resident: %.0f MiB without a file, %.0f open, %.0f checked, %.0f closed (the close took "
            "%.0f ms)\n",
            m(0), m(1), m(2), m(3), m(10));
        std::printf("  kept after the close: %.0f MiB of %.0f (target at most %.0f%%: %s)\n", kept, took,
                    kKeptShare * 100, Verdict(kept, kKeptShare * took));
    }
    return 0;
}
