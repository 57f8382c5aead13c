#include "DesktopFileTypes.h"

#include "DesktopEntry.h"
#include "MimeAppsList.h"
#include "XdgBaseDirectories.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QXmlStreamWriter>

namespace {

// mimeapps.list folders, most important first.
QStringList MimeAppsListFolders() {
    QStringList folders;
    folders.append(XdgBaseDirectories::ConfigHome());
    folders.append(XdgBaseDirectories::ConfigDirs());
    folders.append(XdgBaseDirectories::DataHome() + QStringLiteral("/applications"));
    for (const QString& dir : XdgBaseDirectories::DataDirs())
        folders.append(dir + QStringLiteral("/applications"));
    return folders;
}

bool WriteMimePackage(const QString& path, const QString& className, const QStringList& extensions) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("mime-info"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info"));
    for (const QString& ext : extensions) {
        xml.writeStartElement(QStringLiteral("mime-type"));
        xml.writeAttribute(QStringLiteral("type"), DesktopFileTypes::MimeTypeForExtension(ext));
        xml.writeTextElement(QStringLiteral("comment"),
                             className + QStringLiteral(" (.") + ext + QLatin1Char(')'));
        xml.writeStartElement(QStringLiteral("glob"));
        xml.writeAttribute(QStringLiteral("pattern"), QStringLiteral("*.") + ext);
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    if (xml.hasError()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace

QString DesktopFileTypes::MimeTypeForExtension(const QString& extension) {
    return QStringLiteral("application/x-") + extension.toLower();
}

QString DesktopFileTypes::DesktopIdForClass(const QString& className) {
    return className + QStringLiteral(".desktop");
}

QString DesktopFileTypes::MimePackagePath(const QString& className) {
    return XdgBaseDirectories::DataHome() + QStringLiteral("/mime/packages/") + className +
           QStringLiteral(".xml");
}

QString DesktopFileTypes::DesktopEntryPath(const QString& className) {
    return XdgBaseDirectories::DataHome() + QStringLiteral("/applications/") + DesktopIdForClass(className);
}

QString DesktopFileTypes::UserMimeAppsListPath() {
    return XdgBaseDirectories::ConfigHome() + QStringLiteral("/mimeapps.list");
}

QString DesktopFileTypes::EffectiveDefaultApplication(const QString& mimeType) {
    QStringList prefixes;
    for (const QString& desktop : XdgBaseDirectories::CurrentDesktops())
        prefixes.append(desktop + QLatin1Char('-'));
    prefixes.append(QString());
    for (const QString& folder : MimeAppsListFolders()) {
        for (const QString& prefix : prefixes) {
            MimeAppsList list;
            if (!list.Load(folder + QLatin1Char('/') + prefix + QStringLiteral("mimeapps.list"))) continue;
            if (!list.HasDefaultEntry(mimeType)) continue;
            const QStringList ids = list.DefaultApplications(mimeType);
            return ids.isEmpty() ? QString() : ids.first();
        }
    }
    return {};
}

QString DesktopFileTypes::ProgramOfDesktopEntry(const QString& desktopId) {
    QStringList folders{XdgBaseDirectories::DataHome()};
    folders.append(XdgBaseDirectories::DataDirs());
    for (const QString& dir : folders) {
        const QString path = dir + QStringLiteral("/applications/") + desktopId;
        if (QFileInfo::exists(path)) return DesktopEntry::ReadExecProgram(path);
    }
    return {};
}

bool DesktopFileTypes::Register(const QString& className, const QString& program,
                                const QStringList& extensions) {
    QStringList mimeTypes;
    for (const QString& ext : extensions) mimeTypes.append(MimeTypeForExtension(ext));
    if (!WriteMimePackage(MimePackagePath(className), className, extensions)) return false;
    if (!DesktopEntry::Write(DesktopEntryPath(className), QFileInfo(program).completeBaseName(), program,
                             mimeTypes))
        return false;
    MimeAppsList list;
    const QString listPath = UserMimeAppsListPath();
    if (!list.Load(listPath)) return false;
    for (const QString& type : mimeTypes) list.SetDefaultApplication(type, DesktopIdForClass(className));
    return list.Save(listPath);
}

namespace {

// Best effort: a desktop without the tool still works once it rescans by itself.
void RunCacheTool(const QString& name, const QString& folder) {
    const QString tool = QStandardPaths::findExecutable(name);
    if (tool.isEmpty()) return;
    QProcess process;
    process.setProgram(tool);
    process.setArguments({folder});
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start();
    if (process.waitForStarted()) process.waitForFinished(30000);
}

}  // namespace

void DesktopFileTypes::UpdateMimeDatabase() {
    RunCacheTool(QStringLiteral("update-mime-database"),
                 XdgBaseDirectories::DataHome() + QStringLiteral("/mime"));
}

void DesktopFileTypes::UpdateDesktopDatabase() {
    RunCacheTool(QStringLiteral("update-desktop-database"),
                 XdgBaseDirectories::DataHome() + QStringLiteral("/applications"));
}
