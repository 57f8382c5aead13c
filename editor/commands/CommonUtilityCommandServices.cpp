#include "CommonUtilityCommandServices.h"

#include "CCommonUtility.h"

CPELFM_ProfileInfo* CommonUtilityCommandServices::OpenProfile() {
    return m_utility.openProfile;
}

IProfilePlugin* CommonUtilityCommandServices::FirstProfilePlugin() {
    return m_utility.profilePlugins.isEmpty() ? nullptr : m_utility.profilePlugins.first().instance;
}

QList<IDeviceModelPlugin*> CommonUtilityCommandServices::DeviceModelPlugins() {
    QList<IDeviceModelPlugin*> plugins;
    for (const _ST_DLL_DEVICE_MODEL& record : m_utility.deviceModelPlugins) {
        if (record.instance) plugins.append(record.instance);
    }
    return plugins;
}
