#pragma once

#include <QString>

// The folder a file dialog opens in. A dialog started in the process's working folder shows
// wherever the program happened to be launched from, which is rarely where the author works.
namespace FileDialogFolder {

// The open document's folder; else the folder last used while it still exists; else home.
QString StartFolder(const QString& documentPath, const QString& lastFolder, const QString& homeFolder);
// The same with the last folder kept in the user's settings and the user's home folder.
QString StartFolder(const QString& documentPath);
// Keeps the folder of a chosen file (or the chosen folder itself) for the next dialog.
void Remember(const QString& chosenPath);

}  // namespace FileDialogFolder
