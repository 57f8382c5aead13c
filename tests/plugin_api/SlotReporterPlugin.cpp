#include "PluginApi.h"

namespace {

int g_lastSlot = 0;

class ProfileReporter final : public IProfilePlugin {
public:
    void GetPluginInfo(_ST_CT_PLUGININFO&) override { g_lastSlot = 1; }
    int IsAvailable() override { return g_lastSlot = 2; }
    void ReservedOperation() override { g_lastSlot = 3; }
    void GetFileExtensions(QString*) override { g_lastSlot = 4; }
    QString GetSchemaFileName(QString) override { return QString::number(g_lastSlot = 5); }
    int SaveProfile(QString, CPELFM_ProfileInfo*) override { return g_lastSlot = 6; }
    int CreateArchive(QString, QList<QString>*, QString) override { return g_lastSlot = 7; }
    void GetInfoElementTemplates(QList<_ST_CT_ELEM_INFO>*, QList<_ST_CT_ELEM_INFO>*) override { g_lastSlot = 8; }
    void GetBlockInfoTemplates(QList<_ST_CT_ELEM_INFO>*) override { g_lastSlot = 9; }
    void GetCommIfInfoTemplates(QList<_ST_CT_ELEM_INFO>*) override { g_lastSlot = 10; }
    void GetDeviceIfTemplates(QList<_ST_CT_ELEM_INFO>*) override { g_lastSlot = 11; }
    void GetBlockMemoryTemplates(QList<_ST_CT_ELEM_INFO>*) override { g_lastSlot = 12; }
    void GetBlockParamTemplates(QList<_ST_CT_ELEM_INFO>*) override { g_lastSlot = 13; }
    QString GetNamespaceUri() override { return QString::number(g_lastSlot = 14); }
    void CheckProfile(ICheckProgressSink*, CPELFM_ProfileInfo*, QList<_ST_PEL_CHECK_MESSAGE>&) override {
        g_lastSlot = 15;
    }
    void SetDeviceModelPluginKind(int) override { g_lastSlot = 16; }
    void GetItemKindsOfPart(int, QList<int>&) override { g_lastSlot = 17; }
    void GetPartKindsOfSection(int, QList<int>&) override { g_lastSlot = 18; }
    int IsElementEditable(CPELFM_ElemInfo*) override { return g_lastSlot = 19; }
    int ValidateLabel(QString, int) override { return g_lastSlot = 20; }
    QString GetDataTypeList() override { return QString::number(g_lastSlot = 21); }
    int EditConnectionInfo(QWidget*, CPELFM_ProfileInfo*, QList<CPELFM_PartInfo*>*,
                           QList<CPELFM_PartInfo*>*) override {
        return g_lastSlot = 22;
    }
};

class DeviceReporter final : public IDeviceModelPlugin {
public:
    void GetPluginInfo(_ST_CT_PLUGININFO&) override { g_lastSlot = 101; }
    int IsSupportedProfilePlugin(QString, int) override { return g_lastSlot = 102; }
    int AcceptsPluginSelection(QList<_ST_CT_PLUGININFO>*) override { return g_lastSlot = 103; }
    void CheckProfile(QList<_ST_PEL_CHECK_MESSAGE>&, CPELFM_ProfileInfo*) override { g_lastSlot = 104; }
    void GetCommIfInfoTemplates(QList<_ST_CT_ELEM_INFO>*) override { g_lastSlot = 105; }
    int IsOwnDeviceModelName(QString) override { return g_lastSlot = 106; }
    void GetDeviceInfoTemplates(QList<_ST_CT_ELEM_INFO>*) override { g_lastSlot = 107; }
};

ProfileReporter g_profile;
DeviceReporter g_device;

}  // namespace

PEL_PLUGIN_EXPORT IProfilePlugin* GetProfileReporter() { return &g_profile; }
PEL_PLUGIN_EXPORT IDeviceModelPlugin* GetDeviceReporter() { return &g_device; }
PEL_PLUGIN_EXPORT int LastSlot() { return g_lastSlot; }
