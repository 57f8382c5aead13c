#include "ProfileXmlWriter.h"

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CProfilePlugin.h"
#include "PELFMExceptions.h"
#include "ProfileInnerConst.h"
#include "ProfileXmlStream.h"
#include "XmlStreamWriter.h"

namespace PeloraPlugin::Internal {
namespace {

const QString kPrefix = QStringLiteral("p:");
const QString kXsiUri = QStringLiteral("http://www.w3.org/2001/XMLSchema-instance");

// The part kinds a section of each kind writes, in this order.
std::span<const int> PartKindsWritten(int sectionKind) {
    static constexpr int file[] = {PART_FILE_INFO};
    static constexpr int device[] = {PART_DEVICE_INFO, PART_DEVICE_IF};
    static constexpr int commIf[] = {PART_COMM_IF_INFO, PART_COMM_IF_VARIABLE, PART_COMM_IF_CONFIGURATION,
                                     PART_ENUM};
    static constexpr int block[] = {PART_BLOCK_INFO, PART_BLOCK_MEMORY, PART_BLOCK_PARAM, PART_ENUM};
    switch (sectionKind) {
        case SECTION_FILE:
            return file;
        case SECTION_DEVICE:
            return device;
        case SECTION_COMM_IF:
            return commIf;
        case SECTION_BLOCK:
            return block;
        default:
            return {};
    }
}

// Parts whose elements are written only when they hold a DATA value.
bool IsInformationPart(int partKind) {
    return partKind == PART_FILE_INFO || partKind == PART_DEVICE_INFO || partKind == PART_DEVICE_IF ||
           partKind == PART_COMM_IF_INFO || partKind == PART_BLOCK_INFO;
}

CPELFM_ItemInfo* FirstItemOfKind(const CPELFM_ElemInfo& elem, int itemKind) {
    for (CPELFM_ItemInfo* item : elem.items) {
        if (item && item->itemType == itemKind) return item;
    }
    return nullptr;
}

XmlStreamWriter::Name Prefixed(const QString& name) {
    return XmlStreamWriter::Name(kPrefix + name);
}

}  // namespace

struct ProfileXmlWriter::Names {
    explicit Names(const CProfilePlugin& plugin) : settings(plugin.Settings()) {
        for (int i = 0; i < int(std::size(sections)); ++i)
            sections[i] = Prefixed(ProfileInnerConst::SectionTagNames().value(i));
        for (int i = 0; i < PART_KIND_COUNT; ++i) {
            const QString tag = ProfileInnerConst::PartTagNames().value(i);
            parts[i] = Prefixed(tag);
            members[i] = Prefixed(tag + QStringLiteral("Member"));
        }
        for (int i = 0; i < ITEM_KIND_COUNT; ++i) items[i] = Prefixed(settings.ItemTagName(i));
    }

    static constexpr int PART_KIND_COUNT = PART_ENUM + 1;
    static constexpr int ITEM_KIND_COUNT = RELATION + 1;

    const PeloraFormat::FormatSettings& settings;
    XmlStreamWriter::Name sections[SECTION_BLOCK + 1];
    XmlStreamWriter::Name parts[PART_KIND_COUNT];
    XmlStreamWriter::Name members[PART_KIND_COUNT];
    XmlStreamWriter::Name items[ITEM_KIND_COUNT];
    XmlStreamWriter::Name item = Prefixed(QStringLiteral("item"));
    XmlStreamWriter::Name enumRefItem = Prefixed(QStringLiteral("enumRefItem"));
    XmlStreamWriter::Name label2 = Prefixed(QStringLiteral("label2"));
    XmlStreamWriter::Name comment = Prefixed(QStringLiteral("comment"));
    XmlStreamWriter::Name label{QStringLiteral("label")};
};

namespace {

// An optional child holding one "item" with the text; the model keeps the trimmed text.
void WriteTrimmedText(XmlStreamWriter& out, const XmlStreamWriter::Name& name,
                      const XmlStreamWriter::Name& item, QString& text) {
    text = text.trimmed();
    if (text.isEmpty()) return;
    out.StartElement(name);
    out.WriteTextElement(item, text);
    out.EndElement();
}

}  // namespace

int ProfileXmlWriter::WriteProfileXml(CProfilePlugin& plugin, const QString& path, CPELFM_ProfileInfo* root) {
    if (!root) throw CPELFM_NULL_Exception();
    QString extensions[2];
    plugin.GetFileExtensions(extensions);
    const QString namespaceUri = plugin.GetNamespaceUri();
    const QString schemaLocation = namespaceUri + QLatin1Char(' ') + plugin.GetSchemaFileName(extensions[1]);

    // Written straight to the file, so a large profile is never held twice.
    const std::unique_ptr<XmlStreamWriter> out = OpenProfileXmlStream(path);
    const Names names(plugin);
    // The writer puts the declaration (version 1.0, UTF-8) first by itself.
    out->StartElement(kPrefix + QStringLiteral("profile"));
    out->WriteAttribute(QStringLiteral("xsi:schemaLocation"), schemaLocation);
    out->WriteAttribute(QStringLiteral("xmlns:p"), namespaceUri);
    out->WriteAttribute(QStringLiteral("xmlns:xsi"), kXsiUri);
    for (int kind : {SECTION_FILE, SECTION_DEVICE, SECTION_COMM_IF, SECTION_BLOCK}) {
        QList<CPELFM_SectionInfo*> sections;
        root->GetSectionsByType(sections, kind);
        for (CPELFM_SectionInfo* section : sections) WriteSectionXml(names, *out, *section);
    }
    out->EndElement();
    CommitProfileXmlStream(*out);
    return 0;
}

void ProfileXmlWriter::WriteSectionXml(const Names& names, XmlStreamWriter& out,
                                       CPELFM_SectionInfo& section) {
    out.StartElement(names.sections[section.sectionType]);
    out.WriteAttribute(names.label, section.name);
    WriteTrimmedText(out, names.comment, names.item, section.comment);
    for (int partKind : PartKindsWritten(section.sectionType)) WritePartsXml(names, out, section, partKind);
    out.EndElement();
}

void ProfileXmlWriter::WritePartsXml(const Names& names, XmlStreamWriter& out, CPELFM_SectionInfo& section,
                                     int partKind) {
    QList<CPELFM_PartInfo*> parts;
    section.GetPartsByType(parts, partKind);
    for (CPELFM_PartInfo* part : parts) WritePartXml(names, out, *part);
}

void ProfileXmlWriter::WritePartXml(const Names& names, XmlStreamWriter& out, CPELFM_PartInfo& part) {
    out.StartElement(names.parts[part.partType]);
    out.WriteAttribute(names.label, part.name);
    WriteTrimmedText(out, names.label2, names.item, part.label2);
    WriteTrimmedText(out, names.comment, names.item, part.comment);
    WriteElementsXml(names, out, part);
    out.EndElement();
}

void ProfileXmlWriter::WriteElementsXml(const Names& names, XmlStreamWriter& out, CPELFM_PartInfo& part) {
    const std::span<const int> order = names.settings.ItemOrder(part.partType);
    const bool information = IsInformationPart(part.partType);
    for (CPELFM_ElemInfo* elem : part.Elems()) {
        if (!elem || elem->label.isEmpty()) continue;
        if (information) {
            const CPELFM_ItemInfo* data = FirstItemOfKind(*elem, DATA);
            if (!data || data->GetFirstValue().isEmpty()) continue;
        }
        WriteElementXml(names, out, part.partType, *elem, order);
    }
}

void ProfileXmlWriter::WriteElementXml(const Names& names, XmlStreamWriter& out, int partKind,
                                       CPELFM_ElemInfo& elem, std::span<const int> order) {
    out.StartElement(names.members[partKind]);
    out.WriteAttribute(names.label, elem.label);
    for (int kind : order) {
        if (CPELFM_ItemInfo* item = FirstItemOfKind(elem, kind)) WriteItemXml(names, out, *item);
    }
    out.EndElement();
}

void ProfileXmlWriter::WriteItemXml(const Names& names, XmlStreamWriter& out, CPELFM_ItemInfo& item) {
    // Classified afresh: a cached kind may predate the last edit, and a stale "single value" would
    // export a list as its first value only.
    const int kind = item.AnalyzeValue();
    const XmlStreamWriter::Name& itemName = names.items[item.itemType];
    if (kind != VALUE_LIST || item.values.size() <= 1) {
        const QString& text = item.values.constFirst().text;
        if (text.isEmpty()) return;
        out.StartElement(itemName);
        out.WriteTextElement(kind == VALUE_ENUM_REF ? names.enumRefItem : names.item, text);
        out.EndElement();
        return;
    }
    // A list with an empty entry would not read back as the same list: it is left out whole.
    for (const auto& value : item.values) {
        if (value.text.isEmpty()) return;
    }
    out.StartElement(itemName);
    for (const auto& value : item.values) out.WriteTextElement(names.item, value.text);
    out.EndElement();
}

}  // namespace PeloraPlugin::Internal
