#include "DataTypeRules.h"

#include "CheckNumber.h"
#include "CheckPatterns.h"

#include <QHash>
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

// The rule family of a data-type text and its bit or character count; the first family that matches.
enum class Family {
    None,
    Bool,
    Bin,
    Byte,
    Word,
    Dword,
    BitString,
    Int,
    Uint,
    Bcd,
    Real,
    LReal,
    String,
    Accuracy,
    Time
};

struct TypeRule {
    Family family = Family::None;
    int count = 0;
};

TypeRule ClassifyType(const QString& t) {
    if (MatchRegex(t, EPattern::TypeBool)) return {Family::Bool};
    if (MatchRegex(t, EPattern::TypeBin)) return {Family::Bin, TrailingCount(t, 3)};
    if (t == u"BYTE") return {Family::Byte};
    if (t == u"WORD") return {Family::Word};
    if (t == u"DWORD") return {Family::Dword};
    if (t.startsWith(u"BIT_STRING") && TrailingCount(t, 10) >= 0)
        return {Family::BitString, TrailingCount(t, 10)};
    if (MatchRegex(t, EPattern::TypeInt)) return {Family::Int, TrailingCount(t, 3)};
    if (MatchRegex(t, EPattern::TypeUint)) return {Family::Uint, TrailingCount(t, 4)};
    if (MatchRegex(t, EPattern::TypeBcd)) return {Family::Bcd, TrailingCount(t, 3)};
    if (t == u"REAL") return {Family::Real};
    if (t == u"LREAL") return {Family::LReal};
    if (MatchRegex(t, EPattern::TypeStringOrStringU)) return {Family::String, int(StringLength(t))};
    if (t == u"ACCURACY") return {Family::Accuracy};
    if (t == u"TIME") return {Family::Time};
    return {};
}

// A profile uses few distinct type texts but judges many values against them.
const TypeRule& CachedTypeRule(const QString& t) {
    thread_local QHash<QString, TypeRule> cache;
    auto it = cache.constFind(t);
    if (it != cache.constEnd()) return *it;
    if (cache.size() > 4096) cache.clear();
    return *cache.insert(t, ClassifyType(t));
}

int JudgeValue(const QString& value, const QString& t, Rules rules) {
    const bool full = rules == Rules::Full;
    const TypeRule rule = CachedTypeRule(t);
    switch (rule.family) {
        case Family::Bool:
            return MatchRegex(value, EPattern::ValueBool);
        case Family::Bin:
            return Internal::MatchBinaryDigits(value, rule.count);
        case Family::Byte:
            return MatchRegex(value, EPattern::ValueByte);
        case Family::Word:
            return MatchRegex(value, EPattern::ValueWord);
        case Family::Dword:
            return MatchRegex(value, EPattern::ValueDword);
        case Family::BitString:
            if (!MatchRegex(value, EPattern::ValueWord)) return 0;
            return !full || Internal::ReadUnsigned(value, 0).value <= PowerOfTwoMinusOne(rule.count);
        case Family::Int: {
            if (!MatchRegex(value, EPattern::ValueDecimal)) return 0;
            if (!full) return 1;
            const qint64 max = qint64(PowerOfTwoMinusOne(rule.count - 1));
            const Internal::SignedReading r = Internal::ReadSigned(value, 0);
            return !r.overflow && r.value >= -max - 1 && r.value <= max;
        }
        case Family::Uint: {
            if (!MatchRegex(value, EPattern::ValueDecimal)) return 0;
            if (!full) return 1;
            if (value.startsWith(u'-')) return 0;
            const Internal::UnsignedReading r = Internal::ReadUnsigned(value, 0);
            return !r.overflow && r.value <= PowerOfTwoMinusOne(rule.count);
        }
        case Family::Bcd: {
            if (!MatchRegex(value, EPattern::ValueDecimal)) return 0;
            if (!full) return 1;
            quint64 max = 1;
            for (int digits = rule.count / 4; digits > 0; --digits) max *= 10;
            const Internal::UnsignedReading r = Internal::ReadUnsigned(value, 0, 32);
            return !r.overflow && r.value <= max - 1;
        }
        case Family::Real:
        case Family::LReal:
            if (!MatchRegex(value, EPattern::ValueReal)) return 0;
            return full ? RealInRange(value, rule.family == Family::LReal) : 1;
        case Family::String:
            return full ? value.size() <= rule.count : 1;
        case Family::Accuracy:
            return MatchRegex(value, EPattern::ValueAccuracy);
        case Family::Time:
            return IsTimeValue(value);
        case Family::None:
            break;
    }
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
