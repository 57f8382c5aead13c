#include "RecentFileList.h"

#include <QSettings>

namespace {

const QString kGroup = QStringLiteral("Recent File List");

QString EntryKey(int index) {
    return QStringLiteral("File%1").arg(index + 1);
}

}  // namespace

void RecentFileList::Load() {
    m_files.clear();
    QSettings settings;
    settings.beginGroup(kGroup);
    for (int i = 0; i < m_size; ++i) {
        const QString path = settings.value(EntryKey(i)).toString();
        if (!path.isEmpty() && !m_files.contains(path)) m_files.append(path);
    }
}

void RecentFileList::Save() const {
    QSettings settings;
    settings.remove(kGroup);
    settings.beginGroup(kGroup);
    for (int i = 0; i < m_files.size(); ++i) settings.setValue(EntryKey(i), m_files[i]);
}

void RecentFileList::Add(const QString& path) {
    if (path.isEmpty()) return;
    m_files.removeAll(path);
    m_files.prepend(path);
    while (m_files.size() > m_size) m_files.removeLast();
}

void RecentFileList::Remove(int index) {
    if (index >= 0 && index < m_files.size()) m_files.removeAt(index);
}
