#pragma once
#include <QList>
#include <QString>
#include <QStringList>

class CPELFM_ElemInfo;
class CPELFM_PartInfo;

namespace Internal {

// The texts of a rows x columns block: rows are separated by form feeds, cells by tabs, and a
// vertical tab is a line break inside a cell. Rows are split first, so a short row never takes
// the next row's text; missing rows and cells are "".
QList<QStringList> SplitCellBlock(const QString& blockText, int rows, int columns);

// A copied reference made relative to the cell it is pasted into: a leading section name, then
// part name, then element label are dropped while each matches the target (ignoring case) and
// is followed by a further segment. A leading "ENUM " is kept.
QString ShortenReferenceForCell(const QString& text, const CPELFM_PartInfo& part,
                                const CPELFM_ElemInfo* elem);

}  // namespace Internal
