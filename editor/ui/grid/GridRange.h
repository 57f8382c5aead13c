#pragma once
#include <algorithm>

// A rectangle of grid cells in grid coordinates (row 0 and column 0 are the headers).
struct GridRange {
    int row1 = -1;
    int col1 = -1;
    int row2 = -1;
    int col2 = -1;

    bool IsValid() const { return row1 >= 0 && col1 >= 0 && row2 >= row1 && col2 >= col1; }
    bool Contains(int row, int col) const {
        return IsValid() && row >= row1 && row <= row2 && col >= col1 && col <= col2;
    }
    int Rows() const { return IsValid() ? row2 - row1 + 1 : 0; }
    int Columns() const { return IsValid() ? col2 - col1 + 1 : 0; }
    // The part of the range that lies on data cells of a grid of rows x columns (headers included);
    // invalid when nothing is left.
    GridRange ClampedToCells(int rows, int columns) const {
        if (!IsValid()) return {};
        GridRange r{std::max(row1, 1), std::max(col1, 1), std::min(row2, rows - 1),
                    std::min(col2, columns - 1)};
        return r.IsValid() ? r : GridRange{};
    }
    bool operator==(const GridRange&) const = default;
};
