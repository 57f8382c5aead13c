#pragma once
#include <QString>

// The line breaks of a cell's text through an edit. A value keeps the line breaks it came with ("\r\n", or a
// bare "\n" or "\r", as a file gives them); a line break typed or pasted into a cell is "\r\n".
namespace CellLineBreaks {

// The text as the plain cell editor holds it: every line break (and every character the editor takes for
// one) as "\n". The text itself, not a copy, when it has none to change.
QString AsLineFeeds(const QString& text);

// Every line break of a typed or pasted text as "\r\n".
QString AsCrLf(QStringView text);

// What the plain cell editor's text (line breaks as "\n") stores for a value: the start and the end it has in
// common with the value keep the value's own bytes; the line breaks of the rest are typed ones. The value
// itself when nothing was changed. The edits, where the editor tells them, lie from changedFrom up to the
// last unchangedTail characters of the edited text: what they typed is never taken for the value's own.
QString Restore(const QString& original, const QString& edited, qsizetype changedFrom = -1,
                qsizetype unchangedTail = -1);

}  // namespace CellLineBreaks
