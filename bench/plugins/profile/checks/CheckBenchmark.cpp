// Check time against load time on generated profiles of growing size. Each run loads the profile file
// with every part, then checks it; the counters show both times and their ratio (check time to load
// time over all runs of a size), and a summary holds the ratios to their targets: at most 1.5 at every
// size, and growing with the profile no faster than loading does (100,000 elements within 10% of
// 1,000). Each size warms up first, so no run pays for pages the process has never touched.

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <map>
#include <memory>

#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CheckFormat.h"
#include "RunProfileCheck.h"

namespace {

constexpr int kElementsPerPart = 1000;

QByteArray Member(const char* part, const QByteArray& label, const QByteArray& items) {
    return QByteArray("<p:") + part + "Member label='" + label + "'>" + items + "</p:" + part + "Member>";
}

QByteArray Item(const char* tag, const QByteArray& value) {
    return QByteArray("<p:") + tag + "><p:item>" + value + "</p:item></p:" + tag + ">";
}

// A valid 3.0 profile with the given number of elements in variable, memory and configuration parts,
// and a few deliberate findings among them.
QByteArray GenerateProfile(int elements) {
    QByteArray body;
    body += "<p:file label='FILE'><p:fileInfo label='FileInfo'>";
    for (const char* e :
         {"CreateDate|STRING(10)|2024/01/02", "CreateTime|STRING(8)|12:00:00",
          "ModDate|STRING(10)|2024/01/02", "ModTime|STRING(8)|12:00:00", "Language|STRING(12)|ja",
          "ProfileSpecVersion|STRING(32)|3.0", "FileVersion|STRING(32)|1.0"}) {
        const QList<QByteArray> f = QByteArray(e).split('|');
        body += Member("fileInfo", f[0], Item("datatype", f[1]) + Item("data", f[2]));
    }
    body += "</p:fileInfo></p:file>";
    body += "<p:device label='DEVICE'><p:deviceInfo label='DeviceInfo'>";
    body += Member("deviceInfo", "VendorName", Item("datatype", "STRING_U(64)") + Item("data", "Vendor"));
    body += Member("deviceInfo", "DeviceModel", Item("datatype", "STRING(48)") + Item("data", "Model"));
    body += Member("deviceInfo", "Version", Item("datatype", "UINT16") + Item("data", "1"));
    body += "</p:deviceInfo><p:deviceIf label='Conn1'>";
    body += Member("deviceIf", "ProtocolType", Item("datatype", "STRING(48)") + Item("data", "QDTX"));
    body += Member("deviceIf", "ProtocolVersion", Item("datatype", "UINT16") + Item("data", "1"));
    body += "</p:deviceIf></p:device>";

    const int parts = std::max(1, elements / kElementsPerPart / 3);
    const int perPart = elements / (3 * parts);
    QByteArray comm = "<p:commIf label='COMM1'><p:commIfInfo label='CommInfo'>" +
                      Member("commIfInfo", "DeviceInterface",
                             Item("datatype", "STRING(129)") + Item("data", "DEVICE.Conn1")) +
                      "</p:commIfInfo>";
    QByteArray block = "<p:block label='BLOCK1'><p:blockInfo label='BlockInfo'>" +
                       Member("blockInfo", "DeviceInterface",
                              Item("datatype", "STRING(129)") + Item("data", "DEVICE.Conn1")) +
                       "</p:blockInfo>";
    for (int p = 0; p < parts; ++p) {
        const QByteArray n = QByteArray::number(p);
        comm += "<p:commIfVariable label='Vars" + n + "'>";
        for (int i = 0; i < perPart; ++i) {
            const QByteArray label = "V" + QByteArray::number(i % 50 == 49 ? i - 1 : i);  // some duplicates
            comm += Member("commIfVariable", label,
                           Item("label2", "Var_" + QByteArray::number(i)) + Item("name", "variable") +
                               Item("datatype", i % 7 ? "INT16" : "WORD[4]") + Item("range", "(0,1000)") +
                               Item("minInc", "0.1") + Item("engUnit", "mm") + Item("comment", "generated"));
        }
        comm += "</p:commIfVariable><p:commIfConfiguration label='Config" + n + "'>";
        for (int i = 0; i < perPart; ++i) {
            comm += Member("commIfConfiguration", "C" + QByteArray::number(i),
                           Item("access", i % 40 ? "RW" : "rw") + Item("refMemory", "BLOCK1.Mem" + n));
        }
        comm += "</p:commIfConfiguration>";
        block += "<p:blockMemory label='Mem" + n + "'>";
        for (int i = 0; i < perPart; ++i) {
            block += Member("blockMemory", i ? "M" + QByteArray::number(i) : QByteArray("P_Value"),
                            Item("name", "memory") + Item("datatype", i % 30 ? "UINT8" : "FLOAT") +
                                Item("range", "[0,255]") + Item("access", "R") +
                                Item("assign", "&lt;ab&gt;&lt;cd&gt;"));
        }
        block += "</p:blockMemory>";
    }
    comm += "<p:enum label='Modes'>" + Member("enum", "Off", Item("code", "0")) +
            Member("enum", "On", Item("code", "1")) + "</p:enum></p:commIf>";
    block += "</p:block>";
    body += comm + block;
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><p:profile xmlns:p=\"" +
           QByteArray(CheckFormat::Format30().settings.namespaceUri) + "\">" + body + "</p:profile>";
}

const QString& ProfileFile(int elements) {
    static QTemporaryDir dir;
    static std::map<int, QString> files;
    auto it = files.find(elements);
    if (it != files.end()) return it->second;
    const QString path = dir.filePath(QStringLiteral("bench%1.pelp").arg(elements));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(GenerateProfile(elements));
    return files.emplace(elements, path).first->second;
}

void LoadEveryPart(CPELFM_ProfileInfo& root) {
    for (CPELFM_SectionInfo* section : root.sections) {
        for (CPELFM_PartInfo* part : section->parts) part->EnsureLoaded();
    }
}

void BM_CheckAgainstLoad(benchmark::State& state) {
    const QString& path = ProfileFile(int(state.range(0)));
    double loadSeconds = 0;
    double checkSeconds = 0;
    qsizetype findings = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        auto root = std::make_unique<CPELFM_ProfileInfo>(path, 0);
        LoadEveryPart(*root);
        const qint64 loaded = timer.nsecsElapsed();
        QList<_ST_PEL_CHECK_MESSAGE> messages;
        RunProfileCheck(CheckFormat::Format30(), nullptr, root.get(), messages);
        const qint64 checked = timer.nsecsElapsed() - loaded;
        state.SetIterationTime(double(checked) / 1e9);
        loadSeconds += double(loaded) / 1e9;
        checkSeconds += double(checked) / 1e9;
        findings = messages.size();
        benchmark::DoNotOptimize(messages);
    }
    const double n = double(state.iterations());
    state.counters["load_ms"] = loadSeconds / n * 1e3;
    state.counters["check_ms"] = checkSeconds / n * 1e3;
    state.counters["check_per_load"] = checkSeconds / loadSeconds;
    state.counters["findings"] = double(findings);
}

BENCHMARK(BM_CheckAgainstLoad)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->UseManualTime()
    ->MinWarmUpTime(1.0)
    ->MinTime(2.0)
    ->Unit(benchmark::kMillisecond);

constexpr double kRatioTarget = 1.5;
constexpr double kGrowthTarget = 0.10;

// Keeps the ratio of every size for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            auto it = r.counters.find("check_per_load");
            if (it != r.counters.end()) ratios[r.run_name.args] = it->second.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> ratios;  // by element count
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nCheck time to load time (target at most x%.1f at every size)\n", kRatioTarget);
    for (const auto& [elements, ratio] : reporter.ratios)
        std::printf("  %s elements: x%.2f (%s)\n", elements.c_str(), ratio,
                    ratio <= kRatioTarget ? "met" : "MISSED");
    const auto small = reporter.ratios.find("1000"), large = reporter.ratios.find("100000");
    if (small != reporter.ratios.end() && large != reporter.ratios.end()) {
        const double growth = large->second / small->second - 1.0;
        std::printf("  100000 to 1000 elements: %+.0f%% (target at most %+.0f%%: %s)\n", growth * 100,
                    kGrowthTarget * 100, growth <= kGrowthTarget ? "met" : "MISSED");
    }
    benchmark::Shutdown();
    return 0;
}
