#pragma once
#include <QDialog>

#include "CArchiveCollection.h"

class IArchiveFileChooser;
class IArchivePackingStep;
class IMessagePresenter;
class IProfileRelatedFiles;
class IStringSource;
class QLabel;
class QListWidget;
class QPushButton;

// Collects profiles, their documents and tool folders, validates them and hands them to the packing step.
class CDialogCreateArchiveFile : public QDialog {
    Q_OBJECT
public:
    struct Services {
        const IStringSource* strings = nullptr;
        IMessagePresenter* presenter = nullptr;
        IArchiveFileChooser* chooser = nullptr;
        IProfileRelatedFiles* related = nullptr;
        IArchivePackingStep* packing = nullptr;
    };

    CDialogCreateArchiveFile(const Services& services, const CArchiveCollection::Conditions& conditions,
                             QWidget* parent = nullptr);

    // Files dropped at pos (dialog coordinates) go to the list under it.
    void DropPaths(const QPoint& pos, const QStringList& paths);
    const CArchiveCollection& Collection() const { return m_collection; }

    QListWidget* ProfileList() const { return m_profiles; }
    QListWidget* DocumentList() const { return m_documents; }
    QListWidget* ToolFolderList() const { return m_toolFolders; }
    QLabel* DocumentLabel() const { return m_documentLabel; }
    QLabel* DeviceModelLabel() const { return m_deviceModelLabel; }
    QPushButton* AddProfilesButton() const { return m_addProfiles; }
    QPushButton* AddDocumentsButton() const { return m_addDocuments; }
    QPushButton* AddToolFolderButton() const { return m_addToolFolder; }
    QPushButton* NextButton() const { return m_next; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void OnAddProfiles();
    void OnAddDocuments();
    void OnAddToolFolder();
    void OnNext();
    void Refresh();
    QListWidget* ListOf(CArchiveCollection::List list) const;

    Services m_services;
    CArchiveCollection m_collection;
    QListWidget* m_profiles = nullptr;
    QListWidget* m_documents = nullptr;
    QListWidget* m_toolFolders = nullptr;
    QLabel* m_documentLabel = nullptr;
    QLabel* m_deviceModelLabel = nullptr;
    QLabel* m_toolFolderLabel = nullptr;
    QPushButton* m_addProfiles = nullptr;
    QPushButton* m_addDocuments = nullptr;
    QPushButton* m_addToolFolder = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_cancel = nullptr;
};
