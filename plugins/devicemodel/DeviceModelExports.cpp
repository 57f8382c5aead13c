#include <new>

#include "CDeviceModelPlugin.h"
#include "PluginExports.h"

namespace {
CDeviceModelPlugin* g_instance = nullptr;
}  // namespace

PEL_PLUGIN_EXPORT QString GetProfilePluginCategory() {
    return QString::fromLatin1(CATEGORY_DEVICE_MODEL_PLUGIN);
}

PEL_PLUGIN_EXPORT IDeviceModelPlugin* GetInstance() {
    if (!g_instance) g_instance = new (std::nothrow) CDeviceModelPlugin;
    return g_instance;
}

// Through the concrete class: the interface has no virtual destructor.
PEL_PLUGIN_EXPORT void DeleteInstance() {
    delete g_instance;
    g_instance = nullptr;
}
