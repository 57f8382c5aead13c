// The cell editor on a long value in the running editor (offscreen): a COMMENT of 32 MB in lines of 64 bytes
// and one of 8 MB without a line break, each the first COMMENT of Memory0 (the profiles of
// pel_grid_long_value_bench). With the part's grid shown and the cell current: F2 until an editor holding the
// whole value is shown, Escape, F2 again, Ctrl+Home, End, three characters typed, Enter. Every key is timed
// until nothing is left to do, paints included, and the stored value is checked byte for byte: the value with
// the three characters at the end of its first line, one undo entry. The peak memory from the first F2 to the
// end is taken above the resident memory of the grid without the editor. Every run is a process of its own;
// printed are the medians over the rounds. Targets: F2, Enter and Escape within 0.3 s, a typed character
// within 50 ms, the peak at most twice the value's size (as the editor holds it, in UTF-16).
//
//   QT_QPA_PLATFORM=offscreen pel_cell_editor_bench [--sizes=32] [--one-line=8] [--dir=/tmp/pel_bench]
//   [--runs=3]

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>
#include <algorithm>
#include <cstdio>

#include "BenchRunningEditor.h"
#include "BenchSupport.h"
#include "CVsflexgridn.h"
#include "CWorkView.h"
#include "CellTextEdit.h"
#include "CommandManager.h"
#include "ProfileGenerator.h"

namespace {

constexpr double kOpenTargetMs = 300;  // F2, Enter, Escape
constexpr double kKeyTargetMs = 50;
constexpr double kPeakTarget = 2.0;  // times the value's size
const QString kTyped = QStringLiteral("xyz");

// What one run measured, in the order the child prints it.
enum Figure { F2, Escape, F2Again, Home, End, Typed, Enter, PeakMiB, ValueMiB, FigureCount };
constexpr const char* kNames[] = {
    "F2", "Escape", "F2 again", "Ctrl+Home", "End", "typed character (slowest)", "Enter", "peak", "value"};

double Timed(const std::function<void()>& act) {
    QElapsedTimer timer;
    timer.start();
    act();
    Settle();
    return timer.nsecsElapsed() / 1e6;
}

double Key(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    return Timed([&] { QTest::keyClick(widget, key, modifiers); });
}

// The stored value is the value with the typed text at the end of its first line, trimmed as every typed
// value is (a generated value ends with a line break).
bool StoredAsTyped(const QString& stored, const QString& value) {
    const QStringView v = QStringView(value).trimmed(), s(stored);
    qsizetype at = 0;
    while (at < v.size() && v[at] != u'\n' && v[at] != u'\r') ++at;
    return s.size() == v.size() + kTyped.size() && s.first(at) == v.first(at) &&
           s.sliced(at, kTyped.size()) == kTyped && s.sliced(at + kTyped.size()) == v.sliced(at);
}

int EditInChild(int argc, char** argv, const QString& file) {
    BenchRunningEditor editor(argc, argv);
    if (!editor.Make(file)) return 2;
    CWorkView* view = editor.OpenPart(QStringLiteral("Memory0"));
    if (!view) return 3;
    CVsflexgridn& grid = view->Grid();
    const int comment = view->ItemTypeColumn(COMMENT);
    grid.Select(1, comment, 1, comment);
    grid.setFocus();
    Settle();
    const QString value = grid.GetTextMatrix(1, comment);
    const int undos = GetCommandManager()->UndoCount();
    const double before = ResidentMiB();
    ResetPeak();

    double figures[FigureCount] = {};
    const auto open = [&] {
        const double ms = Key(&grid, Qt::Key_F2);
        auto* cell = qobject_cast<CellTextEdit*>(grid.ActiveEditor());
        return cell && cell->isVisible() && cell->Document().Length() == value.size() ? ms : -1;
    };
    figures[F2] = open();
    figures[Escape] = Key(grid.ActiveEditor(), Qt::Key_Escape);
    if (figures[F2] < 0 || grid.IsEditing() || GetCommandManager()->UndoCount() != undos) return 4;
    figures[F2Again] = open();
    QWidget* cell = grid.ActiveEditor();
    if (figures[F2Again] < 0) return 5;
    figures[Home] = Key(cell, Qt::Key_Home, Qt::ControlModifier);
    figures[End] = Key(cell, Qt::Key_End);
    for (QChar c : kTyped)
        figures[Typed] = std::max(figures[Typed], Timed([&] { QTest::keyClicks(cell, QString(c)); }));
    figures[Enter] = Key(cell, Qt::Key_Return);
    figures[PeakMiB] = PeakResidentMiB() - before;
    figures[ValueMiB] = value.size() * 2.0 / 1048576;
    if (grid.IsEditing() || GetCommandManager()->UndoCount() != undos + 1) return 6;
    if (!StoredAsTyped(grid.GetTextMatrix(1, comment), value)) return 7;
    for (double figure : figures) std::printf("%.1f ", figure);
    std::printf("\n");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && QByteArray(argv[1]) == "--child") {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        return EditInChild(argc, argv, QString::fromLocal8Bit(argv[2]));
    }
    BenchOptions options = ParseBenchOptions(argc, argv);
    const bool oneLineGiven = options.rest.size() == 1 && options.rest[0].startsWith("--one-line=");
    const int oneLineMB = oneLineGiven ? options.rest[0].mid(11).toInt() : 8;
    if (oneLineMB < 1 || options.rest.size() > (oneLineGiven ? 1 : 0)) {
        std::fprintf(stderr, "usage: %s [--sizes=32] [--one-line=8] [--dir=DIR] [--runs=3]\n", argv[0]);
        return 2;
    }
    bool sizesGiven = false;
    for (int i = 1; i < argc; ++i) sizesGiven = sizesGiven || QByteArray(argv[i]).startsWith("--sizes=");
    if (!sizesGiven) options.sizes = {32};
    const QString self = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath();

    struct Value {
        QString what;
        QString file;
        ProfileShape shape;
    };
    QList<Value> values;
    ProfileShape part;
    part.largePartElements = 250;  // as pel_grid_long_value_bench makes it
    for (int mb : options.sizes) {
        ProfileShape lines = part;
        lines.commentBytes = qint64(mb) << 20;
        values.append({QString("a COMMENT of %1 MB in lines of 64 bytes").arg(mb),
                       options.dir + QString("/grid_long_value_%1MB.pelp").arg(mb), lines});
    }
    ProfileShape oneLine = part;
    oneLine.commentBytes = qint64(oneLineMB) << 20;
    oneLine.commentLineBreaks = false;
    values.append({QString("a COMMENT of %1 MB without a line break").arg(oneLineMB),
                   options.dir + QString("/cell_editor_%1MB_one_line.pelp").arg(oneLineMB), oneLine});

    int missed = 0;
    for (const Value& v : values) {
        if (!EnsureProfile(v.file, v.shape)) return 1;
        std::printf("%s (%.1f MB file); %d rounds\n", qPrintable(v.what),
                    QFileInfo(v.file).size() / 1048576.0, options.runs);
        QList<double> runs[FigureCount];
        for (int r = 0; r < options.runs; ++r) {
            const ChildRun run = RunChild({self, "--child", v.file});
            const QList<QByteArray> said = run.output.trimmed().split(' ');
            if (!run.ok || said.size() != FigureCount) {
                std::fprintf(stderr, "a run failed: %s\n", run.output.constData());
                return 1;
            }
            for (int f = 0; f < FigureCount; ++f) runs[f] << said[f].toDouble();
        }
        double median[FigureCount];
        for (int f = 0; f < FigureCount; ++f) median[f] = Median(runs[f]);
        for (int f = F2; f <= Enter; ++f) std::printf("  %-26s %7.1f ms\n", kNames[f], median[f]);
        const double open = std::max({median[F2], median[F2Again], median[Escape], median[Enter]});
        const double key = std::max({median[Home], median[End], median[Typed]});
        const double peak = median[PeakMiB] / median[ValueMiB];
        std::printf(
            "  F2, Escape and Enter at most %.0f ms (target %.0f ms: %s); keys at most %.1f ms (target %.0f "
            "ms: %s)\n",
            open, kOpenTargetMs, Verdict(open, kOpenTargetMs), key, kKeyTargetMs, Verdict(key, kKeyTargetMs));
        std::printf(
            "  peak +%.0f MiB above the grid, the value %.0f MiB as text: x%.2f (target x%.1f: %s); stored "
            "byte for byte as typed\n",
            median[PeakMiB], median[ValueMiB], peak, kPeakTarget, Verdict(peak, kPeakTarget));
        missed += open > kOpenTargetMs || key > kKeyTargetMs || peak > kPeakTarget;
    }
    return missed ? 1 : 0;
}
