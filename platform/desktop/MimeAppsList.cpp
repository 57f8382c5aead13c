#include "MimeAppsList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QString kDefaultGroup = QStringLiteral("[Default Applications]");

bool IsGroupHeader(const QString& line) {
    return line.trimmed().startsWith(QLatin1Char('['));
}

// The key of a "key=value" line, blanks around it dropped; empty for other lines.
QString KeyOf(const QString& line) {
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(QLatin1Char('#'))) return {};
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    return eq < 0 ? QString() : t.left(eq).trimmed();
}

QString ValueOf(const QString& line) {
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    return eq < 0 ? QString() : line.mid(eq + 1).trimmed();
}

}  // namespace

bool MimeAppsList::Load(const QString& path) {
    m_lines.clear();
    QFile file(path);
    if (!file.exists()) return true;
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QString text = QString::fromUtf8(file.readAll());
    m_lines = text.split(QLatin1Char('\n'));
    if (!m_lines.isEmpty() && m_lines.last().isEmpty()) m_lines.removeLast();
    for (QString& line : m_lines) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    }
    return true;
}

int MimeAppsList::FindDefaultGroup() const {
    for (int i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].trimmed() == kDefaultGroup) return i;
    }
    return -1;
}

int MimeAppsList::FindKeyLine(int groupLine, const QString& mimeType) const {
    for (int i = groupLine + 1; i < m_lines.size() && !IsGroupHeader(m_lines[i]); ++i) {
        if (KeyOf(m_lines[i]) == mimeType) return i;
    }
    return -1;
}

QStringList MimeAppsList::DefaultApplications(const QString& mimeType) const {
    const int group = FindDefaultGroup();
    if (group < 0) return {};
    const int line = FindKeyLine(group, mimeType);
    if (line < 0) return {};
    QStringList ids;
    for (const QString& id : ValueOf(m_lines[line]).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (!id.trimmed().isEmpty()) ids.append(id.trimmed());
    }
    return ids;
}

bool MimeAppsList::HasDefaultEntry(const QString& mimeType) const {
    const int group = FindDefaultGroup();
    return group >= 0 && FindKeyLine(group, mimeType) >= 0;
}

void MimeAppsList::SetDefaultApplication(const QString& mimeType, const QString& desktopId) {
    const QString entry = mimeType + QLatin1Char('=') + desktopId + QLatin1Char(';');
    int group = FindDefaultGroup();
    if (group < 0) {
        if (!m_lines.isEmpty() && !m_lines.last().trimmed().isEmpty()) m_lines.append(QString());
        m_lines.append(kDefaultGroup);
        m_lines.append(entry);
        return;
    }
    const int line = FindKeyLine(group, mimeType);
    if (line >= 0) {
        m_lines[line] = entry;
        return;
    }
    // Append after the group's last non-blank line, so a blank separator before the next group stays.
    int insertAt = group + 1;
    for (int i = group + 1; i < m_lines.size() && !IsGroupHeader(m_lines[i]); ++i) {
        if (!m_lines[i].trimmed().isEmpty()) insertAt = i + 1;
    }
    m_lines.insert(insertAt, entry);
}

QString MimeAppsList::Text() const {
    QString text;
    for (const QString& line : m_lines) text += line + QLatin1Char('\n');
    return text;
}

bool MimeAppsList::Save(const QString& path) const {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QByteArray bytes = Text().toUtf8();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
