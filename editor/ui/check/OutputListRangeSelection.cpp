#include "OutputListRangeSelection.h"

#include <algorithm>

namespace {

bool IsLine(int line, const QList<bool>& selected) {
    return line >= 0 && line < selected.size();
}

}  // namespace

void OutputListRangeSelection::Press(int line, bool ctrl, bool shift, QList<bool>& selected) {
    if (!IsLine(line, selected)) return;
    m_last = line;
    if (!ctrl) std::fill(selected.begin(), selected.end(), false);
    selected[line] = !selected[line];
    if (shift && IsLine(m_anchor, selected)) {
        const auto [first, last] = std::minmax(m_anchor, line);
        for (int i = first; i <= last; ++i) selected[i] = true;
    } else {
        m_anchor = line;
    }
}

void OutputListRangeSelection::Move(int line, QList<bool>& selected) {
    if (!IsLine(line, selected) || !IsLine(m_anchor, selected) || line == m_last) return;
    const int previous = IsLine(m_last, selected) ? m_last : m_anchor;
    const int spanFirst = std::min({m_anchor, previous, line});
    const int spanLast = std::max({m_anchor, previous, line});
    const auto [first, last] = std::minmax(m_anchor, line);
    for (int i = spanFirst; i <= spanLast; ++i) selected[i] = i >= first && i <= last;
    m_last = line;
}

void OutputListRangeSelection::Reset() {
    m_anchor = -1;
    m_last = -1;
}
