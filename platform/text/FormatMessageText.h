#pragma once
#include <QString>
#include <QStringList>

// The most inserts a message may be given; with more the result is empty.
inline constexpr int kMaxMessageInserts = 15;

// Expands a message text with numbered inserts in one pass:
//   "%1".."%99", optionally followed by a printf-like type such as "!s!" or "!d!": the insert's text
//     (inserts arrive already formatted, so the type only marks the end of the placeholder);
//     a number without an insert gives nothing;
//   "%0" ends the text; "%n" a line break; "%r" a carriage return; "%t" a tab;
//   "%" followed by any other character gives that character ("%%" -> "%", "%!" -> "!");
//   a "%" at the very end stays.
// Inserts are copied as they stand, never expanded again.
QString FormatMessageText(const QString& text, const QStringList& inserts);
