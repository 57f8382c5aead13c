#pragma once
#include <QDialog>

class CCommonUtility;
class QLabel;

// The program information: the format version of the selected plug-in and the chosen device models.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(const CCommonUtility& utility, QWidget* parent = nullptr);

    QLabel& FormatVersion() { return *m_format; }
    QLabel& VersionText() { return *m_version; }
    QLabel& DeviceModels() { return *m_deviceModels; }

private:
    QLabel* m_format = nullptr;
    QLabel* m_version = nullptr;
    QLabel* m_deviceModels = nullptr;
};
