#include "ResourceStringSource.h"

#include <QFileInfo>
#include <algorithm>

#include "ResourceLibraryApi.h"

QString ResourceStringSource::LibraryPathFor(const QString& executablePath) {
    const QFileInfo exe(executablePath);
    return exe.absolutePath() + QLatin1Char('/') + exe.completeBaseName() + QStringLiteral("_RC.so");
}

bool ResourceStringSource::Open(const QString& libraryPath) {
    m_table = nullptr;
    m_error.clear();
    if (!m_library.Open(libraryPath)) {
        m_error = m_library.ErrorText();
        return false;
    }
    auto entry = m_library.ResolveFunction<PFN_PelGetResourceStrings>(PEL_RESOURCE_ENTRY_POINT);
    const PelResourceStringTable* table = entry != nullptr ? entry() : nullptr;
    if (table == nullptr || (table->count > 0 && table->strings == nullptr)) {
        m_error = QStringLiteral("%1: no string table").arg(libraryPath);
        m_library.Close();
        return false;
    }
    m_table = table;
    return true;
}

QString ResourceStringSource::LoadString(int id) const {
    if (m_table == nullptr || id < 0) return {};
    const PelResourceString* begin = m_table->strings;
    const PelResourceString* end = begin + m_table->count;
    const auto key = static_cast<unsigned>(id);
    const PelResourceString* it =
        std::lower_bound(begin, end, key, [](const PelResourceString& s, unsigned k) { return s.id < k; });
    if (it == end || it->id != key || it->text == nullptr) return {};
    return QString::fromUtf8(it->text);
}

QList<int> ResourceStringSource::Ids() const {
    QList<int> ids;
    if (m_table == nullptr) return ids;
    for (unsigned i = 0; i < m_table->count; ++i) ids.append(static_cast<int>(m_table->strings[i].id));
    return ids;
}
