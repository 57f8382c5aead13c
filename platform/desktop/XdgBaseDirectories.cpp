#include "XdgBaseDirectories.h"

#include <QDir>

namespace {

QString HomeFolder() {
    return QDir::homePath();
}

QString AbsoluteOr(const char* variable, const QString& fallback) {
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value)) return QDir::cleanPath(value);
    return fallback;
}

QStringList AbsoluteListOr(const char* variable, const QStringList& fallback) {
    QStringList result;
    for (const QString& part : qEnvironmentVariable(variable).split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(part)) result.append(QDir::cleanPath(part));
    }
    return result.isEmpty() ? fallback : result;
}

}  // namespace

QString XdgBaseDirectories::DataHome() {
    return AbsoluteOr("XDG_DATA_HOME", HomeFolder() + QStringLiteral("/.local/share"));
}

QString XdgBaseDirectories::ConfigHome() {
    return AbsoluteOr("XDG_CONFIG_HOME", HomeFolder() + QStringLiteral("/.config"));
}

QStringList XdgBaseDirectories::DataDirs() {
    return AbsoluteListOr("XDG_DATA_DIRS",
                          {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")});
}

QStringList XdgBaseDirectories::ConfigDirs() {
    return AbsoluteListOr("XDG_CONFIG_DIRS", {QStringLiteral("/etc/xdg")});
}

QStringList XdgBaseDirectories::CurrentDesktops() {
    QStringList result;
    for (const QString& part :
         qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        result.append(part.toLower());
    }
    return result;
}
