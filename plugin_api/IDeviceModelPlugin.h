#pragma once
#include <QList>
#include <QString>

#include "PluginRecords.h"

class CPELFM_ProfileInfo;

// The device-model plug-in interface: seven slots in a fixed order, no virtual destructor.
class IDeviceModelPlugin {
public:
    /* 1 */ virtual void GetPluginInfo(_ST_CT_PLUGININFO& info) = 0;
    /* 2 */ virtual int IsSupportedProfilePlugin(QString name, int version) = 0;
    /* 3 */ virtual int AcceptsPluginSelection(QList<_ST_CT_PLUGININFO>* selection) = 0;
    /* 4 */ virtual void CheckProfile(QList<_ST_PEL_CHECK_MESSAGE>& messages, CPELFM_ProfileInfo* root) = 0;
    /* 5 */ virtual void GetCommIfInfoTemplates(QList<_ST_CT_ELEM_INFO>* templates) = 0;
    /* 6 */ virtual int IsOwnDeviceModelName(QString name) = 0;
    /* 7 */ virtual void GetDeviceInfoTemplates(QList<_ST_CT_ELEM_INFO>* templates) = 0;

protected:
    ~IDeviceModelPlugin() = default;
};
