// How long the part grid takes to show a part of 1,000, 10,000 and 100,000 elements, against a plain
// QTableWidget filled with the same texts, and what each cell costs in memory. Run offscreen:
//   QT_QPA_PLATFORM=offscreen build/bench/pel_grid_fill_bench
#include <malloc.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QTableWidget>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "BenchProfilePlugin.h"
#include "CCommonUtility.h"
#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CVsflexgridn.h"
#include "CWorkView.h"
#include "CellText.h"

namespace {

// The item kinds of a 3.0 BLOCK_MEMORY part.
class GridBenchPlugin : public BenchProfilePlugin {
public:
    void GetItemKindsOfPart(int, QList<int>& kinds) override {
        kinds = {LABEL,   LABEL2,   CATEGORY, NAME,   DATATYPE, RANGE,
                 MIN_INC, ENG_UNIT, ACCESS,   ASSIGN, RELATION, COMMENT};
    }
};

void AddItem(CPELFM_ElemInfo& elem, int type,
             std::initializer_list<ProfileInnerConst::_ST_PELFM_DATAINFO> values) {
    auto* item = new CPELFM_ItemInfo;
    item->itemType = type;
    item->ownerElem = &elem;
    for (const auto& v : values) item->AddDataInfo(v);
    elem.AddItem(item);
}

// A part shaped like a generated memory block: most cells filled, every tenth range a two-value list.
std::unique_ptr<CPELFM_PartInfo> MakePart(CPELFM_SectionInfo& section, int elements) {
    using ProfileInnerConst::DATA_ENUM_REF_ITEM;
    using ProfileInnerConst::DATA_ITEM;
    auto part = std::make_unique<CPELFM_PartInfo>();
    part->name = QStringLiteral("Memory");
    part->partType = PART_BLOCK_MEMORY;
    part->ownerSection = &section;
    part->loaded = 1;
    for (int i = 0; i < elements; ++i) {
        auto* elem = new CPELFM_ElemInfo;
        elem->label = QStringLiteral("D%1").arg(i);
        elem->ownerPart = part.get();
        AddItem(*elem, LABEL2, {{DATA_ITEM, QStringLiteral("Value %1").arg(i)}});
        AddItem(*elem, NAME, {{DATA_ITEM, QStringLiteral("Register value %1").arg(i)}});
        if (i % 7 == 0)
            AddItem(*elem, DATATYPE, {{DATA_ENUM_REF_ITEM, QStringLiteral("Modes")}});
        else
            AddItem(*elem, DATATYPE, {{DATA_ITEM, QStringLiteral("INT16")}});
        if (i % 10 == 0)
            AddItem(*elem, RANGE,
                    {{DATA_ITEM, QStringLiteral("[0,100]")}, {DATA_ITEM, QStringLiteral("[200,300]")}});
        else
            AddItem(*elem, RANGE, {{DATA_ITEM, QStringLiteral("[0,%1]").arg(i % 1000)}});
        AddItem(*elem, ENG_UNIT, {{DATA_ITEM, QStringLiteral("mm")}});
        AddItem(*elem, ACCESS, {{DATA_ITEM, QStringLiteral("RW")}});
        AddItem(*elem, COMMENT, {{DATA_ITEM, QStringLiteral("Comment of element %1").arg(i)}});
        part->AddElem(elem);
    }
    return part;
}

// Resident memory of the process in bytes.
qint64 ResidentBytes() {
    malloc_trim(0);
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * 4096 : 0;
}

struct Sample {
    double ms = 0;
    qint64 bytes = 0;
};

void Show(QWidget& widget) {
    widget.resize(1280, 800);
    widget.show();
    QCoreApplication::processEvents();
}

Sample FillGrid(CCommonUtility& utility, CPELFM_PartInfo& part) {
    const qint64 before = ResidentBytes();
    QElapsedTimer timer;
    timer.start();
    WorkViewContext context;
    context.utility = &utility;
    auto view = std::make_unique<CWorkView>(context);
    view->SetWorkViewPart(&part);
    view->FillPartGrid();
    Show(*view);
    Sample s{timer.nsecsElapsed() / 1e6, ResidentBytes() - before};
    return s;
}

Sample FillBaseline(CPELFM_PartInfo& part, const QList<int>& kinds) {
    const int rows = static_cast<int>(part.Elems().size());
    const qint64 before = ResidentBytes();
    QElapsedTimer timer;
    timer.start();
    auto table = std::make_unique<QTableWidget>();
    table->setRowCount(rows);
    table->setColumnCount(static_cast<int>(kinds.size()));
    QStringList headers;
    for (int kind : kinds) headers << GetItemTypeName(kind);
    table->setHorizontalHeaderLabels(headers);
    for (int r = 0; r < rows; ++r) {
        CPELFM_ElemInfo* elem = part.Elems()[r];
        for (int c = 0; c < kinds.size(); ++c)
            table->setItem(r, c, new QTableWidgetItem(CellText::CellTextOfItem(*elem, kinds[c])));
    }
    table->resizeColumnsToContents();
    Show(*table);
    return {timer.nsecsElapsed() / 1e6, ResidentBytes() - before};
}

Sample Best(std::vector<Sample> samples) {
    std::sort(samples.begin(), samples.end(), [](const Sample& a, const Sample& b) { return a.ms < b.ms; });
    return samples.front();
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    GridBenchPlugin plugin;
    CCommonUtility utility(QCoreApplication::applicationDirPath());
    _ST_DLL_PROFILE record;
    record.instance = &plugin;
    record.version = 0x30000;
    utility.profilePlugins.append(record);
    QList<int> kinds;
    plugin.GetItemKindsOfPart(PART_BLOCK_MEMORY, kinds);

    CPELFM_SectionInfo section;
    section.name = QStringLiteral("Block");
    std::printf("%9s %9s %12s %14s %8s %14s %18s\n", "elements", "cells", "grid ms", "baseline ms", "ratio",
                "grid B/cell", "baseline B/cell");
    for (int elements : {1000, 10000, 100000}) {
        auto part = MakePart(section, elements);
        const qint64 cells = qint64(elements) * kinds.size();
        std::vector<Sample> grid, baseline;
        const int runs = elements >= 100000 ? 2 : 3;
        for (int i = 0; i < runs; ++i) grid.push_back(FillGrid(utility, *part));
        for (int i = 0; i < runs; ++i) baseline.push_back(FillBaseline(*part, kinds));
        const Sample g = Best(grid);
        const Sample b = Best(baseline);
        std::printf("%9d %9lld %12.1f %14.1f %8.1f %14.1f %18.1f\n", elements, static_cast<long long>(cells),
                    g.ms, b.ms, b.ms / g.ms, double(std::max<qint64>(0, grid.front().bytes)) / cells,
                    double(std::max<qint64>(0, baseline.front().bytes)) / cells);
        std::fflush(stdout);
    }
    utility.profilePlugins.clear();
    return 0;
}
