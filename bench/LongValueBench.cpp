// Opening a profile whose one COMMENT value is as long as the profile (the file command Open, without
// windows, the schema checked on the way), beside a profile holding the same bytes of text spread over
// values of 1 KiB. Every run is a process of its own; each round opens both, and the ratios of a round
// are taken together. Printed are the medians over the rounds and the time per MB of every size.
// Targets: linear, the one value's time per MB at the largest size at most 1.25x that at the smallest;
// and the one value at most 2x the spread values at every size (libxml2 keeps a copy of the long text
// that the spread values never need whole).
//
//   pel_long_value_bench [--sizes=8,16,32,64] [--dir=/tmp/pel_bench] [--runs=3]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>

#include "BenchEditor.h"
#include "BenchSupport.h"
#include "ProfileGenerator.h"

namespace {

constexpr double kSpreadTarget = 2.0;
constexpr double kLinearTarget = 1.25;
constexpr qint64 kSpreadValueBytes = 1024;

struct Runs {
    QList<double> openMs, cpuMs, peakMiB;
};

void Print(const char* what, const Runs& runs, int mb) {
    std::printf("  %-28s open %8.0f ms (%6.1f ms per MB), CPU %8.0f ms, peak %6.0f MiB\n", what,
                Median(runs.openMs), Median(runs.openMs) / mb, Median(runs.cpuMs), Median(runs.peakMiB));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && QByteArray(argv[1]) == "--child")
        return OpenInChild(argc, argv, QString::fromLocal8Bit(argv[2]));

    BenchOptions options = ParseBenchOptions(argc, argv);
    if (!options.rest.isEmpty()) {
        std::fprintf(stderr, "usage: %s [--sizes=8,16,32,64] [--dir=DIR] [--runs=3]\n", argv[0]);
        return 2;
    }
    bool sizesGiven = false;
    for (int i = 1; i < argc; ++i) sizesGiven = sizesGiven || QByteArray(argv[i]).startsWith("--sizes=");
    if (!sizesGiven) options.sizes = {8, 16, 32, 64};
    const QString self = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath();
    int missed = 0;
    QList<double> oneMsPerMb;
    for (int mb : options.sizes) {
        ProfileShape one;
        one.commentBytes = qint64(mb) << 20;
        ProfileShape spread = one;
        spread.commentValues = one.commentBytes / kSpreadValueBytes;
        const QString oneFile = options.dir + QString("/long_value_%1MB.pelp").arg(mb);
        const QString spreadFile = options.dir + QString("/long_value_%1MB_spread.pelp").arg(mb);
        if (!EnsureProfile(oneFile, one) || !EnsureProfile(spreadFile, spread)) return 1;
        std::printf("%d MB of text: one value (%.1f MB file), %lld values (%.1f MB file); %d rounds\n", mb,
                    QFileInfo(oneFile).size() / 1048576.0, static_cast<long long>(spread.commentValues),
                    QFileInfo(spreadFile).size() / 1048576.0, options.runs);
        Runs oneRuns, spreadRuns;
        QList<double> ratios;
        for (int r = 0; r < options.runs; ++r) {
            const ChildRun a = RunChild({self, "--child", oneFile});
            const ChildRun b = RunChild({self, "--child", spreadFile});
            if (!a.ok || !b.ok) {
                std::fprintf(stderr, "an open failed (one value %d, spread %d)\n", a.ok, b.ok);
                return 1;
            }
            for (auto [run, into] : {std::pair{&a, &oneRuns}, std::pair{&b, &spreadRuns}}) {
                into->openMs << run->output.trimmed().split(' ').value(0).toDouble();
                into->cpuMs << run->cpuMs;
                into->peakMiB << run->peakMiB;
            }
            ratios << oneRuns.openMs.last() / spreadRuns.openMs.last();
        }
        Print("one value:", oneRuns, mb);
        Print("values of 1 KiB:", spreadRuns, mb);
        const double ratio = Median(ratios);
        std::printf("  one value against spread: x%.2f (target x%.1f: %s)\n", ratio, kSpreadTarget,
                    Verdict(ratio, kSpreadTarget));
        missed += ratio > kSpreadTarget;
        oneMsPerMb << Median(oneRuns.openMs) / mb;
    }
    if (oneMsPerMb.size() > 1) {
        const double growth = oneMsPerMb.last() / oneMsPerMb.first();
        std::printf("one value, time per MB from %d to %d MB: x%.2f (target x%.2f: %s)\n",
                    options.sizes.first(), options.sizes.last(), growth, kLinearTarget,
                    Verdict(growth, kLinearTarget));
        missed += growth > kLinearTarget;
    }
    std::printf("%s\n", missed ? "some targets missed" : "all targets met");
    return 0;
}
