#include "ConnectionComboBoxMap.h"

#include "IStringSource.h"

void ConnectionComboBoxMap::Fill(const IStringSource& strings, const int* displayIds, const int* storedIds,
                                 int count) {
    m_stored.clear();
    m_display.clear();
    m_index.clear();
    for (int i = 0; i < count; ++i) {
        const QString stored = strings.LoadString(storedIds[i]);
        m_stored.append(stored);
        m_display.append(strings.LoadString(displayIds[i]));
        // Two equal stored values would make the later unreachable; the first keeps its index.
        if (!m_index.contains(stored)) m_index.insert(stored, i);
    }
}
