#include "SystemSettingLogic.h"

#include "CCommonUtility.h"
#include "IDeviceModelPlugin.h"
#include "IProfilePlugin.h"
#include "MessageBoxStyle.h"
#include "PluginNames.h"

namespace {

bool IsNamed(const _PROFILE_TYPE& type, const char* name) {
    return ComparePluginNames(type.displayName, QString::fromLatin1(name));
}

bool IsOstraName(const QString& name) {
    return ComparePluginNames(name, QString::fromLatin1(LegacyPluginNames::Display20)) ||
           ComparePluginNames(name, QString::fromLatin1(LegacyPluginNames::Display11));
}

}  // namespace

SystemSettingLogic::SystemSettingLogic(CCommonUtility& utility) : m_utility(utility) {
    using namespace LegacyPluginNames;
    for (const std::unique_ptr<_PROFILE_TYPE>& type : m_utility.profileTypes) {
        const _PROFILE_TYPE* t = type.get();
        if (IsNamed(*t, Display20)) {
            if (m_ostra20 == nullptr) m_ostra20 = t;
            continue;
        }
        if (IsNamed(*t, Display11)) {
            if (m_ostra11 == nullptr) m_ostra11 = t;
            continue;
        }
        if (IsNamed(*t, CurrentDisplay20) && m_pelora20 == nullptr) m_pelora20 = t;
        if (IsNamed(*t, CurrentDisplay11) && m_pelora11 == nullptr) m_pelora11 = t;
        m_comboEntries.append(t->displayName);
    }
    if (m_ostra20 != nullptr && m_pelora20 == nullptr)
        m_comboEntries.append(QString::fromLatin1(CurrentDisplay20));
    if (m_ostra11 != nullptr && m_pelora11 == nullptr)
        m_comboEntries.append(QString::fromLatin1(CurrentDisplay11));
}

const _PROFILE_TYPE* SystemSettingLogic::TypeOfComboText(const QString& comboText) const {
    using namespace LegacyPluginNames;
    if (ComparePluginNames(comboText, QString::fromLatin1(CurrentDisplay20)))
        return m_pelora20 != nullptr ? m_pelora20 : m_ostra20;
    if (ComparePluginNames(comboText, QString::fromLatin1(CurrentDisplay11)))
        return m_pelora11 != nullptr ? m_pelora11 : m_ostra11;
    for (const std::unique_ptr<_PROFILE_TYPE>& type : m_utility.profileTypes) {
        if (!IsOstraName(type->displayName) && ComparePluginNames(type->displayName, comboText))
            return type.get();
    }
    return nullptr;
}

const _PROFILE_TYPE* SystemSettingLogic::SettingsType() const {
    using namespace LegacyPluginNames;
    const _PROFILE_TYPE* chosen = m_utility.settings ? m_utility.settings->ProfileType.get() : nullptr;
    if (chosen == nullptr || chosen->displayName.isEmpty()) return nullptr;
    const QString& name = chosen->displayName;
    if (ComparePluginNames(name, QString::fromLatin1(Display20)))
        return TypeOfComboText(QString::fromLatin1(CurrentDisplay20));
    if (ComparePluginNames(name, QString::fromLatin1(Display11)))
        return TypeOfComboText(QString::fromLatin1(CurrentDisplay11));
    return TypeOfComboText(name);
}

QString SystemSettingLogic::ComboTextOf(const _PROFILE_TYPE* type) const {
    if (type == nullptr) return {};
    if (type == m_ostra20) return QString::fromLatin1(LegacyPluginNames::CurrentDisplay20);
    if (type == m_ostra11) return QString::fromLatin1(LegacyPluginNames::CurrentDisplay11);
    return type->displayName;
}

QString SystemSettingLogic::InitialComboText() const {
    const _PROFILE_TYPE* type = SettingsType();
    // A settings entry that names no listed type falls back to the first entry of the combo.
    if (type == nullptr && !m_comboEntries.isEmpty()) type = TypeOfComboText(m_comboEntries.first());
    return ComboTextOf(type);
}

SystemSettingLogic::DeviceList SystemSettingLogic::ListOf(const _PROFILE_TYPE* type,
                                                          bool selectSettings) const {
    DeviceList list;
    if (type == nullptr) return list;
    const _PROFILE_TYPE* partner = nullptr;
    if (type == m_pelora20) partner = m_ostra20;
    if (type == m_pelora11) partner = m_ostra11;
    for (const _PROFILE_TYPE* t : {type, partner}) {
        if (t == nullptr) continue;
        for (const _PROFILE_CONTENT& content : t->contents) list.entries.append(content.displayName);
    }
    if (!selectSettings || !m_utility.settings || !m_utility.settings->ProfileType) return list;
    for (int i = 0; i < list.entries.size(); ++i) {
        for (const _PROFILE_CONTENT& chosen : std::as_const(m_utility.settings->ProfileType->contents)) {
            if (chosen.displayName == list.entries[i]) {
                list.selected.append(i);
                break;
            }
        }
    }
    return list;
}

SystemSettingLogic::DeviceList SystemSettingLogic::InitialDeviceList() const {
    return ListOf(TypeOfComboText(InitialComboText()), true);
}

SystemSettingLogic::DeviceList SystemSettingLogic::DeviceListFor(const QString& comboText) const {
    const _PROFILE_TYPE* type = TypeOfComboText(comboText);
    return ListOf(type, type != nullptr && type == SettingsType());
}

bool SystemSettingLogic::ChoiceEnabled() const {
    return m_utility.fileOpen == 0;
}

SystemSettingLogic::AcceptResult SystemSettingLogic::Accept(const QString& comboText,
                                                            const QString& deviceText) {
    _ST_SYSTEM_SETTING& settings = *m_utility.settings;
    // A choice that cannot be applied must not cost the previous one: the settings keep it, so that a
    // later close unloads by a valid entry instead of unloading every profile plug-in.
    const _PROFILE_TYPE previous = *settings.ProfileType;
    const quint32 previousVersion = settings.DllVersion;
    auto restore = [&] {
        *settings.ProfileType = previous;
        settings.DllVersion = previousVersion;
    };
    const int current = m_utility.SelectedProfilePluginIndex();
    const bool entryKept = comboText == InitialComboText();
    m_utility.ClearProfileTypeSetting();

    QString pluginName = comboText;
    GetLegacyPluginName(deviceText, pluginName);
    int available = 0;
    int profileIndex = m_utility.FindProfilePluginIndex(pluginName, available);
    const int deviceIndex = m_utility.FindDeviceModelPluginIndex(deviceText, available);
    if (profileIndex < 0 || deviceIndex < 0) {
        restore();
        Close();
        return AcceptResult::Accepted;
    }
    // The entry the dialog opened with may stand only because the selected format has no entry of its
    // own (no device model serves 3.0): it never switches the format. Another entry the user picks does.
    const bool keepFormat =
        entryKept && current >= 0 &&
        m_utility.profilePlugins[current].version != m_utility.profilePlugins[profileIndex].version;
    if (keepFormat) profileIndex = current;

    const _ST_DLL_PROFILE& profile = m_utility.profilePlugins[profileIndex];
    const _ST_DLL_DEVICE_MODEL& device = m_utility.deviceModelPlugins[deviceIndex];
    _PROFILE_TYPE& chosen = *settings.ProfileType;
    chosen.value = profile.fileName;
    chosen.displayName = keepFormat ? profile.displayName : comboText;
    chosen.contents.append({device.internalName, device.fileName, deviceText, 0});
    // The format version and the profile type always name the same plug-in.
    settings.DllVersion = profile.version;

    QList<_ST_CT_PLUGININFO> selection;
    for (const _ST_DLL_DEVICE_MODEL& record : std::as_const(m_utility.deviceModelPlugins)) {
        for (const _PROFILE_CONTENT& content : std::as_const(chosen.contents)) {
            if (record.internalName != content.name) continue;
            _ST_CT_PLUGININFO info;
            record.instance->GetPluginInfo(info);
            selection.append(info);
            break;
        }
    }
    for (const _PROFILE_CONTENT& content : std::as_const(chosen.contents)) {
        for (const _ST_DLL_DEVICE_MODEL& record : std::as_const(m_utility.deviceModelPlugins)) {
            if (record.internalName != content.name) continue;
            if (record.instance->AcceptsPluginSelection(&selection) != 1) {
                restore();
                m_utility.ShowMessage({}, 10006, MB_ICONINFORMATION);
                return AcceptResult::Refused;
            }
            break;
        }
    }

    try {
        m_utility.WriteSettingsFile();
    } catch (...) {
        restore();
        throw;
    }
    if (m_utility.settingsNoticeFlag) m_utility.ShowMessage({}, 10035, MB_ICONINFORMATION);
    m_utility.settingsNoticeFlag = 1;
    UnloadDeselectedPlugins();
    NotifyProfilePlugin(true);
    return AcceptResult::Accepted;
}

void SystemSettingLogic::Close() {
    // Settings that name no plug-in unload none: the editor must not be left without one.
    if (m_utility.settings && m_utility.settings->ProfileType) UnloadDeselectedPlugins();
    NotifyProfilePlugin(false);
}

void SystemSettingLogic::UnloadDeselectedPlugins() {
    const _PROFILE_TYPE& chosen = *m_utility.settings->ProfileType;
    // The plug-in the settings select stays, found by its format version first: a profile type left
    // behind by an older file name must not switch the format.
    const int kept = m_utility.SelectedProfilePluginIndex();
    if (kept >= 0) {
        for (int i = m_utility.profilePlugins.size() - 1; i >= 0; --i)
            if (i != kept) m_utility.RemoveProfilePluginAt(i);
    }
    // Without any device model named, every one stays, as before the dialog.
    if (chosen.contents.isEmpty()) return;
    for (int i = 0; i < m_utility.deviceModelPlugins.size();) {
        bool named = false;
        for (const _PROFILE_CONTENT& content : chosen.contents)
            named = named || content.fileName == m_utility.deviceModelPlugins[i].fileName;
        if (!named)
            m_utility.RemoveDeviceModelPluginAt(i);
        else
            ++i;
    }
}

void SystemSettingLogic::NotifyProfilePlugin(bool withExtensions) {
    if (m_utility.profilePlugins.isEmpty()) return;
    IProfilePlugin* plugin = m_utility.profilePlugins.first().instance;
    plugin->SetDeviceModelPluginKind(m_utility.FirstDeviceModelKind());
    if (!withExtensions) return;
    QString extensions[2];
    plugin->GetFileExtensions(extensions);
    m_utility.projectExtension = extensions[0];
    m_utility.profileExtension = extensions[1];
}
