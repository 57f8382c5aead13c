#pragma once
#include <QList>
#include <QString>

#include "PluginHostRecords.h"

// Which loaded profile plug-in the version choice means, decided without a window.
namespace VersionSettingChoice {

// The version word as the dialog shows it, "major.minor".
QString VersionText(quint32 version);
// The first profile plug-in (kind 1) of the highest version; -1 when there is none.
int HighestVersionIndex(const QList<_ST_DLL_PROFILE>& plugins);
// The first profile plug-in (kind 1) of the version; -1 when there is none.
int VersionIndex(const QList<_ST_DLL_PROFILE>& plugins, quint32 version);
// The last plug-in whose version text is the text; -1 when there is none.
int IndexOfVersionText(const QList<_ST_DLL_PROFILE>& plugins, const QString& text);

}  // namespace VersionSettingChoice
