#pragma once
#include <QList>
#include <QString>

namespace PeloraPlugin::Internal {

// Packs files into a new ZIP archive, each named by its path relative to a base folder.
class ZipArchiveWriter {
public:
    // 1 when every file was added and the archive stands complete at archivePath, 0 on any failure.
    // The archive is built beside the target and renamed over it only when complete, so a failure
    // leaves no partial archive and keeps an existing one. On failure writeError, where given, holds the
    // system's error number when the archive itself could not be written, 0 otherwise.
    static int CreateArchive(const QString& archivePath, const QList<QString>& files,
                             const QString& baseFolder, int* writeError = nullptr);

    // The entry name of a file: its path relative to the base folder with "/" separators and any
    // leading "./" pieces removed; "" when the file does not lie inside the base folder.
    static QString EntryName(const QString& baseFolder, const QString& filePath);

    // The file's modification time as a DOS date and time (local time), clamped to the years
    // 1980-2107 that the format can hold; 0 when the time cannot be read.
    static unsigned long DosDateTime(const QString& filePath);
};

}  // namespace PeloraPlugin::Internal
