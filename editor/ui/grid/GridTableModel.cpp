#include "GridTableModel.h"

#include <algorithm>

#include "CellText.h"

void GridTableModel::SetGridSize(int rows, int columns) {
    rows = std::max(1, rows);
    columns = std::max(1, columns);
    beginResetModel();
    if (columns != m_columns) {
        while (m_columnHeaders.size() > columns) m_columnHeaders.removeLast();
        while (m_columnHeaders.size() < columns) m_columnHeaders.append(QString());
    }
    m_rows = rows;
    m_columns = columns;
    m_cells.assign(static_cast<size_t>(rows - 1) * static_cast<size_t>(columns - 1), QString());
    m_rowHeaders.clear();
    endResetModel();
}

QString GridTableModel::Text(int row, int col) const {
    if (row < 0 || col < 0 || row >= m_rows || col >= m_columns) return {};
    if (row == 0) return m_columnHeaders[col];
    if (col == 0) return m_rowHeaders.value(row, QString::number(row));
    return m_cells[CellIndex(row, col)];
}

QStringList GridTableModel::WidestRowHeaderCandidates() const {
    QStringList texts = m_rowHeaders.values();
    if (m_rows > 1) texts.append(QString::number(m_rows - 1));
    return texts;
}

bool GridTableModel::SetText(int row, int col, const QString& text, bool notify) {
    if (row < 0 || col < 0 || row >= m_rows || col >= m_columns) return false;
    if (row == 0) {
        m_columnHeaders[col] = text;
        if (notify && col > 0) emit headerDataChanged(Qt::Horizontal, col - 1, col - 1);
    } else if (col == 0) {
        m_rowHeaders.insert(row, text);
        if (notify) emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
    } else {
        m_cells[CellIndex(row, col)] = text;
        if (notify) {
            const QModelIndex i = index(row - 1, col - 1);
            emit dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
        }
    }
    return true;
}

bool GridTableModel::SetRowsWithTexts(int rows, std::vector<QString>&& texts) {
    rows = std::max(1, rows);
    if (texts.size() != static_cast<size_t>(rows - 1) * static_cast<size_t>(m_columns - 1)) return false;
    beginResetModel();
    m_rows = rows;
    m_cells = std::move(texts);
    m_rowHeaders.clear();
    endResetModel();
    return true;
}

void GridTableModel::RefreshAll() {
    if (m_rows > 1 && m_columns > 1) emit dataChanged(index(0, 0), index(m_rows - 2, m_columns - 2));
    if (m_columns > 1) emit headerDataChanged(Qt::Horizontal, 0, m_columns - 2);
    if (m_rows > 1) emit headerDataChanged(Qt::Vertical, 0, m_rows - 2);
}

int GridTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows - 1;
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_columns - 1;
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
    QModelRoleData data(role);
    multiData(index, data);
    return data.data();
}

void GridTableModel::multiData(const QModelIndex& index, QModelRoleDataSpan roleDataSpan) const {
    const QString* text =
        index.isValid() ? &m_cells[CellIndex(index.row() + 1, index.column() + 1)] : nullptr;
    const bool shows =
        text && std::any_of(roleDataSpan.begin(), roleDataSpan.end(),
                            [](const QModelRoleData& data) { return data.role() == Qt::DisplayRole; });
    bool cut = false;
    const QString shown = shows ? CellText::ShownText(*text, &cut) : QString();
    for (QModelRoleData& data : roleDataSpan) {
        data.clearData();
        if (!text) continue;
        if (data.role() == Qt::EditRole)
            data.setData(*text);
        else if (data.role() == Qt::DisplayRole)
            data.setData(shown);
        // A cut text shows its beginning, whatever the row's height.
        else if (data.role() == Qt::TextAlignmentRole && (shows ? cut : CellText::ShowsCut(*text)))
            data.setData(QVariant::fromValue(Qt::AlignLeft | Qt::AlignTop));
    }
}

bool GridTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    SetText(index.row() + 1, index.column() + 1, value.toString(), true);
    emit textWritten(index.row() + 1, index.column() + 1);
    return true;
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || section < 0) return {};
    return orientation == Qt::Horizontal ? Text(0, section + 1) : Text(section + 1, 0);
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}
