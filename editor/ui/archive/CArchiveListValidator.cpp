#include "CArchiveListValidator.h"

#include <QFileInfo>
#include <QHash>

#include "IProfileRelatedFiles.h"
#include "IStringSource.h"
#include "MessageBoxStyle.h"
#include "ResourceMessage.h"

namespace {

constexpr int kStrProductName = 2203;
constexpr int kStrAlsoMissing = 404;
constexpr int kMsgMissingFile = 10036;
constexpr int kMsgSameProfileName = 10037;
constexpr int kMsgSameDocumentName = 10038;
constexpr int kMsgNotListed = 10039;
constexpr int kMsgNotDefaultName = 10040;
constexpr int kMsgOtherVendor = 10041;
constexpr int kMsgNotCollected = 10042;
constexpr int kMsgToolNotAllowed = 10060;
constexpr int kMsgToolFolderName = 10062;

QString FileNameOf(const QString& path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString BaseNameOf(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

}  // namespace

CArchiveListValidator::CArchiveListValidator(const IStringSource& strings, IMessagePresenter& presenter,
                                             IProfileRelatedFiles& related, bool toolsAllowed)
    : m_strings(strings), m_presenter(presenter), m_related(related), m_toolsAllowed(toolsAllowed) {}

int CArchiveListValidator::Fail(ArchiveValidationResult& result, const QString& failingPath, int id,
                                const QStringList& inserts) {
    result.failingPath = failingPath;
    ShowResourceMessage(m_strings, m_presenter, inserts, id, MB_OK | MB_ICONERROR);
    return 0;
}

int CArchiveListValidator::ValidateArchiveFileLists(const QStringList& profiles, const QStringList& documents,
                                                    const QStringList& toolFolders,
                                                    ArchiveValidationResult& result) {
    result = ArchiveValidationResult();
    const QString product = m_strings.LoadString(kStrProductName);
    QHash<QString, QString> names;  // upper-cased file name -> the path that brought it in

    for (const QString& path : profiles) {
        const QFileInfo fi(path);
        // What is there but is not a regular file is refused by the reading, which says why.
        if (!fi.exists()) return Fail(result, path, kMsgMissingFile, {path});
        const QString key = fi.fileName().toUpper();
        if (names.contains(key))
            return Fail(result, names.value(key), kMsgSameProfileName, {product, fi.fileName()});
        names.insert(key, path);
    }

    QStringList lines;
    for (const QString& path : documents) {
        const QFileInfo fi(path);
        if (!fi.isFile()) return Fail(result, path, kMsgMissingFile, {path});
        const QString key = fi.fileName().toUpper();
        if (names.contains(key)) return Fail(result, names.value(key), kMsgSameDocumentName, {fi.fileName()});
        names.insert(key, path);
        const QString name = fi.fileName();
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        const QString ext = dot < 0 ? QString() : name.mid(dot).toLower();
        if (ext == QLatin1String(".dll") || ext == QLatin1String(".exe")) {
            if (!m_toolsAllowed) return Fail(result, path, kMsgToolNotAllowed, {path});
            result.toolFiles.append(path);
        } else {
            lines.append(path);
        }
    }

    QStringList referenced;
    QString vendor;
    for (qsizetype i = 0; i < profiles.size(); ++i) {
        const QString& path = profiles[i];
        const QString fileName = FileNameOf(path);
        ProfileRelatedFiles related;
        QString reason;
        if (!m_related.CollectProfileRelatedFiles(path, related, reason)) {
            return Fail(result, path, kMsgNotCollected, {product, fileName, reason});
        }
        const bool iconThere = related.iconFile.isEmpty() || names.contains(related.iconFile.toUpper());
        const bool graphicsThere =
            related.graphicsFile.isEmpty() || names.contains(related.graphicsFile.toUpper());
        if (!iconThere && !graphicsThere) {
            const QString more =
                FormatResourceMessage(m_strings, {related.graphicsFile, fileName}, kStrAlsoMissing);
            return Fail(result, path, kMsgNotListed, {related.iconFile, fileName + more});
        }
        if (!iconThere) return Fail(result, path, kMsgNotListed, {related.iconFile, fileName});
        if (!graphicsThere) return Fail(result, path, kMsgNotListed, {related.graphicsFile, fileName});
        for (const QString& named : {related.iconFile, related.graphicsFile}) {
            if (!named.isEmpty()) referenced.append(names.value(named.toUpper()));
        }
        if (fileName != related.defaultFileName)
            return Fail(result, path, kMsgNotDefaultName, {product, fileName});
        if (i == 0) {
            vendor = related.vendorName;
        } else if (related.vendorName != vendor) {
            return Fail(result, path, kMsgOtherVendor, {vendor});
        }
    }

    for (const QString& named : referenced) lines.removeOne(named);

    for (const QString& folder : toolFolders) {
        const QString name = FileNameOf(folder);
        bool matches = false;
        for (const QString& profile : profiles) matches = matches || BaseNameOf(FileNameOf(profile)) == name;
        if (!matches) return Fail(result, folder, kMsgToolFolderName, {folder});
    }

    result.referencedFiles = referenced;
    result.resultLines = lines;
    result.profileFolderName = vendor;
    return 1;
}
