// Profile loading and saving on generated large profiles, each beside xmllint on the same file.
//
//   pel_profile_bench [--sizes=10,100] [--dir=/tmp/pel_bench] [google benchmark options]
//
// Prints the time of every scenario (google benchmark), the time ratios to xmllint measured in the same
// run, and the peak memory of each scenario run alone in a fresh process beside xmllint's. The project
// save is held to two targets: its peak memory at most 1.1x that of loading the profile, its time at
// most 0.5x that of `xmllint --noout` on the file it wrote.
//
// Both times are wall-clock times, the save's with its flush to disk. On a shared machine they do not
// move together: xmllint runs in a fresh process that first faults in the pages of its whole document
// tree, and that costs several times more when the machine is busy, while the save runs in a process
// whose heap is already in place. So the save's ratio is printed beside the ratio of processor times
// (xmllint's own user and system time against the save's), and beside what the save spent waiting.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

#include "BenchProfilePlugin.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "MapStringSource.h"
#include "ProfileGenerator.h"
#include "ProjectXmlTestData.h"
#include "ProjectXmlWriter.h"

extern char** environ;

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

double Seconds(const timeval& t) {
    return double(t.tv_sec) + double(t.tv_usec) / 1e6;
}

// Processor time of this process so far, user and system.
double ProcessCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
}

// Runs a program and waits for it; returns its peak resident size in KiB, -1 when it failed, and its
// processor time in cpuSeconds.
long Spawn(const QStringList& args, double* cpuSeconds = nullptr) {
    std::vector<QByteArray> bytes;
    for (const QString& a : args) bytes.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& b : bytes) argv.push_back(b.data());
    argv.push_back(nullptr);
    // xmllint reports "validates" on stderr; only the exit status counts here.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid;
    const int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) return -1;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    if (cpuSeconds) *cpuSeconds = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
    return usage.ru_maxrss;
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

// The first bytes the generator writes for a small profile, as a short hash.
QString GeneratorFingerprint(const QString& dir) {
    const QString sample = dir + "/fingerprint." + QString::number(QCoreApplication::applicationPid());
    GenerateProfile(sample, 64 << 10);
    QFile f(sample);
    const QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    f.remove();
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(8));
}

struct Case {
    QString label;  // "10MB"
    QString file;
    QString saved;  // where save_project writes
};

constexpr double kMemoryTarget = 1.1;
constexpr double kTimeTarget = 0.5;

const char* Verdict(double ratio, double target) {
    return ratio <= target ? "met" : "MISSED";
}

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
        double cpu = 0;
        for (auto _ : st) {
            double seconds = 0;
            if (Spawn({"xmllint", "--noout", saved}, &seconds) < 0) st.SkipWithError("xmllint failed");
            cpu += seconds;
        }
        st.counters["cpu_ms"] = cpu / double(st.iterations()) * 1e3;
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

    QList<int> sizes{10, 100};
    QString dir = QDir::tempPath() + "/pel_bench";
    std::vector<char*> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (a.startsWith("--sizes=")) {
            sizes.clear();
            for (const QByteArray& s : a.mid(8).split(',')) sizes << s.toInt();
        } else if (a.startsWith("--dir=")) {
            dir = QString::fromLocal8Bit(a.mid(6));
        } else {
            rest.push_back(argv[i]);
        }
    }
    QDir().mkpath(dir);
    QList<Case> cases;
    // A profile generated earlier is used again only when today's generator would write the same: the
    // file name carries a fingerprint of the generator's output. Each run writes its saves apart, so
    // that runs sharing the folder do not time each other's files.
    const QString fingerprint = GeneratorFingerprint(dir);
    const QString run = QString::number(QCoreApplication::applicationPid());
    for (int mb : sizes) {
        const Case c{QString::number(mb) + "MB",
                     dir + QString("/profile_%1MB_%2.pelp").arg(mb).arg(fingerprint),
                     dir + QString("/saved_%1MB_%2.pelproj").arg(mb).arg(run)};
        if (!QFileInfo::exists(c.file)) {
            const QString partial = c.file + "." + run;
            const qint64 members = GenerateProfile(partial, qint64(mb) << 20);
            QFile::rename(partial, c.file);
            std::printf("generated %s: %lld members\n", qPrintable(c.file), static_cast<long long>(members));
        }
        cases << c;
    }

    std::printf("\nPeak memory, each run alone in a new process (MiB; ratio to xmllint on the same file)\n");
    const QString self = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath();
    for (const Case& c : cases) {
        const double mib = 1024.0;
        const long lint = Spawn({"xmllint", "--noout", c.file});
        const long lintSchema = Spawn({"xmllint", "--noout", "--schema", kSchema3, c.file});
        std::printf("%s (%.1f MB file): xmllint --noout %.0f, xmllint --schema %.0f\n", qPrintable(c.label),
                    QFileInfo(c.file).size() / 1048576.0, lint / mib, lintSchema / mib);
        QMap<QByteArray, long> peaks;
        for (const char* scenario : {"load", "load_all_parts", "schema_load", "save_project"}) {
            const long peak =
                Spawn({self, "--measure", scenario, c.file, dir + "/measured_" + run + ".pelproj"});
            const long base = QByteArray(scenario) == "schema_load" ? lintSchema : lint;
            std::printf("  %-15s %7.0f  x%.2f\n", scenario, peak / mib, double(peak) / double(base));
            peaks[scenario] = peak;
        }
        const double memory = double(peaks["save_project"]) / double(peaks["load"]);
        std::printf("  save_project peak to load peak: x%.2f (target x%.1f: %s)\n", memory, kMemoryTarget,
                    Verdict(memory, kMemoryTarget));
    }
    std::printf("\n");

    for (const Case& c : cases) RegisterCase(c);
    int bargc = static_cast<int>(rest.size());
    benchmark::Initialize(&bargc, rest.data());
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
    QFile::remove(dir + "/measured_" + run + ".pelproj");
    benchmark::Shutdown();
    return 0;
}
