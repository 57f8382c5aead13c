#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class CPELFM_ElemInfo;

// The list of values of the data-list dialog, as the list control shows it: every entry is "[n]"
// followed by the value, n counting from 1. Kept apart from the widgets so the numbering rules are
// tested without a window.
class DataListEditor {
public:
    DataListEditor() = default;
    // The values of the element's item of that type, without following references; an enumeration
    // reference is shown with "ENUM " in front.
    static QStringList ValuesOfItem(CPELFM_ElemInfo* elem, int itemType);

    void SetValues(const QStringList& values);
    // The entries as the list shows them.
    QStringList Entries() const;
    // The values in order, each entry's text after its first "]".
    QStringList Values() const;
    int Count() const { return static_cast<int>(m_values.size()); }

    // Inserting puts the value before the position (Count() appends); replacing overwrites it.
    // Both return the position of the entry to select, -1 when the position is outside the list.
    int Insert(int position, const QString& value);
    int Replace(int position, const QString& value);
    bool Remove(int position);

    // Positions the position box offers: one per entry, plus the one after the last for a new entry.
    static QStringList Positions(int count, bool forNewEntry);
    // Insert and replace need a value with a character other than a blank.
    static bool IsUsableValue(const QString& value);
    // Whether OK has anything to store: the values differ from those the dialog opened with.
    static bool HasChanged(const QStringList& opening, const QStringList& current);

    // What Enter in the value field does. While the field holds a value the list does not have yet (a new
    // entry being typed, or a selected entry changed), Enter puts it in at the chosen position as the
    // Insert or Replace button would; otherwise it is the dialog's OK.
    enum class EnterAction { Accept, Insert, Replace };
    EnterAction ActionOfEnter(bool fieldEditable, int selectedRow, int position,
                              const QString& fieldText) const;

private:
    QStringList m_values;
};
