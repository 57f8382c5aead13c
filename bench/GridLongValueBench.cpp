// A part whose first member's COMMENT holds one long value, opened in the running editor beside the same
// part without it: how long Enter on the part takes until its grid is shown, how long the File menu takes
// to open (Alt+F) with that grid active, before and after the cell is copied, and the memory. Every run is a
// process of its own; each round runs both profiles. Printed are the medians over the rounds. Targets: the
// grid within 0.3 s of the part without the value, the menu within 100 ms, and the peak from the Enter
// until the menu was shown at most twice the value's size (as the editor holds it, in UTF-16) above the part
// without it. The process's peak is printed beside it: reading the file (pel_long_value_bench measures the
// open) and copying the cell, which copies the value, reach it, not showing the part.
//
// Then a part of many elements whose COMMENTs are each long (--many=2000x50: 2,000 elements of 50 KB) beside
// the same part whose comments hold only their first four lines (256 bytes), so that the cells show the same:
// every menu of the main window opened from the keyboard with that grid active, each several times. A menu's
// cost must not depend on the data behind the grid: the menus' time with the long comments at most 10% above
// that with the short ones.
//
//   QT_QPA_PLATFORM=offscreen pel_grid_long_value_bench [--sizes=32] [--many=2000x50] [--dir=/tmp/pel_bench]
//                                                      [--runs=3]

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

// Alt and the menu's letter with the grid focused; the ms until the menu was shown, or -1 when it was not.
double OpenMenu(QAction* menu, QWidget& grid) {
    if (!menu || !menu->menu()) return -1;
    grid.setFocus();
    Settle();
    QElapsedTimer timer;
    timer.start();
    QTest::keyClick(&grid, QKeySequence::mnemonic(menu->text())[0].key(), Qt::AltModifier);
    Settle();
    const double ms = timer.nsecsElapsed() / 1e6;
    if (QApplication::activePopupWidget() != menu->menu()) return -1;
    menu->menu()->hide();
    Settle();
    return ms;
}

// Starts the editor on the file and presses Enter on Memory0: its view once the grid is shown, with the ms
// that took, and the first COMMENT cell current; null when something failed (the exit code in failed).
CWorkView* ShowMemoryPart(BenchRunningEditor& editor, const QString& file, double& gridMs, int& failed) {
    failed = 2;
    if (!editor.Make(file)) return nullptr;
    failed = 5;
    CWorkView* view = editor.OpenPart(QStringLiteral("Memory0"), &gridMs);
    if (!view) return nullptr;
    failed = 0;
    const int comment = view->ItemTypeColumn(COMMENT);
    view->Grid().Select(1, comment, 1, comment);
    return view;
}

// With the part shown, opens the File menu, copies the COMMENT cell and opens the menu again. Prints the ms
// until the grid was shown, the two menu times, and the peak MiB from the Enter to the first menu (the copy
// is an edit: it copies the value).
int TimeFileMenu(CMainFrame& frame, CWorkView& view, double gridMs) {
    QAction* fileMenu = frame.menuBar()->actions().value(0);
    CVsflexgridn& grid = view.Grid();
    const int comment = view.ItemTypeColumn(COMMENT);
    const double menuMs = OpenMenu(fileMenu, grid);
    const double shownPeakMiB = PeakResidentMiB();
    view.OnCopy();
    if (QApplication::clipboard()->text().size() < grid.GetTextMatrix(1, comment).size()) return 6;
    const double copiedMenuMs = OpenMenu(fileMenu, grid);
    if (menuMs < 0 || copiedMenuMs < 0) return 7;
    const double valueMiB = grid.GetTextMatrix(1, comment).size() * 2.0 / 1048576;
    std::printf("%.1f %.1f %.1f %.1f %.1f\n", gridMs, menuMs, copiedMenuMs, shownPeakMiB, valueMiB);
    return 0;
}

constexpr int kMenuRepeats = 21;

// Opens every menu of the menu bar, kMenuRepeats times each: each menu's median ms, in menu order; empty when
// a menu did not open.
QList<double> TimeMenus(CMainFrame& frame, CVsflexgridn& grid) {
    QList<double> medians;
    for (QAction* action : frame.menuBar()->actions()) {
        if (!action->menu() || !action->isVisible()) continue;
        QList<double> times;
        for (int i = 0; i < kMenuRepeats; ++i) {
            times << OpenMenu(action, grid);
            if (times.last() < 0) return {};
        }
        medians << Median(times);
    }
    return medians;
}

// With the part shown, times every menu; prints each menu's median ms, in menu order.
int TimeEveryMenu(CMainFrame& frame, CWorkView& view) {
    const QList<double> medians = TimeMenus(frame, view.Grid());
    if (medians.isEmpty()) return 8;
    for (double ms : medians) std::printf("%.2f ", ms);
    std::printf("\n");
    return 0;
}

// A run of its own: the editor on the file with Memory0 shown, then the mode's measures.
int InChild(int argc, char** argv, const QByteArray& mode, const QString& file) {
    BenchRunningEditor editor(argc, argv);
    double gridMs = 0;
    int failed = 0;
    CWorkView* view = ShowMemoryPart(editor, file, gridMs, failed);
    if (!view) return failed;
    CMainFrame& frame = *editor.app->MainFrame();
    return mode == "--child" ? TimeFileMenu(frame, *view, gridMs) : TimeEveryMenu(frame, *view);
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

// Every menu with the part of many long comments active, beside the same part with short ones; false when
// a run failed or the menus missed their target.
bool CompareMenus(const QString& self, const BenchOptions& options, qint64 elements, qint64 kib) {
    // The short comments are the long ones' first four lines: the cells show the same, and the lines after
    // the shown ones are all that differs.
    ProfileShape shortComments;
    shortComments.largePartElements = elements;
    shortComments.commentBytes = 4 * 64;
    shortComments.commentMembers = elements;
    ProfileShape longComments = shortComments;
    longComments.commentBytes = std::max(kib << 10, shortComments.commentBytes);
    const QString name = options.dir + QString("/grid_comments_%1").arg(elements);
    const QString with = name + QString("x%1KB.pelp").arg(kib), without = name + "x256B.pelp";
    if (!EnsureProfile(with, longComments) || !EnsureProfile(without, shortComments)) return false;
    std::printf(
        "Memory0 of %lld elements with a COMMENT of %lld KB each (%.1f MB file), beside the same part "
        "with their first 256 bytes; every menu %d times a round, %d rounds\n",
        static_cast<long long>(elements), static_cast<long long>(kib), QFileInfo(with).size() / 1048576.0,
        kMenuRepeats, options.runs);
    QList<QList<double>> withMs, withoutMs;  // per menu, one median per round
    for (int r = 0; r < options.runs; ++r) {
        const ChildRun a = RunChild({self, "--menus-child", with});
        const ChildRun b = RunChild({self, "--menus-child", without});
        const QList<QByteArray> saidA = a.output.simplified().split(' '),
                                saidB = b.output.simplified().split(' ');
        if (!a.ok || !b.ok || saidA.size() != saidB.size()) {
            std::fprintf(stderr, "a menu run failed (with the comments %d, without %d)\n", a.ok, b.ok);
            return false;
        }
        withMs.resize(saidA.size());
        withoutMs.resize(saidB.size());
        for (qsizetype m = 0; m < saidA.size(); ++m) {
            withMs[m] << saidA[m].toDouble();
            withoutMs[m] << saidB[m].toDouble();
        }
    }
    double withSum = 0, withoutSum = 0;
    std::printf("  each menu, ms with the long comments / with 256 bytes:");
    for (qsizetype m = 0; m < withMs.size(); ++m) {
        std::printf(" %.1f/%.1f", Median(withMs[m]), Median(withoutMs[m]));
        withSum += Median(withMs[m]);
        withoutSum += Median(withoutMs[m]);
    }
    const double ratio = withoutSum > 0 ? withSum / withoutSum : 0;
    std::printf("\n  all menus %.1f ms against %.1f ms: x%.2f (target x1.10: %s)\n", withSum, withoutSum,
                ratio, Verdict(ratio, 1.10));
    return ratio <= 1.10;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && (QByteArray(argv[1]) == "--child" || QByteArray(argv[1]) == "--menus-child")) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        return InChild(argc, argv, argv[1], QString::fromLocal8Bit(argv[2]));
    }
    BenchOptions options = ParseBenchOptions(argc, argv);
    qint64 manyElements = 2000, manyKiB = 50;
    for (qsizetype i = options.rest.size() - 1; i >= 0; --i) {
        if (!options.rest[i].startsWith("--many=")) continue;
        const QList<QByteArray> shape = options.rest.takeAt(i).mid(7).split('x');
        manyElements = shape.value(0).toLongLong();
        manyKiB = shape.value(1).toLongLong();
    }
    if (!options.rest.isEmpty() || manyElements < 0 || (manyElements > 0 && manyKiB <= 0)) {
        std::fprintf(stderr, "usage: %s [--sizes=32] [--many=2000x50] [--dir=DIR] [--runs=3]\n", argv[0]);
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
    if (manyElements > 0) missed += !CompareMenus(self, options, manyElements, manyKiB);
    return missed ? 1 : 0;
}
