// The plug-in host: finding, binding, ordering, pairing and releasing the plug-in libraries.
#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "CCommonUtility.h"
#include "IDeviceModelPlugin.h"
#include "IProfilePlugin.h"
#include "InvalidArgumentError.h"
#include "MessageBoxStyle.h"
#include "PluginExports.h"
#include "PluginNames.h"
#include "PluginRecords.h"

namespace {

// A text that owns its characters. A plug-in may hand out texts that point into its own read-only
// data; the host keeps names after that library is gone, so it never keeps such a view.
QString Owned(const QString& text) {
    return QString(text.constData(), text.size());
}

template <class Record>
void ReleaseRecords(QList<Record>& records) {
    for (Record& record : records) {
        if (record.module) record.module->Release();
        record.instance = nullptr;
    }
    records.clear();
}

template <class Record>
void FillFromInfo(Record& record, const _ST_CT_PLUGININFO& info, const QString& fileName) {
    record.version = info.version;
    record.internalName = Owned(info.name);
    record.nameVersion = info.nameVersion;
    record.displayName = Owned(info.displayName);
    record.fileName = fileName;
    record.kind = info.kind;
}

}  // namespace

void CCommonUtility::UnloadPlugins() {
    ReleaseRecords(profilePlugins);
    ReleaseRecords(deviceModelPlugins);
    for (const std::shared_ptr<PluginModule>& module : std::as_const(m_unlistedModules)) module->Release();
    m_unlistedModules.clear();
}

void CCommonUtility::LoadPlugins() {
    UnloadPlugins();
    for (const QString& folder : std::as_const(pluginFolders)) ScanPluginFolder(folder);
    OrderDeviceModelPlugins();
    ApplyPendingAutoCreateSettings();
}

void CCommonUtility::ScanPluginFolder(const QString& folder) {
    // Sorted by name: directory order is arbitrary here, and the first plug-in of a kind matters.
    const QDir dir(folder);
    QStringList names = dir.entryList(
        {QStringLiteral("*.so")}, QDir::Files | QDir::NoDotAndDotDot | QDir::CaseSensitive, QDir::Unsorted);
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.compare(b) < 0; });
    for (const QString& fileName : names) {
        auto module = std::make_shared<PluginModule>(fileName);
        if (!module->Library().Open(QFileInfo(dir.absoluteFilePath(fileName)).absoluteFilePath())) continue;
        auto category = module->Library().ResolveFunction<PFN_GetProfilePluginCategory>(
            EXPORT_GET_PROFILE_PLUGIN_CATEGORY);
        void* getInstance = module->Library().Resolve(EXPORT_GET_INSTANCE);
        // Without both exports the library is not a plug-in: closed at once, nothing of it is called.
        if (category == nullptr || getInstance == nullptr) continue;
        const QString kind = Owned(category());
        const bool isProfile = kind == QLatin1String(CATEGORY_PROFILE_PLUGIN);
        const bool isDeviceModel = kind == QLatin1String(CATEGORY_DEVICE_MODEL_PLUGIN);
        if (!isProfile && !isDeviceModel) continue;

        _ST_CT_PLUGININFO info;
        if (isProfile) {
            IProfilePlugin* instance = reinterpret_cast<PFN_GetProfilePluginInstance>(getInstance)();
            if (instance == nullptr) continue;
            module->SetInstance(instance);
            // Kept before the first call into the instance, so a throwing plug-in is still released.
            m_unlistedModules.append(module);
            instance->GetPluginInfo(info);
            m_unlistedModules.removeLast();
            _ST_DLL_PROFILE record;
            record.module = module;
            record.instance = instance;
            FillFromInfo(record, info, fileName);
            profilePlugins.append(record);
        } else {
            IDeviceModelPlugin* instance = reinterpret_cast<PFN_GetDeviceModelPluginInstance>(getInstance)();
            if (instance == nullptr) continue;
            module->SetInstance(instance);
            m_unlistedModules.append(module);
            instance->GetPluginInfo(info);
            m_unlistedModules.removeLast();
            _ST_DLL_DEVICE_MODEL record;
            record.module = module;
            record.instance = instance;
            FillFromInfo(record, info, fileName);
            deviceModelPlugins.append(record);
        }
    }
}

void CCommonUtility::OrderDeviceModelPlugins() {
    QStringList preferred = {QStringLiteral("Corvix"),
                             LoadString(62081),
                             LoadString(62082),
                             LoadString(62083),
                             QStringLiteral("Ethernet"),
                             QStringLiteral("Dravik"),
                             QStringLiteral("Verbusline"),
                             QStringLiteral("Tamber Busline")};
    QList<_ST_DLL_DEVICE_MODEL> ordered;
    for (const QString& name : std::as_const(preferred)) {
        const int index = FindDeviceModelPluginIndex(name, 0);
        if (index >= 0) ordered.append(deviceModelPlugins.takeAt(index));
    }
    ordered.append(deviceModelPlugins);
    deviceModelPlugins = ordered;
}

int CCommonUtility::FindProfilePluginIndex(const QString& displayName, int& available) const {
    for (int i = 0; i < profilePlugins.size(); ++i) {
        available = profilePlugins[i].instance->IsAvailable();
        if (ComparePluginNames(profilePlugins[i].displayName, displayName)) return i;
    }
    return -1;
}

int CCommonUtility::FindDeviceModelPluginIndex(const QString& displayName, int withVersion) const {
    for (int i = 0; i < deviceModelPlugins.size(); ++i) {
        const _ST_DLL_DEVICE_MODEL& record = deviceModelPlugins[i];
        const QString text =
            withVersion == 1 ? PluginNameWithVersion(record.displayName, record.version) : record.displayName;
        if (ComparePluginNames(text, displayName)) return i;
    }
    return -1;
}

int CCommonUtility::GetDeviceModelPluginType() const {
    if (deviceModelPlugins.isEmpty()) throw InvalidArgumentError("no device-model plug-in is listed");
    return deviceModelPlugins.first().kind;
}

int CCommonUtility::FirstDeviceModelKind() const {
    return deviceModelPlugins.isEmpty() ? 0 : deviceModelPlugins.first().kind;
}

int CCommonUtility::SelectedProfilePluginIndex() const {
    if (!settings) return -1;
    const QString named = settings->ProfileType ? settings->ProfileType->value : QString();
    int byName = -1;
    int byVersion = -1;
    for (int i = 0; i < profilePlugins.size(); ++i) {
        const _ST_DLL_PROFILE& record = profilePlugins[i];
        const bool sameName = !named.isEmpty() && record.fileName == named;
        const bool sameVersion = record.kind == PLUGIN_KIND_PROFILE && record.version == settings->DllVersion;
        if (sameName && sameVersion) return i;
        if (sameName && byName < 0) byName = i;
        if (sameVersion && byVersion < 0) byVersion = i;
    }
    return byVersion >= 0 ? byVersion : byName;
}

void CCommonUtility::SelectProfilePlugin(int index) {
    if (index < 0 || index >= profilePlugins.size())
        throw InvalidArgumentError("profile plug-in index out of range");
    const _ST_DLL_PROFILE selected = profilePlugins[index];
    for (int i = 0; i < profilePlugins.size(); ++i) {
        if (i != index) m_unlistedModules.append(profilePlugins[i].module);
    }
    profilePlugins.clear();
    profilePlugins.append(selected);
}

void CCommonUtility::RemoveProfilePluginAt(int index) {
    if (index < 0 || index >= profilePlugins.size())
        throw InvalidArgumentError("profile plug-in index out of range");
    _ST_DLL_PROFILE record = profilePlugins.takeAt(index);
    if (record.module) record.module->Release();
}

void CCommonUtility::RemoveDeviceModelPluginAt(int index) {
    if (index < 0 || index >= deviceModelPlugins.size())
        throw InvalidArgumentError("device-model plug-in index out of range");
    _ST_DLL_DEVICE_MODEL record = deviceModelPlugins.takeAt(index);
    if (record.module) record.module->Release();
}

void CCommonUtility::ClearProfileTypeList() {
    profileTypes.clear();
}

int CCommonUtility::BuildProfileTypeList() {
    LoadPlugins();
    if (profilePlugins.isEmpty() || deviceModelPlugins.isEmpty()) {
        ShowMessage({}, 10003, MB_ICONERROR);
        return 0;
    }
    // Last to first, as the list owns its entries.
    while (!profileTypes.empty()) profileTypes.pop_back();

    bool anyContent = false;
    QList<int> recordOfType;  // the profile record each entry was made from
    for (int p = 0; p < profilePlugins.size(); ++p) {
        const _ST_DLL_PROFILE& profile = profilePlugins[p];
        auto type = std::make_unique<_PROFILE_TYPE>();
        type->value = profile.fileName;
        type->displayName = profile.displayName;
        for (const _ST_DLL_DEVICE_MODEL& device : std::as_const(deviceModelPlugins)) {
            if (device.instance->IsSupportedProfilePlugin(profile.internalName,
                                                          static_cast<int>(profile.version)) == 1) {
                type->contents.append({QString(), device.fileName, device.displayName, device.version});
            }
        }
        if (!type->contents.isEmpty()) {
            anyContent = true;
            profileTypes.push_back(std::move(type));
            recordOfType.append(p);
        }
    }
    if (!anyContent) {
        QString profileNames;
        QString deviceNames;
        const QString separator = LoadString(109);
        for (int i = 0; i < profilePlugins.size(); ++i)
            profileNames +=
                (i > 0 ? separator : QString()) + profilePlugins[i].internalName + QLatin1Char('\n');
        for (int i = 0; i < deviceModelPlugins.size(); ++i)
            deviceNames +=
                (i > 0 ? separator : QString()) + deviceModelPlugins[i].internalName + QLatin1Char('\n');
        ShowMessage({profileNames, deviceNames}, 10004, MB_ICONERROR);
        return 0;
    }
    for (size_t t = 0; t < profileTypes.size(); ++t) {
        if (profilePlugins[recordOfType[static_cast<int>(t)]].instance->IsAvailable() != 1) continue;
        for (_PROFILE_CONTENT& content : profileTypes[t]->contents)
            content.displayName = PluginNameWithVersion(content.displayName, content.version);
    }
    return 1;
}
