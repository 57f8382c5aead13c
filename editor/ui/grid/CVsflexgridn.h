#pragma once
#include <QPointer>
#include <QTableView>
#include <vector>

#include "GridRange.h"

class GridTableModel;
class IGridEventSink;

// The part grid: a table view over its own text model, with the roles the part view relies on.
// Grid row 0 and column 0 are the header views; the grid keeps its own current cell, so that the
// header row (0) and no cell (-1) can be current too. Events go to one sink.
class CVsflexgridn : public QTableView {
    Q_OBJECT
public:
    explicit CVsflexgridn(QWidget* parent = nullptr);
    ~CVsflexgridn() override;

    void SetEventSink(IGridEventSink* sink) { m_sink = sink; }
    GridTableModel& Model() { return *m_model; }

    // Counts include the header row and column.
    int GetRows() const;
    void SetRows(int rows);
    int GetCols() const;
    void SetCols(int columns);
    int GetRow() const { return m_row; }
    int GetCol() const { return m_col; }
    // Makes a cell current without selecting a range; 0 and -1 are allowed.
    void SetCurrentCell(int row, int col);
    void SetTopRow(int row);
    void SetLeftCol(int col);
    // The part view resets a view option before scrolling; this grid has none to reset.
    void ResetViewOption() {}
    // Off while filling: texts are written without telling the view, which refreshes once when
    // redraw is switched on again.
    void SetRedraw(bool on);
    // The cell under the mouse at the last mouse event, -1 outside.
    int MouseRow() const { return m_mouseRow; }
    int MouseCol() const { return m_mouseCol; }
    double FontSize() const;

    QString GetTextMatrix(int row, int col) const;
    // Writes a cell and reports it as changed; nothing outside the grid.
    void SetTextMatrix(int row, int col, const QString& text);
    // Sets the row count and writes every data cell at once, row by row, as a fill does: no cell is
    // reported as changed. False, changing nothing, unless there is one text per data cell.
    bool SetRowsWithTexts(int rows, std::vector<QString>&& texts);
    // The list of the cell about to be edited (see CellEditRules).
    void SetComboList(const QString& list) { m_comboList = list; }
    const QString& ComboList() const { return m_comboList; }

    // Column 0's width is the least the row numbers get: they widen it to fit the widest number.
    void SetColWidthTwips(int col, int twips);
    void SetRowHeightTwips(int row, int twips);
    // The height rows get when they are made; rows that exist keep theirs.
    void SetNewRowHeightTwips(int twips);
    int RowHeightTwips(int row) const;
    // Fits the widths of the columns to their widest texts (and header texts), over every row, each within
    // the visible area's width while the grid is resized, until its width is set otherwise.
    void AutoSize(int firstCol, int lastCol);

    // Selects the range (clamped to the data cells) and makes its first cell current.
    void Select(int row1, int col1, int row2, int col2);
    // The bounding range of the selection; invalid when nothing is selected.
    GridRange GetSelection() const;
    // Ends an edit in progress, keeping what was typed.
    void FinishEditing();
    bool IsEditing() const { return state() == QAbstractItemView::EditingState; }
    QWidget* ActiveEditor() const { return IsEditing() ? m_editor.data() : nullptr; }

    // Where a menu opened from the keyboard points at a cell: inside the part of it that can be seen, in
    // the grid's own coordinates; the visible area's corner when none of it can.
    QPoint CellMenuPoint(int row, int col) const;

    // Used by the cell delegate.
    void NoteEditor(QWidget* editor) { m_editor = editor; }
    void ClickCellButton(int row, int col);
    // Places the open editor again, after its text changed.
    void RefitEditor() { updateEditorGeometries(); }

signals:
    // The current cell moved, also to the header row or to none, which no selection change tells.
    void currentCellChanged();

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void commitData(QWidget* editor) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    int sizeHintForColumn(int column) const override;

private:
    int TwipsToPixels(int twips) const;
    // Records the cell under the mouse; returns the position in the grid's own coordinates.
    QPointF TrackMouse(QObject* source, const QPointF& position);
    void OnTextWritten(int row, int col);
    void FitRowNumbers();
    void SetCurrent(int row, int col);
    // Gives each fitted column its fitted width, or the visible area's when that is narrower.
    void FitColumnsToView();
    // Whether the focus shows only in the current cell's frame: the palette looks the same without it.
    bool FocusShowsInCurrentCellOnly() const;

    GridTableModel* m_model;
    IGridEventSink* m_sink = nullptr;
    QString m_comboList;
    int m_row = -1;
    int m_col = -1;
    int m_mouseRow = -1;
    int m_mouseCol = -1;
    int m_rowNumbersMinWidth = 0;
    bool m_redraw = true;
    bool m_committed = false;
    int m_editRow = -1;
    int m_editCol = -1;
    QPointer<QWidget> m_editor;
    std::vector<int> m_fittedWidths;  // per model column: the width AutoSize found, 0 once set otherwise
    bool m_fitting = false;
    QWidget* m_corner = nullptr;
};
