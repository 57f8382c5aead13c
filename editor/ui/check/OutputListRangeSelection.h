#pragma once
#include <QList>

// Mouse range selection of the output list, kept apart from the widget so the rules can be
// checked without a window. The selection is one flag per line.
class OutputListRangeSelection {
public:
    // Left button down on a line. Without Ctrl every line is deselected first; the click then
    // toggles the line. With Shift and an anchor the lines from the anchor to the line are
    // selected; otherwise the line becomes the anchor.
    void Press(int line, bool ctrl, bool shift, QList<bool>& selected);
    // Mouse moved onto a line with the button held: the lines from the anchor to it are
    // selected, the rest of the span walked since the anchor deselected.
    void Move(int line, QList<bool>& selected);
    void Reset();

    int Anchor() const { return m_anchor; }
    int Last() const { return m_last; }

private:
    int m_anchor = -1;
    int m_last = -1;
};
