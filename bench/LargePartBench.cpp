// Enter on a part of 100,000 elements in the editor: the profile opened with the file command Open, then
// the part's window opened (CWorkViewManager::OpenPartView, offscreen) until the grid holds every row and
// has been shown. Every run is a process of its own; each round also runs `xmllint --noout` on the file.
// Printed are the medians over the rounds: the time from Enter until shown (target at most 0.5 s), the
// process's resident memory after the open and after showing, and its peak memory, which is held to at
// most 1.5x xmllint's in the same round.
//
//   QT_QPA_PLATFORM=offscreen pel_large_part_bench [--elements=100000] [--dir=/tmp/pel_bench] [--runs=3]

#include <time.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMdiArea>
#include <cstdio>

#include "BenchEditor.h"
#include "BenchSupport.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CVsflexgridn.h"
#include "CWorkView.h"
#include "CWorkViewFactory.h"
#include "CWorkViewManager.h"
#include "IWorkView.h"
#include "ProfileGenerator.h"

namespace {

constexpr double kTimeTargetMs = 500;
constexpr double kMemoryTarget = 1.5;

double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

CPELFM_PartInfo* LargestPart(CPELFM_ProfileInfo& root) {
    CPELFM_PartInfo* largest = nullptr;
    for (CPELFM_SectionInfo* section : root.sections)
        for (CPELFM_PartInfo* part : section->parts)
            if (part->name == QLatin1String("Memory0")) largest = part;
    return largest;
}

int ShowInChild(int argc, char** argv, const QString& file) {
    QApplication app(argc, argv);
    QMdiArea area;
    area.resize(1280, 800);
    area.show();
    QCoreApplication::processEvents();
    BenchEditor editor;
    if (!editor.Start() || !editor.Open(file)) return 2;
    const double openedMiB = ResidentMiB();
    CPELFM_PartInfo* part = LargestPart(*editor.utility.openProfile);
    if (!part) return 3;

    WorkViewContext context;
    context.utility = &editor.utility;
    CWorkViewFactory factory(context);
    CWorkViewManager windows(area);
    windows.SetViewFactory(&factory);
    QElapsedTimer timer;
    timer.start();
    const double cpu = CpuMs();
    IWorkView* view = windows.OpenPartView(0, part);
    QCoreApplication::processEvents();
    const double ms = timer.nsecsElapsed() / 1e6, cpuMs = CpuMs() - cpu;
    auto* grid = view ? dynamic_cast<CWorkView*>(view) : nullptr;
    if (!grid || !grid->isVisible() || grid->Grid().GetRows() != part->ElemCount() + 1) return 4;
    std::printf("%.1f %.1f %.1f %.1f %d\n", ms, cpuMs, openedMiB, ResidentMiB(), part->ElemCount());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && QByteArray(argv[1]) == "--child")
        return ShowInChild(argc, argv, QString::fromLocal8Bit(argv[2]));

    const BenchOptions options = ParseBenchOptions(argc, argv);
    qint64 elements = 100000;
    for (const QByteArray& a : options.rest) {
        if (!a.startsWith("--elements=")) {
            std::fprintf(stderr, "usage: %s [--elements=100000] [--dir=DIR] [--runs=3]\n", argv[0]);
            return 2;
        }
        elements = a.mid(11).toLongLong();
    }
    const int runs = options.runs;
    const QString file = options.dir + QString("/large_part_%1.pelp").arg(elements);
    ProfileShape shape;
    shape.largePartElements = elements;
    if (!EnsureProfile(file, shape)) return 1;
    std::printf("a part of %lld elements (%.1f MB profile), %d rounds\n", static_cast<long long>(elements),
                QFileInfo(file).size() / 1048576.0, runs);
    const QString self = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath();
    QList<double> ms, cpuMs, opened, shown, peak, lintPeak, ratio;
    for (int r = 0; r < runs; ++r) {
        const ChildRun lint = RunChild({"xmllint", "--noout", file});
        const ChildRun show = RunChild({self, "--child", file});
        if (!lint.ok || !show.ok) {
            std::fprintf(stderr, "a run failed (xmllint %d, show %d)\n", lint.ok, show.ok);
            return 1;
        }
        const QList<QByteArray> said = show.output.trimmed().split(' ');
        ms << said.value(0).toDouble();
        cpuMs << said.value(1).toDouble();
        opened << said.value(2).toDouble();
        shown << said.value(3).toDouble();
        peak << show.peakMiB;
        lintPeak << lint.peakMiB;
        ratio << show.peakMiB / lint.peakMiB;
    }
    const double t = Median(ms), m = Median(ratio);
    std::printf("  Enter until shown: %.0f ms (CPU %.0f ms; target %.0f ms: %s)\n", t, Median(cpuMs),
                kTimeTargetMs, Verdict(t, kTimeTargetMs));
    std::printf("  resident: %.0f MiB after the open, %.0f MiB after showing; peak %.0f MiB\n",
                Median(opened), Median(shown), Median(peak));
    std::printf("  xmllint --noout peak %.0f MiB: peak x%.2f (target x%.1f: %s)\n", Median(lintPeak), m,
                kMemoryTarget, Verdict(m, kMemoryTarget));
    return 0;
}
