#include "ProjectXmlWriter.h"

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "IProfilePlugin.h"
#include "IStringSource.h"
#include "PELFMExceptions.h"
#include "ProfileXmlStream.h"
#include "XmlStreamWriter.h"

namespace {

// White space as the C library knows it: a Japanese ideographic space is text, not padding.
void TrimInPlace(QString& text) {
    auto space = [](QChar c) {
        const char16_t u = c.unicode();
        return u == ' ' || u == '\t' || u == '\n' || u == '\v' || u == '\f' || u == '\r';
    };
    qsizetype b = 0, e = text.size();
    while (b < e && space(text.at(b))) ++b;
    while (e > b && space(text.at(e - 1))) --e;
    if (b > 0 || e < text.size()) text = text.mid(b, e - b);
}

QList<XmlStreamWriter::Name> Names(const QString& prefix, const QStringList& tags,
                                   const QString& suffix = {}) {
    QList<XmlStreamWriter::Name> names;
    names.reserve(tags.size());
    for (const QString& tag : tags) names.append(XmlStreamWriter::Name(prefix + tag + suffix));
    return names;
}

void WriteTextChild(const ProjectXmlNames& names, XmlStreamWriter& out, const XmlStreamWriter::Name& tag,
                    const QString& text) {
    out.StartElement(tag);
    out.WriteTextElement(names.item, text);
    out.EndElement();
}

const XmlStreamWriter::Name& ValueTag(const ProjectXmlNames& names, int kind) {
    return kind == VALUE_ENUM_REF ? names.enumRefItem : names.item;
}

}  // namespace

ProjectXmlNames::ProjectXmlNames(const QString& prefix, const QString& memberSuffix)
    : sections(Names(prefix, ProfileInnerConst::SectionTagNames())),
      parts(Names(prefix, ProfileInnerConst::PartTagNames())),
      members(Names(prefix, ProfileInnerConst::PartTagNames(), memberSuffix)),
      items(Names(prefix, ProfileInnerConst::ItemTagNames())),
      item(prefix + QStringLiteral("item")),
      enumRefItem(prefix + QStringLiteral("enumRefItem")),
      label2(prefix + QStringLiteral("label2")),
      comment(prefix + QStringLiteral("comment")),
      label(QStringLiteral("label")) {}

void WriteItemNodes(const ProjectXmlNames& names, XmlStreamWriter& out, CPELFM_ItemInfo& item) {
    if (item.itemType <= 0 || item.itemType >= names.items.size()) return;
    out.StartElement(names.items[item.itemType]);
    const int kind = item.AnalyzeValue();
    if (kind != VALUE_LIST) {
        out.WriteTextElement(ValueTag(names, kind), item.values.constFirst().text);
        out.EndElement();
        return;
    }
    QList<CPELFM_ItemInfo*> entries;
    item.ExpandListItems(entries);
    struct Cleanup {
        QList<CPELFM_ItemInfo*>& items;
        ~Cleanup() { DeleteItemArray(items); }
    } cleanup{entries};
    if (entries.isEmpty() || item.values.size() == 1) {
        out.WriteTextElement(ValueTag(names, kind), item.GetFirstValue());
    } else {
        for (CPELFM_ItemInfo* entry : entries)
            out.WriteTextElement(ValueTag(names, entry->AnalyzeValue()), entry->GetFirstValue());
    }
    out.EndElement();
}

void WriteElemNodes(const ProjectXmlNames& names, XmlStreamWriter& out, int partType, CPELFM_ElemInfo& elem) {
    out.StartElement(names.members[partType]);
    out.WriteAttribute(names.label, elem.label);
    for (CPELFM_ItemInfo* item : elem.items)
        if (item) WriteItemNodes(names, out, *item);
    out.EndElement();
}

void WritePartNodes(const ProjectXmlNames& names, XmlStreamWriter& out, CPELFM_PartInfo& part) {
    if (part.partType <= 0 || part.partType >= names.parts.size()) return;
    out.StartElement(names.parts[part.partType]);
    out.WriteAttribute(names.label, part.name);
    TrimInPlace(part.label2);
    if (!part.label2.isEmpty()) WriteTextChild(names, out, names.label2, part.label2);
    TrimInPlace(part.comment);
    if (!part.comment.isEmpty()) WriteTextChild(names, out, names.comment, part.comment);
    QList<CPELFM_ElemInfo*>& elems = part.Elems();
    for (int i = 0; i < elems.size(); ++i) {
        if (!elems[i]) continue;
        elems[i]->rowIndex = i;
        WriteElemNodes(names, out, part.partType, *elems[i]);
    }
    out.EndElement();
}

void WriteSectionNodes(const ProjectXmlNames& names, XmlStreamWriter& out, CPELFM_SectionInfo& section) {
    if (section.sectionType <= 0 || section.sectionType >= names.sections.size()) return;
    out.StartElement(names.sections[section.sectionType]);
    out.WriteAttribute(names.label, section.name);
    TrimInPlace(section.comment);
    if (!section.comment.isEmpty()) WriteTextChild(names, out, names.comment, section.comment);
    for (CPELFM_PartInfo* part : section.parts)
        if (part) WritePartNodes(names, out, *part);
    out.EndElement();
}

int SaveProfileDocument(CPELFM_ProfileInfo* root, IProfilePlugin* profilePlugin, const IStringSource& texts,
                        const QString& filePath) {
    if (!root) throw CPELFM_NULL_Exception();

    QString namespaceUri, schemaLocation;
    if (profilePlugin) {
        namespaceUri = profilePlugin->GetNamespaceUri();
        QString extensions[2];
        profilePlugin->GetFileExtensions(extensions);
        schemaLocation = namespaceUri + QLatin1Char(' ') + profilePlugin->GetSchemaFileName(extensions[0]);
    }

    // Written straight to the file: the tree is never copied into a second document.
    const std::unique_ptr<XmlStreamWriter> out = OpenProfileXmlStream(filePath);
    out->AddProcessingInstruction(texts.LoadString(IDS_PROJECT_XML_PI_TARGET),
                                  texts.LoadString(IDS_PROJECT_XML_PI_DATA));
    out->StartElement(texts.LoadString(IDS_PROJECT_XML_ROOT));
    out->WriteAttribute(texts.LoadString(IDS_PROJECT_XML_SCHEMA_LOCATION), schemaLocation);
    out->WriteAttribute(texts.LoadString(IDS_PROJECT_XML_NAMESPACE), namespaceUri);
    out->WriteAttribute(texts.LoadString(IDS_PROJECT_XML_ROOT_ATTR_NAME),
                        texts.LoadString(IDS_PROJECT_XML_ROOT_ATTR_VALUE));

    const ProjectXmlNames names{texts.LoadString(IDS_PROJECT_XML_PREFIX),
                                texts.LoadString(IDS_PROJECT_XML_MEMBER_SUFFIX)};
    for (int type : {SECTION_FILE, SECTION_DEVICE, SECTION_COMM_IF, SECTION_BLOCK}) {
        for (CPELFM_SectionInfo* section : root->sections)
            if (section && section->sectionType == type) WriteSectionNodes(names, *out, *section);
    }
    out->EndElement();
    CommitProfileXmlStream(*out);
    return 0;
}
