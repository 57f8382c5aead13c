#pragma once
#include <QList>
#include <QString>
#include <QStringList>

class QMimeData;

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

// The clipboard's data for a copied block: its text (FormatCopyText) for every program, and its cells as they
// are for a paste here, since the text cannot carry them exactly (a cell's own "\n" reads back as "\r\n").
QMimeData* CopiedData(const Block& block);
// The cells of data that CopiedData made; null for any other data.
const Block* CopiedCells(const QMimeData* data);

}  // namespace ClipBlock
