#include "FormatMessageText.h"

#include <QRegularExpression>

// Kept local so helpers of other libraries in the same binary cannot collide.
namespace Internal {
namespace {

bool IsAsciiDigit(QChar c) {
    return c.unicode() >= '0' && c.unicode() <= '9';
}

// The position after an insert's "!type!" starting at pos, or pos itself when none follows.
// Only printf-like conversions count, so a lone "!" after a placeholder stays part of the text.
qsizetype SkipInsertType(const QString& text, qsizetype pos) {
    if (pos >= text.size() || text[pos] != u'!') return pos;
    const qsizetype close = text.indexOf(u'!', pos + 1);
    if (close < 0) return pos;
    static const QRegularExpression conversion(
        QStringLiteral("^[-+ #0]*[0-9]*(\\.[0-9]*)?(hh|h|ll|l|I32|I64|I|w)?[cCdiouxXsSp]$"));
    if (!conversion.match(QStringView(text).mid(pos + 1, close - pos - 1)).hasMatch()) return pos;
    return close + 1;
}

}  // namespace
}  // namespace Internal

QString FormatMessageText(const QString& text, const QStringList& inserts) {
    if (inserts.size() > kMaxMessageInserts) return QString();

    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text[i];
        if (c != u'%' || i + 1 == n) {
            out += c;
            ++i;
            continue;
        }
        const QChar next = text[i + 1];
        if (Internal::IsAsciiDigit(next) && next != u'0') {
            qsizetype pos = i + 2;
            int number = next.unicode() - '0';
            if (pos < n && Internal::IsAsciiDigit(text[pos]))
                number = number * 10 + (text[pos++].unicode() - '0');
            pos = Internal::SkipInsertType(text, pos);
            if (number <= inserts.size()) out += inserts[number - 1];
            i = pos;
            continue;
        }
        if (next == u'0') break;
        if (next == u'n')
            out += u'\n';
        else if (next == u'r')
            out += u'\r';
        else if (next == u't')
            out += u'\t';
        else
            out += next;
        i += 2;
    }
    return out;
}
