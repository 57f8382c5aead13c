#include "UiTestSupport.h"

#include <QDialog>

#include "CheckEvents.h"
#include "ICheckProgressSink.h"

namespace UiTest {

CPELFM_SectionInfo* AddSection(CPELFM_ProfileInfo& root, const QString& name, int type) {
    auto* section = new CPELFM_SectionInfo;
    section->name = name;
    section->sectionType = type;
    section->parent = &root;
    root.sections.append(section);
    return section;
}

CPELFM_PartInfo* AddPart(CPELFM_SectionInfo& section, const QString& name, int type, const QString& label2) {
    auto* part = new CPELFM_PartInfo;
    part->name = name;
    part->partType = type;
    part->label2 = label2;
    part->ownerSection = &section;
    part->loaded = 1;
    section.parts.append(part);
    return part;
}

CPELFM_ElemInfo* AddElem(CPELFM_PartInfo& part, const QString& label) {
    auto* elem = new CPELFM_ElemInfo;
    elem->label = label;
    elem->rowIndex = part.ElemCount();
    elem->ownerPart = &part;
    part.AddElem(elem);
    return elem;
}

CPELFM_ItemInfo* AddItem(CPELFM_ElemInfo& elem, int itemType, const QStringList& values) {
    auto* item = new CPELFM_ItemInfo;
    item->itemType = itemType;
    item->ownerElem = &elem;
    for (const QString& value : values) item->AddDataInfo({1, value});
    elem.AddItem(item);
    return item;
}

CPELFM_PartInfo* AddCommIfInfo(CPELFM_ProfileInfo& root, const QString& sectionName, const QString& partName,
                               const QString& typeId, int before) {
    CPELFM_SectionInfo* section = root.FindSectionByName(sectionName);
    if (!section) section = AddSection(root, sectionName, SECTION_COMM_IF);
    CPELFM_PartInfo* part = AddPart(*section, partName, PART_COMM_IF_INFO);
    for (int i = 0; i < before; ++i) AddElem(*part, QStringLiteral("Other%1").arg(i));
    AddItem(*AddElem(*part, QStringLiteral("CommIFTypeID")), DATA, {typeId});
    return part;
}

void FakeProfilePlugin::CheckProfile(ICheckProgressSink* progress, CPELFM_ProfileInfo* root,
                                     QList<_ST_PEL_CHECK_MESSAGE>& messages) {
    ++checkCalls;
    if (progress) {
        progress->PostCheckProgress(60);
        ++progressCalls;
    }
    messages.clear();
    if (check) check(root, messages);
}

_ST_PEL_CHECK_MESSAGE Finding(int level, const QString& text, const QString& section, const QString& part,
                              int element, int itemKind) {
    _ST_PEL_CHECK_MESSAGE finding;
    finding.level = level;
    finding.text = text;
    finding.sectionLabel = section;
    finding.partLabel = part;
    finding.elementIndex = element;
    finding.itemKind = itemKind;
    return finding;
}

int ScriptedDialogPresenter::RunModal(QDialog& dialog) {
    ++runs;
    return onRun ? onRun(dialog) : QDialog::Rejected;
}

MapStringSource& TestStrings() {
    static MapStringSource strings = [] {
        MapStringSource table;
        const std::pair<int, const char*> texts[] = {
            {124, "Standard"},
            {156, "Profile"},
            {157, "Output"},
            {301, "Results"},
            {1401, "&New\nnew"},
            {1407, "Chec&k\ncheck the profile"},
            {2203, "Test Editor"},
            {10008, "%1!s! failed: %2!s!"},
            {10009, "no problems"},
            {10010, "errors %1!d! warnings %2!d!"},
            {10011, "errors %1!d!"},
            {10012, "warnings %1!d!"},
            {10013, "not a reference"},
            {10014, "target of %1!s! not found"},
            {10048, "export with warnings?"},
            {32802, "&Copy\ncopy lines"},
            {40000, "summary %1!d! %2!d!"},
            {57632, "C&lear\nclear"},
            {62078, "unclaimed %1!s! %2!s! %3!d! %4!s!"},
            {62080, "cannot open %1!s!"},
            {62110, "reserved section %1!s! %2!s!"},
            {62111, "reserved part %1!s! %2!s! %3!s!"},
            {62112, "reserved label2 %1!s! %2!s! %3!s!"},
        };
        for (const auto& [id, text] : texts) table.SetString(id, QString::fromUtf8(text));
        return table;
    }();
    return strings;
}

}  // namespace UiTest
