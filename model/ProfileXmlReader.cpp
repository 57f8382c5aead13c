#include "ProfileXmlReader.h"

#include <QFileInfo>
#include <memory>

#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "PELFMExceptions.h"
#include "ProfileXmlNames.h"
#include "XmlDocument.h"
#include "XmlError.h"
#include "XmlPartNodeSource.h"

namespace {

QString FirstItemText(const XmlNode& node, const XmlNamespaces& namespaces, const QString& path) {
    const XmlNode hit = node.SelectFirst(path, namespaces);
    return hit ? hit.TextContent() : QString();
}

}  // namespace

void ReadLabelAttribute(const XmlNode& node, QString& text) {
    text.clear();
    text = node.Attribute(QStringLiteral("label"));
}

void ReadLabel2Text(const XmlNode& node, const XmlNamespaces& namespaces, QString& text) {
    text.clear();
    text = FirstItemText(node, namespaces, QStringLiteral("./p:label2/p:item"));
}

void ReadCommentText(const XmlNode& node, const XmlNamespaces& namespaces, QString& text) {
    text.clear();
    text = FirstItemText(node, namespaces, QStringLiteral("./p:comment/p:item"));
}

CPELFM_ProfileInfo::CPELFM_ProfileInfo(const QString& filePath, int deviceModelKind,
                                       const LoadObserver& observer)
    : CPELFM_ProfileInfo() {
    if (!QFileInfo::exists(filePath)) throw CPELFM_FileNotFoundException();
    this->filePath = filePath;
    if (observer) observer(LOAD_READING);
    XmlDocument document;
    try {
        document = XmlDocument::LoadFile(filePath);
    } catch (const XmlError& e) {
        throw CPELFM_CreateRootException(e.Reason(), e.Line());
    }
    this->deviceModelKind = deviceModelKind;
    if (observer) observer(LOAD_BUILDING);
    ParseDocument(std::move(document));
}

void CPELFM_ProfileInfo::ParseDocument(XmlDocument document) {
    deviceModel.clear();
    version.clear();
    profileSpecVersion.clear();
    fileVersion.clear();
    language.clear();
    sectionTagNames = &ProfileInnerConst::SectionTagNames();
    partTagNames = &ProfileInnerConst::PartTagNames();
    itemTagNames = &ProfileInnerConst::ItemTagNames();
    dataTagNames = &ProfileInnerConst::DataTagNames();

    const XmlNode root = document.DocumentElement();
    document = XmlDocument();  // the nodes hold the tree from here on
    if (!root) throw CPELFM_CreateRootException();
    rootPrefix = root.Prefix();
    rootNamespaceUri = root.NamespaceUri();
    const XmlNamespaces ns{{QStringLiteral("p"), rootNamespaceUri}};

    const struct {
        QString* field;
        const char* path;
    } headers[] = {
        {&deviceModel, "./p:device/p:deviceInfo/p:deviceInfoMember[@label='DeviceModel']/p:data/p:item"},
        {&version, "./p:device/p:deviceInfo/p:deviceInfoMember[@label='Version']/p:data/p:item"},
        {&profileSpecVersion,
         "./p:file/p:fileInfo/p:fileInfoMember[@label='ProfileSpecVersion']/p:data/p:item"},
        {&fileVersion, "./p:file/p:fileInfo/p:fileInfoMember[@label='FileVersion']/p:data/p:item"},
        {&language, "./p:file/p:fileInfo/p:fileInfoMember[@label='Language']/p:data/p:item"},
    };
    for (const auto& h : headers) *h.field = FirstItemText(root, ns, QString::fromLatin1(h.path));

    // The constructor that runs this leaves no partly built root behind.
    try {
        for (XmlNode s = root.FirstChildElement(); s; s = s.NextSiblingElement()) {
            auto section = std::make_unique<CPELFM_SectionInfo>();
            section->parent = this;
            ReadLabelAttribute(s, section->name);
            ReadCommentText(s, ns, section->comment);
            section->sectionType = Internal::SectionNames().IndexOf(s.LocalNameView());
            for (XmlNode p = s.FirstChildElement(); p; p = p.NextSiblingElement()) {
                if (p.LocalNameView() == "comment") continue;
                auto part = std::make_unique<CPELFM_PartInfo>();
                part->ownerSection = section.get();
                ReadLabelAttribute(p, part->name);
                ReadLabel2Text(p, ns, part->label2);
                ReadCommentText(p, ns, part->comment);
                part->partType = Internal::PartNames().IndexOf(p.LocalNameView());
                part->xmlNode = std::make_shared<XmlPartNodeSource>(p);
                section->parts.append(part.release());
            }
            sections.append(section.release());
        }
    } catch (const std::bad_alloc&) {
        qDeleteAll(sections);
        sections.clear();
        throw CPELFM_MemoryRequestException();
    } catch (...) {
        qDeleteAll(sections);
        sections.clear();
        throw;
    }
}
