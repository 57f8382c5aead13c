#pragma once
#include <QString>
#include <QStringList>

#include "CToolPathData.h"

// Everything the creation dialog gathered and validated for the packing dialog.
struct ArchivePackInput {
    QStringList profileFiles;     // copied to the top of the archive
    QStringList referencedFiles;  // copied into the profile folder
    QStringList resultLines;      // reported only: documents that no profile names
    QStringList toolFiles;        // copied to their places under "Tools"
    QStringList folders;          // their whole content goes to the top of the archive
    QString profileFolderName;
    CToolPathData toolTree = CToolPathData::MakeRoot();
};
