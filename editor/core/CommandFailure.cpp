#include "CommandFailure.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <new>

#include "CCommonUtility.h"
#include "PELFMExceptions.h"
#include "ResourceMessage.h"
#include "XmlError.h"

namespace {

constexpr int IDS_OPERATION_FAILED = 10008;
constexpr int IDS_WRITE_FAILED_BECAUSE = 62156;
constexpr int IDS_WRITE_FAILED = 62157;
constexpr int IDS_FAILED_BECAUSE = 62171;

}  // namespace

namespace CommandFailure {

int Code(const std::exception_ptr& error, bool writing, QString& reason) {
    reason.clear();
    const int other = writing ? CPELFM_WriteFileException::Code_ : CPELFM_InvalidAPICallException::Code_;
    try {
        std::rethrow_exception(error);
    } catch (const CPELFM_ExceptionBase& model) {
        reason = model.detail;
        return model.code;
    } catch (const XmlError& xml) {
        reason = xml.Reason();
    } catch (const std::bad_alloc&) {
        return CPELFM_MemoryRequestException::Code_;
    } catch (const std::exception& any) {
        reason = QString::fromLocal8Bit(any.what());
    } catch (...) {
    }
    return other;
}

QString Details(const IStringSource& strings, const QString& file, const QString& reason) {
    if (file.isEmpty())
        return reason.isEmpty() ? QString() : FormatResourceMessage(strings, {reason}, IDS_FAILED_BECAUSE);
    return reason.isEmpty() ? FormatResourceMessage(strings, {file}, IDS_WRITE_FAILED)
                            : FormatResourceMessage(strings, {file, reason}, IDS_WRITE_FAILED_BECAUSE);
}

void Report(const IStringSource& strings, IMessagePresenter& presenter, const QString& operation,
            const std::exception_ptr& error, const QString& file) {
    QString reason;
    const int code = Code(error, !file.isEmpty(), reason);
    ShowResourceMessage(
        strings, presenter,
        {operation, QStringLiteral("0x") + QString::number(code, 16), Details(strings, file, reason)},
        IDS_OPERATION_FAILED, MB_ICONERROR);
}

void Report(const CCommonUtility& utility, const QString& operation, const std::exception_ptr& error,
            const QString& file) {
    if (utility.Strings() && utility.MessagePresenter())
        Report(*utility.Strings(), *utility.MessagePresenter(), operation, error, file);
}

QString WriteFailureReason(const QString& file) {
    const QString absolute = QFileInfo(file).absoluteFilePath();
    const QString folder = QFileInfo(absolute).absolutePath();
    // The nearest folder that exists: the writer makes the missing ones in it.
    QString existing = folder;
    struct stat status {};
    while (::stat(QFile::encodeName(existing).constData(), &status) != 0) {
        const int error = errno;
        if (error != ENOENT || QDir(existing).isRoot()) return qt_error_string(error);
        existing = QFileInfo(existing).absolutePath();
    }
    if (!S_ISDIR(status.st_mode)) return qt_error_string(ENOTDIR);
    if (existing != folder) {
        return ::access(QFile::encodeName(existing).constData(), W_OK | X_OK) != 0 ? qt_error_string(errno)
                                                                                   : QString();
    }
    if (QFileInfo(absolute).isDir()) return qt_error_string(EISDIR);
    QByteArray probe = QFile::encodeName(folder + QStringLiteral("/.write-probe-XXXXXX"));
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) return qt_error_string(errno);
    // An empty file still fits on a full disk: the trial holds a byte, as the writer's file would.
    const bool written = ::write(fd, "", 1) == 1 && ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    ::unlink(probe.constData());
    return written ? QString() : qt_error_string(error);
}

bool Run(const CCommonUtility& utility, const QString& operation, const std::function<void()>& work,
         const QString& file) {
    try {
        work();
        return true;
    } catch (...) {
        Report(utility, operation, std::current_exception(), file);
        return false;
    }
}

}  // namespace CommandFailure
