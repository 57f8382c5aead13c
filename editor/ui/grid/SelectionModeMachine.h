#pragma once
#include <optional>

#include "GridRange.h"

// The selection modes of the part grid, driven by mouse presses: 1 cells, 2 whole rows, 3 whole
// columns, 4 outside the cells. A press may select a range and, with the right button, opens the
// context menu.
class SelectionModeMachine {
public:
    enum Mode { Cells = 1, Rows = 2, Columns = 3, Outside = 4 };

    struct Press {
        bool rightButton = false;
        int row = -1;  // cell under the mouse, -1 outside
        int col = -1;
        GridRange selection;  // the grid's selection before the press
        int rows = 0;         // grid size, headers included
        int columns = 0;
    };
    struct Outcome {
        std::optional<GridRange> select;
        bool focusGrid = false;
        bool showMenu = false;
    };

    Outcome OnPress(const Press& press);
    int CurrentMode() const { return m_mode; }
    int PreviousMode() const { return m_previous; }

private:
    int m_mode = Cells;
    int m_previous = Cells;
};
