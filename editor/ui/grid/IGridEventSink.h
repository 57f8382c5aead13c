#pragma once
#include <QPointF>
#include <Qt>

// The events of the part grid, in grid coordinates (row 0 and column 0 are the headers).
class IGridEventSink {
public:
    // Before a cell editor opens, and whenever a cell becomes current (to choose its combo list).
    virtual void BeforeEdit(int row, int col, bool& cancel) = 0;
    // Right before the cell editor opens; a cancel keeps it closed.
    virtual void StartEdit(int row, int col, bool& cancel) = 0;
    // The editor closed: committed is false when the edit was abandoned (Esc).
    virtual void AfterEdit(int row, int col, bool committed) = 0;
    virtual void CellButtonClick(int row, int col) = 0;
    // A cell's text was written, by an editor or through SetTextMatrix.
    virtual void CellChanged(int row, int col) = 0;
    // Setting key to 0 keeps the key from the grid.
    virtual void KeyDown(int& key, Qt::KeyboardModifiers modifiers) = 0;
    virtual void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF position) = 0;
    virtual void MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF position) = 0;
    // The context menu asked for from the keyboard, for the current cell.
    virtual void ContextMenuKey() = 0;

protected:
    ~IGridEventSink() = default;
};
