#include "XmlAtomicFile.h"

#include <unistd.h>
#include <cerrno>
#include <cstdio>

#include "XmlError.h"

namespace Internal {

namespace {

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
    return temp_.write(data, size) == size;
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
