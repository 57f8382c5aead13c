#include "DataTypeRules.h"

#include "CheckNumber.h"
#include "CheckPatterns.h"

#include <limits>

using Internal::EPattern;
using Internal::MatchRegex;

namespace {

QString WithoutTrailingParentheses(const QString& dataType) {
    return dataType.endsWith(u"()") ? dataType.chopped(2) : dataType;
}

// The count that follows a type's family name ("INT16" -> 16), -1 when none.
int TrailingCount(const QString& dataType, qsizetype prefixLength) {
    const QString digits = dataType.mid(prefixLength);
    if (digits.isEmpty()) return -1;
    for (QChar c : digits) {
        if (!c.isDigit() || c.unicode() > 0x7F) return -1;
    }
    const Internal::SignedReading r = Internal::ReadSigned(digits, 10);
    return r.overflow || r.value > 1024 ? 1024 : int(r.value);
}

// The number in "STRING(n)" or "STRING_U(n)".
qint64 StringLength(const QString& dataType) {
    const qsizetype open = dataType.indexOf(u'(');
    return Internal::ReadSigned(dataType.mid(open + 1, dataType.size() - open - 2), 10).value;
}

quint64 PowerOfTwoMinusOne(int bits) {
    // Counts of 64 and more would overflow the shift; every such count admits the whole range.
    return bits >= 64 ? std::numeric_limits<quint64>::max() : (quint64(1) << bits) - 1;
}

bool IsTimeValue(const QString& value) {
    for (EPattern p : {EPattern::ValueTime1, EPattern::ValueTime2, EPattern::ValueTime3, EPattern::ValueTime4,
                       EPattern::ValueTime5, EPattern::ValueTime6}) {
        if (MatchRegex(value, p)) return true;
    }
    return false;
}

bool RealInRange(const QString& value, bool longReal) {
    static const double realMin = Internal::ReadDouble(QStringLiteral("1.175494E-38")).value;
    static const double realMax = Internal::ReadDouble(QStringLiteral("3.402823E+38")).value;
    static const double lrealMin = Internal::ReadDouble(QStringLiteral("2.225073858507202E-308")).value;
    static const double lrealMax = Internal::ReadDouble(QStringLiteral("1.797693134862315E+308")).value;
    const Internal::DoubleReading r = Internal::ReadDouble(value);
    if (r.overflow) return false;
    const double magnitude = r.value < 0 ? -r.value : r.value;
    if (magnitude == 0.0) return true;
    return longReal ? magnitude >= lrealMin && magnitude <= lrealMax
                    : magnitude >= realMin && magnitude <= realMax;
}

enum class Rules { Full, SyntaxOnly };

int JudgeValue(const QString& value, const QString& t, Rules rules) {
    const bool full = rules == Rules::Full;
    if (MatchRegex(t, EPattern::TypeBool)) return MatchRegex(value, EPattern::ValueBool);
    if (MatchRegex(t, EPattern::TypeBin)) return Internal::MatchBinaryDigits(value, TrailingCount(t, 3));
    if (t == u"BYTE") return MatchRegex(value, EPattern::ValueByte);
    if (t == u"WORD") return MatchRegex(value, EPattern::ValueWord);
    if (t == u"DWORD") return MatchRegex(value, EPattern::ValueDword);
    if (t.startsWith(u"BIT_STRING") && TrailingCount(t, 10) >= 0) {
        if (!MatchRegex(value, EPattern::ValueWord)) return 0;
        if (!full) return 1;
        const Internal::UnsignedReading r = Internal::ReadUnsigned(value, 0);
        return r.value <= PowerOfTwoMinusOne(TrailingCount(t, 10));
    }
    if (MatchRegex(t, EPattern::TypeInt)) {
        if (!MatchRegex(value, EPattern::ValueDecimal)) return 0;
        if (!full) return 1;
        const int bits = TrailingCount(t, 3);
        const qint64 max = qint64(PowerOfTwoMinusOne(bits - 1));
        const Internal::SignedReading r = Internal::ReadSigned(value, 0);
        return !r.overflow && r.value >= -max - 1 && r.value <= max;
    }
    if (MatchRegex(t, EPattern::TypeUint)) {
        if (!MatchRegex(value, EPattern::ValueDecimal)) return 0;
        if (!full) return 1;
        if (value.startsWith(u'-')) return 0;
        const Internal::UnsignedReading r = Internal::ReadUnsigned(value, 0);
        return !r.overflow && r.value <= PowerOfTwoMinusOne(TrailingCount(t, 4));
    }
    if (MatchRegex(t, EPattern::TypeBcd)) {
        if (!MatchRegex(value, EPattern::ValueDecimal)) return 0;
        if (!full) return 1;
        quint64 max = 1;
        for (int digits = TrailingCount(t, 3) / 4; digits > 0; --digits) max *= 10;
        const Internal::UnsignedReading r = Internal::ReadUnsigned(value, 0, 32);
        return !r.overflow && r.value <= max - 1;
    }
    if (MatchRegex(t, EPattern::TypeReal)) {
        if (!MatchRegex(value, EPattern::ValueReal)) return 0;
        return full ? RealInRange(value, t == u"LREAL") : 1;
    }
    if (MatchRegex(t, EPattern::TypeStringOrStringU)) return full ? value.size() <= StringLength(t) : 1;
    if (t == u"ACCURACY") return MatchRegex(value, EPattern::ValueAccuracy);
    if (t == u"TIME") return IsTimeValue(value);
    return 1;
}

}  // namespace

int CheckValueAgainstDataType(const QString& value, const QString& dataType) {
    return JudgeValue(value, WithoutTrailingParentheses(dataType), Rules::Full);
}

int MatchDataTypeSyntax(const QString& value, const QString& dataType) {
    QString t = WithoutTrailingParentheses(dataType);
    const qsizetype bracket = t.indexOf(u'[');
    if (bracket >= 0) t.truncate(bracket);
    return JudgeValue(value, t, Rules::SyntaxOnly);
}

int IsArrayLengthInRange(const QString& elementType, quint64 length) {
    constexpr quint64 k29 = quint64(1) << 29;
    constexpr quint64 k30 = quint64(1) << 30;
    constexpr quint64 k31 = quint64(1) << 31;
    const QString t = WithoutTrailingParentheses(elementType);

    quint64 limit = 0;
    quint64 perElement = 1;
    if (MatchRegex(t, EPattern::TypeBool)) {
        limit = k31;
    } else if (MatchRegex(t, EPattern::TypeBin)) {
        limit = t == u"BIN32" ? k30 : k31;
    } else if (MatchRegex(t, EPattern::TypeByteWordBitString)) {
        limit = t == u"DWORD" ? k30 : k31;
    } else if (MatchRegex(t, EPattern::TypeInt)) {
        limit = t == u"INT32" ? k30 : k31;
    } else if (MatchRegex(t, EPattern::TypeUint)) {
        limit = t == u"UINT32" ? k30 : k31;
    } else if (MatchRegex(t, EPattern::TypeBcd) ||
               (t.startsWith(u"BCD") && TrailingCount(t, 3) >= 1 && TrailingCount(t, 3) <= 15)) {
        // Arrays admit BCD of 1 to 15 digits besides the scalar counts: they share the BCD limit.
        limit = t == u"BCD32" ? k30 : k31;
    } else if (MatchRegex(t, EPattern::TypeReal)) {
        limit = t == u"REAL" ? k30 : k29;
    } else if (MatchRegex(t, EPattern::TypeString)) {
        limit = k31;
        perElement = quint64(StringLength(t));
    } else if (MatchRegex(t, EPattern::TypeStringU)) {
        limit = k30;
        perElement = quint64(StringLength(t));
    } else if (t == u"TIME") {
        limit = k30;
    } else if (t == u"DATE" || t == u"ACCURACY") {
        limit = k31;
    } else if (t == u"IP_V4") {
        limit = k30;
    } else if (t == u"IP_V4_64") {
        limit = k29;
    } else {
        return 1;
    }
    if (length > 0xFFFFFFFFull) return 0;
    // A 32-bit length times a string length of at most 2048 cannot overflow 64 bits.
    return length * perElement <= limit;
}
