#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// Blocks of cell texts on the clipboard. Cells are separated by tabs and rows by line ends ("\r\n",
// or the bare "\n" that most programs write); a cell that holds a tab, a line break or a double quote
// is quoted, with its inner quotes doubled. Inside the grid a line break within a cell is "\r\n".
namespace ClipBlock {

using Block = QList<QStringList>;

// Every row ends with "\r\n".
QString FormatCopyText(const Block& block);

// Rows of equal width (short rows padded with ""); empty for an empty text. A cell is unquoted only
// when it is at least two characters long and its quotes close it; any other quote stays as typed.
// A vertical tab inside a cell is a line break too.
Block ParseClipText(const QString& text);

// One value pasted onto a larger selection is repeated to fill it; any other block is kept.
Block FillSelection(const Block& block, int rows, int columns);

// The block as the paste command takes it: cells separated by tabs, rows by form feeds, line
// breaks inside a cell as vertical tabs. Tabs and form feeds within a cell cannot be told apart
// from the separators there, so they become blanks.
QString CommandBlockText(const Block& block);

}  // namespace ClipBlock
