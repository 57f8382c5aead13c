#include "QtArchiveFileChooser.h"

#include <QDir>
#include <QFileDialog>

#include "FileDialogFilter.h"
#include "FileDialogFolder.h"

namespace {

QString ToQtFilter(const QString& filter) {
    return FileDialogFilter::ToNameFilters(filter).join(QStringLiteral(";;"));
}

}  // namespace

QStringList QtArchiveFileChooser::ChooseOpenFiles(QWidget* parent, const QString& title,
                                                  const QString& filter) {
    const QStringList chosen = QFileDialog::getOpenFileNames(
        parent, title, FileDialogFolder::StartFolder(m_documentPath), ToQtFilter(filter));
    if (!chosen.isEmpty()) FileDialogFolder::Remember(chosen.first());
    return chosen;
}

QString QtArchiveFileChooser::ChooseSaveFile(QWidget* parent, const QString& title, const QString& filter,
                                             const QString& start) {
    // A path already typed stays where it is; a bare name or nothing goes into the start folder.
    const QString folder = FileDialogFolder::StartFolder(m_documentPath);
    const QString from = QDir::isAbsolutePath(start) ? start : QDir(folder).filePath(start);
    // QFileDialog asks before overwriting an existing file by default.
    const QString chosen = QFileDialog::getSaveFileName(parent, title, from, ToQtFilter(filter));
    FileDialogFolder::Remember(chosen);
    return chosen;
}

QString QtArchiveFileChooser::ChooseFolder(QWidget* parent, const QString& title) {
    const QString chosen =
        QFileDialog::getExistingDirectory(parent, title, FileDialogFolder::StartFolder(m_documentPath));
    FileDialogFolder::Remember(chosen);
    return chosen;
}
