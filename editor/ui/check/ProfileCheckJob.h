#pragma once
#include <QList>
#include <QString>
#include <functional>

class CPELFM_ProfileInfo;
class IDeviceModelPlugin;
class IProfilePlugin;
class IStringSource;

// Everything the check worker reads. While it runs, the UI thread touches none of it.
struct ProfileCheckJob {
    CPELFM_ProfileInfo* root = nullptr;
    IProfilePlugin* profilePlugin = nullptr;                // the first listed profile plug-in
    QList<IDeviceModelPlugin*> deviceModelPlugins;          // in load order
    std::function<int(const QString&)> validateName;        // name check without a parent
    std::function<int(const QString&)> validatePartLabel2;  // second-name check without a parent
    const IStringSource* strings = nullptr;
    // Pause after the full bar, so it is seen before the dialog closes.
    int finishPauseMs = 600;
};
