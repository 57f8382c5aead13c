// The settings file: a small XML document in the program folder's Config folder, or in the user's
// configuration folder where the program folder cannot be written.
#include <QDir>
#include <QFileInfo>

#include "CCommonUtility.h"
#include "CommandFailure.h"
#include "PELFMExceptions.h"
#include "PluginNames.h"
#include "XdgBaseDirectories.h"
#include "XmlDocument.h"
#include "XmlError.h"

namespace {

const QString kItemPath = QStringLiteral("./Setting[@label='SystemSetting']/SettingItem[@label='%1']");

XmlNode SelectItem(const XmlNode& root, const char* label, const char* child = nullptr) {
    QString path = kItemPath.arg(QLatin1String(label));
    if (child != nullptr) path += QLatin1Char('/') + QLatin1String(child);
    return root.SelectFirst(path);
}

// A flag as a signed decimal number; a value that is no number counts as missing (0).
int FlagValue(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : 0;
}

void AppendValue(XmlNode& parent, const char* name, const QString& text) {
    parent.AppendElement(QLatin1String(name)).AppendText(text);
}

XmlNode AppendItem(XmlNode& setting, const char* label) {
    XmlNode item = setting.AppendElement(QStringLiteral("SettingItem"));
    item.SetAttribute(QStringLiteral("label"), QLatin1String(label));
    return item;
}

}  // namespace

QString CCommonUtility::ProgramSettingsFilePath() const {
    return executableFolder + LoadString(62001);
}

QString CCommonUtility::SettingsFilePath() const {
    const QString beside = ProgramSettingsFilePath();
    // An installed copy the user cannot write (a package under /usr or /opt) keeps the file in the
    // user's own configuration folder instead.
    // A broken folder (a plain file named Config) stays where it is, so its failure is reported.
    const QFileInfo config(QFileInfo(beside).absolutePath());
    const QFileInfo folder = config.exists() ? config : QFileInfo(config.absolutePath());
    if (!folder.isDir() || folder.isWritable()) return beside;
    return XdgBaseDirectories::ConfigHome() + QLatin1Char('/') + LoadString(112) + QLatin1Char('/') +
           QFileInfo(beside).fileName();
}

void CCommonUtility::ReleaseSettings() {
    if (settings) {
        ClearProfileTypeSetting();
        settings.reset();
    }
    ClearProfileTypeList();
}

void CCommonUtility::ClearProfileTypeSetting() {
    if (!settings || !settings->ProfileType) return;
    settings->ProfileType->value.clear();
    settings->ProfileType->displayName.clear();
    settings->ProfileType->contents.clear();
}

void CCommonUtility::LoadSettingsFile(const QString& path) {
    if (!settings) settings = std::make_unique<_ST_SYSTEM_SETTING>();
    QString source = path;
    if (!QFileInfo::exists(path)) {
        // The first start outside the program folder begins with the program folder's file.
        const QString beside = ProgramSettingsFilePath();
        if (path != beside && QFileInfo(beside).isReadable())
            source = beside;
        else
            WriteSettingsFile();
    }
    XmlDocument document;
    try {
        document = XmlDocument::LoadFile(source);
    } catch (const XmlError&) {
        throw CPELFM_CreateRootException();
    }
    ClearProfileTypeSetting();
    const XmlNode root = document.DocumentElement();
    if (root.IsNull()) throw CPELFM_CreateRootException();
    ReadSystemSettings(root);
    ApplyLegacyProfileType(*settings);
}

void CCommonUtility::ReadSystemSettings(const XmlNode& settingsRoot) {
    if (const XmlNode language = SelectItem(settingsRoot, "Language", "Value"))
        settings->Language = language.Text();

    // The two automatic-creation items count only beside a device-model plug-in of kind 2. The file is
    // read before the plug-ins are bound, so they are kept until the kind is known instead of being
    // dropped (and written back as 0 by the next save).
    const XmlNode section = SelectItem(settingsRoot, "AutoCreateRelatedSection", "Value");
    const XmlNode part = SelectItem(settingsRoot, "AutoCreateRelatedPart", "Value");
    m_pendingSection = {!section.IsNull(), section.IsNull() ? QString() : section.Text()};
    m_pendingPart = {!part.IsNull(), part.IsNull() ? QString() : part.Text()};
    m_autoCreatePending = true;
    if (!deviceModelPlugins.isEmpty()) ApplyPendingAutoCreateSettings();

    const XmlNode version = SelectItem(settingsRoot, "DllVersion", "Value");
    bool ok = false;
    const quint32 dllVersion = version.IsNull() ? 0u : version.Text().toUInt(&ok, 10);
    settings->DllVersion = ok ? dllVersion : 0u;

    if (const XmlNode value = SelectItem(settingsRoot, "ProfileType", "Value"))
        settings->ProfileType->value = value.Text();
    if (const XmlNode display = SelectItem(settingsRoot, "ProfileType", "DisplayValue"))
        settings->ProfileType->displayName = display.Text();
    if (const XmlNode profileType = SelectItem(settingsRoot, "ProfileType"))
        ReadProfileTypeSubItems(profileType, *settings->ProfileType);
}

void CCommonUtility::ApplyPendingAutoCreateSettings() {
    if (!m_autoCreatePending || !settings) return;
    m_autoCreatePending = false;
    if (FirstDeviceModelKind() != DEVICE_MODEL_KIND_RELATED_ITEMS) return;
    settings->AutoCreateRelatedSection = m_pendingSection.found ? FlagValue(m_pendingSection.text) : 0;
    settings->AutoCreateRelatedPart = m_pendingPart.found ? FlagValue(m_pendingPart.text) : 0;
}

void CCommonUtility::ReadProfileTypeSubItems(const XmlNode& profileTypeElement, _PROFILE_TYPE& profileType) {
    const QList<XmlNode> children = profileTypeElement.ChildElements();
    for (qsizetype i = 2; i < children.size(); ++i) {
        _PROFILE_CONTENT content;
        const QList<XmlNode> fields = children[i].ChildElements();
        if (fields.size() == 2) {
            content.fileName = fields[0].Text();
            content.displayName = fields[1].Text();
        }
        profileType.contents.append(content);
    }
}

void CCommonUtility::ApplyLegacyProfileType(_ST_SYSTEM_SETTING& record) {
    if (!record.ProfileType) return;
    _PROFILE_TYPE& type = *record.ProfileType;
    for (const _PROFILE_CONTENT& content : std::as_const(type.contents)) {
        if (IsLegacy20DeviceModelName(content.displayName)) {
            type.value = QString::fromUtf8(LegacyPluginNames::File20);
            type.displayName = QString::fromUtf8(LegacyPluginNames::Display20);
        } else if (IsLegacy11DeviceModelName(content.displayName)) {
            type.value = QString::fromUtf8(LegacyPluginNames::File11);
            type.displayName = QString::fromUtf8(LegacyPluginNames::Display11);
        }
    }
}

int CCommonUtility::WriteSettingsFile() {
    if (!settings) settings = std::make_unique<_ST_SYSTEM_SETTING>();
    XmlDocument document = XmlDocument::Create();
    XmlNode root = document.CreateDocumentElement(QStringLiteral("Config"));
    document.AddProcessingInstruction(LoadString(62015), LoadString(62016));
    XmlNode setting = root.AppendElement(QStringLiteral("Setting"));
    setting.SetAttribute(QStringLiteral("label"), QStringLiteral("SystemSetting"));

    XmlNode language = AppendItem(setting, "Language");
    AppendValue(language, "Value", settings->Language);
    if (FirstDeviceModelKind() == DEVICE_MODEL_KIND_RELATED_ITEMS) {
        XmlNode section = AppendItem(setting, "AutoCreateRelatedSection");
        AppendValue(section, "Value", QString::number(settings->AutoCreateRelatedSection));
        XmlNode part = AppendItem(setting, "AutoCreateRelatedPart");
        AppendValue(part, "Value", QString::number(settings->AutoCreateRelatedPart));
    }
    XmlNode version = AppendItem(setting, "DllVersion");
    AppendValue(version, "Value", QString::number(settings->DllVersion));

    XmlNode profileType = AppendItem(setting, "ProfileType");
    QString value = settings->ProfileType ? settings->ProfileType->value : QString();
    QString displayName = settings->ProfileType ? settings->ProfileType->displayName : QString();
    MapLegacyPluginFileName(value);
    MapLegacyPluginDisplayName(displayName);
    AppendValue(profileType, "Value", value);
    AppendValue(profileType, "DisplayValue", displayName);
    if (settings->ProfileType) {
        for (const _PROFILE_CONTENT& content : std::as_const(settings->ProfileType->contents)) {
            XmlNode sub = profileType.AppendElement(QStringLiteral("SettingSubItem"));
            sub.SetAttribute(QStringLiteral("label"), QStringLiteral("DescriptionType"));
            AppendValue(sub, "Value", content.fileName);
            AppendValue(sub, "DisplayValue", content.displayName);
        }
    }

    const QString path = SettingsFilePath();
    const QString folder = QFileInfo(path).absolutePath();
    QString existing = folder;
    while (!QFileInfo::exists(existing) && !QDir(existing).isRoot())
        existing = QFileInfo(existing).absolutePath();
    try {
        // Where the folder cannot be made or the file not written, the system's reason goes with the failure.
        if (!QFileInfo::exists(path) && !QDir().mkpath(folder))
            throw XmlError(path + QStringLiteral(": cannot write"), CommandFailure::WriteFailureReason(path),
                           0);
        try {
            document.SaveFile(path);
        } catch (const XmlError& failed) {
            if (!failed.Reason().isEmpty()) throw;
            throw XmlError(failed.Message(), CommandFailure::WriteFailureReason(path), 0);
        }
    } catch (...) {
        // The folders made for a write that failed go with it: a first start that fails leaves nothing.
        for (QString made = folder; made != existing; made = QFileInfo(made).absolutePath())
            QDir().rmdir(made);
        throw;
    }
    return 0;
}

bool CCommonUtility::WriteSettingsFileReported(int operationId) {
    return CommandFailure::Run(
        *this, LoadString(operationId), [this] { WriteSettingsFile(); }, SettingsFilePath());
}
