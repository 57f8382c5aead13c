#pragma once
#include <QList>

class CPELFM_ProfileInfo;
class IDeviceModelPlugin;
class IProfilePlugin;

// What the edit commands need of the application service object.
class ICommandServices {
public:
    virtual ~ICommandServices() = default;

    // The open profile's root, null when no file is open.
    virtual CPELFM_ProfileInfo* OpenProfile() = 0;
    // The first loaded profile plug-in, null when none is loaded.
    virtual IProfilePlugin* FirstProfilePlugin() = 0;
    // Every loaded device-model plug-in, in table order.
    virtual QList<IDeviceModelPlugin*> DeviceModelPlugins() = 0;
};
