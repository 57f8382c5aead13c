#pragma once

#include <QString>
#include <QStringList>

// One mimeapps.list file. Only the "[Default Applications]" group is interpreted; every other line,
// comments and groups included, is kept as it stands when the file is written back.
class MimeAppsList {
public:
    // A missing file reads as empty; false only when an existing file cannot be read.
    bool Load(const QString& path);
    // The desktop ids named for the type, in order; empty when the type has no entry.
    QStringList DefaultApplications(const QString& mimeType) const;
    bool HasDefaultEntry(const QString& mimeType) const;
    // Makes desktopId the only default for the type.
    void SetDefaultApplication(const QString& mimeType, const QString& desktopId);
    // Written to a temporary file and renamed over the target, so a failure never leaves half a file.
    bool Save(const QString& path) const;
    QString Text() const;

private:
    int FindDefaultGroup() const;
    int FindKeyLine(int groupLine, const QString& mimeType) const;

    QStringList m_lines;
};
