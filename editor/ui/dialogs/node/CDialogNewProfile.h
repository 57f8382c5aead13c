#pragma once
#include <QDialog>

#include "NewProfileLogic.h"

class QLineEdit;
class QPushButton;

// The New command's dialog: names the FILE and DEVICE sections and their information parts.
class CDialogNewProfile : public QDialog {
    Q_OBJECT
public:
    CDialogNewProfile(CCommonUtility& utility, const IStringSource& texts, INewProfileHost& host,
                      QWidget* parent = nullptr);

    // True once a new profile was loaded.
    bool ProfileLoaded() const { return m_loaded; }

public slots:
    void accept() override;

private:
    NewProfileTexts Texts() const;
    void UpdateCreate();

    NewProfileLogic m_logic;
    bool m_loaded = false;
    QLineEdit *m_fileSection, *m_fileSectionComment, *m_fileInfo, *m_fileInfoComment, *m_fileInfoLabel2;
    QLineEdit *m_deviceSection, *m_deviceSectionComment, *m_deviceInfo, *m_deviceInfoComment,
        *m_deviceInfoLabel2;
    QPushButton* m_create;
};
