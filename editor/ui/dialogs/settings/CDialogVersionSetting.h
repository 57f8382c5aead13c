#pragma once
#include <QDialog>

class CCommonUtility;
class IDialogPresenter;
class QComboBox;
class QLabel;

// Lets the user choose which loaded profile plug-in (format version) the editor uses. Whatever
// way it ends, exactly one profile plug-in is listed afterwards (when any was loaded).
class CDialogVersionSetting : public QDialog {
    Q_OBJECT
public:
    explicit CDialogVersionSetting(CCommonUtility& utility, QWidget* parent = nullptr);

    // -1 when the dialog cannot be shown (the profile-type list could not be built), else its result.
    int DoModal(IDialogPresenter& presenter);
    // Fills the version list; -1 when the dialog must end at once.
    int OnInitDialog();

    QComboBox& VersionList() { return *m_versions; }
    QLabel& FileOpenNote() { return *m_fileOpenNote; }

public slots:
    void accept() override;
    void reject() override;

private:
    // Keeps only that plug-in and saves a changed version; false, with nothing changed, when the
    // settings file could not be written (reported).
    bool SelectPlugin(int index);

    CCommonUtility& m_utility;
    QComboBox* m_versions = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_versionLabel = nullptr;
    QLabel* m_description = nullptr;
    QLabel* m_fileOpenNote = nullptr;
};
