#pragma once
#include <QHash>
#include <QList>
#include <QString>

class IStringSource;

// One drop-down list of a detail dialog: stored values and shown texts in the same order, and the
// index of each stored value.
class ConnectionComboBoxMap {
public:
    // Both id lists hold count entries; the index of a stored value is its position.
    void Fill(const IStringSource& strings, const int* displayIds, const int* storedIds, int count);

    int Count() const { return static_cast<int>(m_stored.size()); }
    // -1 when the value is not one of the stored values (compared exactly).
    int IndexOf(const QString& stored) const { return m_index.value(stored, -1); }
    // Empty outside the list.
    QString StoredValue(int index) const { return m_stored.value(index); }
    QString DisplayText(int index) const { return m_display.value(index); }
    const QList<QString>& DisplayTexts() const { return m_display; }

private:
    QList<QString> m_stored;
    QList<QString> m_display;
    QHash<QString, int> m_index;
};
