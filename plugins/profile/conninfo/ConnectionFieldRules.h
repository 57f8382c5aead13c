#pragma once
// Rules shared by the connection detail dialogs: character tests, input filters and the checks of
// stored values. They count UTF-16 code units, as the field limits do.
#include <QString>

class ConnectionComboBoxMap;
class IStringSource;

namespace ConnInfo {

// ---- Character tests -------------------------------------------------------------------------
bool HasControlChar(const QString& text);    // some character below 32 or 127
bool IsAllDigits(const QString& text);       // 0-9 only; empty passes
bool IsAllHexDigits(const QString& text);    // 0-9 and upper-case A-F only; empty passes
bool IsPrintableAscii(const QString& text);  // 32 to 126 only
// The C library's decimal (hexadecimal) conversion of the text, taken as unsigned, is below 0x10000.
// Text that is empty or not a number converts to 0 and passes.
bool IsUInt16Decimal(const QString& text);
bool IsUInt16Hex(const QString& text);

// The C library's decimal conversion: leading blanks, a sign, digits up to the first other character;
// out-of-range values stop at the int limits.
int ToDecimalInt(const QString& text);

// ---- Filters: change the text in place and return how many characters they removed ----------
int RemoveControlChars(QString& text);
int RemoveNonDigits(QString& text);
int RemoveNonHexDigits(QString& text);  // upper-cases first
// Keeps printable text, "\r\n" pairs and line feeds after text; drops every other control character.
int FilterComment(QString& text);

// ---- Checks of stored values: true when valid, else the value is replaced and line set ------
bool CheckDecimalField(QString& value, const IStringSource& strings, int lineId, QString& line);
bool CheckHexField(QString& value, const IStringSource& strings, QString& line);
bool CheckComboValue(QString& value, const ConnectionComboBoxMap& map, const IStringSource& strings,
                     int lineId, QString& line);
// Valid when not longer than the limit and free of control characters; else emptied.
bool CheckTextField(QString& value, int maxLength, const IStringSource& strings, int lineId, QString& line);

}  // namespace ConnInfo
