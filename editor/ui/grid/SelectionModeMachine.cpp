#include "SelectionModeMachine.h"

namespace {

GridRange WholeRows(int first, int last, int columns) {
    return {first, 1, last, columns - 1};
}

GridRange WholeColumns(int first, int last, int rows) {
    return {1, first, rows - 1, last};
}

}  // namespace

SelectionModeMachine::Outcome SelectionModeMachine::OnPress(const Press& p) {
    m_previous = m_mode;
    Outcome out;
    const GridRange all{1, 1, p.rows - 1, p.columns - 1};
    const bool outside = p.row < 0 || p.col < 0;
    if (outside) {
        m_mode = Outside;
    } else if (p.col == 0) {
        m_mode = Rows;
        if (!p.rightButton) out.select = p.row > 0 ? WholeRows(p.row, p.row, p.columns) : all;
        out.focusGrid = true;
    } else if (p.row == 0) {
        m_mode = Columns;
        if (!p.rightButton) out.select = WholeColumns(p.col, p.col, p.rows);
        out.focusGrid = true;
    } else if (!p.rightButton && p.selection.col1 != 0) {
        m_mode = Cells;
    }
    if (!p.rightButton) return out;

    out.showMenu = true;
    const bool inside = p.selection.Contains(p.row, p.col);
    if (!outside && p.row >= 1 && p.col >= 1 && !inside) m_mode = Cells;
    const bool unchanged = m_mode == m_previous;
    if (p.row == 0 && p.col == 0) {
        out.select = all;
    } else if (m_mode == Rows && p.row >= 1) {
        const bool within =
            unchanged && p.selection.IsValid() && p.row >= p.selection.row1 && p.row <= p.selection.row2;
        out.select = within ? WholeRows(p.selection.row1, p.selection.row2, p.columns)
                            : WholeRows(p.row, p.row, p.columns);
    } else if (m_mode == Columns && p.col >= 1) {
        const bool within =
            unchanged && p.selection.IsValid() && p.col >= p.selection.col1 && p.col <= p.selection.col2;
        out.select = within ? WholeColumns(p.selection.col1, p.selection.col2, p.rows)
                            : WholeColumns(p.col, p.col, p.rows);
    } else if (m_mode == Cells && !inside && p.row >= 1 && p.col >= 1) {
        out.select = GridRange{p.row, p.col, p.row, p.col};
    }
    return out;
}
