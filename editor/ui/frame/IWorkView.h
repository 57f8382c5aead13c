#pragma once
#include "IPartGridView.h"

class CPELFM_PartInfo;
class QWidget;

// A part's view as the frame and the work-view manager use it, beyond what the edit commands
// ask of its grid: row 0 and column 0 are fixed headers, -1 is none.
class IWorkView : public IPartGridView {
public:
    virtual QWidget* Widget() = 0;
    virtual void SetWorkViewPart(CPELFM_PartInfo* part) = 0;
    virtual void FillPartGrid() = 0;
    // Fills the grid again and makes the first cell current.
    virtual void ReloadPartGrid() = 0;
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
    // Ends a cell edit in progress, keeping what was typed.
    virtual void FinishCellEdit() = 0;
};
