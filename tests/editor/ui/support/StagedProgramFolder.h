#pragma once
#include <QString>
#include <QTemporaryDir>

// A program folder of its own for one test, holding the build's staged resource library, plug-ins
// and schemas (linked, not copied) and fresh Config/, PrivatePlugin/ and Temp/ folders, so a test
// may write settings without touching the staged folder.
class StagedProgramFolder {
public:
    StagedProgramFolder();

    // True when the build has staged everything the editor loads.
    static bool IsStaged();
    QString Path() const { return m_dir.path(); }
    // Where the editor's executable would be.
    QString ExecutablePath() const { return m_dir.filePath(QStringLiteral("PeloraMachineTool")); }
    QString SettingsPath() const { return m_dir.filePath(QStringLiteral("Config/SystemSetting.xml")); }
    void WriteSettings(const QString& language, const QString& dllVersion) const;

private:
    QTemporaryDir m_dir;
};
