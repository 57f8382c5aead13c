#include "CArchiveFileKinds.h"

#include <QStringList>

QString CArchiveFileKinds::ExtensionOf(const QString& path) {
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot + 1).toUpper();
}

bool CArchiveFileKinds::IsProfile(const QString& path, const QString& currentProfileExtension) {
    const QString ext = ExtensionOf(path);
    if (ext == QLatin1String("PELP")) return true;
    return ext == QLatin1String("OSTRA") &&
           currentProfileExtension.compare(QLatin1String("ostra"), Qt::CaseInsensitive) == 0;
}

bool CArchiveFileKinds::IsDocument(const QString& path, bool deviceModelTools) {
    static const QStringList kImages = {"PNG", "BMP", "JPG", "GIF", "ICO"};
    const QString ext = ExtensionOf(path);
    return kImages.contains(ext) || (deviceModelTools && IsTool(path));
}

bool CArchiveFileKinds::IsTool(const QString& path) {
    const QString ext = ExtensionOf(path);
    return ext == QLatin1String("DLL") || ext == QLatin1String("EXE");
}
