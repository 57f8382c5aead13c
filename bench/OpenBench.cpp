// Opening a profile the way the editor does (the file command Open, without windows) on generated 10 MB
// and 100 MB profiles, beside `xmllint --noout --schema` on the same file. Every run is a process of its
// own, so its CPU time and peak memory are its own; each round runs both, and the ratios of a round are
// taken together. Printed are the medians over the rounds, against the targets: CPU time and peak memory
// at most 1.1x xmllint's. Also printed: the memory still resident once the file is open.
//
//   pel_open_bench [--sizes=10,100] [--dir=/tmp/pel_bench] [--runs=3] [--instructions]
//
// --instructions counts instructions under callgrind instead (slow; independent of the machine's load).

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>

#include "BenchEditor.h"
#include "BenchSupport.h"
#include "ProfileGenerator.h"

namespace {

const QString kSchema3 = QStringLiteral(PEL_OUT_DIR "/Schema/3/PeloraSchema.xsd");
constexpr double kTarget = 1.1;

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && QByteArray(argv[1]) == "--child")
        return OpenInChild(argc, argv, QString::fromLocal8Bit(argv[2]));

    const BenchOptions options = ParseBenchOptions(argc, argv);
    const bool instructions = options.rest.contains("--instructions");
    if (options.rest.size() != (instructions ? 1 : 0)) {
        std::fprintf(stderr, "usage: %s [--sizes=10,100] [--dir=DIR] [--runs=3] [--instructions]\n", argv[0]);
        return 2;
    }
    const int runs = options.runs;
    const QString self = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath();
    int missed = 0;
    for (int mb : options.sizes) {
        const QString file = EnsureSizedProfile(options.dir, mb, runs);
        if (file.isEmpty()) return 1;
        QList<double> cpu, lintCpu, peak, lintPeak, cpuRatio, peakRatio, wall, lintWall, openMs, resident;
        QList<double> counted, lintCounted;
        for (int r = 0; r < runs; ++r) {
            const ChildRun lint = RunChild({"xmllint", "--noout", "--schema", kSchema3, file}, instructions);
            const ChildRun open = RunChild({self, "--child", file}, instructions);
            if (!lint.ok || !open.ok) {
                std::fprintf(stderr, "a run failed (xmllint %d, open %d)\n", lint.ok, open.ok);
                return 1;
            }
            if (instructions) {
                counted << open.instructions;
                lintCounted << lint.instructions;
                continue;
            }
            const QList<QByteArray> said = open.output.trimmed().split(' ');
            cpu << open.cpuMs;
            lintCpu << lint.cpuMs;
            wall << open.wallMs;
            lintWall << lint.wallMs;
            peak << open.peakMiB;
            lintPeak << lint.peakMiB;
            cpuRatio << open.cpuMs / lint.cpuMs;
            peakRatio << open.peakMiB / lint.peakMiB;
            openMs << said.value(0).toDouble();
            resident << said.value(1).toDouble();
        }
        if (instructions) {
            const double ratio = Median(counted) / Median(lintCounted);
            std::printf("  instructions: open %.3g, xmllint --schema %.3g: x%.2f (target x%.1f: %s)\n",
                        Median(counted), Median(lintCounted), ratio, kTarget, Verdict(ratio, kTarget));
            missed += ratio > kTarget;
            continue;
        }
        std::printf(
            "  open:              CPU %7.0f ms, wall %7.0f ms, peak %6.0f MiB; in process %.0f ms, "
            "%.0f MiB resident after\n",
            Median(cpu), Median(wall), Median(peak), Median(openMs), Median(resident));
        std::printf("  xmllint --schema:  CPU %7.0f ms, wall %7.0f ms, peak %6.0f MiB\n", Median(lintCpu),
                    Median(lintWall), Median(lintPeak));
        const double t = Median(cpuRatio), m = Median(peakRatio);
        std::printf("  CPU time x%.2f (target x%.1f: %s), peak memory x%.2f (target x%.1f: %s)\n", t, kTarget,
                    Verdict(t, kTarget), m, kTarget, Verdict(m, kTarget));
        missed += (t > kTarget) + (m > kTarget);
    }
    std::printf("%s\n", missed ? "some targets missed" : "all targets met");
    return 0;
}
