#pragma once
#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>
#include <vector>

// The texts of the part grid. Grid row 0 and column 0 are the header views, so grid cell (r, c) is
// model cell (r - 1, c - 1); the header texts are kept beside the cells. Only texts are stored: a grid
// of a hundred thousand rows costs one string per cell and no item objects.
class GridTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Grid sizes, headers included (at least 1 each). Changing a size empties the data cells.
    void SetGridSize(int rows, int columns);
    int GridRows() const { return m_rows; }
    int GridColumns() const { return m_columns; }

    // Empty outside the grid. Row header texts default to the row number.
    QString Text(int row, int col) const;
    // The row header texts one of which is the widest: the last row's number and those set to other texts.
    QStringList WidestRowHeaderCandidates() const;
    // A data cell's text, without copying; row and column must lie inside the data cells.
    const QString& CellText(int row, int col) const { return m_cells[CellIndex(row, col)]; }
    // False outside the grid. Without notification the views learn of it at the next Refresh.
    bool SetText(int row, int col, const QString& text, bool notify);
    // Changes the row count and fills every data cell, row by row ((rows - 1) x (columns - 1) texts);
    // false, changing nothing, for another number of texts.
    bool SetRowsWithTexts(int rows, std::vector<QString>&& texts);
    // Tells the views that every text may have changed.
    void RefreshAll();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // A painted cell asks for its shown text and its alignment at once: both come from one reading of its
    // text.
    void multiData(const QModelIndex& index, QModelRoleDataSpan roleDataSpan) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    // A text was written through setData (an editor); grid coordinates.
    void textWritten(int row, int col);

private:
    size_t CellIndex(int row, int col) const {
        return static_cast<size_t>(row - 1) * static_cast<size_t>(m_columns - 1) +
               static_cast<size_t>(col - 1);
    }

    int m_rows = 1;
    int m_columns = 1;
    std::vector<QString> m_cells;
    QStringList m_columnHeaders{QString()};  // includes the corner
    QHash<int, QString> m_rowHeaders;        // only those set to something else than the number
};
