#include "CCommonUtility.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "IDeviceModelPlugin.h"
#include "IProfilePlugin.h"
#include "IStringSource.h"
#include "InvalidArgumentError.h"
#include "ModelLookup.h"
#include "PELFMExceptions.h"
#include "ProfileInnerConst.h"
#include "ResourceMessage.h"
#include "VersionText.h"
#include "XmlDocument.h"
#include "XmlError.h"

namespace {

QString RunningExecutableFolder() {
    if (QCoreApplication::instance() != nullptr) return QCoreApplication::applicationDirPath();
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
}

// The first DATA value of the element of that label in the part; empty when any of it is missing.
bool FirstDataValue(CPELFM_PartInfo* part, const QString& label, QString& value) {
    if (part == nullptr) return false;
    CPELFM_ElemInfo* elem = part->FindElemByLabel(label);
    if (elem == nullptr) return false;
    const int index = elem->FindItemIndex(DATA);
    if (index < 0 || elem->items[index]->values.isEmpty()) return false;
    value = elem->items[index]->values.first().text;
    return true;
}

bool IsNamespaceDeclaration(const QString& name) {
    return name == QLatin1String("xmlns") || name.startsWith(QLatin1String("xmlns:"));
}

// The namespace declared by the attribute name ("xmlns:p") on a root element of that prefix and namespace.
bool DeclaredNamespace(const QString& name, const QString& rootPrefix, const QString& rootUri,
                       QString& value) {
    if (!IsNamespaceDeclaration(name) || rootPrefix != name.mid(6)) return false;
    value = rootUri;
    return true;
}

// The value of a root attribute, where a namespace declaration ("xmlns:p") counts as the attribute it is
// written as: the XML layer keeps declarations apart from attributes.
bool RootAttribute(const XmlNode& root, const QString& name, QString& value) {
    if (IsNamespaceDeclaration(name))
        return DeclaredNamespace(name, root.Prefix(), root.NamespaceUri(), value);
    if (!root.HasAttribute(name)) return false;
    value = root.Attribute(name);
    return true;
}

int VersionFromNamespace(const QString& uri, int& major, int& minor) {
    if (uri.isEmpty()) return 0;
    ParseVersionText(VersionTextFromNamespaceUri(uri, NamespaceVersionRule::SpecVersion), major, minor);
    return 1;
}

// The type ids a DATA item names: each single value of a list ("Part.*" expanded), else its first value.
void AppendTypeIds(CPELFM_ItemInfo* item, QStringList& out) {
    try {
        if (item->AnalyzeValue() == VALUE_LIST) {
            QList<CPELFM_ItemInfo*> single;
            try {
                item->SplitListItems(single);
            } catch (...) {
                DeleteItemArray(single);
                throw;
            }
            for (const CPELFM_ItemInfo* one : std::as_const(single)) {
                if (!one->values.isEmpty()) out.append(one->values.first().text);
            }
            DeleteItemArray(single);
            return;
        }
    } catch (const CPELFM_ExceptionBase&) {
        // A list naming a part that does not exist: its values still count as written, so a type that
        // no device model claims cannot slip through.
        for (const ProfileInnerConst::_ST_PELFM_DATAINFO& data : std::as_const(item->values))
            out.append(data.text);
        return;
    }
    out.append(item->values.first().text);
}

}  // namespace

CCommonUtility::CCommonUtility() : CCommonUtility(RunningExecutableFolder()) {}

CCommonUtility::CCommonUtility(const QString& folder)
    : settings(std::make_unique<_ST_SYSTEM_SETTING>()), executableFolder(folder) {
    while (executableFolder.size() > 1 && executableFolder.endsWith(QLatin1Char('/')))
        executableFolder.chop(1);
    pluginFolders << executableFolder + QStringLiteral("/PrivatePlugin/")
                  << executableFolder + QStringLiteral("/PublicPlugin/");
}

CCommonUtility::~CCommonUtility() {
    // Normally released earlier by the exit path; whatever is left goes here, so no library and no
    // instance outlives the object.
    delete openProfile;
    openProfile = nullptr;
    UnloadPlugins();
}

QString CCommonUtility::LoadString(int id) const {
    return strings != nullptr ? strings->LoadString(id) : QString();
}

void CCommonUtility::ShowMessage(const QStringList& inserts, int id, unsigned style) const {
    if (strings == nullptr || presenter == nullptr) return;
    ShowResourceMessage(*strings, *presenter, inserts, id, style);
}

void CCommonUtility::CloseProfile() {
    delete openProfile;
    openProfile = nullptr;
    openFilePath.clear();
    fileOpen = 0;
    if (onProfileClosed) onProfileClosed();
}

const QStringList& CCommonUtility::SectionXmlNames() {
    return ProfileInnerConst::SectionTagNames();
}

const QStringList& CCommonUtility::PartXmlNames() {
    return ProfileInnerConst::PartTagNames();
}

const QStringList& CCommonUtility::PartKeys() {
    static const QStringList keys = {"",
                                     "file_Info",
                                     "device_Info",
                                     "device_If",
                                     "comm_If_Info",
                                     "comm_If_Variable",
                                     "comm_If_Configuration",
                                     "block_Info",
                                     "block_Memory",
                                     "block_Param",
                                     "enum"};
    return keys;
}

const QStringList& CCommonUtility::ItemNames() {
    return ProfileInnerConst::ItemTagNames();
}

const QStringList& CCommonUtility::ValueKindNames() {
    return ProfileInnerConst::DataTagNames();
}

const QStringList& CCommonUtility::SectionTypeNames() {
    static const QStringList names = {"UNKOWN", "FILE", "DEVICE", "COMM_IF", "BLOCK", "MAX"};
    return names;
}

// ---- names and lookups

int CCommonUtility::ValidateNodeName(const QString& name, const CPELFM_NodeBase* parent) const {
    if (parent != nullptr && parent->kindTag == NODE_ROOT) {
        if (FindSectionByNameInRoot(static_cast<const CPELFM_ProfileInfo*>(parent), name)) return 1;
    } else if (parent != nullptr && parent->kindTag == NODE_SECTION) {
        if (FindPartByNameInSection(static_cast<const CPELFM_SectionInfo*>(parent), name)) return 1;
    }
    if (profilePlugins.isEmpty()) throw InvalidArgumentError("no profile plug-in is listed");
    return profilePlugins.first().instance->ValidateLabel(name, 0);
}

int CCommonUtility::ValidatePartLabel2(const QString& label2, const CPELFM_NodeBase* parent) const {
    if (label2.isEmpty()) return 0;
    if (parent != nullptr && parent->kindTag == NODE_SECTION &&
        FindPartByLabel2InSection(static_cast<const CPELFM_SectionInfo*>(parent), label2))
        return 1;
    if (profilePlugins.isEmpty()) throw InvalidArgumentError("no profile plug-in is listed");
    return profilePlugins.first().instance->ValidateLabel(label2, 0);
}

int CCommonUtility::FindSectionByNameInRoot(const CPELFM_ProfileInfo* root, const QString& name) {
    return root != nullptr && Internal::IndexOfName(root->sections, name) >= 0 ? 1 : 0;
}

int CCommonUtility::FindPartByNameInSection(const CPELFM_SectionInfo* section, const QString& name) {
    return section != nullptr && Internal::IndexOfName(section->parts, name) >= 0 ? 1 : 0;
}

int CCommonUtility::FindPartByLabel2InSection(const CPELFM_SectionInfo* section, const QString& label2) {
    if (section == nullptr) return 0;
    for (const CPELFM_PartInfo* part : section->parts) {
        if (part != nullptr && part->label2.compare(label2, Qt::CaseInsensitive) == 0) return 1;
    }
    return 0;
}

int CCommonUtility::ParseUnsignedText(const QString& text, quint32& value, int base) {
    qsizetype start = 0;
    while (start < text.size() && text[start] == QLatin1Char('0')) ++start;
    const QString rest = text.mid(start);
    value = 0;
    if (rest.isEmpty()) return 1;
    // The C runtime's conversion; characters it cannot take stay over and make the text no number.
    const QByteArray bytes = rest.toLatin1();
    char* end = nullptr;
    errno = 0;
    const unsigned long long parsed = std::strtoull(bytes.constData(), &end, base);
    value = parsed > 0xFFFFFFFFull || errno == ERANGE ? 0xFFFFFFFFu : static_cast<quint32>(parsed);
    const bool whole = end != nullptr && *end == '\0' && end != bytes.constData() && !rest.contains(QChar(0));
    return whole ? 1 : 0;
}

QString CCommonUtility::GetOpenFileBaseName() const {
    if (openFilePath.isEmpty()) return {};
    return QFileInfo(openFilePath).completeBaseName();
}

void CCommonUtility::GetFileNameFromPath(const QString& path, QString& name) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    name = slash < 0 ? path : path.mid(slash + 1);
}

CPELFM_PartInfo* CCommonUtility::FindDeviceInfoPart(const CPELFM_SectionInfo* section) const {
    if (section == nullptr) return nullptr;
    const QString skipped = LoadString(62068);
    for (CPELFM_PartInfo* part : section->parts) {
        if (part != nullptr && part->partType == PART_DEVICE_INFO &&
            part->name.compare(skipped, Qt::CaseInsensitive) != 0)
            return part;
    }
    return nullptr;
}

QString CCommonUtility::GetSchemaPathPattern() const {
    return executableFolder + QStringLiteral("/Schema/%s/");
}

int CCommonUtility::AddUniqueString(QStringList& list, const QString& text) {
    if (list.contains(text, Qt::CaseSensitive)) return 0;
    list.append(text);
    return 1;
}

// ---- communication-interface types

void CCommonUtility::CollectCommIfTypeIds() {
    commIfTypeIds = CollectCommIfTypeIds(openProfile);
}

QStringList CCommonUtility::CollectCommIfTypeIds(const CPELFM_ProfileInfo* root) {
    QStringList typeIds;
    if (root == nullptr) return typeIds;
    for (CPELFM_SectionInfo* section : root->sections) {
        if (section == nullptr || section->sectionType != SECTION_COMM_IF) continue;
        for (CPELFM_PartInfo* part : section->parts) {
            if (part == nullptr || part->partType != PART_COMM_IF_INFO) continue;
            CPELFM_ElemInfo* elem = part->FindElemByLabel(QStringLiteral("CommIFTypeID"));
            if (elem == nullptr) continue;
            const int index = elem->FindItemIndex(DATA);
            if (index < 0 || elem->items[index]->values.isEmpty()) continue;
            AppendTypeIds(elem->items[index], typeIds);
        }
    }
    return typeIds;
}

int CCommonUtility::HasUnclaimedCommIfTypeId() const {
    return HasUnclaimedCommIfTypeId(commIfTypeIds);
}

int CCommonUtility::HasUnclaimedCommIfTypeId(const QStringList& typeIds) const {
    for (const QString& id : typeIds) {
        bool claimed = false;
        for (const _ST_DLL_DEVICE_MODEL& record : deviceModelPlugins) {
            if (record.instance != nullptr && record.instance->IsOwnDeviceModelName(id) != 0) {
                claimed = true;
                break;
            }
        }
        if (!claimed) return 1;
    }
    return 0;
}

// ---- format versions

int CCommonUtility::DetectProfileSpecVersion(const QString& path, int& major, int& minor) const {
    if (!QFileInfo(path).isFile()) return 0;
    XmlDocument document;
    try {
        document = XmlDocument::LoadFile(path);
    } catch (const XmlError&) {
        return 0;
    }
    const XmlNode root = document.DocumentElement();
    if (root.IsNull()) return 0;
    QString uri;
    if (!RootAttribute(root, LoadString(62013), uri)) return 0;
    return VersionFromNamespace(uri, major, minor);
}

int CCommonUtility::DetectProfileSpecVersion(const CPELFM_ProfileInfo& root, int& major, int& minor) const {
    QString uri;
    if (!DeclaredNamespace(LoadString(62013), root.rootPrefix, root.rootNamespaceUri, uri)) return 0;
    return VersionFromNamespace(uri, major, minor);
}

int CCommonUtility::FirstProfilePluginMajorVersion() const {
    return profilePlugins.isEmpty() ? 0 : static_cast<int>(profilePlugins.first().version >> 16);
}

int CCommonUtility::IsProfileVersionSupported(const QString& path) const {
    int major = 0;
    int minor = 0;
    if (!DetectProfileSpecVersion(path, major, minor)) return 0;
    return FirstProfilePluginMajorVersion() >= major ? 1 : 0;
}

int CCommonUtility::IsProfileVersionSupported(const CPELFM_ProfileInfo& root) const {
    int major = 0;
    int minor = 0;
    if (!DetectProfileSpecVersion(root, major, minor)) return 0;
    return FirstProfilePluginMajorVersion() >= major ? 1 : 0;
}

int CCommonUtility::GetOpenProfileSpecVersion(QString& text) const {
    if (openProfile == nullptr) return 0;
    for (CPELFM_SectionInfo* section : openProfile->sections) {
        if (section == nullptr || section->sectionType != SECTION_FILE) continue;
        for (CPELFM_PartInfo* part : section->parts) {
            if (part == nullptr || part->partType != PART_FILE_INFO) continue;
            return FirstDataValue(part, QStringLiteral("ProfileSpecVersion"), text) ? 1 : 0;
        }
        return 0;
    }
    return 0;
}

int CCommonUtility::IsOpenProfileVersionSupported() const {
    QString text;
    if (!GetOpenProfileSpecVersion(text)) return 0;
    int major = 0;
    int minor = 0;
    ParseVersionText(text, major, minor);
    return FirstProfilePluginMajorVersion() <= major ? 1 : 0;
}
