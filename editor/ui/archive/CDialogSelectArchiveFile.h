#pragma once
#include <QDialog>
#include <QList>
#include <memory>

#include "ArchivePackInput.h"

class IArchiveFileChooser;
class IArchiveOutput;
class IMessagePresenter;
class IProfilePlugin;
class IStringSource;
class QFile;
class QLineEdit;
class QListWidget;
class QPushButton;

// Shows what will be packed, takes the archive path and packs on "create".
class CDialogSelectArchiveFile : public QDialog {
    Q_OBJECT
public:
    struct Services {
        const IStringSource* strings = nullptr;
        IMessagePresenter* presenter = nullptr;
        IArchiveFileChooser* chooser = nullptr;
        IArchiveOutput* output = nullptr;
        IProfilePlugin* plugin = nullptr;
        QString workBase;  // where the temporary work folder is made while the user can write it
    };

    CDialogSelectArchiveFile(const Services& services, const ArchivePackInput& input,
                             QWidget* parent = nullptr);
    ~CDialogSelectArchiveFile() override;

    // The chosen path with ".zip" (string 409) appended when it does not end in it.
    static QString WithArchiveExtension(const QString& path, const QString& extension);

    QListWidget* PackList() const { return m_list; }
    QLineEdit* PathEdit() const { return m_path; }
    QPushButton* BrowseButton() const { return m_browse; }
    QPushButton* CreateButton() const { return m_create; }
    QPushButton* CancelButton() const { return m_cancel; }

private:
    void OnBrowse();
    void OnCreate();

    Services m_services;
    ArchivePackInput m_input;
    QListWidget* m_list = nullptr;
    QLineEdit* m_path = nullptr;
    QPushButton* m_browse = nullptr;
    QPushButton* m_create = nullptr;
    QPushButton* m_cancel = nullptr;
    // Held open while the dialog is shown.
    QList<std::shared_ptr<QFile>> m_openFiles;
};
