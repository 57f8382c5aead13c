#pragma once
#include <QString>

class IProfilePlugin;
class IDeviceModelPlugin;

// The three exports of every plug-in library. The editor resolves them by name; the numbers
// are the ordinals they carried in the original export tables, kept for reference.
inline constexpr int ORDINAL_GET_PROFILE_PLUGIN_CATEGORY = 1;
inline constexpr int ORDINAL_GET_INSTANCE = 2;
inline constexpr int ORDINAL_DELETE_INSTANCE = 3;

inline constexpr const char* EXPORT_GET_PROFILE_PLUGIN_CATEGORY = "GetProfilePluginCategory";
inline constexpr const char* EXPORT_GET_INSTANCE = "GetInstance";
inline constexpr const char* EXPORT_DELETE_INSTANCE = "DeleteInstance";

inline constexpr const char* CATEGORY_PROFILE_PLUGIN = "ProfilePlugin";
inline constexpr const char* CATEGORY_DEVICE_MODEL_PLUGIN = "DeviceModelPlugin";

// GetInstance returns IProfilePlugin* or IDeviceModelPlugin*, as the category says.
using PFN_GetProfilePluginCategory = QString (*)();
using PFN_GetProfilePluginInstance = IProfilePlugin* (*)();
using PFN_GetDeviceModelPluginInstance = IDeviceModelPlugin* (*)();
using PFN_DeleteInstance = void (*)();

// Visibility of the three exports; everything else in a plug-in stays hidden.
#define PEL_PLUGIN_EXPORT extern "C" __attribute__((visibility("default")))
