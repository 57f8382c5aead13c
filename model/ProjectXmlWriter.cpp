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

void WriteValue(const ProjectXmlNames& names, XmlStreamWriter& out, const QString& tag, const QString& text) {
    out.StartElement(names.prefix + tag);
    out.WriteText(text);
    out.EndElement();
}

void WriteTextChild(const ProjectXmlNames& names, XmlStreamWriter& out, const QString& tag,
                    const QString& text) {
    out.StartElement(names.prefix + tag);
    WriteValue(names, out, QStringLiteral("item"), text);
    out.EndElement();
}

QString ValueTag(int kind) {
    return kind == VALUE_ENUM_REF ? QStringLiteral("enumRefItem") : QStringLiteral("item");
}

}  // namespace

void WriteItemNodes(const ProjectXmlNames& names, XmlStreamWriter& out, CPELFM_ItemInfo& item) {
    const QStringList& tags = ProfileInnerConst::ItemTagNames();
    if (item.itemType <= 0 || item.itemType >= tags.size()) return;
    out.StartElement(names.prefix + tags[item.itemType]);
    const int kind = item.AnalyzeValue();
    if (kind != VALUE_LIST) {
        WriteValue(names, out, ValueTag(kind), item.GetFirstValue());
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
        WriteValue(names, out, ValueTag(kind), item.GetFirstValue());
    } else {
        for (CPELFM_ItemInfo* entry : entries)
            WriteValue(names, out, ValueTag(entry->AnalyzeValue()), entry->GetFirstValue());
    }
    out.EndElement();
}

void WriteElemNodes(const ProjectXmlNames& names, XmlStreamWriter& out, int partType, CPELFM_ElemInfo& elem) {
    out.StartElement(names.prefix + ProfileInnerConst::PartTagNames()[partType] + names.memberSuffix);
    out.WriteAttribute(QStringLiteral("label"), elem.label);
    for (CPELFM_ItemInfo* item : elem.items)
        if (item) WriteItemNodes(names, out, *item);
    out.EndElement();
}

void WritePartNodes(const ProjectXmlNames& names, XmlStreamWriter& out, CPELFM_PartInfo& part) {
    const QStringList& tags = ProfileInnerConst::PartTagNames();
    if (part.partType <= 0 || part.partType >= tags.size()) return;
    out.StartElement(names.prefix + tags[part.partType]);
    out.WriteAttribute(QStringLiteral("label"), part.name);
    TrimInPlace(part.label2);
    if (!part.label2.isEmpty()) WriteTextChild(names, out, QStringLiteral("label2"), part.label2);
    TrimInPlace(part.comment);
    if (!part.comment.isEmpty()) WriteTextChild(names, out, QStringLiteral("comment"), part.comment);
    QList<CPELFM_ElemInfo*>& elems = part.Elems();
    for (int i = 0; i < elems.size(); ++i) {
        if (!elems[i]) continue;
        elems[i]->rowIndex = i;
        WriteElemNodes(names, out, part.partType, *elems[i]);
    }
    out.EndElement();
}

void WriteSectionNodes(const ProjectXmlNames& names, XmlStreamWriter& out, CPELFM_SectionInfo& section) {
    const QStringList& tags = ProfileInnerConst::SectionTagNames();
    if (section.sectionType <= 0 || section.sectionType >= tags.size()) return;
    out.StartElement(names.prefix + tags[section.sectionType]);
    out.WriteAttribute(QStringLiteral("label"), section.name);
    TrimInPlace(section.comment);
    if (!section.comment.isEmpty()) WriteTextChild(names, out, QStringLiteral("comment"), section.comment);
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
