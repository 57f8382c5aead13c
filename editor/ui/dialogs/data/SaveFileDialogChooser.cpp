#include "SaveFileDialogChooser.h"

#include "CDialogSelectFilePath.h"
#include "FileDialogFolder.h"

bool SaveFileDialogChooser::ChooseSaveFile(const QString& defaultExtension, const QString& initialName,
                                           const QString& title, const QString& filter, int fixedName,
                                           QString& path) {
    CDialogSelectFilePath dialog(defaultExtension, initialName, title, filter, fixedName, m_parent);
    dialog.setDirectory(FileDialogFolder::StartFolder(m_documentPath));
    if (dialog.exec() != QDialog::Accepted) return false;
    path = dialog.SelectedPath();
    FileDialogFolder::Remember(path);
    return true;
}
