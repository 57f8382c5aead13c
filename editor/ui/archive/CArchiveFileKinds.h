#pragma once
#include <QString>

// Which files the archive lists take, by the text after the last "." of the name, ignoring case.
class CArchiveFileKinds {
public:
    // "pelp"; also "ostra" while the current profile extension is "ostra".
    static bool IsProfile(const QString& path, const QString& currentProfileExtension);
    // Images; also "dll" and "exe" when the device model packs tools.
    static bool IsDocument(const QString& path, bool deviceModelTools);
    static bool IsTool(const QString& path);
    static QString ExtensionOf(const QString& path);
};
