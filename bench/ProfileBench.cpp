// Profile loading and saving on generated large profiles, each beside xmllint on the same file.
//
//   pel_profile_bench [--sizes=10,100] [--dir=/tmp/pel_bench] [--runs=3] [google benchmark options]
//
// Prints the time of every scenario (google benchmark), the time ratios to xmllint measured in the same
// run, and the peak memory and CPU time of each scenario run alone in a fresh process beside xmllint's
// (medians of three rounds). The project save is held to two targets: its peak memory at most 1.1x that
// of loading the profile with every part, its time at most 0.5x that of `xmllint --noout` on the file it
// wrote. Loading every part is held to at most 1.2x `xmllint --noout` on the profile, in time (in the same
// run, and as CPU time of a fresh process).
//
// The save's two times are wall-clock times, the save's with its flush to disk. On a shared machine they
// do not move together: xmllint runs in a fresh process that first faults in the pages of its whole
// document tree, which costs several times more when the machine is busy, while the save runs in a
// process whose heap is in place. So beside the save's ratio come the ratio of processor times (xmllint's
// user and system time against the save's) and what the save spent waiting for the disk.
//
// Generated profiles are named after a fingerprint of the generator's output, so that a changed generator
// never meets a profile an older one left in the folder; each run writes its saves under its own name, so
// that runs sharing the folder do not time each other's files.

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

#include "BenchProfilePlugin.h"
#include "BenchSupport.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "MapStringSource.h"
#include "ProfileGenerator.h"
#include "ProjectXmlTestData.h"
#include "ProjectXmlWriter.h"

namespace {

const QString kSchemaPattern = QStringLiteral(PEL_OUT_DIR "/Schema/%s/PeloraSchema.xsd");
const QString kSchema3 = QStringLiteral(PEL_OUT_DIR "/Schema/3/PeloraSchema.xsd");

// The project writer's tests spell the editor's texts the same way.
const MapStringSource& Texts() {
    return TestData::ProjectTexts();
}

qint64 LoadAllParts(CPELFM_ProfileInfo& root) {
    qint64 elems = 0;
    for (CPELFM_SectionInfo* s : root.sections)
        for (CPELFM_PartInfo* p : s->parts) elems += p->ElemCount();
    return elems;
}

// Processor time of this process so far, user and system.
double ProcessCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The first bytes the generator writes for a small profile, as a short hash.
QString GeneratorFingerprint(const QString& dir) {
    const QString sample = dir + "/fingerprint." + QString::number(QCoreApplication::applicationPid());
    ProfileShape shape;
    shape.targetBytes = 64 << 10;
    GenerateProfile(sample, shape);
    QFile f(sample);
    const QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    f.remove();
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(8));
}

// Runs a program and waits for it; returns its peak resident size in KiB, -1 when it failed.
long Spawn(const QStringList& args) {
    const ChildRun run = RunChild(args);
    return run.ok ? long(run.peakMiB * 1024) : -1;
}

// One scenario in this process: the child side of the memory measurement.
int Measure(const QString& scenario, const QString& file, const QString& out) {
    try {
        if (scenario == "load") {
            CPELFM_ProfileInfo root(file, 0);
        } else if (scenario == "load_all_parts") {
            CPELFM_ProfileInfo root(file, 0);
            LoadAllParts(root);
        } else if (scenario == "schema_load") {
            CPELFM_ProfileInfo root(file, kSchemaPattern, 0);
        } else if (scenario == "save_project") {
            CPELFM_ProfileInfo root(file, 0);
            BenchProfilePlugin plugin;
            SaveProfileDocument(&root, &plugin, Texts(), out);
        } else {
            return 2;
        }
    } catch (...) {
        return 1;
    }
    return 0;
}

struct Case {
    QString label;  // "10MB"
    QString file;
    QString saved;  // where save_project writes
};

constexpr double kMemoryTarget = 1.1;
constexpr double kTimeTarget = 0.5;
constexpr double kLoadAllTarget = 1.2;

void RegisterCase(const Case& c) {
    const std::string tag = c.label.toStdString();
    const QString file = c.file;
    const QString saved = c.saved;
    auto reg = [&](const std::string& name, std::function<void(benchmark::State&)> fn) {
        benchmark::RegisterBenchmark((name + "/" + tag).c_str(), fn)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(3);
    };
    reg("load", [file](benchmark::State& st) {
        for (auto _ : st) {
            CPELFM_ProfileInfo root(file, 0);
            benchmark::DoNotOptimize(root.sections.size());
        }
    });
    reg("load_all_parts", [file](benchmark::State& st) {
        for (auto _ : st) {
            CPELFM_ProfileInfo root(file, 0);
            benchmark::DoNotOptimize(LoadAllParts(root));
        }
    });
    reg("schema_load", [file](benchmark::State& st) {
        for (auto _ : st) {
            CPELFM_ProfileInfo root(file, kSchemaPattern, 0);
            benchmark::DoNotOptimize(root.sections.size());
        }
    });
    reg("save_project", [file, saved](benchmark::State& st) {
        CPELFM_ProfileInfo root(file, 0);
        LoadAllParts(root);
        BenchProfilePlugin plugin;
        double cpu = 0;
        for (auto _ : st) {
            const double before = ProcessCpuSeconds();
            SaveProfileDocument(&root, &plugin, Texts(), saved);
            cpu += ProcessCpuSeconds() - before;
        }
        st.counters["cpu_ms"] = cpu / double(st.iterations()) * 1e3;
    });
    // Runs after save_project, on the file it wrote.
    reg("xmllint_noout_saved", [saved](benchmark::State& st) {
        double cpuMs = 0;
        for (auto _ : st) {
            const ChildRun run = RunChild({"xmllint", "--noout", saved});
            if (!run.ok) st.SkipWithError("xmllint failed");
            cpuMs += run.cpuMs;
        }
        st.counters["cpu_ms"] = cpuMs / double(st.iterations());
    });
    reg("xmllint_noout", [file](benchmark::State& st) {
        for (auto _ : st)
            if (Spawn({"xmllint", "--noout", file}) < 0) st.SkipWithError("xmllint failed");
    });
    reg("xmllint_schema", [file](benchmark::State& st) {
        for (auto _ : st)
            if (Spawn({"xmllint", "--noout", "--schema", kSchema3, file}) < 0)
                st.SkipWithError("xmllint failed");
    });
}

// Keeps every run's real time so the ratios can be printed after the table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(isatty(1) ? OO_Defaults : OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            const QString name = QString::fromStdString(r.benchmark_name());
            const QString key = name.left(name.indexOf(QLatin1String("/iterations")));
            times[key] = r.GetAdjustedRealTime();
            auto cpu = r.counters.find("cpu_ms");
            if (cpu != r.counters.end()) cpuTimes[key] = cpu->second.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    QMap<QString, double> times;
    QMap<QString, double> cpuTimes;  // processor milliseconds, where a scenario counts them
};

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && QByteArray(argv[1]) == "--measure")
        return Measure(argv[2], argv[3], argc >= 5 ? QString::fromLocal8Bit(argv[4]) : QString());

    const BenchOptions options = ParseBenchOptions(argc, argv);
    const QString& dir = options.dir;
    std::vector<QByteArray> rest(options.rest.begin(), options.rest.end());
    std::vector<char*> benchmarkArgs{argv[0]};
    for (QByteArray& a : rest) benchmarkArgs.push_back(a.data());
    const QString fingerprint = GeneratorFingerprint(dir);
    const QString run = QString::number(QCoreApplication::applicationPid());
    const QString measured = dir + "/measured_" + run + ".pelproj";
    QList<Case> cases;
    for (int mb : options.sizes) {
        const Case c{QString::number(mb) + "MB",
                     dir + QString("/profile_%1MB_%2.pelp").arg(mb).arg(fingerprint),
                     dir + QString("/saved_%1MB_%2.pelproj").arg(mb).arg(run)};
        ProfileShape shape;
        shape.targetBytes = qint64(mb) << 20;
        if (!EnsureProfile(c.file, shape)) return 1;
        cases << c;
    }

    std::printf(
        "\nEach run alone in a new process, %d rounds, medians: peak memory (MiB) and CPU time (ms), "
        "each with its ratio to xmllint's in the same round\n",
        options.runs);
    const QString self = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath();
    for (const Case& c : cases) {
        const char* const scenarios[] = {"load", "load_all_parts", "schema_load", "save_project"};
        QMap<QByteArray, QList<double>> peak, cpu, peakRatio, cpuRatio;
        for (int round = 0; round < options.runs; ++round) {
            const ChildRun lint = RunChild({"xmllint", "--noout", c.file});
            const ChildRun lintSchema = RunChild({"xmllint", "--noout", "--schema", kSchema3, c.file});
            peak["xmllint --noout"] << lint.peakMiB;
            cpu["xmllint --noout"] << lint.cpuMs;
            peak["xmllint --schema"] << lintSchema.peakMiB;
            cpu["xmllint --schema"] << lintSchema.cpuMs;
            for (const char* scenario : scenarios) {
                const ChildRun run = RunChild({self, "--measure", scenario, c.file, measured});
                const ChildRun& base = QByteArray(scenario) == "schema_load" ? lintSchema : lint;
                peak[scenario] << run.peakMiB;
                cpu[scenario] << run.cpuMs;
                peakRatio[scenario] << run.peakMiB / base.peakMiB;
                cpuRatio[scenario] << run.cpuMs / base.cpuMs;
            }
        }
        std::printf(
            "%s (%.1f MB file): xmllint --noout %.0f MiB %.0f ms, xmllint --schema %.0f MiB %.0f ms\n",
            qPrintable(c.label), QFileInfo(c.file).size() / 1048576.0, Median(peak["xmllint --noout"]),
            Median(cpu["xmllint --noout"]), Median(peak["xmllint --schema"]),
            Median(cpu["xmllint --schema"]));
        for (const char* scenario : scenarios)
            std::printf("  %-15s %7.0f MiB x%.2f  %7.0f ms x%.2f\n", scenario, Median(peak[scenario]),
                        Median(peakRatio[scenario]), Median(cpu[scenario]), Median(cpuRatio[scenario]));
        // Loading reads parts only when they are used; a save writes them all, so it is held to the peak of
        // the profile with every part loaded.
        const double memory = Median(peak["save_project"]) / Median(peak["load_all_parts"]);
        std::printf("  save_project peak to load_all_parts peak: x%.2f (target x%.1f: %s)\n", memory,
                    kMemoryTarget, Verdict(memory, kMemoryTarget));
        const double all = Median(cpuRatio["load_all_parts"]);
        std::printf("  load_all_parts CPU time x%.2f to xmllint --noout (target x%.1f: %s)\n", all,
                    kLoadAllTarget, Verdict(all, kLoadAllTarget));
    }
    std::printf("\n");

    for (const Case& c : cases) RegisterCase(c);
    int bargc = static_cast<int>(benchmarkArgs.size());
    benchmark::Initialize(&bargc, benchmarkArgs.data());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\nTime ratios to xmllint in this run\n");
    for (const Case& c : cases) {
        const std::string t = "/" + c.label.toStdString();
        auto time = [&](const char* name) { return reporter.times.value(QString::fromStdString(name + t)); };
        const double lint = time("xmllint_noout"), lintSchema = time("xmllint_schema");
        if (lint <= 0 || lintSchema <= 0) continue;
        std::printf(
            "%s: load x%.2f, load_all_parts x%.2f (to --noout); schema_load x%.2f (to --schema); "
            "save_project x%.2f (to --noout)\n",
            qPrintable(c.label), time("load") / lint, time("load_all_parts") / lint,
            time("schema_load") / lintSchema, time("save_project") / lint);
        const double all = time("load_all_parts") / lint;
        std::printf("%s: load_all_parts x%.2f to xmllint --noout (target x%.1f: %s)\n", qPrintable(c.label),
                    all, kLoadAllTarget, Verdict(all, kLoadAllTarget));
        const double lintSaved = time("xmllint_noout_saved");
        if (lintSaved <= 0) continue;
        const double save = time("save_project") / lintSaved;
        std::printf("%s: save_project x%.2f to xmllint --noout on the written file (target x%.1f: %s)\n",
                    qPrintable(c.label), save, kTimeTarget, Verdict(save, kTimeTarget));
        auto cpu = [&](const char* name) {
            return reporter.cpuTimes.value(QString::fromStdString(name + t));
        };
        const double saveCpu = cpu("save_project"), lintCpu = cpu("xmllint_noout_saved");
        if (saveCpu > 0 && lintCpu > 0)
            std::printf(
                "%s: save_project processor time x%.2f of xmllint's; the save waited %.0f of its %.0f ms\n",
                qPrintable(c.label), saveCpu / lintCpu, std::max(0.0, time("save_project") - saveCpu),
                time("save_project"));
    }
    for (const Case& c : cases) QFile::remove(c.saved);
    QFile::remove(measured);
    benchmark::Shutdown();
    return 0;
}
