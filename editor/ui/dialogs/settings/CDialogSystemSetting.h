#pragma once

#include <QDialog>
#include <memory>

#include "SystemSettingLogic.h"

class CCommonUtility;
class CRadioListBox;
class QComboBox;
class QLabel;
class QPushButton;

// The system settings: the profile type and the device model the editor works with. The profile-type
// list must have been built (CCommonUtility::BuildProfileTypeList) before the dialog is created.
class CDialogSystemSetting : public QDialog {
    Q_OBJECT
public:
    CDialogSystemSetting(CCommonUtility& utility, QWidget* parent = nullptr);
    ~CDialogSystemSetting() override;

    QComboBox* ProfileTypeCombo() const { return m_combo; }
    CRadioListBox* DeviceModelList() const { return m_list; }
    QPushButton* AcceptButton() const { return m_accept; }
    QPushButton* CloseButton() const { return m_close; }
    QLabel* FileOpenNotice() const { return m_notice; }

public slots:
    void reject() override;

private:
    void OnComboChanged(int index);
    void OnListSelectionChanged();
    void OnAccept();
    void FillList(const SystemSettingLogic::DeviceList& list);

    CCommonUtility& m_utility;
    std::unique_ptr<SystemSettingLogic> m_logic;
    QComboBox* m_combo = nullptr;
    CRadioListBox* m_list = nullptr;
    QPushButton* m_accept = nullptr;
    QPushButton* m_close = nullptr;
    QLabel* m_notice = nullptr;
    bool m_filling = false;
};
