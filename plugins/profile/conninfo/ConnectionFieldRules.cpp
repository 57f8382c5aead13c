#include "ConnectionFieldRules.h"

#include <climits>

#include "ConnectionComboBoxMap.h"
#include "IStringSource.h"

namespace ConnInfo {
namespace {

constexpr int kProcessorLine = 41042;

bool IsControl(char16_t c) {
    return c < 32 || c == 127;
}
bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}
bool IsUpperHex(char16_t c) {
    return IsDigit(c) || (c >= u'A' && c <= u'F');
}
bool IsBlank(char16_t c) {
    return c == u' ' || (c >= 9 && c <= 13);
}

int HexValue(char16_t c) {
    if (IsDigit(c)) return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

template <class Keep>
int RemoveUnless(QString& text, Keep keep) {
    const qsizetype before = text.size();
    QString out;
    out.reserve(before);
    for (QChar c : text) {
        if (keep(c.unicode())) out.append(c);
    }
    text = out;
    return static_cast<int>(before - text.size());
}

// Like strtoul with base 16 on a 32-bit unsigned long: blanks, sign, optional "0x", saturating.
quint32 ToHexUnsigned(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && IsBlank(text[i].unicode())) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    if (i + 2 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X') &&
        HexValue(text[i + 2].unicode()) >= 0)
        i += 2;
    quint64 value = 0;
    for (; i < text.size(); ++i) {
        const int digit = HexValue(text[i].unicode());
        if (digit < 0) break;
        value = value * 16 + static_cast<quint64>(digit);
        if (value > 0xFFFFFFFFull) return 0xFFFFFFFFu;
    }
    const auto result = static_cast<quint32>(value);
    return negative ? static_cast<quint32>(0u - result) : result;
}

}  // namespace

bool HasControlChar(const QString& text) {
    for (QChar c : text) {
        if (IsControl(c.unicode())) return true;
    }
    return false;
}

bool IsAllDigits(const QString& text) {
    for (QChar c : text) {
        if (!IsDigit(c.unicode())) return false;
    }
    return true;
}

bool IsAllHexDigits(const QString& text) {
    for (QChar c : text) {
        if (!IsUpperHex(c.unicode())) return false;
    }
    return true;
}

bool IsPrintableAscii(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 32 || c.unicode() > 126) return false;
    }
    return true;
}

int ToDecimalInt(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && IsBlank(text[i].unicode())) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    long long value = 0;
    for (; i < text.size() && IsDigit(text[i].unicode()); ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > static_cast<long long>(INT_MAX) + 1) break;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

bool IsUInt16Decimal(const QString& text) {
    return static_cast<unsigned>(ToDecimalInt(text)) < 0x10000u;
}

bool IsUInt16Hex(const QString& text) {
    return ToHexUnsigned(text) < 0x10000u;
}

int RemoveControlChars(QString& text) {
    return RemoveUnless(text, [](char16_t c) { return !IsControl(c); });
}

int RemoveNonDigits(QString& text) {
    return RemoveUnless(text, IsDigit);
}

int RemoveNonHexDigits(QString& text) {
    text = text.toUpper();
    return RemoveUnless(text, IsUpperHex);
}

int FilterComment(QString& text) {
    const qsizetype before = text.size();
    qsizetype i = text.size() - 1;
    while (i >= 0) {
        const char16_t c = text[i].unicode();
        if (!IsControl(c)) {
            --i;
        } else if (c == u'\n') {
            if (i == 0) break;
            const char16_t previous = text[i - 1].unicode();
            if (previous != u'\r' && IsControl(previous)) text.remove(i - 1, 1);
            i -= 2;
        } else {
            text.remove(i, 1);
            --i;
        }
    }
    return static_cast<int>(before - text.size());
}

bool CheckDecimalField(QString& value, const IStringSource& strings, int lineId, QString& line) {
    if (value.size() < 6 && IsAllDigits(value) && IsUInt16Decimal(value)) return true;
    value.clear();
    line = strings.LoadString(lineId);
    return false;
}

bool CheckHexField(QString& value, const IStringSource& strings, QString& line) {
    if (value.size() < 5 && IsAllHexDigits(value) && IsUInt16Hex(value)) return true;
    value.clear();
    line = strings.LoadString(kProcessorLine);
    return false;
}

bool CheckComboValue(QString& value, const ConnectionComboBoxMap& map, const IStringSource& strings,
                     int lineId, QString& line) {
    if (map.IndexOf(value) >= 0) return true;
    value = map.StoredValue(0);
    line = strings.LoadString(lineId);
    return false;
}

bool CheckTextField(QString& value, int maxLength, const IStringSource& strings, int lineId, QString& line) {
    if (value.size() <= maxLength && !HasControlChar(value)) return true;
    value.clear();
    line = strings.LoadString(lineId);
    return false;
}

}  // namespace ConnInfo
