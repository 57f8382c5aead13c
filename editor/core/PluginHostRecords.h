#pragma once

#include <QString>
#include <QtGlobal>
#include <memory>

#include "PluginModule.h"

class IProfilePlugin;
class IDeviceModelPlugin;

// One loaded profile plug-in: its library, its instance and what its information record said.
struct _ST_DLL_PROFILE {
    std::shared_ptr<PluginModule> module;
    IProfilePlugin* instance = nullptr;
    quint32 version = 0;  // major in the high 16 bits, minor in the low 16 bits
    QString internalName;
    quint32 nameVersion = 0;
    QString displayName;
    QString fileName;  // the library's file name, without folder
    int kind = 0;
};

// One loaded device-model plug-in.
struct _ST_DLL_DEVICE_MODEL {
    std::shared_ptr<PluginModule> module;
    IDeviceModelPlugin* instance = nullptr;
    quint32 version = 0;
    QString internalName;
    quint32 nameVersion = 0;
    QString displayName;
    QString fileName;
    int kind = 0;
};

// Kinds of the first device-model plug-in that change the editor's behaviour.
inline constexpr int DEVICE_MODEL_KIND_RELATED_ITEMS = 2;
inline constexpr int DEVICE_MODEL_KIND_ALTERNATE_EXTENSIONS = 9;
