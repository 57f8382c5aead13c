#pragma once
// In-process stand-ins for the plug-ins the settings dialogs talk to, and a service object whose lists
// hold them, with a program folder of its own for the settings file.
#include <QHash>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <memory>

#include "CCommonUtility.h"
#include "IDeviceModelPlugin.h"
#include "IProfilePlugin.h"
#include "MapStringSource.h"
#include "ScriptedMessagePresenter.h"

namespace SettingsTest {

class FakeProfile : public IProfilePlugin {
public:
    int available = 1;
    int kindSet = -1;
    QString projectExtension = "pelproj";
    QString profileExtension = "pelp";

    void GetPluginInfo(_ST_CT_PLUGININFO&) override {}
    int IsAvailable() override { return available; }
    void ReservedOperation() override {}
    void GetFileExtensions(QString* e) override {
        e[0] = projectExtension;
        e[1] = profileExtension;
    }
    QString GetSchemaFileName(QString) override { return {}; }
    int SaveProfile(QString, CPELFM_ProfileInfo*) override { return 0; }
    int CreateArchive(QString, QList<QString>*, QString) override { return 0; }
    void GetInfoElementTemplates(QList<_ST_CT_ELEM_INFO>*, QList<_ST_CT_ELEM_INFO>*) override {}
    void GetBlockInfoTemplates(QList<_ST_CT_ELEM_INFO>*) override {}
    void GetCommIfInfoTemplates(QList<_ST_CT_ELEM_INFO>*) override {}
    void GetDeviceIfTemplates(QList<_ST_CT_ELEM_INFO>*) override {}
    void GetBlockMemoryTemplates(QList<_ST_CT_ELEM_INFO>*) override {}
    void GetBlockParamTemplates(QList<_ST_CT_ELEM_INFO>*) override {}
    QString GetNamespaceUri() override { return {}; }
    void CheckProfile(ICheckProgressSink*, CPELFM_ProfileInfo*, QList<_ST_PEL_CHECK_MESSAGE>&) override {}
    void SetDeviceModelPluginKind(int kind) override { kindSet = kind; }
    void GetItemKindsOfPart(int, QList<int>&) override {}
    void GetPartKindsOfSection(int, QList<int>&) override {}
    int IsElementEditable(CPELFM_ElemInfo*) override { return 1; }
    QHash<QString, int> labelRules;  // label to ValidateLabel result; others are valid
    int ValidateLabel(QString label, int) override { return labelRules.value(label, 0); }
    QString GetDataTypeList() override { return {}; }
    int EditConnectionInfo(QWidget*, CPELFM_ProfileInfo*, QList<CPELFM_PartInfo*>*,
                           QList<CPELFM_PartInfo*>*) override {
        return 0;
    }
};

class FakeDevice : public IDeviceModelPlugin {
public:
    QString name;
    int accepts = 1;
    QStringList offeredNames;  // internal names of the selection it was asked about

    void GetPluginInfo(_ST_CT_PLUGININFO& info) override {
        info.name = name;
        info.kind = 2;
    }
    int IsSupportedProfilePlugin(QString, int) override { return 1; }
    int AcceptsPluginSelection(QList<_ST_CT_PLUGININFO>* selection) override {
        for (const _ST_CT_PLUGININFO& info : *selection) offeredNames << info.name;
        return accepts;
    }
    void CheckProfile(QList<_ST_PEL_CHECK_MESSAGE>&, CPELFM_ProfileInfo*) override {}
    void GetCommIfInfoTemplates(QList<_ST_CT_ELEM_INFO>*) override {}
    int IsOwnDeviceModelName(QString) override { return 0; }
    void GetDeviceInfoTemplates(QList<_ST_CT_ELEM_INFO>*) override {}
};

// A service object over stand-in records; the fakes live as long as it does.
class World {
public:
    World() : utility(folder.path()) {
        strings.SetString(62001, "/Config/SystemSetting.xml");
        strings.SetString(62015, "xml");
        strings.SetString(62016, "version=\"1.0\"");
        strings.SetString(10006, "refused");
        strings.SetString(10035, "saved");
        strings.SetString(10008, "%1!s! failed: %2!s!");
        utility.SetStringSource(&strings);
        utility.SetMessagePresenter(&presenter);
    }
    ~World() {
        // The records name no library: nothing to free but the lists.
        utility.profilePlugins.clear();
        utility.deviceModelPlugins.clear();
    }

    FakeProfile& AddProfile(const QString& displayName, const QString& fileName) {
        profiles.emplace_back();
        _ST_DLL_PROFILE record;
        record.instance = &profiles.back();
        record.displayName = displayName;
        record.fileName = fileName;
        record.version = 0x20000;
        record.kind = 1;
        utility.profilePlugins.append(record);
        return profiles.back();
    }
    FakeDevice& AddDevice(const QString& internalName, const QString& displayName, const QString& fileName,
                          int kind = 2) {
        devices.emplace_back();
        devices.back().name = internalName;
        _ST_DLL_DEVICE_MODEL record;
        record.instance = &devices.back();
        record.internalName = internalName;
        record.displayName = displayName;
        record.fileName = fileName;
        record.version = 0x10000;
        record.kind = kind;
        utility.deviceModelPlugins.append(record);
        return devices.back();
    }
    // A profile type as the list builder makes it.
    void AddType(const QString& displayName, const QString& fileName, const QStringList& contents) {
        auto type = std::make_unique<_PROFILE_TYPE>();
        type->displayName = displayName;
        type->value = fileName;
        for (const QString& c : contents) type->contents.append({QString(), c + ".so", c, 0x10000});
        utility.profileTypes.push_back(std::move(type));
    }
    void SetSettings(const QString& displayName, const QString& value, const QStringList& contents) {
        _PROFILE_TYPE& chosen = *utility.settings->ProfileType;
        chosen.displayName = displayName;
        chosen.value = value;
        chosen.contents.clear();
        for (const QString& c : contents) chosen.contents.append({c, c + ".so", c, 0});
    }
    QStringList ProfileFiles() const {
        QStringList out;
        for (const _ST_DLL_PROFILE& r : utility.profilePlugins) out << r.fileName;
        return out;
    }
    QStringList DeviceFiles() const {
        QStringList out;
        for (const _ST_DLL_DEVICE_MODEL& r : utility.deviceModelPlugins) out << r.fileName;
        return out;
    }
    QString SettingsPath() const { return folder.path() + "/Config/SystemSetting.xml"; }

    QTemporaryDir folder;
    MapStringSource strings;
    ScriptedMessagePresenter presenter;
    std::deque<FakeProfile> profiles;
    std::deque<FakeDevice> devices;
    CCommonUtility utility;
};

}  // namespace SettingsTest
