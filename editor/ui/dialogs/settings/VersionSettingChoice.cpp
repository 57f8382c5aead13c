#include "VersionSettingChoice.h"

#include "PluginNames.h"
#include "PluginRecords.h"

namespace VersionSettingChoice {

QString VersionText(quint32 version) {
    return FormatPluginVersion(version);
}

int HighestVersionIndex(const QList<_ST_DLL_PROFILE>& plugins) {
    int best = -1;
    for (int i = 0; i < plugins.size(); ++i) {
        if (plugins[i].kind != PLUGIN_KIND_PROFILE) continue;
        if (best < 0 || plugins[i].version > plugins[best].version) best = i;
    }
    return best;
}

int VersionIndex(const QList<_ST_DLL_PROFILE>& plugins, quint32 version) {
    for (int i = 0; i < plugins.size(); ++i)
        if (plugins[i].kind == PLUGIN_KIND_PROFILE && plugins[i].version == version) return i;
    return -1;
}

int IndexOfVersionText(const QList<_ST_DLL_PROFILE>& plugins, const QString& text) {
    int found = -1;
    for (int i = 0; i < plugins.size(); ++i)
        if (VersionText(plugins[i].version) == text) found = i;
    return found;
}

}  // namespace VersionSettingChoice
