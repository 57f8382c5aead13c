#pragma once
#include <QHash>
#include <QTableWidget>

// The connection list's grid, in the numbering the list was written against: row 0 is the column
// header, column 0 the row header, data cells start at (1, 1), and -1 means none. A column whose
// combo list is "|..." shows a button in every cell.
class CVsflexgridn2 : public QTableWidget {
    Q_OBJECT
public:
    explicit CVsflexgridn2(QWidget* parent = nullptr);

    int Rows() const { return rowCount() + FixedRows(); }
    void SetRows(int rows);
    int Cols() const { return columnCount() + FixedCols(); }
    void SetCols(int cols);
    int FixedRows() const { return 1; }
    int FixedCols() const { return 1; }

    // Widths are in twips (15 to a pixel).
    void SetColWidth(int col, int twips);
    int ColWidth(int col) const;
    QString TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, const QString& text);
    void SetColComboList(int col, const QString& list);
    QString ColComboList(int col) const { return m_comboLists.value(col); }

    // Selects the cell range and makes its first cell current.
    void Select(int row, int col, int endRow, int endCol);
    // The selected range; the current cell when nothing else is selected; all -1 without either.
    void GetSelection(int& row, int& col, int& endRow, int& endCol) const;
    // The current column, -1 when none.
    int Col() const;
    // The first data row in view (the fixed row count when the grid has none).
    int TopRow() const;
    void SetTopRow(int row);
    void SetRedraw(bool on) { setUpdatesEnabled(on); }
    // The cell under the mouse at its last press or double click.
    int MouseRow() const { return m_mouseRow; }
    int MouseCol() const { return m_mouseCol; }
    // Where a data cell's button is drawn, in viewport coordinates; empty when it has none.
    QRect CellButtonRect(int row, int col) const;
    // The button part of a cell rectangle.
    static QRect ButtonPart(const QRect& cell);

signals:
    void KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& globalPos);
    void DblClick();
    void CellButtonClick(int row, int col);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void TrackMouse(const QPoint& viewportPos);
    bool HasButton(int col) const;

    QHash<int, QString> m_comboLists;
    int m_mouseRow = -1;
    int m_mouseCol = -1;
    QWidget* m_corner = nullptr;
};
