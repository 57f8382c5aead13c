#include <new>

#include "BoundFormat.h"
#include "CProfilePlugin.h"
#include "PluginExports.h"

namespace {
CProfilePlugin* g_instance = nullptr;
}  // namespace

PEL_PLUGIN_EXPORT QString GetProfilePluginCategory() {
    return QString::fromLatin1(CATEGORY_PROFILE_PLUGIN);
}

PEL_PLUGIN_EXPORT IProfilePlugin* GetInstance() {
    // A failed allocation leaves the variable null, so a later call tries again.
    if (!g_instance) g_instance = new (std::nothrow) CProfilePlugin(BoundFormatSettings());
    return g_instance;
}

// Through the concrete class: the interface has no virtual destructor.
PEL_PLUGIN_EXPORT void DeleteInstance() {
    delete g_instance;
    g_instance = nullptr;
}
