#pragma once

class CPELFM_PartInfo;

// What the edit commands ask of one part's grid view. Row 0 and column 0 are headers;
// row r shows element r - 1, column c the item kind ColumnItemKind(c).
class IPartGridView {
public:
    virtual ~IPartGridView() = default;

    virtual CPELFM_PartInfo* GridPart() = 0;
    // Counts include the header row and column.
    virtual int GridRowCount() = 0;
    virtual int GridColumnCount() = 0;
    virtual int ColumnItemKind(int column) = 0;
    // Shows the cells of the range again from the model and fits their rows' heights.
    virtual void RefreshGridCells(int firstRow, int firstColumn, int lastRow, int lastColumn) = 0;
    virtual void SelectGridRange(int firstRow, int firstColumn, int lastRow, int lastColumn) = 0;
    virtual void FocusGrid() = 0;
    // Makes the cell of the row (kept within the rows there are) and of the item kind's column (0: the
    // current column) current and alone selected, so the keys go on from the row a change acted on.
    virtual void MakeCellCurrent(int row, int itemKind) = 0;
};
