#include "ProjectXmlWriter.h"

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "IProfilePlugin.h"
#include "IStringSource.h"
#include "PELFMExceptions.h"
#include "XmlDocument.h"
#include "XmlError.h"

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

void AppendValue(const ProjectXmlNames& names, XmlNode& parent, const QString& tag, const QString& text) {
    parent.AppendElement(names.prefix + tag).AppendText(text);
}

void AppendTextChild(const ProjectXmlNames& names, XmlNode& parent, const QString& tag, const QString& text) {
    XmlNode holder = parent.AppendElement(names.prefix + tag);
    AppendValue(names, holder, QStringLiteral("item"), text);
}

QString ValueTag(int kind) {
    return kind == VALUE_ENUM_REF ? QStringLiteral("enumRefItem") : QStringLiteral("item");
}

bool IsNamespaceDeclaration(const QString& name) {
    return name == QLatin1String("xmlns") || name.startsWith(QLatin1String("xmlns:"));
}

}  // namespace

void WriteItemNodes(const ProjectXmlNames& names, XmlNode& memberElement, CPELFM_ItemInfo& item) {
    const QStringList& tags = ProfileInnerConst::ItemTagNames();
    if (item.itemType <= 0 || item.itemType >= tags.size()) return;
    XmlNode itemElement = memberElement.AppendElement(names.prefix + tags[item.itemType]);
    const int kind = item.AnalyzeValue();
    if (kind != VALUE_LIST) {
        AppendValue(names, itemElement, ValueTag(kind), item.GetFirstValue());
        return;
    }
    QList<CPELFM_ItemInfo*> entries;
    item.ExpandListItems(entries);
    struct Cleanup {
        QList<CPELFM_ItemInfo*>& items;
        ~Cleanup() { DeleteItemArray(items); }
    } cleanup{entries};
    if (entries.isEmpty() || item.values.size() == 1) {
        AppendValue(names, itemElement, ValueTag(kind), item.GetFirstValue());
        return;
    }
    for (CPELFM_ItemInfo* entry : entries)
        AppendValue(names, itemElement, ValueTag(entry->AnalyzeValue()), entry->GetFirstValue());
}

void WriteElemNodes(const ProjectXmlNames& names, XmlNode& partElement, int partType, CPELFM_ElemInfo& elem) {
    XmlNode member = partElement.AppendElement(names.prefix + ProfileInnerConst::PartTagNames()[partType] +
                                               names.memberSuffix);
    member.SetAttribute(QStringLiteral("label"), elem.label);
    for (CPELFM_ItemInfo* item : elem.items)
        if (item) WriteItemNodes(names, member, *item);
}

void WritePartNodes(const ProjectXmlNames& names, XmlNode& sectionElement, CPELFM_PartInfo& part) {
    const QStringList& tags = ProfileInnerConst::PartTagNames();
    if (part.partType <= 0 || part.partType >= tags.size()) return;
    XmlNode partElement = sectionElement.AppendElement(names.prefix + tags[part.partType]);
    partElement.SetAttribute(QStringLiteral("label"), part.name);
    TrimInPlace(part.label2);
    if (!part.label2.isEmpty()) AppendTextChild(names, partElement, QStringLiteral("label2"), part.label2);
    TrimInPlace(part.comment);
    if (!part.comment.isEmpty()) AppendTextChild(names, partElement, QStringLiteral("comment"), part.comment);
    QList<CPELFM_ElemInfo*>& elems = part.Elems();
    for (int i = 0; i < elems.size(); ++i) {
        if (!elems[i]) continue;
        elems[i]->rowIndex = i;
        WriteElemNodes(names, partElement, part.partType, *elems[i]);
    }
}

void WriteSectionNodes(const ProjectXmlNames& names, XmlNode& parent, CPELFM_SectionInfo& section) {
    const QStringList& tags = ProfileInnerConst::SectionTagNames();
    if (section.sectionType <= 0 || section.sectionType >= tags.size()) return;
    XmlNode sectionElement = parent.AppendElement(names.prefix + tags[section.sectionType]);
    sectionElement.SetAttribute(QStringLiteral("label"), section.name);
    TrimInPlace(section.comment);
    if (!section.comment.isEmpty())
        AppendTextChild(names, sectionElement, QStringLiteral("comment"), section.comment);
    for (CPELFM_PartInfo* part : section.parts)
        if (part) WritePartNodes(names, sectionElement, *part);
}

int SaveProfileDocument(CPELFM_ProfileInfo* root, IProfilePlugin* profilePlugin, const IStringSource& texts,
                        const QString& filePath) {
    if (!root) throw CPELFM_NULL_Exception();
    XmlDocument document;
    try {
        document = XmlDocument::Create();
    } catch (const XmlError&) {
        throw CPELFM_InvalidXMLDocumentInstanceException();
    }

    QString namespaceUri, schemaLocation;
    if (profilePlugin) {
        namespaceUri = profilePlugin->GetNamespaceUri();
        QString extensions[2];
        profilePlugin->GetFileExtensions(extensions);
        schemaLocation = namespaceUri + QLatin1Char(' ') + profilePlugin->GetSchemaFileName(extensions[0]);
    }
    const QString rootName = texts.LoadString(IDS_PROJECT_XML_ROOT);
    const QList<QPair<QString, QString>> attributes{
        {texts.LoadString(IDS_PROJECT_XML_SCHEMA_LOCATION), schemaLocation},
        {texts.LoadString(IDS_PROJECT_XML_NAMESPACE), namespaceUri},
        {texts.LoadString(IDS_PROJECT_XML_ROOT_ATTR_NAME), texts.LoadString(IDS_PROJECT_XML_ROOT_ATTR_VALUE)},
    };

    // Declarations first, so that prefixed attributes and elements find their namespaces.
    const qsizetype colon = rootName.indexOf(QLatin1Char(':'));
    const QString rootDeclaration =
        colon < 0 ? QStringLiteral("xmlns") : QStringLiteral("xmlns:") + rootName.left(colon);
    QString rootNamespace;
    for (const auto& [name, value] : attributes)
        if (name == rootDeclaration) rootNamespace = value;
    XmlNode rootElement = document.CreateDocumentElement(rootName, rootNamespace);
    for (const auto& [name, value] : attributes)
        if (IsNamespaceDeclaration(name)) rootElement.SetAttribute(name, value);
    for (const auto& [name, value] : attributes)
        if (!IsNamespaceDeclaration(name)) rootElement.SetAttribute(name, value);
    document.AddProcessingInstruction(texts.LoadString(IDS_PROJECT_XML_PI_TARGET),
                                      texts.LoadString(IDS_PROJECT_XML_PI_DATA));

    const ProjectXmlNames names{texts.LoadString(IDS_PROJECT_XML_PREFIX),
                                texts.LoadString(IDS_PROJECT_XML_MEMBER_SUFFIX)};
    for (int type : {SECTION_FILE, SECTION_DEVICE, SECTION_COMM_IF, SECTION_BLOCK}) {
        for (CPELFM_SectionInfo* section : root->sections)
            if (section && section->sectionType == type) WriteSectionNodes(names, rootElement, *section);
    }

    try {
        document.SaveFile(filePath, XmlFormat::Compact);
    } catch (const XmlError&) {
        throw CPELFM_WriteFileException();
    }
    return 0;
}
