#include <new>

#include "BoundFormat.h"
#include "CProfilePlugin.h"
#include "PluginExports.h"
#ifdef PEL_CONNECTION_EDITOR
#include "ConnectionInfoEntry.h"
#endif

namespace {
CProfilePlugin* g_instance = nullptr;

#ifdef PEL_CONNECTION_EDITOR
constexpr CProfilePlugin::ConnectionEditor kConnectionEditor = &ConnInfo::RunConnectionInfoEditor;
#else
constexpr CProfilePlugin::ConnectionEditor kConnectionEditor = nullptr;
#endif
}  // namespace

PEL_PLUGIN_EXPORT QString GetProfilePluginCategory() {
    return QString::fromLatin1(CATEGORY_PROFILE_PLUGIN);
}

PEL_PLUGIN_EXPORT IProfilePlugin* GetInstance() {
    // A failed allocation leaves the variable null, so a later call tries again.
    if (!g_instance) g_instance = new (std::nothrow) CProfilePlugin(BoundFormatSettings(), kConnectionEditor);
    return g_instance;
}

// Through the concrete class: the interface has no virtual destructor.
PEL_PLUGIN_EXPORT void DeleteInstance() {
    delete g_instance;
    g_instance = nullptr;
}
