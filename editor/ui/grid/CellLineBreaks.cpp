#include "CellLineBreaks.h"

#include <algorithm>

namespace CellLineBreaks {

namespace {

// The plain text editor makes a new line of each of these (0xfdd0 and 0xfdd1 are its frame marks).
bool BreaksLine(QChar c) {
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == QChar(0xfdd0) ||
           c == QChar(0xfdd1);
}

bool IsCrLf(QStringView text, qsizetype i) {
    return text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n';
}

}  // namespace

QString AsLineFeeds(const QString& text) {
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return c != u'\n' && BreaksLine(c); }))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (IsCrLf(text, i)) ++i;
        out.append(BreaksLine(text[i]) ? QChar(u'\n') : text[i]);
    }
    return out;
}

QString AsCrLf(QStringView text) {
    QString out;
    out.reserve(text.size() + text.count(u'\n'));
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (IsCrLf(text, i)) ++i;
        if (BreaksLine(text[i]))
            out.append(u"\r\n");
        else
            out.append(text[i]);
    }
    return out;
}

QString Restore(const QString& original, const QString& edited, qsizetype changedFrom,
                qsizetype unchangedTail) {
    const QString shown = AsLineFeeds(original);
    if (shown == edited) return original;
    const qsizetype most = std::min(shown.size(), edited.size());
    const qsizetype prefixMost = changedFrom < 0 ? most : std::min(most, changedFrom);
    qsizetype prefix = 0;
    while (prefix < prefixMost && shown[prefix] == edited[prefix]) ++prefix;
    const qsizetype suffixMost = unchangedTail < 0 ? most - prefix : std::min(most - prefix, unchangedTail);
    qsizetype suffix = 0;
    while (suffix < suffixMost && shown[shown.size() - 1 - suffix] == edited[edited.size() - 1 - suffix])
        ++suffix;
    // A "\r\n" of the value is one character of the shown text.
    qsizetype head = 0;
    for (qsizetype k = 0; k < prefix; ++k) head += IsCrLf(original, head) ? 2 : 1;
    qsizetype tail = original.size();
    for (qsizetype k = 0; k < suffix; ++k)
        tail -= tail >= 2 && original[tail - 2] == u'\r' && original[tail - 1] == u'\n' ? 2 : 1;
    return original.left(head) + AsCrLf(QStringView(edited).sliced(prefix, edited.size() - prefix - suffix)) +
           original.sliced(tail);
}

}  // namespace CellLineBreaks
