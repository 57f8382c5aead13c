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

bool AddFile(zipFile zip, const QString& path, const QString& entryName) {
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) return false;

    zip_fileinfo info{};
    info.dosDate = ZipArchiveWriter::DosDateTime(path);
    const QByteArray name = entryName.toUtf8();
    const int zip64 = in.size() >= 0xffffffffLL ? 1 : 0;
    if (zipOpenNewFileInZip4_64(zip, name.constData(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                Z_DEFAULT_COMPRESSION, 0, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY, nullptr, 0, 0,
                                kLanguageEncodingFlag, zip64) != ZIP_OK) {
        return false;
    }
    QByteArray block(kBlockSize, Qt::Uninitialized);
    bool ok = true;
    for (;;) {
        const qint64 n = in.read(block.data(), kBlockSize);
        if (n < 0) {
            ok = false;
            break;
        }
        if (n == 0) break;
        if (zipWriteInFileInZip(zip, block.constData(), unsigned(n)) != ZIP_OK) {
            ok = false;
            break;
        }
    }
    if (zipCloseFileInZip(zip) != ZIP_OK) ok = false;
    return ok;
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
                                    const QString& baseFolder) {
    const QFileInfo target(QFileInfo(archivePath).absoluteFilePath());
    if (target.fileName().isEmpty() || target.isDir()) return 0;

    // Every file is checked before anything is written.
    QList<QString> names;
    for (const QString& path : files) {
        const QFileInfo fi(path);
        if (!fi.exists() || fi.isDir()) return 0;
        const QString name = EntryName(baseFolder, path);
        if (name.isEmpty()) return 0;
        names.append(name);
    }

    QTemporaryFile temp(target.absolutePath() + QLatin1String("/.") + target.fileName() +
                        QLatin1String(".XXXXXX"));
    if (!temp.open()) return 0;
    temp.close();
    const QByteArray tempPath = QFile::encodeName(temp.fileName());
    {
        ZipHandle zip(zipOpen64(tempPath.constData(), APPEND_STATUS_CREATE));
        if (!zip) return 0;
        for (qsizetype i = 0; i < files.size(); ++i) {
            if (!AddFile(zip.get(), files[i], names[i])) return 0;
        }
        if (zipClose(zip.release(), nullptr) != ZIP_OK) return 0;
    }
    // On disk before the rename: a power loss right after must not leave an empty archive in place of
    // the old one.
    if (!SyncToDisk(tempPath)) return 0;

    // The temporary file was created private; the archive gets the usual or the replaced one's mode.
    const QFile::Permissions mode = target.exists()
                                        ? QFile::permissions(target.absoluteFilePath())
                                        : (QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                           QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther);
    QFile::setPermissions(temp.fileName(), mode);
    if (std::rename(tempPath.constData(), QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
        return 0;
    }
    temp.setAutoRemove(false);
    return 1;
}

}  // namespace PeloraPlugin::Internal
