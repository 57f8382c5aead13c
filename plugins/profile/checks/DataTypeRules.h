#pragma once
// Value rules of the data types written in DATATYPE items, shared by several checks.

#include <QString>
#include <QtGlobal>

// 1 when the value is a valid value (syntax and range) of the data type.
int CheckValueAgainstDataType(const QString& value, const QString& dataType);

// 1 when the value is written in the syntax of the data type (ranges are not judged).
int MatchDataTypeSyntax(const QString& value, const QString& dataType);

// 1 when an array of the element type may have this length.
int IsArrayLengthInRange(const QString& elementType, quint64 length);
