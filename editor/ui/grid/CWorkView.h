#pragma once
#include <QList>
#include <QPointF>
#include <QWidget>
#include <functional>
#include <memory>

#include "EditCommandRouting.h"
#include "GridRange.h"
#include "IGridEventSink.h"
#include "IWorkView.h"
#include "SelectionModeMachine.h"
#include "WorkViewContext.h"

class BaseCommand;
class CPELFM_ElemInfo;
class CPELFM_ItemInfo;
class CProfileAttributeToolTip;
class CVsflexgridn;
class IProfilePlugin;
class QAction;
class QMenu;

// One part of the open profile in the grid: a row per element, a column per item kind the plug-in
// lists for the part's kind. Every change reaches the model through a named command; the commands
// refresh the view again through the work-view manager.
class CWorkView : public QWidget, public IWorkView, public IRoutedPartView, private IGridEventSink {
    Q_OBJECT
public:
    // Menu commands of the view.
    enum Command {
        ID_COPY = 32780,
        ID_PASTE = 32781,
        ID_CLEAR = 32801,
        ID_CUT = 32803,
        ID_ADD_ELEMENTS = 32788,
        ID_DELETE_ELEMENTS = 32786,
        ID_FOLLOW_REFERENCE = 32789,
        ID_COPY_REFERENCES = 32798,
        ID_PASTE_REFERENCES = 32800,
    };
    // Shows the context menu at a global position and returns the chosen entry (null for none).
    using MenuRunner = std::function<QAction*(QMenu&, const QPoint&)>;

    CWorkView(const WorkViewContext& context, QWidget* parent = nullptr);
    ~CWorkView() override;

    CVsflexgridn& Grid() { return *m_grid; }
    CProfileAttributeToolTip* AttributeToolTip() const { return m_toolTip.get(); }
    void SetMenuRunner(MenuRunner runner) { m_menuRunner = std::move(runner); }
    // A cell edit or the data dialog is in progress.
    bool IsEditing() const { return m_editing; }
    int SelectionMode() const { return m_modes.CurrentMode(); }

    // IWorkView
    QWidget* Widget() override { return this; }
    void SetWorkViewPart(CPELFM_PartInfo* part) override;
    void FillPartGrid() override;
    void SelectGridCell(int elementNumber, int itemType) override;
    void ResetViewOption() override;
    void SetTopRow(int row) override;
    void SetLeftCol(int column) override;
    int GetCol() override;
    int GetCols() override;
    void Select(int row, int column, int endRow, int endColumn) override;
    int ItemTypeColumn(int itemType) override;
    void FinishCellEdit() override;
    // IPartGridView
    CPELFM_PartInfo* GridPart() override { return m_part; }
    int GridRowCount() override;
    int GridColumnCount() override;
    int ColumnItemKind(int column) override;
    void RefreshGridCells(int firstRow, int firstColumn, int lastRow, int lastColumn) override;
    void SelectGridRange(int firstRow, int firstColumn, int lastRow, int lastColumn) override;
    void FocusGrid() override;
    void MakeCellCurrent(int row, int itemKind) override;

    void ReloadPartGrid() override;
    void SetupPartGrid();

    // The view's commands and the tests behind their menu entries.
    void OnCommand(int id);
    void OnCopy();
    void OnPaste();
    void OnClear();
    void OnCut();
    void OnAddElements();
    void OnDeleteElements();
    static bool HasClipboardText();

    // IRoutedPartView: the edit menu's commands while this view is active.
    bool IsEditingCell() override;
    void CopySelectedCells() override { OnCopy(); }
    void DeleteSelectedCells() override { OnClear(); }
    bool HasCellSelection() override;
    bool AcceptsClipboardText(const QString& text) override { return !text.isEmpty(); }
    void PasteCells() override { OnPaste(); }
    bool CanSelectReference() override;
    void OnSelectReference() override;
    bool CanCopyReference() override;
    void OnCopyReference() override;
    int CanPasteReference() override;
    void OnPasteReference() override;

signals:
    // The current cell, the selection, the editing flag or the copied references changed: what the
    // edit commands offer may differ now.
    void commandStateChanged();

private:
    // IGridEventSink
    void BeforeEdit(int row, int col, bool& cancel) override;
    void StartEdit(int row, int col, bool& cancel) override;
    void AfterEdit(int row, int col, bool committed) override;
    void CellButtonClick(int row, int col) override;
    void CellChanged(int row, int col) override;
    void KeyDown(int& key, Qt::KeyboardModifiers modifiers) override;
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF position) override;
    void MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF position) override;
    void ContextMenuKey() override;
    // A press of a mouse button on a cell (-1 outside), position in the grid's coordinates: the selection
    // modes, and the context menu for the right button.
    void Press(bool rightButton, Qt::KeyboardModifiers modifiers, int row, int col, QPoint position);

    IProfilePlugin* ProfilePlugin() const;
    // The element of a grid row and the item kind of a grid column; null and 0 outside.
    CPELFM_ElemInfo* ElemOfRow(int row) const;
    int KindOfColumn(int col) const;
    CPELFM_ItemInfo* ItemOfCell(int row, int col) const;
    void ShowCell(int row, int col);
    void FitRowHeight(int row);
    // Makes the data cell nearest to (row, col) current and alone selected; nothing without data cells.
    void SelectCellWithin(int row, int col);
    // The selection on data cells only; invalid when it holds none.
    GridRange CellSelection() const;
    void OpenDataDialog(int row, int col);
    void ShowElemMissing();
    void SetEditing(bool editing);
    bool ExecuteCommand(BaseCommand* command);
    void ShowContextMenu(const QPoint& globalPosition);
    // While a cell is being edited the clipboard commands act on the editor's text: true then.
    bool ForwardToEditor(const char* slot);

    WorkViewContext m_context;
    CVsflexgridn* m_grid;
    std::unique_ptr<CProfileAttributeToolTip> m_toolTip;
    CPELFM_PartInfo* m_part = nullptr;
    QList<int> m_kinds;
    int m_lineTwips = 0;  // the height of one line of a row
    QString m_editStartText;
    SelectionModeMachine m_modes;
    bool m_editing = false;
    QPointF m_lastMouse{-1, -1};
    MenuRunner m_menuRunner;
};
