#pragma once
// The texts of the findings, from the format's string table.

#include <QList>
#include <QStringList>

#include "PluginRecords.h"

struct CheckFormat;
class CCheckStringTable;

// The text of a string id with the arguments as inserts %1, %2, ...; "" for a missing id or for more
// than 15 arguments.
QString FormatCheckMessage(const CCheckStringTable& strings, const QStringList& arguments, int messageId);

// Sets the text of every finding: section label, part label and location first, then its arguments.
void FormatCheckMessages(const CheckFormat& format, QList<_ST_PEL_CHECK_MESSAGE>& messages);
