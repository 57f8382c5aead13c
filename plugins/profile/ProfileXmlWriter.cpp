#include "ProfileXmlWriter.h"

#include <new>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CProfilePlugin.h"
#include "PELFMExceptions.h"
#include "ProfileInnerConst.h"
#include "XmlError.h"

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

// An optional child holding one "item" with the text; the model keeps the trimmed text.
void WriteTrimmedText(XmlNode& parent, const QString& name, QString& text) {
    text = text.trimmed();
    if (text.isEmpty()) return;
    XmlNode holder = parent.AppendElement(kPrefix + name);
    holder.AppendElement(kPrefix + QStringLiteral("item")).AppendText(text);
}

}  // namespace

int ProfileXmlWriter::WriteProfileXml(CProfilePlugin& plugin, const QString& path, CPELFM_ProfileInfo* root) {
    if (!root) throw CPELFM_NULL_Exception();
    const XmlDocument doc = BuildDocument(plugin, *root);
    try {
        doc.SaveFile(path, XmlFormat::Compact);
    } catch (const XmlError&) {
        throw CPELFM_WriteFileException();
    }
    return 0;
}

XmlDocument ProfileXmlWriter::BuildDocument(CProfilePlugin& plugin, CPELFM_ProfileInfo& root) {
    XmlDocument doc;
    try {
        doc = XmlDocument::Create();
    } catch (const XmlError&) {
        throw CPELFM_InvalidXMLDocumentInstanceException();
    } catch (const std::bad_alloc&) {
        throw CPELFM_InvalidXMLDocumentInstanceException();
    }
    if (doc.IsNull()) throw CPELFM_InvalidXMLDocumentInstanceException();

    QString extensions[2];
    plugin.GetFileExtensions(extensions);
    const QString schemaLocation =
        plugin.GetNamespaceUri() + QLatin1Char(' ') + plugin.GetSchemaFileName(extensions[1]);

    // The save writes the declaration (version 1.0, UTF-8) itself.
    XmlNode profile =
        doc.CreateDocumentElement(kPrefix + QStringLiteral("profile"), plugin.GetNamespaceUri());
    profile.DeclareNamespace(QStringLiteral("xsi"), kXsiUri);
    profile.SetAttribute(QStringLiteral("xsi:schemaLocation"), schemaLocation);

    for (int kind : {SECTION_FILE, SECTION_DEVICE, SECTION_COMM_IF, SECTION_BLOCK}) {
        QList<CPELFM_SectionInfo*> sections;
        root.GetSectionsByType(sections, kind);
        for (CPELFM_SectionInfo* section : sections) WriteSectionXml(plugin, profile, *section);
    }
    return doc;
}

void ProfileXmlWriter::WriteSectionXml(const CProfilePlugin& plugin, XmlNode& parent,
                                       CPELFM_SectionInfo& section) {
    XmlNode elem =
        parent.AppendElement(kPrefix + ProfileInnerConst::SectionTagNames().at(section.sectionType));
    elem.SetAttribute(QStringLiteral("label"), section.name);
    WriteTrimmedText(elem, QStringLiteral("comment"), section.comment);
    for (int partKind : PartKindsWritten(section.sectionType)) WritePartsXml(plugin, elem, section, partKind);
}

void ProfileXmlWriter::WritePartsXml(const CProfilePlugin& plugin, XmlNode& sectionElem,
                                     CPELFM_SectionInfo& section, int partKind) {
    QList<CPELFM_PartInfo*> parts;
    section.GetPartsByType(parts, partKind);
    for (CPELFM_PartInfo* part : parts) WritePartXml(plugin, sectionElem, *part);
}

void ProfileXmlWriter::WritePartXml(const CProfilePlugin& plugin, XmlNode& sectionElem,
                                    CPELFM_PartInfo& part) {
    XmlNode elem = sectionElem.AppendElement(kPrefix + ProfileInnerConst::PartTagNames().at(part.partType));
    elem.SetAttribute(QStringLiteral("label"), part.name);
    WriteTrimmedText(elem, QStringLiteral("label2"), part.label2);
    WriteTrimmedText(elem, QStringLiteral("comment"), part.comment);
    WriteElementsXml(plugin, elem, part);
}

void ProfileXmlWriter::WriteElementsXml(const CProfilePlugin& plugin, XmlNode& partElem,
                                        CPELFM_PartInfo& part) {
    const std::span<const int> order = plugin.Settings().ItemOrder(part.partType);
    const QString memberName = ProfileInnerConst::PartTagNames().at(part.partType) + QStringLiteral("Member");
    const bool information = IsInformationPart(part.partType);
    QList<CPELFM_ElemInfo*> elems;
    part.GetElems(elems);
    for (CPELFM_ElemInfo* elem : elems) {
        if (!elem || elem->label.isEmpty()) continue;
        if (information) {
            const CPELFM_ItemInfo* data = FirstItemOfKind(*elem, DATA);
            if (!data || data->GetFirstValue().isEmpty()) continue;
        }
        WriteElementXml(plugin, partElem, memberName, *elem, order);
    }
}

void ProfileXmlWriter::WriteElementXml(const CProfilePlugin& plugin, XmlNode& partElem,
                                       const QString& memberName, CPELFM_ElemInfo& elem,
                                       std::span<const int> order) {
    XmlNode member = partElem.AppendElement(kPrefix + memberName);
    member.SetAttribute(QStringLiteral("label"), elem.label);
    for (int kind : order) {
        if (CPELFM_ItemInfo* item = FirstItemOfKind(elem, kind)) WriteItemXml(plugin, member, *item);
    }
}

void ProfileXmlWriter::WriteItemXml(const CProfilePlugin& plugin, XmlNode& memberElem,
                                    CPELFM_ItemInfo& item) {
    // Classified afresh: a cached kind may predate the last edit, and a stale "single value" would
    // export a list as its first value only.
    const int kind = item.AnalyzeValue();
    const QString itemName = kPrefix + plugin.Settings().ItemTagName(item.itemType);
    if (kind != VALUE_LIST || item.values.size() <= 1) {
        const QString text = item.GetFirstValue();
        if (text.isEmpty()) return;
        const QString valueName =
            kind == VALUE_ENUM_REF ? QStringLiteral("enumRefItem") : QStringLiteral("item");
        memberElem.AppendElement(itemName).AppendElement(kPrefix + valueName).AppendText(text);
        return;
    }
    // A list with an empty entry would not read back as the same list: it is left out whole.
    for (const auto& value : item.values) {
        if (value.text.isEmpty()) return;
    }
    XmlNode holder = memberElem.AppendElement(itemName);
    for (const auto& value : item.values) {
        holder.AppendElement(kPrefix + QStringLiteral("item")).AppendText(value.text);
    }
}

}  // namespace PeloraPlugin::Internal
