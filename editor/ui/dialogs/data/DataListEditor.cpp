#include "DataListEditor.h"

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "ProfileInnerConst.h"

QStringList DataListEditor::ValuesOfItem(CPELFM_ElemInfo* elem, int itemType) {
    QStringList out;
    if (elem == nullptr) return out;
    const int index = elem->FindItemIndex(itemType);
    if (index < 0) return out;
    for (const ProfileInnerConst::_ST_PELFM_DATAINFO& data : std::as_const(elem->items[index]->values)) {
        out << (data.dataKind == ProfileInnerConst::DATA_ENUM_REF_ITEM ? QStringLiteral("ENUM ") + data.text
                                                                       : data.text);
    }
    return out;
}

void DataListEditor::SetValues(const QStringList& values) {
    m_values = values;
}

QStringList DataListEditor::Entries() const {
    QStringList out;
    for (int i = 0; i < m_values.size(); ++i) out << QStringLiteral("[%1]%2").arg(i + 1).arg(m_values[i]);
    return out;
}

QStringList DataListEditor::Values() const {
    // Taken back from the shown entries, as the dialog stores them.
    QStringList out;
    for (const QString& entry : Entries()) out << entry.mid(entry.indexOf(QLatin1Char(']')) + 1);
    return out;
}

int DataListEditor::Insert(int position, const QString& value) {
    if (position < 0 || position > m_values.size()) return -1;
    m_values.insert(position, value);
    return position;
}

int DataListEditor::Replace(int position, const QString& value) {
    if (position < 0 || position >= m_values.size()) return -1;
    m_values[position] = value;
    return position;
}

bool DataListEditor::Remove(int position) {
    if (position < 0 || position >= m_values.size()) return false;
    m_values.removeAt(position);
    return true;
}

QStringList DataListEditor::Positions(int count, bool forNewEntry) {
    QStringList out;
    const int last = forNewEntry ? count + 1 : count;
    for (int i = 1; i <= last; ++i) out << QString::number(i);
    return out;
}

bool DataListEditor::IsUsableValue(const QString& value) {
    for (QChar c : value) {
        if (c != QLatin1Char(' ')) return true;
    }
    return false;
}

bool DataListEditor::HasChanged(const QStringList& opening, const QStringList& current) {
    return opening != current;
}

DataListEditor::EnterAction DataListEditor::ActionOfEnter(bool fieldEditable, int selectedRow, int position,
                                                          const QString& fieldText) const {
    if (!fieldEditable || !IsUsableValue(fieldText) || position < 0) return EnterAction::Accept;
    if (selectedRow < 0) return position <= m_values.size() ? EnterAction::Insert : EnterAction::Accept;
    if (position >= m_values.size() || m_values[position] == fieldText) return EnterAction::Accept;
    return EnterAction::Replace;
}
