#include "PluginModule.h"

#include "PluginExports.h"

void PluginModule::Release() {
    if (!m_library.IsOpen()) return;
    if (m_instance != nullptr) {
        if (auto deleteInstance = m_library.ResolveFunction<PFN_DeleteInstance>(EXPORT_DELETE_INSTANCE))
            deleteInstance();
        m_instance = nullptr;
    }
    m_library.Close();
}
