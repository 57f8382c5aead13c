#include "CheckTestProfile.h"

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CheckFormat.h"
#include "RunProfileCheck.h"

namespace CheckTest {

TestProfile::TestProfile() = default;

CPELFM_SectionInfo* TestProfile::AddSection(int kind, const char* name) {
    auto* section = new CPELFM_SectionInfo;
    section->sectionType = kind;
    section->name = QString::fromUtf8(name);
    section->parent = &root_;
    root_.sections.append(section);
    return section;
}

CPELFM_PartInfo* TestProfile::AddPart(CPELFM_SectionInfo* section, int kind, const char* name) {
    auto* part = new CPELFM_PartInfo;
    part->partType = kind;
    part->name = QString::fromUtf8(name);
    part->ownerSection = section;
    section->parts.append(part);
    return part;
}

void TestProfile::SetItem(CPELFM_ElemInfo* elem, const ItemSpec& wanted) {
    auto* item = new CPELFM_ItemInfo;
    item->itemType = wanted.kind;
    item->ownerElem = elem;
    for (const QString& v : wanted.values) {
        if (v.startsWith(u'@')) {
            item->AddDataInfo({ProfileInnerConst::DATA_ENUM_REF_ITEM, v.mid(1)});
        } else {
            item->AddDataInfo({ProfileInnerConst::DATA_ITEM, v});
        }
    }
    RemoveItem(elem, wanted.kind);
    elem->AddItem(item);
}

void TestProfile::RemoveItem(CPELFM_ElemInfo* elem, int kind) {
    const int index = elem->FindItemIndex(kind);
    if (index < 0) return;
    delete elem->items.takeAt(index);
}

CPELFM_ElemInfo* TestProfile::AddElem(CPELFM_PartInfo* part, const QString& label,
                                      const std::vector<ItemSpec>& items) {
    auto* elem = new CPELFM_ElemInfo;
    elem->label = label;
    elem->ownerPart = part;
    for (const ItemSpec& wanted : items) SetItem(elem, wanted);
    part->AddElem(elem);
    return elem;
}

CPELFM_ElemInfo* TestProfile::AddElem(CPELFM_PartInfo* part, const char* label,
                                      std::initializer_list<ItemSpec> items) {
    return AddElem(part, QString::fromUtf8(label), std::vector<ItemSpec>(items));
}

CPELFM_SectionInfo* TestProfile::Section(const char* name) const {
    return root_.FindSectionByName(QString::fromUtf8(name));
}

CPELFM_PartInfo* TestProfile::Part(const char* section, const char* part) const {
    CPELFM_SectionInfo* s = Section(section);
    return s ? s->FindPartByName(QString::fromUtf8(part)) : nullptr;
}

CPELFM_ElemInfo* TestProfile::Elem(const char* section, const char* part, const char* label) const {
    CPELFM_PartInfo* p = Part(section, part);
    return p ? p->FindElemByLabel(QString::fromUtf8(label)) : nullptr;
}

std::unique_ptr<TestProfile> TestProfile::Valid(const CheckFormat& format) {
    auto t = std::make_unique<TestProfile>();
    const char* version = format.settings.profileSpecVersion;

    CPELFM_PartInfo* fileInfo = t->AddPart(t->AddSection(SECTION_FILE, "FILE"), PART_FILE_INFO, "FileInfo");
    t->AddElem(fileInfo, "CreateDate", {{DATATYPE, "STRING(10)"}, {DATA, "2024/01/02"}});
    t->AddElem(fileInfo, "CreateTime", {{DATATYPE, "STRING(8)"}, {DATA, "12:00:00"}});
    t->AddElem(fileInfo, "ModDate", {{DATATYPE, "STRING(10)"}, {DATA, "2024/02/29"}});
    t->AddElem(fileInfo, "ModTime", {{DATATYPE, "STRING(8)"}, {DATA, "23:59:59"}});
    t->AddElem(fileInfo, "Language", {{DATATYPE, "STRING(12)"}, {DATA, format.settings.language}});
    t->AddElem(fileInfo, "ProfileSpecVersion", {{DATATYPE, "STRING(32)"}, {DATA, version}});
    t->AddElem(fileInfo, "FileVersion", {{DATATYPE, "STRING(32)"}, {DATA, "1.0"}});

    CPELFM_SectionInfo* device = t->AddSection(SECTION_DEVICE, "DEVICE");
    CPELFM_PartInfo* deviceInfo = t->AddPart(device, PART_DEVICE_INFO, "DeviceInfo");
    t->AddElem(deviceInfo, "VendorName", {{DATATYPE, "STRING_U(64)"}, {DATA, "Vendor"}});
    t->AddElem(deviceInfo, "DeviceModel", {{DATATYPE, "STRING(48)"}, {DATA, "Model"}});
    t->AddElem(deviceInfo, "Version", {{DATATYPE, "UINT16"}, {DATA, "1"}});
    CPELFM_PartInfo* conn = t->AddPart(device, PART_DEVICE_IF, "Conn1");
    t->AddElem(conn, "ProtocolType", {{DATATYPE, "STRING(48)"}, {DATA, "QDTX"}});
    t->AddElem(conn, "ProtocolVersion", {{DATATYPE, "UINT16"}, {DATA, "1"}});

    CPELFM_SectionInfo* commIf = t->AddSection(SECTION_COMM_IF, "COMM1");
    t->AddElem(t->AddPart(commIf, PART_COMM_IF_INFO, "CommInfo"), "DeviceInterface",
               {{DATATYPE, "STRING(129)"}, {DATA, "DEVICE.Conn1"}});
    t->AddElem(t->AddPart(commIf, PART_COMM_IF_VARIABLE, "Vars"), "Speed",
               {{NAME, "speed"}, {DATATYPE, "INT16"}});
    t->AddPart(commIf, PART_COMM_IF_CONFIGURATION, "Config");
    t->AddPart(commIf, PART_ENUM, "Modes");

    CPELFM_SectionInfo* block = t->AddSection(SECTION_BLOCK, "BLOCK1");
    t->AddElem(t->AddPart(block, PART_BLOCK_INFO, "BlockInfo"), "DeviceInterface",
               {{DATATYPE, "STRING(129)"}, {DATA, "DEVICE.Conn1"}});
    t->AddElem(t->AddPart(block, PART_BLOCK_MEMORY, "Mem"), "P_Value",
               {{NAME, "value"}, {DATATYPE, "INT16"}});
    // 1.1 confines STRING types to the information parts; IP_V4 takes any text everywhere.
    t->AddElem(t->AddPart(block, PART_BLOCK_PARAM, "Param"), "DeviceInterface",
               {{NAME, "param"},
                {DATATYPE, format.stringTypesInInfoPartsOnly ? "IP_V4" : "STRING(129)"},
                {DATA, "DEVICE.Conn1"}});
    t->AddPart(block, PART_ENUM, "States");
    return t;
}

Finding F(int id, const char* section, const char* part, int element, int itemKind,
          std::initializer_list<const char*> arguments) {
    Finding f{id, QString::fromUtf8(section), QString::fromUtf8(part), element, itemKind, {}};
    for (const char* a : arguments) f.arguments.append(QString::fromUtf8(a));
    return f;
}

std::vector<Finding> Findings(const QList<_ST_PEL_CHECK_MESSAGE>& messages) {
    std::vector<Finding> out;
    for (const _ST_PEL_CHECK_MESSAGE& m : messages) {
        out.push_back({m.messageId, m.sectionLabel, m.partLabel, m.elementIndex, m.itemKind, m.arguments});
    }
    return out;
}

void PrintTo(const Finding& f, std::ostream* os) {
    *os << "{" << f.id << ", " << f.section.toStdString() << ", " << f.part.toStdString() << ", " << f.element
        << ", " << f.itemKind << ", [" << f.arguments.join(u'|').toStdString() << "]}";
}

QList<_ST_PEL_CHECK_MESSAGE> RunCheck(const CheckFormat& format, CPELFM_ProfileInfo* root) {
    QList<_ST_PEL_CHECK_MESSAGE> messages;
    RunProfileCheck(format, nullptr, root, messages);
    return messages;
}

}  // namespace CheckTest
