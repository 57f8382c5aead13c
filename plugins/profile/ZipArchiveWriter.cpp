#include "ZipArchiveWriter.h"

#include <fcntl.h>
#include <minizip/zip.h>
#include <unistd.h>
#include <zlib.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <memory>

namespace PeloraPlugin::Internal {
namespace {

constexpr qint64 kBlockSize = 64 * 1024;
// General-purpose flag bit 11: the entry name is UTF-8.
constexpr uLong kLanguageEncodingFlag = 1u << 11;

struct ZipCloser {
    void operator()(void* zip) const { zipClose(zip, nullptr); }
};
using ZipHandle = std::unique_ptr<void, ZipCloser>;

// False when the entry could not be added; sourceFailed then says whether the file to pack was at fault
// rather than the archive.
bool AddFile(zipFile zip, const QString& path, const QString& entryName, bool& sourceFailed) {
    QFile in(path);
    sourceFailed = true;
    if (!in.open(QIODevice::ReadOnly)) return false;

    zip_fileinfo info{};
    info.dosDate = ZipArchiveWriter::DosDateTime(path);
    const QByteArray name = entryName.toUtf8();
    const int zip64 = in.size() >= 0xffffffffLL ? 1 : 0;
    sourceFailed = false;
    if (zipOpenNewFileInZip4_64(zip, name.constData(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                Z_DEFAULT_COMPRESSION, 0, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY, nullptr, 0, 0,
                                kLanguageEncodingFlag, zip64) != ZIP_OK) {
        return false;
    }
    QByteArray block(kBlockSize, Qt::Uninitialized);
    for (;;) {
        const qint64 n = in.read(block.data(), kBlockSize);
        if (n < 0) {
            sourceFailed = true;
            zipCloseFileInZip(zip);
            return false;
        }
        if (n == 0) break;
        if (zipWriteInFileInZip(zip, block.constData(), unsigned(n)) != ZIP_OK) return false;
    }
    return zipCloseFileInZip(zip) == ZIP_OK;
}

bool SyncToDisk(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

}  // namespace

QString ZipArchiveWriter::EntryName(const QString& baseFolder, const QString& filePath) {
    const QString base = QDir::cleanPath(QFileInfo(baseFolder).absoluteFilePath());
    const QString file = QDir::cleanPath(QFileInfo(filePath).absoluteFilePath());
    QString rel = QDir(base).relativeFilePath(file);
    while (rel.startsWith(QLatin1String("./"))) rel.remove(0, 2);
    // A name with ".." would unpack outside the folder the archive is unpacked into.
    if (rel.isEmpty() || rel == QLatin1String(".") || rel == QLatin1String("..") ||
        rel.startsWith(QLatin1String("../")) || QDir::isAbsolutePath(rel)) {
        return QString();
    }
    return rel;
}

unsigned long ZipArchiveWriter::DosDateTime(const QString& filePath) {
    const QDateTime when = QFileInfo(filePath).lastModified();
    if (!when.isValid()) return 0;
    const QDate d = when.date();
    const QTime t = when.time();
    if (d.year() < 1980) return (1u << 21) | (1u << 16);  // 1980-01-01 00:00:00
    if (d.year() > 2107) return (127u << 25) | (12u << 21) | (31u << 16) | (23u << 11) | (59u << 5) | 29u;
    return (unsigned long)(d.year() - 1980) << 25 | (unsigned long)d.month() << 21 |
           (unsigned long)d.day() << 16 | (unsigned long)t.hour() << 11 | (unsigned long)t.minute() << 5 |
           (unsigned long)(t.second() / 2);
}

int ZipArchiveWriter::CreateArchive(const QString& archivePath, const QList<QString>& files,
                                    const QString& baseFolder, int* writeError) {
    // Taken at once, before anything else can change errno: why the archive itself could not be written.
    const auto failed = [writeError](bool archiveAtFault) {
        if (writeError) *writeError = archiveAtFault ? errno : 0;
        return 0;
    };
    const QFileInfo target(QFileInfo(archivePath).absoluteFilePath());
    if (target.fileName().isEmpty() || target.isDir()) return (errno = EISDIR), failed(true);

    // Every file is checked before anything is written.
    QList<QString> names;
    for (const QString& path : files) {
        const QFileInfo fi(path);
        if (!fi.exists() || fi.isDir()) return failed(false);
        const QString name = EntryName(baseFolder, path);
        if (name.isEmpty()) return failed(false);
        names.append(name);
    }

    QTemporaryFile temp(target.absolutePath() + QLatin1String("/.") + target.fileName() +
                        QLatin1String(".XXXXXX"));
    if (!temp.open()) return failed(true);
    temp.close();
    const QByteArray tempPath = QFile::encodeName(temp.fileName());
    {
        ZipHandle zip(zipOpen64(tempPath.constData(), APPEND_STATUS_CREATE));
        if (!zip) return failed(true);
        for (qsizetype i = 0; i < files.size(); ++i) {
            bool sourceFailed = false;
            if (!AddFile(zip.get(), files[i], names[i], sourceFailed)) return failed(!sourceFailed);
        }
        if (zipClose(zip.release(), nullptr) != ZIP_OK) return failed(true);
    }
    // On disk before the rename: a power loss right after must not leave an empty archive in place of
    // the old one.
    if (!SyncToDisk(tempPath)) return failed(true);

    // The temporary file was created private; the archive gets the usual or the replaced one's mode.
    const QFile::Permissions mode = target.exists()
                                        ? QFile::permissions(target.absoluteFilePath())
                                        : (QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                           QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther);
    QFile::setPermissions(temp.fileName(), mode);
    if (std::rename(tempPath.constData(), QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
        return failed(true);
    }
    temp.setAutoRemove(false);
    return 1;
}

}  // namespace PeloraPlugin::Internal
