#include "CArchivePacker.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <cerrno>

#include "CommandFailure.h"
#include "IArchiveOutput.h"
#include "IProfilePlugin.h"
#include "IStringSource.h"
#include "MessageBoxStyle.h"
#include "ResourceMessage.h"

namespace {

constexpr int kStrCreateArchive = 413;
constexpr int kStrNotPacked = 411;
constexpr int kStrNotPackedReason = 412;
constexpr int kStrProductName = 2203;
constexpr int kMsgFailed = 10008;
constexpr int kMsgDone = 10031;

QString WithSlash(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QString FileNameOf(const QString& path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

bool CanWriteIn(const QString& folder) {
    return QDir().mkpath(folder) && QFileInfo(folder).isWritable();
}

bool CopyOverwriting(const QString& source, const QString& target) {
    if (QFileInfo(target).isDir()) return false;
    if (QFileInfo::exists(target) && !QFile::remove(target)) return false;
    return QFile::copy(source, target);
}

bool CopyTree(const QString& source, const QString& target, QStringList& copied, QSet<QString>& chain) {
    // A link back to a folder being copied would recurse without end.
    const QString canonical = QFileInfo(source).canonicalFilePath();
    if (canonical.isEmpty() || chain.contains(canonical)) return false;
    chain.insert(canonical);
    QDirIterator it(source, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    bool ok = true;
    while (ok && it.hasNext()) {
        const QFileInfo entry(it.next());
        const QString to = WithSlash(target) + entry.fileName();
        if (entry.isDir()) {
            ok = QDir().mkdir(to) && CopyTree(entry.filePath(), to, copied, chain);
        } else if (QFileInfo::exists(to) || QFileInfo(to).isSymLink()) {
            continue;
        } else if (QFile::copy(entry.filePath(), to)) {
            copied.append(to);
        } else {
            ok = false;
        }
    }
    chain.remove(canonical);
    return ok;
}

}  // namespace

CArchivePacker::CArchivePacker(const IStringSource& strings, IMessagePresenter& presenter,
                               IArchiveOutput* output, const QString& workBase)
    : m_strings(strings), m_presenter(presenter), m_output(output), m_workBase(workBase) {}

bool CArchivePacker::IsPlainName(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

QString CArchivePacker::UsableWorkBase(const QString& preferred, std::optional<QTemporaryDir>& privateBase) {
    if (CanWriteIn(preferred)) return preferred;
    // An installed copy the user cannot write has no room beside the program.
    privateBase.emplace(QDir::tempPath() + QStringLiteral("/PeloraMachineTool-XXXXXX"));
    return privateBase->isValid() ? privateBase->path() : preferred;
}

bool CArchivePacker::CreateShortWorkFolder(const QString& base, const QString& profileFolderName,
                                           WorkFolder& out) {
    // The profile folder name comes from the profiles; it must not lead out of the work folder.
    if (!IsPlainName(profileFolderName)) return false;
    // Other commands may clear the base away: it is made again, with any parents it lacks.
    if (!QDir().mkpath(base)) return false;
    static const QString kCandidates = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789@$!&#");
    QString root;
    for (const QChar c : kCandidates) {
        const QString candidate = WithSlash(base) + c;
        if (QFileInfo::exists(candidate) || QFileInfo(candidate).isSymLink()) continue;
        // mkdir fails when someone else took the name meanwhile; only a folder made here is ours.
        if (QDir().mkdir(candidate)) root = WithSlash(candidate);
        break;
    }
    if (root.isEmpty()) return false;
    const QString profileFolder = root + profileFolderName + QLatin1Char('/');
    const QString toolsFolder = profileFolder + QStringLiteral("Tools/");
    if (!QDir().mkdir(profileFolder) || !QDir().mkdir(toolsFolder)) {
        DeleteFolderTree(root);
        return false;
    }
    out = {root, profileFolder, toolsFolder};
    return true;
}

bool CArchivePacker::CreateToolFolders(const QString& toolsFolder, const CToolPathData& node,
                                       QHash<QString, QString>& targets) {
    for (const CToolPathData& child : node.children) {
        if (!IsPlainName(child.name)) return false;
        const QString target = WithSlash(toolsFolder) + child.name;
        if (child.type == CToolPathData::TypeFile) {
            targets.insert(child.path, target);
        } else {
            if (!QDir().mkdir(target)) return false;
            if (!CreateToolFolders(target, child, targets)) {
                DeleteFolderTree(target);
                return false;
            }
        }
    }
    return true;
}

bool CArchivePacker::CopyFolderTree(const QString& source, const QString& target, QStringList& copied) {
    QSet<QString> chain;
    return QFileInfo(source).isDir() && CopyTree(source, target, copied, chain);
}

bool CArchivePacker::DeleteFolderTree(const QString& folder) {
    QString path = folder;
    while (path.endsWith(QLatin1Char('/'))) path.chop(1);
    // An empty path would name the current folder (or, from "/", the file-system root).
    if (path.isEmpty() || !QFileInfo(path).isDir() || QFileInfo(path).isSymLink()) return false;
    return QDir(path).removeRecursively();
}

void CArchivePacker::ShowFailure(const char* code, const QString& archive, const QString& reason) {
    const QString file = archive.isEmpty() ? QString() : CommandFailure::Details(m_strings, archive, reason);
    ShowResourceMessage(m_strings, m_presenter,
                        {m_strings.LoadString(kStrCreateArchive), QLatin1String(code), file}, kMsgFailed,
                        MB_OK | MB_ICONERROR);
}

int CArchivePacker::CopyFilesAndCreateArchive(IProfilePlugin* plugin, const QString& archivePath,
                                              const ArchivePackInput& input) {
    // Writing the archive over one of the files it packs would destroy that file.
    const QString archiveCanonical = QFileInfo(archivePath).canonicalFilePath();
    if (!archiveCanonical.isEmpty()) {
        for (const QStringList* paths : {&input.profileFiles, &input.referencedFiles, &input.toolFiles}) {
            for (const QString& path : *paths) {
                if (QFileInfo(path).canonicalFilePath() == archiveCanonical) {
                    ShowFailure(CodeArchive);
                    return 0;
                }
            }
        }
    }

    std::optional<QTemporaryDir> privateBase;  // removed, with everything in it, on every return
    WorkFolder work;
    QHash<QString, QString> toolTargets;
    if (!CreateShortWorkFolder(UsableWorkBase(m_workBase, privateBase), input.profileFolderName, work)) {
        ShowFailure(CodeWorkFolder);
        return 0;
    }
    if (!CreateToolFolders(work.toolsFolder, input.toolTree, toolTargets)) {
        DeleteFolderTree(work.root);
        ShowFailure(CodeWorkFolder);
        return 0;
    }

    QStringList files;
    const char* failure = nullptr;
    for (const QString& profile : input.profileFiles) {
        const QString target = work.root + FileNameOf(profile);
        if (!CopyOverwriting(profile, target)) {
            failure = CodeProfileCopy;
            break;
        }
        if (!files.contains(target)) files.append(target);
    }
    for (qsizetype i = 0; !failure && i < input.toolFiles.size(); ++i) {
        // A tool without a place in the tree would otherwise land nowhere and be dropped unseen.
        const auto place = toolTargets.constFind(input.toolFiles[i]);
        if (place == toolTargets.cend() || !CopyOverwriting(input.toolFiles[i], *place)) {
            failure = CodeToolCopy;
            break;
        }
        if (!files.contains(*place)) files.append(*place);
    }
    for (qsizetype i = 0; !failure && i < input.referencedFiles.size(); ++i) {
        const QString target = work.profileFolder + FileNameOf(input.referencedFiles[i]);
        if (QFileInfo::exists(target)) continue;  // same name from another folder: the first one wins
        if (!QFile::copy(input.referencedFiles[i], target)) {
            failure = CodeReferencedCopy;
            break;
        }
        files.append(target);
    }
    for (qsizetype i = 0; !failure && i < input.folders.size(); ++i) {
        if (!CopyFolderTree(input.folders[i], work.root, files)) failure = CodeFolderCopy;
    }
    if (failure) {
        ShowFailure(failure);
        DeleteFolderTree(work.root);
        return 0;
    }

    QString root = work.root;
    root.chop(1);
    // The plug-in leaves in errno why the archive could not be written, where the system said why.
    errno = 0;
    const int written = plugin ? plugin->CreateArchive(archivePath, &files, root) : 0;
    const int writeError = errno;
    DeleteFolderTree(work.root);
    if (written != 1) {
        ShowFailure(
            CodeArchive, archivePath,
            writeError != 0 ? qt_error_string(writeError) : CommandFailure::WriteFailureReason(archivePath));
        return 0;
    }
    if (!input.resultLines.isEmpty() && m_output) {
        QStringList lines;
        lines.append(
            FormatResourceMessage(m_strings, {m_strings.LoadString(kStrProductName)}, kStrNotPacked));
        lines.append(m_strings.LoadString(kStrNotPackedReason));
        lines.append(input.resultLines);
        m_output->AppendOutputLines(lines);
    }
    ShowResourceMessage(m_strings, m_presenter, {m_strings.LoadString(kStrCreateArchive)}, kMsgDone,
                        MB_OK | MB_ICONINFORMATION);
    return 1;
}
