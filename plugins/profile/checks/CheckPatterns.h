#pragma once
// The regular expressions of the check rules, each compiled once and always matched against the whole
// value.
//
// QRegularExpression (PCRE2) and not std::regex: libstdc++ matches recursively, one stack frame per
// character, and a long value overflows the check worker's stack; PCRE2 does not recurse on the
// machine stack. Matching is on the UTF-16 text itself, so lengths and positions stay in UTF-16 units.

#include <QHash>
#include <QRegularExpression>
#include <QString>

namespace Internal {

enum class EPattern {
    // Data-type vocabulary.
    TypeBool,
    TypeBin,
    TypeByteWordBitString,
    TypeInt,
    TypeUint,
    TypeBcd,
    TypeReal,
    TypeStringOrStringU,
    TypeString,
    TypeStringU,
    TypeStringAnyLength,
    TypeArray,
    TypeArrayWithStrings,
    TypeArrayWithoutStrings,
    TypeReadCondition,
    ArrayLengthSuffix,
    // Families whose bit or character count is out of range.
    CountByteWordBitString,
    CountBin,
    CountInt,
    CountUint,
    CountBcd,
    CountString,
    // Values of a data type.
    ValueBool,
    ValueOnOff,
    ValueByte,
    ValueWord,
    ValueDword,
    ValueDecimal,
    ValueReal,
    ValueAccuracy,
    ValueTime1,
    ValueTime2,
    ValueTime3,
    ValueTime4,
    ValueTime5,
    ValueTime6,
    // Other item values.
    MinIncPowerOfTen,
    EnumCodeHex,
    // Information parts.
    SpecVersion,
    FileVersion,
    IconFileName,
    GraphicsFileName,
    Date,
    Time,
    Count
};

// The pattern text as the rule states it.
QString PatternText(EPattern pattern);

// The compiled, anchored expression of a pattern.
const QRegularExpression& Pattern(EPattern pattern);

// 1 when the whole value matches.
bool MatchRegex(const QString& value, EPattern pattern);

// While one lives, MatchRegex on its thread keeps every verdict: a check run meets the same few texts
// again and again (data types, access words, range bounds), and a match costs far more than a lookup.
class MatchRegexMemo {
public:
    MatchRegexMemo();
    ~MatchRegexMemo();
    MatchRegexMemo(const MatchRegexMemo&) = delete;
    MatchRegexMemo& operator=(const MatchRegexMemo&) = delete;

    bool Match(const QString& value, EPattern pattern);

private:
    struct Verdicts {
        quint64 tried = 0;
        quint64 matched = 0;
    };
    QHash<QString, Verdicts> verdicts_;
    // A check asks about one text against several patterns in a row: that text's verdicts are at hand.
    QString lastText_;
    Verdicts lastVerdicts_;
    MatchRegexMemo* previous_;
};

// "[0-1]{n}": exactly n binary digits (n from 1 to 32).
bool MatchBinaryDigits(const QString& value, int digits);

}  // namespace Internal
