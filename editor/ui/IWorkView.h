#pragma once

class CPELFM_PartInfo;
class QWidget;

// What the frame and the work-view manager need of a part's view: its grid, addressed with
// row 0 and column 0 as fixed headers and -1 for none.
class IWorkView {
public:
    virtual QWidget* Widget() = 0;
    virtual void SetWorkViewPart(CPELFM_PartInfo* part) = 0;
    virtual void FillPartGrid() = 0;
    // Selects the cell of an element (0-based number) and item type and makes it current.
    virtual void SelectGridCell(int elementNumber, int itemType) = 0;
    virtual void ResetViewOption() = 0;
    virtual void SetTopRow(int row) = 0;
    virtual void SetLeftCol(int column) = 0;
    virtual int GetCol() = 0;
    virtual int GetCols() = 0;
    virtual void Select(int row, int column, int endRow, int endColumn) = 0;
    // The grid column that shows an item type in this part, -1 when none.
    virtual int ItemTypeColumn(int itemType) = 0;
    virtual void FocusGrid() = 0;
    // Ends a cell edit in progress, keeping what was typed.
    virtual void FinishCellEdit() = 0;

protected:
    ~IWorkView() = default;
};
