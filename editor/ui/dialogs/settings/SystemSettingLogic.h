#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "SystemSettingRecords.h"

class CCommonUtility;

// What the system-settings dialog decides, kept apart from its widgets: which profile types the combo
// offers, which device models the list shows for a type, and what accepting or closing does to the
// settings and the loaded plug-ins. The older "Ostra" types are shown as their "Pelora" partners.
class SystemSettingLogic {
public:
    explicit SystemSettingLogic(CCommonUtility& utility);

    // The device models of one combo entry, and which of them the settings hold.
    struct DeviceList {
        QStringList entries;
        QList<int> selected;
    };

    enum class AcceptResult {
        Accepted,  // the dialog ends with OK
        Refused,   // a device-model plug-in refused the choice; the dialog stays
    };

    const QStringList& ComboEntries() const { return m_comboEntries; }
    // The combo entry shown when the dialog opens.
    QString InitialComboText() const;
    // The list for the opening combo entry: the settings' device models are selected.
    DeviceList InitialDeviceList() const;
    // The list after the user chose a combo entry: the settings' device models are selected only when the
    // entry is the type the settings point at.
    DeviceList DeviceListFor(const QString& comboText) const;
    // Choosing is possible only while no file is open.
    bool ChoiceEnabled() const;

    AcceptResult Accept(const QString& comboText, const QString& deviceText);
    void Close();
    // Unloads the profile plug-ins other than the settings' one and the device-model plug-ins the
    // settings do not name.
    void UnloadDeselectedPlugins();

private:
    const _PROFILE_TYPE* TypeOfComboText(const QString& comboText) const;
    const _PROFILE_TYPE* SettingsType() const;
    DeviceList ListOf(const _PROFILE_TYPE* type, bool selectSettings) const;
    QString ComboTextOf(const _PROFILE_TYPE* type) const;
    // Tells the remaining profile plug-in which device-model plug-in is present.
    void NotifyProfilePlugin(bool withExtensions);

    CCommonUtility& m_utility;
    // Remembered types of the legacy pairs; null when the list has none.
    const _PROFILE_TYPE* m_ostra20 = nullptr;
    const _PROFILE_TYPE* m_pelora20 = nullptr;
    const _PROFILE_TYPE* m_ostra11 = nullptr;
    const _PROFILE_TYPE* m_pelora11 = nullptr;
    QStringList m_comboEntries;
};
