#pragma once
#include <QHash>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>

#include "ArchivePackInput.h"
#include "CToolPathData.h"

class IArchiveOutput;
class IMessagePresenter;
class IProfilePlugin;
class IStringSource;

// Lays the archive's tree out in a temporary work folder, has the profile plug-in zip it and removes
// the work folder again.
class CArchivePacker {
public:
    // Error codes shown with message 10008.
    static constexpr const char* CodeWorkFolder = "0x23010001";
    static constexpr const char* CodeProfileCopy = "0x23010002";
    static constexpr const char* CodeReferencedCopy = "0x23010003";
    static constexpr const char* CodeArchive = "0x23010004";
    static constexpr const char* CodeToolCopy = "0x23010005";
    static constexpr const char* CodeFolderCopy = "0x23010006";

    struct WorkFolder {
        QString root;  // each ends with "/"
        QString profileFolder;
        QString toolsFolder;
    };

    // workBase is the folder under which the one-character work folder is made, when it can be written.
    CArchivePacker(const IStringSource& strings, IMessagePresenter& presenter, IArchiveOutput* output,
                   const QString& workBase);

    // 1 when the archive was written (confirmed to the user), 0 after an error message.
    int CopyFilesAndCreateArchive(IProfilePlugin* plugin, const QString& archivePath,
                                  const ArchivePackInput& input);

    // preferred when it can be written (and made), else a private folder under the system's temporary
    // location, which privateBase then holds and removes when it goes.
    static QString UsableWorkBase(const QString& preferred, std::optional<QTemporaryDir>& privateBase);
    // The first free name of "A".."Z", "0".."9", "@", "$", "!", "&", "#" under base, with the profile
    // folder and its "Tools" inside. False, with nothing left behind, on failure.
    static bool CreateShortWorkFolder(const QString& base, const QString& profileFolderName, WorkFolder& out);
    // Creates the folders of node's subtree under toolsFolder and maps each tool file's source path
    // to its target.
    static bool CreateToolFolders(const QString& toolsFolder, const CToolPathData& node,
                                  QHash<QString, QString>& targets);
    // Copies source's content into target; existing target files are kept. Appends every copied file.
    static bool CopyFolderTree(const QString& source, const QString& target, QStringList& copied);
    static bool DeleteFolderTree(const QString& folder);
    // A name that stays one entry inside its folder.
    static bool IsPlainName(const QString& name);

private:
    // Message 10008 with the code and, for an archive that was not written, which file and why.
    void ShowFailure(const char* code, const QString& archive = QString(), const QString& reason = QString());

    const IStringSource& m_strings;
    IMessagePresenter& m_presenter;
    IArchiveOutput* m_output;
    QString m_workBase;
};
