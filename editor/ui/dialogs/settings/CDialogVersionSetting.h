#pragma once
#include <QDialog>
#include <exception>

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
    // A settings file that cannot be written is rethrown here, once the dialog has ended.
    int DoModal(IDialogPresenter& presenter);
    // Fills the version list; -1 when the dialog must end at once.
    int OnInitDialog();

    QComboBox& VersionList() { return *m_versions; }
    QLabel& FileOpenNote() { return *m_fileOpenNote; }

public slots:
    void accept() override;
    void reject() override;

private:
    void SelectPlugin(int index);
    // Runs a selection inside a button handler, where nothing may be thrown through Qt.
    template <class F>
    void Guarded(F&& selection);

    CCommonUtility& m_utility;
    QComboBox* m_versions = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_versionLabel = nullptr;
    QLabel* m_description = nullptr;
    QLabel* m_fileOpenNote = nullptr;
    std::exception_ptr m_failure;
};
