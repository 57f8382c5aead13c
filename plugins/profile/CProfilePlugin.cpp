#include "CProfilePlugin.h"

#include <QDateTime>
#include <cerrno>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CheckFormat.h"
#include "ElementTemplates.h"
#include "ProfileInnerConst.h"
#include "ProfileXmlWriter.h"
#include "RunProfileCheck.h"
#include "ZipArchiveWriter.h"

using PeloraPlugin::Internal::ElementTemplates;

namespace {

// Labels are ASCII words; other letters never match them, whatever Unicode case folding would say.
bool EqualsIgnoringAsciiCase(QStringView a, QStringView b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t x = a[i].unicode(), y = b[i].unicode();
        if (x >= u'a' && x <= u'z') x -= 32;
        if (y >= u'a' && y <= u'z') y -= 32;
        if (x != y) return false;
    }
    return true;
}

bool IsOneOf(const QString& label, std::initializer_list<const char*> words) {
    for (const char* w : words) {
        if (EqualsIgnoringAsciiCase(label, QString::fromLatin1(w))) return true;
    }
    return false;
}

// C0, DEL and C1 controls: XML cannot carry most of them, and attribute normalisation turns
// the rest into spaces, so a label holding one would not come back as written.
bool IsControl(QChar c) {
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7f && u <= 0x9f);
}

}  // namespace

void CProfilePlugin::GetPluginInfo(_ST_CT_PLUGININFO& info) {
    info.version = m_settings.version;
    info.name = QString::fromLatin1(m_settings.internalName);
    info.nameVersion = m_settings.nameVersion;
    info.displayName = QString::fromLatin1(m_settings.displayName);
    info.strings.clear();
    info.kind = PLUGIN_KIND_PROFILE;
}

int CProfilePlugin::IsAvailable() {
    return 1;
}

void CProfilePlugin::ReservedOperation() {}

void CProfilePlugin::GetFileExtensions(QString* extensions) {
    if (!extensions) return;
    extensions[0] = QString::fromLatin1("pelproj");
    extensions[1] = QString::fromLatin1("pelp");
}

QString CProfilePlugin::GetSchemaFileName(QString extension) {
    if (EqualsIgnoringAsciiCase(extension, u"pelp")) return QString::fromLatin1("PeloraSchema.xsd");
    return QString();
}

int CProfilePlugin::SaveProfile(QString path, CPELFM_ProfileInfo* root) {
    PeloraPlugin::Internal::ProfileXmlWriter::WriteProfileXml(*this, path, root);
    return 1;
}

// A failure leaves in errno why the archive could not be written, 0 when the archive was not at fault:
// the caller names the reason with the file.
int CProfilePlugin::CreateArchive(QString archivePath, QList<QString>* files, QString baseFolder) {
    int writeError = 0;
    const int written = files ? PeloraPlugin::Internal::ZipArchiveWriter::CreateArchive(
                                    archivePath, *files, baseFolder, &writeError)
                              : 0;
    if (written != 1) errno = writeError;
    return written;
}

void CProfilePlugin::GetInfoElementTemplates(QList<_ST_CT_ELEM_INFO>* fileInfo,
                                             QList<_ST_CT_ELEM_INFO>* deviceInfo) {
    const QDateTime now = QDateTime::currentDateTime();
    ElementTemplates::Fill(m_settings, m_settings.fileInfoTemplates, now, fileInfo);
    ElementTemplates::Fill(m_settings, m_settings.deviceInfoTemplates, now, deviceInfo);
}

void CProfilePlugin::GetBlockInfoTemplates(QList<_ST_CT_ELEM_INFO>* templates) {
    ElementTemplates::Fill(m_settings, m_settings.blockInfoTemplates, QDateTime(), templates);
}

void CProfilePlugin::GetCommIfInfoTemplates(QList<_ST_CT_ELEM_INFO>* templates) {
    ElementTemplates::Fill(m_settings, m_settings.commIfInfoTemplates, QDateTime(), templates);
}

void CProfilePlugin::GetDeviceIfTemplates(QList<_ST_CT_ELEM_INFO>* templates) {
    ElementTemplates::Fill(m_settings, m_settings.deviceIfTemplates, QDateTime(), templates);
}

void CProfilePlugin::GetBlockMemoryTemplates(QList<_ST_CT_ELEM_INFO>* templates) {
    ElementTemplates::Fill(m_settings, m_settings.blockMemoryTemplates, QDateTime(), templates);
}

void CProfilePlugin::GetBlockParamTemplates(QList<_ST_CT_ELEM_INFO>* templates) {
    ElementTemplates::Fill(m_settings, m_settings.blockParamTemplates, QDateTime(), templates);
}

QString CProfilePlugin::GetNamespaceUri() {
    return QString::fromLatin1(m_settings.namespaceUri);
}

void CProfilePlugin::CheckProfile(ICheckProgressSink* progress, CPELFM_ProfileInfo* root,
                                  QList<_ST_PEL_CHECK_MESSAGE>& messages) {
    const CheckFormat* format = CheckFormat::ForSettings(m_settings);
    if (!format) {
        messages.clear();
        return;
    }
    RunProfileCheck(*format, progress, root, messages);
}

void CProfilePlugin::SetDeviceModelPluginKind(int /*kind*/) {}

void CProfilePlugin::GetItemKindsOfPart(int partKind, QList<int>& itemKinds) {
    itemKinds.clear();
    const std::span<const int> order = m_settings.ItemOrder(partKind);
    if (order.empty()) return;
    itemKinds.append(LABEL);
    for (int kind : order) itemKinds.append(kind);
}

void CProfilePlugin::GetPartKindsOfSection(int sectionKind, QList<int>& partKinds) {
    partKinds.clear();
    for (int kind : m_settings.AddablePartKinds(sectionKind)) partKinds.append(kind);
}

int CProfilePlugin::IsElementEditable(CPELFM_ElemInfo* elem) {
    if (!elem) return 0;
    const CPELFM_PartInfo* part = elem->ownerPart;
    const CPELFM_SectionInfo* section = part ? part->ownerSection : nullptr;
    if (!section) return 1;
    if (part->partType == PART_FILE_INFO && section->sectionType == SECTION_FILE &&
        IsOneOf(elem->label, {"CreateDate", "CreateTime", "ModDate", "ModTime", "Language",
                              "ProfileSpecVersion", "FileVersion"})) {
        return 0;
    }
    if (part->partType == PART_DEVICE_INFO && section->sectionType == SECTION_DEVICE &&
        IsOneOf(elem->label, {"VendorName", "DeviceModel", "Version"})) {
        return 0;
    }
    return 1;
}

int CProfilePlugin::ValidateLabel(QString label, int /*reserved*/) {
    for (char16_t c : m_settings.prohibitedLabelChars) {
        if (label.contains(QChar(c))) return LABEL_PROHIBITED_CHARACTER;
    }
    for (QChar c : label) {
        if (IsControl(c)) return LABEL_PROHIBITED_CHARACTER;
    }
    if (!label.isEmpty() && label[0] >= u'0' && label[0] <= u'9') return LABEL_LEADING_DIGIT;
    for (const char* word : m_settings.reservedLabelWords) {
        if (EqualsIgnoringAsciiCase(label, QString::fromLatin1(word))) return LABEL_RESERVED_WORD;
    }
    return LABEL_VALID;
}

QString CProfilePlugin::GetDataTypeList() {
    return QString::fromLatin1(m_settings.dataTypeList);
}

int CProfilePlugin::EditConnectionInfo(QWidget* parent, CPELFM_ProfileInfo* root,
                                       QList<CPELFM_PartInfo*>* removedParts,
                                       QList<CPELFM_PartInfo*>* changedParts) {
    // Without an editor nothing is applied; 0 would make the editor drop its undo history.
    if (!m_connectionEditor) return CONNECTION_EDIT_NOTHING_APPLIED;
    return m_connectionEditor(*this, parent, root, removedParts, changedParts);
}
