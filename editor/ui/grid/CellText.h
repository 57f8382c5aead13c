#pragma once
#include <QList>
#include <QString>

class CPELFM_ElemInfo;

// What a grid cell shows of an element, and how tall its row is.
namespace CellText {

// The separator between the values of a list cell.
inline constexpr char16_t kListSeparator[] = u",\r\n";

// LABEL shows the element's label; other kinds the element's own item of that kind (references
// are not followed): an enumeration reference as "ENUM " and its value, a list of several values
// as its entries joined by ",\r\n", anything else as its first value.
QString CellTextOfItem(CPELFM_ElemInfo& elem, int itemType);
// The texts of a whole row at once, one per item kind: out[c] is CellTextOfItem(elem, kinds[c]).
void CellTextsOfRow(CPELFM_ElemInfo& elem, const QList<int>& kinds, QString* out);

// What a cell shows, measures or puts in a tooltip is bounded by what a screen can show, never by the
// value behind it (one cell may hold megabytes): at most kShownChars characters of the text, in lines of
// at most kShownLineChars characters. Values within both bounds are shown whole.
inline constexpr qsizetype kShownChars = 16384;
inline constexpr qsizetype kShownLineChars = 4096;

// The text as a cell shows it: "\r\n" as a line feed, a line longer than kShownLineChars cut, and the text
// cut after kShownChars characters; each cut ends with an ellipsis. cut tells whether anything was left out.
QString ShownText(const QString& text, bool* cut = nullptr);
// Whether ShownText leaves something out, without making it.
bool ShowsCut(const QString& text);

// What a cell of that size can show of a text as it is drawn (lines end at a line feed or a line or
// paragraph separator): its first `lines` lines, each cut after `lineChars` characters with an ellipsis,
// and the first character of the next one: a style elides the last line it shows when another follows. A
// text within the bounds comes back as it is.
QString FittedText(const QString& text, qsizetype lines, qsizetype lineChars);

// Lines of a cell: one more than its list separators, counted in the part of the text that is shown.
int CellLineCount(const QString& text);

// A row's height in twips: 22 twips per point of the font for each line; 0 when the font gives
// none, so the grid keeps the height it has.
int RowHeightTwips(double fontPoints, int lines);

}  // namespace CellText
