#pragma once

#include <QString>
#include <QtGlobal>

// Names of plug-ins as the host compares, shows and translates them.

// Equal texts; when either lacks a bracket tag ("[...]"), the first tag is removed from each text that
// has one and the rest trimmed first, so "Pelora[2.0]" equals "Pelora" but not "Pelora[1.1]".
bool ComparePluginNames(const QString& a, const QString& b);

// "major.minor" of a version word (major in the high 16 bits).
QString FormatPluginVersion(quint32 version);
// The display name followed by " [major.minor]".
QString PluginNameWithVersion(const QString& displayName, quint32 version);

// Device models that imply the older platform plug-ins.
bool IsLegacy20DeviceModelName(const QString& name);
bool IsLegacy11DeviceModelName(const QString& name);

// A device model of the older platforms names the older plug-in's display name; others leave it.
void GetLegacyPluginName(const QString& deviceModelName, QString& displayName);
// Older plug-in file and display names become the current ones; other texts stay.
void MapLegacyPluginFileName(QString& text);
void MapLegacyPluginDisplayName(QString& text);

// The fixed texts of the legacy tables.
namespace LegacyPluginNames {
inline constexpr const char* File20 = "Ostra.dll";
inline constexpr const char* File11 = "Ostra_1.1.dll";
inline constexpr const char* Display20 = "Ostra [2.0]";
inline constexpr const char* Display11 = "Ostra [1.1]";
inline constexpr const char* CurrentFile20 = "Pelora_2.0.dll";
inline constexpr const char* CurrentFile11 = "Pelora_1.1.dll";
inline constexpr const char* CurrentDisplay20 = "Pelora[2.0]";
inline constexpr const char* CurrentDisplay11 = "Pelora[1.1]";
}  // namespace LegacyPluginNames
