#include "XmlAtomicFile.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>

#include "XmlError.h"

namespace Internal {

namespace {

// How much is written before the disk is asked to start on it.
constexpr qint64 kSubmitSize = 8 * 1024 * 1024;

QFileInfo ReplacedFile(const QString& path) {
    const QFileInfo info(path);
    return QFileInfo(info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath());
}

}  // namespace

XmlAtomicFile::XmlAtomicFile(const QString& path)
    : path_(path),
      target_(ReplacedFile(path)),
      temp_(target_.absolutePath() + QStringLiteral("/.") + target_.fileName() + QStringLiteral(".XXXXXX")) {
    if (!temp_.open())
        throw XmlError(QStringLiteral("%1: cannot write: %2").arg(path_, temp_.errorString()),
                       temp_.errorString(), 0);
}

bool XmlAtomicFile::Write(const char* data, qsizetype size) {
    if (temp_.write(data, size) != size) return false;
    written_ += size;
    // The disk starts on what is written while the rest is made, so that the flush at the end waits
    // for little more than the last piece. Only a request: nothing waits here.
    if (written_ - submitted_ >= kSubmitSize && temp_.flush()) {
        ::sync_file_range(temp_.handle(), submitted_, written_ - submitted_, SYNC_FILE_RANGE_WRITE);
        submitted_ = written_;
    }
    return true;
}

void XmlAtomicFile::Commit() {
    // Flushed before the rename: a power loss right after must not leave an empty file in place.
    if (!temp_.flush() || ::fsync(temp_.handle()) != 0)
        throw XmlError(QStringLiteral("%1: cannot write: %2").arg(path_, temp_.errorString()),
                       temp_.errorString(), 0);
    // The new file is writable whatever the old one was, as a save clears a read-only flag.
    QFileDevice::Permissions perms =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    if (target_.exists()) perms = target_.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser;
    temp_.setPermissions(perms);
    temp_.close();
    const QByteArray from = QFile::encodeName(temp_.fileName()),
                     to = QFile::encodeName(target_.absoluteFilePath());
    if (std::rename(from.constData(), to.constData()) != 0) {
        const QString reason = qt_error_string(errno);
        throw XmlError(QStringLiteral("%1: cannot replace the file: %2").arg(path_, reason), reason, 0);
    }
    temp_.setAutoRemove(false);
}

}  // namespace Internal
