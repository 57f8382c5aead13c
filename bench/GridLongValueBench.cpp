// A part whose first member's COMMENT holds one long value, opened in the running editor beside the same
// part without it: how long Enter on the part takes until its grid is shown, how long the File menu takes
// to open (Alt+F) with that grid active, before and after the cell is copied, and the memory. Every run is a
// process of its own; each round runs both profiles. Printed are the medians over the rounds. Targets: the
// grid within 0.3 s of the part without the value, the menu within 100 ms, and the peak from the Enter
// until the menu was shown at most twice the value's size (as the editor holds it, in UTF-16) above the part
// without it. The process's peak is printed beside it: reading the file (pel_long_value_bench measures the
// open) and copying the cell, which copies the value, reach it, not showing the part.
//
//   QT_QPA_PLATFORM=offscreen pel_grid_long_value_bench [--sizes=32] [--dir=/tmp/pel_bench] [--runs=3]

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <algorithm>
#include <cstdio>

#include "BenchRunningEditor.h"
#include "BenchSupport.h"
#include "CMainFrame.h"
#include "CTessalyApp.h"
#include "CVsflexgridn.h"
#include "CWorkView.h"
#include "ProfileGenerator.h"

namespace {

constexpr double kGridTargetMs = 300;
constexpr double kMenuTargetMs = 100;
constexpr double kPeakTarget = 2.0;  // times the value's size

// Alt+F with the grid focused; the ms until the File menu was shown, or -1 when it was not.
double OpenFileMenu(CMainFrame& frame, QWidget& grid) {
    QMenu* fileMenu = frame.menuBar()->actions().value(0) ? frame.menuBar()->actions()[0]->menu() : nullptr;
    grid.setFocus();
    Settle();
    QElapsedTimer timer;
    timer.start();
    QTest::keyClick(&grid, Qt::Key_F, Qt::AltModifier);
    Settle();
    const double ms = timer.nsecsElapsed() / 1e6;
    if (!fileMenu || QApplication::activePopupWidget() != fileMenu) return -1;
    fileMenu->hide();
    Settle();
    return ms;
}

// Opens the file in the editor, presses Enter on Memory0, opens the File menu with the first COMMENT cell
// current, copies that cell and opens the menu again. Prints the ms until the grid was shown, the two menu
// times, and the peak MiB from the Enter to the first menu (the copy is an edit: it copies the value).
int ShowInChild(int argc, char** argv, const QString& file) {
    BenchRunningEditor editor(argc, argv);
    if (!editor.Make(file)) return 2;
    double gridMs = 0;
    CWorkView* view = editor.OpenPart(QStringLiteral("Memory0"), &gridMs);
    if (!view) return 5;
    CMainFrame& frame = *editor.app->MainFrame();
    CVsflexgridn& grid = view->Grid();
    const int comment = view->ItemTypeColumn(COMMENT);
    grid.Select(1, comment, 1, comment);
    const double menuMs = OpenFileMenu(frame, grid);
    const double shownPeakMiB = PeakResidentMiB();
    view->OnCopy();
    if (QApplication::clipboard()->text().size() < grid.GetTextMatrix(1, comment).size()) return 6;
    const double copiedMenuMs = OpenFileMenu(frame, grid);
    if (menuMs < 0 || copiedMenuMs < 0) return 7;
    const double valueMiB = grid.GetTextMatrix(1, comment).size() * 2.0 / 1048576;
    std::printf("%.1f %.1f %.1f %.1f %.1f\n", gridMs, menuMs, copiedMenuMs, shownPeakMiB, valueMiB);
    return 0;
}

struct Runs {
    QList<double> gridMs, menuMs, copiedMenuMs, peakMiB, processPeakMiB, valueMiB;
};

void Print(const char* what, const Runs& runs) {
    std::printf(
        "  %-16s grid shown %6.0f ms; File menu %5.1f ms, after a copy of the cell %5.1f ms; peak until "
        "the menu %5.0f MiB, of the process %5.0f MiB\n",
        what, Median(runs.gridMs), Median(runs.menuMs), Median(runs.copiedMenuMs), Median(runs.peakMiB),
        Median(runs.processPeakMiB));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && QByteArray(argv[1]) == "--child") {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        return ShowInChild(argc, argv, QString::fromLocal8Bit(argv[2]));
    }
    BenchOptions options = ParseBenchOptions(argc, argv);
    if (!options.rest.isEmpty()) {
        std::fprintf(stderr, "usage: %s [--sizes=32] [--dir=DIR] [--runs=3]\n", argv[0]);
        return 2;
    }
    bool sizesGiven = false;
    for (int i = 1; i < argc; ++i) sizesGiven = sizesGiven || QByteArray(argv[i]).startsWith("--sizes=");
    if (!sizesGiven) options.sizes = {32};
    const QString self = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath();
    const QString without = options.dir + QStringLiteral("/grid_long_value_none.pelp");
    ProfileShape plain;
    plain.largePartElements = 250;  // one block, its memory part as generated blocks hold it
    if (!EnsureProfile(without, plain)) return 1;
    int missed = 0;
    for (int mb : options.sizes) {
        ProfileShape one = plain;
        one.commentBytes = qint64(mb) << 20;
        const QString with = options.dir + QString("/grid_long_value_%1MB.pelp").arg(mb);
        if (!EnsureProfile(with, one)) return 1;
        std::printf("a COMMENT of %d MB in Memory0 (%.1f MB file), beside the part without it; %d rounds\n",
                    mb, QFileInfo(with).size() / 1048576.0, options.runs);
        Runs withRuns, withoutRuns;
        for (int r = 0; r < options.runs; ++r) {
            const ChildRun a = RunChild({self, "--child", with});
            const ChildRun b = RunChild({self, "--child", without});
            if (!a.ok || !b.ok) {
                std::fprintf(stderr, "a run failed (with the value %d, without %d)\n", a.ok, b.ok);
                return 1;
            }
            for (auto [run, into] : {std::pair{&a, &withRuns}, std::pair{&b, &withoutRuns}}) {
                const QList<QByteArray> said = run->output.trimmed().split(' ');
                into->gridMs << said.value(0).toDouble();
                into->menuMs << said.value(1).toDouble();
                into->copiedMenuMs << said.value(2).toDouble();
                into->peakMiB << said.value(3).toDouble();
                into->valueMiB << said.value(4).toDouble();
                into->processPeakMiB << run->peakMiB;
            }
        }
        Print("with the value:", withRuns);
        Print("without it:", withoutRuns);
        const double gridMore = Median(withRuns.gridMs) - Median(withoutRuns.gridMs);
        const double menu = std::max(Median(withRuns.menuMs), Median(withRuns.copiedMenuMs));
        // The value as the editor holds it: UTF-16, what an edit, a save or an export reads.
        const double valueMiB = Median(withRuns.valueMiB);
        const double peakMore = (Median(withRuns.peakMiB) - Median(withoutRuns.peakMiB)) / valueMiB;
        const double processMore =
            (Median(withRuns.processPeakMiB) - Median(withoutRuns.processPeakMiB)) / valueMiB;
        std::printf("  grid +%.0f ms (target +%.0f ms: %s); menu at most %.1f ms (target %.0f ms: %s)\n",
                    gridMore, kGridTargetMs, Verdict(gridMore, kGridTargetMs), menu, kMenuTargetMs,
                    Verdict(menu, kMenuTargetMs));
        std::printf(
            "  the value holds %.0f MiB as text: peak until the menu +%.2fx that (target %.1fx: %s), +%.2fx "
            "its %d MB in the file; process peak +%.2fx\n",
            valueMiB, peakMore, kPeakTarget, Verdict(peakMore, kPeakTarget), peakMore * valueMiB / mb, mb,
            processMore);
        missed += gridMore > kGridTargetMs || menu > kMenuTargetMs || peakMore > kPeakTarget;
    }
    return missed ? 1 : 0;
}
