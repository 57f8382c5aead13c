#pragma once
#include <QRect>
#include <QString>
#include <QStringList>

class CPELFM_ElemInfo;

// How a grid cell is edited: the grid's combo list per item kind and the cleaning of a typed text.
namespace CellEditRules {

// The combo list that opens an ellipsis button instead of a list.
inline constexpr char16_t kEllipsis[] = u"|...";
inline constexpr char16_t kAccessList[] = u"|R|W|RW|NA| |";

// DATA is a list (edited in the data dialog) only when the element's own DATATYPE item says so;
// the cell to its left may show another kind when the plug-in orders the columns differently.
bool DataCellIsList(const CPELFM_ElemInfo* elem);

// The combo list for a cell: empty for plain text, kEllipsis for the data dialog, otherwise the
// choices each preceded by "|". dataTypeList is the plug-in's list of data types.
QString ComboListFor(int itemType, const CPELFM_ElemInfo* elem, const QString& dataTypeList);

// True when starting an edit opens the data dialog instead of the cell editor.
bool OpensDataDialog(int itemType, const CPELFM_ElemInfo* elem);

// The choices of a combo list ("|a|b|" gives a and b; a final "|" ends the list).
QStringList ComboChoices(const QString& comboList);

// The choice a list opens at for a cell's value: the value itself, else the first choice that names its
// family, a "?" standing for a size ("STRING(?)" for "STRING(32)"), letter case aside; -1 for none.
int ChoiceOfValue(const QStringList& choices, const QString& value);

// A typed text as it is stored: blanks trimmed at both ends, line breaks removed from the kinds
// that keep none (the same rule as pasted text). A text no one else holds is cleaned in place.
QString CleanEditedText(int itemType, QString text);

// Where the cell editor opens: over its cell, as wide as its text wants, and within the visible area, however
// wide the cell: when the cell reaches past an edge of the area, the editor is moved inside it.
QRect EditorRect(const QRect& cell, int wantedWidth, const QRect& visible);

}  // namespace CellEditRules
