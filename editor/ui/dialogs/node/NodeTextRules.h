#pragma once
#include <QString>

class CCommonUtility;
class CPELFM_NodeBase;

// Checks shared by the dialogs that name new nodes.
namespace NodeTextRules {

// Node names are stored in files read by tools that take ASCII only.
bool HasNonAsciiChar(const QString& text);

// One entry of the insert of the "names cannot be used" message for a label-rule result (2, 3, 4):
// the rule, the text and the character that breaks the rule; empty for any other result.
QString InvalidTextEntry(const CCommonUtility& utility, int result, const QString& text);

// The first character of the text above 127 as the messages show it; empty when there is none.
QString FirstNonAsciiChar(const QString& text);

// The number of empty elements: decimal, "0x" hexadecimal or leading-"0" octal, the whole text.
// A negative or out-of-range number is refused as well.
bool ParseElemCount(const QString& text, int& count);

// The base itself when the name is free in the parent, else base1, base2, ...; empty when none is.
QString UniqueChildName(const CCommonUtility& utility, const QString& base, const CPELFM_NodeBase* parent);

}  // namespace NodeTextRules
