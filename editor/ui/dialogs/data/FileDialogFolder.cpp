#include "FileDialogFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString kLastFolderKey = QStringLiteral("LastFileFolder");

}  // namespace

namespace FileDialogFolder {

QString StartFolder(const QString& documentPath, const QString& lastFolder, const QString& homeFolder) {
    if (!documentPath.isEmpty()) {
        const QFileInfo document(documentPath);
        if (document.absoluteDir().exists()) return document.absolutePath();
    }
    if (!lastFolder.isEmpty() && QFileInfo(lastFolder).isDir()) return QDir(lastFolder).absolutePath();
    return homeFolder;
}

QString StartFolder(const QString& documentPath) {
    return StartFolder(documentPath, QSettings().value(kLastFolderKey).toString(), QDir::homePath());
}

void Remember(const QString& chosenPath) {
    if (chosenPath.isEmpty()) return;
    const QFileInfo chosen(chosenPath);
    QSettings().setValue(kLastFolderKey, chosen.isDir() ? chosen.absoluteFilePath() : chosen.absolutePath());
}

}  // namespace FileDialogFolder
