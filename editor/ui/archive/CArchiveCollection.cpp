#include "CArchiveCollection.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include "CArchiveFileKinds.h"
#include "IStringSource.h"
#include "MessageBoxStyle.h"
#include "ResourceMessage.h"

namespace {

constexpr int kStrListIndent = 405;
constexpr int kMsgListedAlready = 62075;

QStringList FilesBelow(const QString& folder) {
    QStringList out;
    // Links to folders are not followed, so a link back up cannot make the search endless.
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) out.append(it.next());
    out.sort();
    return out;
}

}  // namespace

CArchiveCollection::CArchiveCollection(const IStringSource& strings, IMessagePresenter& presenter,
                                       const Conditions& conditions)
    : m_strings(strings), m_presenter(presenter), m_conditions(conditions) {}

const QStringList& CArchiveCollection::Entries(List list) const {
    return list == Profiles ? m_profiles : list == Documents ? m_documents : m_toolFolders;
}

void CArchiveCollection::AddProfiles(const QStringList& paths) {
    m_profiles += paths;
}

bool CArchiveCollection::IsListedDocument(const QString& path) const {
    return m_documents.contains(path, Qt::CaseInsensitive);
}

bool CArchiveCollection::ConfirmDuplicates(const QStringList& duplicates) {
    if (duplicates.isEmpty()) return true;
    QString list;
    for (const QString& d : duplicates) list += m_strings.LoadString(kStrListIndent) + d;
    const QString text = FormatResourceMessage(m_strings, {list}, kMsgListedAlready);
    return ShowMessageBox(m_presenter, text, QString(), MB_OKCANCEL | MB_ICONINFORMATION) == IDOK;
}

void CArchiveCollection::AddDocuments(const QStringList& paths) {
    QStringList duplicates, fresh;
    for (const QString& p : paths) (IsListedDocument(p) ? duplicates : fresh).append(p);
    if (!ConfirmDuplicates(duplicates)) return;
    for (const QString& p : fresh) {
        if (IsListedDocument(p)) continue;  // chosen twice in one go
        m_documents.append(p);
        if (CArchiveFileKinds::IsTool(p)) m_toolTree.children.append(CToolPathData::MakeFile(p));
    }
}

void CArchiveCollection::AddToolFolder(const QString& folder) {
    if (!m_conditions.tools || folder.isEmpty() || m_toolFolders.contains(folder)) return;
    m_toolFolders.append(folder);
}

void CArchiveCollection::DropOnProfiles(const QStringList& paths) {
    for (const QString& p : paths) {
        const QStringList files = QFileInfo(p).isDir() ? FilesBelow(p) : QStringList{p};
        for (const QString& f : files) {
            if (CArchiveFileKinds::IsProfile(f, m_conditions.profileExtension)) m_profiles.append(f);
        }
    }
}

void CArchiveCollection::CollectTools(const QString& folder, CToolPathData& node,
                                      const QStringList& accepted) {
    const QFileInfoList entries = QDir(folder).entryInfoList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo& e : entries) {
        if (e.isDir()) {
            if (e.isSymLink()) continue;
            CToolPathData sub;
            sub.name = e.fileName();
            sub.path = e.filePath();
            CollectTools(e.filePath(), sub, accepted);
            if (!sub.children.isEmpty()) node.children.append(sub);
        } else if (CArchiveFileKinds::IsTool(e.filePath()) && accepted.contains(e.filePath())) {
            node.children.append(CToolPathData::MakeFile(e.filePath()));
        }
    }
}

void CArchiveCollection::DropOnDocuments(const QStringList& paths) {
    QStringList duplicates, fresh;
    for (const QString& p : paths) {
        const QStringList files = QFileInfo(p).isDir() ? FilesBelow(p) : QStringList{p};
        for (const QString& f : files) {
            if (!CArchiveFileKinds::IsDocument(f, m_conditions.deviceModelTools)) continue;
            if (IsListedDocument(f)) {
                duplicates.append(f);
            } else if (!fresh.contains(f, Qt::CaseInsensitive)) {
                fresh.append(f);
            }
        }
    }
    if (!ConfirmDuplicates(duplicates)) return;
    // Tool nodes only for files that the list takes, so every node has its entry and goes with it.
    for (const QString& p : paths) {
        if (QFileInfo(p).isDir()) {
            CollectTools(p, m_toolTree, fresh);
        } else if (CArchiveFileKinds::IsTool(p) && fresh.contains(p)) {
            m_toolTree.children.append(CToolPathData::MakeFile(p));
        }
    }
    m_documents += fresh;
}

void CArchiveCollection::DropOnToolFolders(const QStringList& paths) {
    for (const QString& p : paths) {
        if (QFileInfo(p).isDir()) AddToolFolder(p);
    }
}

void CArchiveCollection::RemoveAt(List list, int row) {
    QStringList& entries = list == Profiles ? m_profiles : list == Documents ? m_documents : m_toolFolders;
    if (row < 0 || row >= entries.size()) return;
    const QString path = entries.takeAt(row);
    if (list == Documents && CArchiveFileKinds::IsTool(path)) m_toolTree.RemoveFile(path);
}
