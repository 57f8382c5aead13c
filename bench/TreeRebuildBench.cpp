// Rebuilding the profile tree pane from a generated profile in memory (offscreen).
#include <benchmark/benchmark.h>

#include <QApplication>

#include "CCommonUtility.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CProfileView.h"

namespace {

constexpr int kPartsPerBlock = 10;

CPELFM_SectionInfo* AddSection(CPELFM_ProfileInfo& root, const QString& name, int type) {
    auto* section = new CPELFM_SectionInfo;
    section->name = name;
    section->sectionType = type;
    section->parent = &root;
    section->expanded = 1;
    root.sections.append(section);
    return section;
}

void AddPart(CPELFM_SectionInfo& section, const QString& name, int type) {
    auto* part = new CPELFM_PartInfo;
    part->name = name;
    part->partType = type;
    part->label2 = name.toLower();
    part->ownerSection = &section;
    part->loaded = 1;
    section.parts.append(part);
}

// FILE and DEVICE with their header parts, then BLOCK sections of ten parts each.
CPELFM_ProfileInfo* GenerateTreeProfile(int parts) {
    auto* root = new CPELFM_ProfileInfo;
    AddPart(*AddSection(*root, "File", SECTION_FILE), "FileInfo", PART_FILE_INFO);
    AddPart(*AddSection(*root, "Device", SECTION_DEVICE), "DeviceInfo", PART_DEVICE_INFO);
    CPELFM_SectionInfo* block = nullptr;
    for (int i = 2; i < parts; ++i) {
        if ((i - 2) % kPartsPerBlock == 0) {
            block = AddSection(*root, QStringLiteral("Block%1").arg(i), SECTION_BLOCK);
            AddPart(*block, QStringLiteral("Info%1").arg(i), PART_BLOCK_INFO);
            continue;
        }
        AddPart(*block, QStringLiteral("Part%1").arg(i), i % 3 == 0 ? PART_ENUM : PART_BLOCK_MEMORY);
    }
    return root;
}

void BM_RebuildProfileTree(benchmark::State& state) {
    CCommonUtility utility(QStringLiteral("/nowhere"));
    utility.openProfile = GenerateTreeProfile(static_cast<int>(state.range(0)));
    utility.fileOpen = 1;
    CProfileView view(utility);
    view.resize(300, 800);
    view.show();
    for (auto _ : state) view.RebuildProfileTree();
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_RebuildProfileTree)
    ->Arg(200)
    ->Arg(2000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
