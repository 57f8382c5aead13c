#pragma once
#include "ICommandServices.h"

class CCommonUtility;

// The commands' view of the application service object.
class CommonUtilityCommandServices : public ICommandServices {
public:
    explicit CommonUtilityCommandServices(CCommonUtility& utility) : m_utility(utility) {}

    CPELFM_ProfileInfo* OpenProfile() override;
    IProfilePlugin* FirstProfilePlugin() override;
    QList<IDeviceModelPlugin*> DeviceModelPlugins() override;

private:
    CCommonUtility& m_utility;
};
