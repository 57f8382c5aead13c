#include "RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

namespace {

QString NotRegular(mode_t mode) {
    const char* kind = S_ISDIR(mode)                    ? "a directory"
                       : S_ISFIFO(mode)                 ? "a named pipe"
                       : S_ISCHR(mode) || S_ISBLK(mode) ? "a device"
                       : S_ISSOCK(mode)                 ? "a socket"
                                                        : nullptr;
    return kind ? QStringLiteral("not a regular file but %1").arg(QLatin1String(kind))
                : QStringLiteral("not a regular file");
}

}  // namespace

bool OpenRegularFile(const QString& path, QFile& file, QString& reason) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
        reason = NotRegular(info.st_mode);
        return false;
    }
    // Without O_NONBLOCK, a named pipe would hold the open until someone writes to it.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        reason = qt_error_string(errno);
        return false;
    }
    if (::fstat(fd, &info) != 0) info.st_mode = 0;
    if (!S_ISREG(info.st_mode)) {
        reason = NotRegular(info.st_mode);
        ::close(fd);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        reason = file.errorString();
        ::close(fd);
        return false;
    }
    return true;
}
