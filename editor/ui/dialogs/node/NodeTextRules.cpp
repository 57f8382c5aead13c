#include "NodeTextRules.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "CCommonUtility.h"
#include "FormatMessageText.h"

namespace {

constexpr int IDS_OFFENDING_CHAR = 128;

// A character as a message names it: quoted when it can be seen, with its code point when it is
// blank or invisible.
QString ShownChar(const QString& text, qsizetype at) {
    if (at < 0 || at >= text.size()) return {};
    const bool pair = text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate();
    const QString character = text.mid(at, pair ? 2 : 1);
    const char32_t point = character.toUcs4().value(0);
    const QString code = QStringLiteral("U+%1").arg(point, 4, 16, QLatin1Char('0')).toUpper();
    if (QChar::isPrint(point) && !QChar::isSpace(point)) return QStringLiteral("\"%1\"").arg(character);
    if (QChar::isSpace(point)) return QStringLiteral("\"%1\" (%2)").arg(character, code);
    return code;
}

}  // namespace

namespace NodeTextRules {

bool HasNonAsciiChar(const QString& text) {
    for (QChar c : text)
        if (c.unicode() > 127) return true;
    return false;
}

QString InvalidTextEntry(const CCommonUtility& utility, int result, const QString& text) {
    const int reason = result == 2 ? 121 : result == 3 ? 126 : result == 4 ? 127 : 0;
    if (reason == 0) return {};
    QString entry = utility.LoadString(109) + utility.LoadString(reason) + text;
    // A reserved word is the whole text; the other rules are broken by one character. The label rules
    // only say that some character is refused: asked about each character alone, they tell which.
    qsizetype at = result == 3 ? 0 : -1;
    for (qsizetype i = 0; result == 2 && at < 0 && i < text.size(); ++i)
        if (utility.ValidateNodeName(text.mid(i, 1), nullptr) == 2) at = i;
    if (at >= 0) entry += FormatMessageText(utility.LoadString(IDS_OFFENDING_CHAR), {ShownChar(text, at)});
    return entry + "\n";
}

QString FirstNonAsciiChar(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i].unicode() > 127) return ShownChar(text, i);
    return {};
}

bool ParseElemCount(const QString& text, int& count) {
    const QByteArray bytes = text.toLatin1();
    if (bytes.isEmpty() || HasNonAsciiChar(text)) return false;
    const char* begin = bytes.constData();
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(begin, &end, 0);
    if (end == begin || *end != '\0' || errno == ERANGE) return false;
    if (value < 0 || value > INT_MAX) return false;
    count = static_cast<int>(value);
    return true;
}

QString UniqueChildName(const CCommonUtility& utility, const QString& base, const CPELFM_NodeBase* parent) {
    if (utility.ValidateNodeName(base, parent) == 0) return base;
    // A base the label rules refuse never becomes valid by a number; give up instead of looping.
    for (int n = 1; n <= 100000; ++n) {
        const QString name = base + QString::number(n);
        if (utility.ValidateNodeName(name, parent) == 0) return name;
    }
    return {};
}

}  // namespace NodeTextRules
