#pragma once
#include "IDeviceModelPlugin.h"

// The device-model plug-in of this device model: it names itself, states which profile plug-ins it
// serves and adds no checks and no templates.
class CDeviceModelPlugin final : public IDeviceModelPlugin {
public:
    ~CDeviceModelPlugin() = default;

    void GetPluginInfo(_ST_CT_PLUGININFO& info) override;
    int IsSupportedProfilePlugin(QString name, int version) override;
    int AcceptsPluginSelection(QList<_ST_CT_PLUGININFO>* selection) override;
    void CheckProfile(QList<_ST_PEL_CHECK_MESSAGE>& messages, CPELFM_ProfileInfo* root) override;
    void GetCommIfInfoTemplates(QList<_ST_CT_ELEM_INFO>* templates) override;
    int IsOwnDeviceModelName(QString name) override;
    void GetDeviceInfoTemplates(QList<_ST_CT_ELEM_INFO>* templates) override;
};
