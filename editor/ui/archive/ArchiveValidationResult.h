#pragma once
#include <QString>
#include <QStringList>

struct ArchiveValidationResult {
    QStringList referencedFiles;  // the documents the profiles name, in profile order
    QStringList toolFiles;
    QStringList resultLines;  // documents no profile names
    QString profileFolderName;
    QString failingPath;  // the entry to select after a failure
};
