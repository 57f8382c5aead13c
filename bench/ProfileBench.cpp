// Profile loading and saving on generated large profiles, each beside xmllint on the same file.
//
//   pel_profile_bench [--sizes=10,100] [--dir=/tmp/pel_bench] [google benchmark options]
//
// Prints the time of every scenario (google benchmark), the time ratios to xmllint measured in the same
// run, and the peak memory of each scenario run alone in a fresh process beside xmllint's. The project
// save is held to two targets: its peak memory at most 1.1x that of loading the profile, its time at
// most 1.0x that of `xmllint --noout` on the file it wrote.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <cstdio>
#include <functional>
#include <memory>

#include "BenchProfilePlugin.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "MapStringSource.h"
#include "ProjectXmlTestData.h"
#include "ProfileGenerator.h"
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

// Runs a program and waits for it; returns its peak resident size in KiB, -1 when it failed.
long Spawn(const QStringList& args) {
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

struct Case {
    QString label;  // "10MB"
    QString file;
    QString saved;  // where save_project writes
};

constexpr double kMemoryTarget = 1.1;
constexpr double kTimeTarget = 1.0;

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
        for (auto _ : st) SaveProfileDocument(&root, &plugin, Texts(), saved);
    });
    // Runs after save_project, on the file it wrote.
    reg("xmllint_noout_saved", [saved](benchmark::State& st) {
        for (auto _ : st)
            if (Spawn({"xmllint", "--noout", saved}) < 0) st.SkipWithError("xmllint failed");
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
            times[name.left(name.indexOf(QLatin1String("/iterations")))] = r.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    QMap<QString, double> times;
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
    for (int mb : sizes) {
        const Case c{QString::number(mb) + "MB", dir + QString("/profile_%1MB.pelp").arg(mb),
                     dir + QString("/saved_%1MB.pelproj").arg(mb)};
        if (!QFileInfo::exists(c.file)) {
            const qint64 members = GenerateProfile(c.file, qint64(mb) << 20);
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
            const long peak = Spawn({self, "--measure", scenario, c.file, dir + "/measured.pelproj"});
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
    }
    benchmark::Shutdown();
    return 0;
}
