#pragma once
#include <QList>
#include <QString>

#include "ProfileInnerConst.h"

class CPELFM_ElemInfo;

// The one conversion from a grid cell's text to an item's values, shared by typed and pasted
// cells so the two cannot drift apart. It is the inverse of the cell display: a list of several
// values is shown joined by ",\r\n", an enumeration reference as "ENUM " and its value.

// True for the kinds whose cells keep their line breaks: free texts and the kinds that list values.
// Typed, pasted and dialog-made texts are all cleaned by this one rule.
bool CellKeepsLineBreaks(int itemType);

// True when the element's DATATYPE names a list type (its first value ends with "()"): only then is
// its DATA a list of values.
bool ElemDataTypeIsList(const CPELFM_ElemInfo& elem);

// True for the item kinds whose values may be enumeration references.
bool EnumPrefixAllowed(int itemType);

// One value: "enum " (any case) followed by a name makes an enumRefItem holding the name without
// leading white space, when allowed; anything else an item holding the whole text.
ProfileInnerConst::_ST_PELFM_DATAINFO ValueFromText(const QString& text, bool enumPrefixAllowed);

// The values of a cell of the item kind in the element; empty for an empty cell (no item).
// LABEL is not an item: callers store its text as the element's label.
QList<ProfileInnerConst::_ST_PELFM_DATAINFO> CellTextToValues(int itemType, const CPELFM_ElemInfo& elem,
                                                              const QString& text);
