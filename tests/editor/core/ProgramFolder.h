#pragma once

#include <QString>
#include <QTemporaryDir>

#include "ResourceStringSource.h"

// A program folder laid out in a temporary folder: PrivatePlugin/, PublicPlugin/, Config/ and the
// editor's real resource library for its texts. Also points $PEL_FAKE_PLUGIN_LOG at a log file inside.
class ProgramFolder {
public:
    ProgramFolder();
    ~ProgramFolder();

    QString Path() const { return m_dir.path(); }
    QString File(const QString& relative) const { return m_dir.filePath(relative); }
    // Copies a built stand-in ("fake_profile_20") into a plug-in folder under the given file name.
    void Place(const char* fixture, const char* folder, const QString& fileName) const;
    // Lines the stand-ins logged, like "DeleteInstance Corvix".
    QStringList Log() const;
    void ClearLog() const;
    void WriteFile(const QString& relative, const QByteArray& bytes) const;
    QByteArray ReadFile(const QString& relative) const;

    ResourceStringSource strings;

private:
    QTemporaryDir m_dir;
    QByteArray m_oldLog;
};
