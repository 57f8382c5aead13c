#include "CheckPatterns.h"

#include <array>

namespace Internal {
namespace {

#define PEL_STRING_LENGTH R"(([1-9][0-9]{0,2}|1[0-9]{3}|20[0-3][0-9]|204[0-8]))"
#define PEL_ARRAY_NUMERIC                                                                            \
    R"(BOOL|BIN(8|16|32|([1-9]|1[0-5]))|BCD(8|16|32|([1-9]|1[0-5]))|INT(8|16|32|([2-9]|1[0-5])))"    \
    R"(|UINT(8|16|32|([2-9]|1[0-5]))|BYTE|WORD|DWORD|BIT_STRING([2-9]|1[0-5])|REAL|LREAL|TIME|DATE)" \
    R"(|ACCURACY|IP_V4|IP_V4_64)"
#define PEL_ARRAY_LENGTH R"(\[[1-9]\d{0,}\])"

struct PatternDef {
    EPattern id;
    const char* text;
};

constexpr PatternDef kPatterns[] = {
    {EPattern::TypeBool, "BOOL"},
    {EPattern::TypeBin, "BIN(8|16|32|([1-9]|1[0-5]))"},
    {EPattern::TypeByteWordBitString, "BYTE|WORD|DWORD|BIT_STRING([2-9]|1[0-5])"},
    {EPattern::TypeInt, "INT(8|16|32|([2-9]|1[0-5]))"},
    {EPattern::TypeUint, "UINT(8|16|32|([2-9]|1[0-5]))"},
    {EPattern::TypeBcd, "BCD(8|16|32|4|12)"},
    {EPattern::TypeReal, "REAL|LREAL"},
    {EPattern::TypeStringOrStringU, R"(^(STRING|STRING_U)\()" PEL_STRING_LENGTH R"(\)$)"},
    {EPattern::TypeString, R"(^STRING\()" PEL_STRING_LENGTH R"(\)$)"},
    {EPattern::TypeStringU, R"(^STRING_U\()" PEL_STRING_LENGTH R"(\)$)"},
    {EPattern::TypeStringAnyLength, R"(STRING\([1-9][0-9]{0,}\))"},
    {EPattern::TypeArray,
     "^(" PEL_ARRAY_NUMERIC R"(|STRING\()" PEL_STRING_LENGTH R"(\)))" PEL_ARRAY_LENGTH "$"},
    {EPattern::TypeArrayWithStrings,
     "^(" PEL_ARRAY_NUMERIC R"(|(STRING|STRING_U)\()" PEL_STRING_LENGTH R"(\)))" PEL_ARRAY_LENGTH "$"},
    {EPattern::TypeArrayWithoutStrings, "^(" PEL_ARRAY_NUMERIC ")" PEL_ARRAY_LENGTH "$"},
    {EPattern::TypeReadCondition,
     R"(^(INT(8|16|32|([2-9]|1[0-5]))|UINT(8|16|32|([2-9]|1[0-5]))|BCD(8|16|32|([1-9]|1[0-5]))|BYTE|WORD)"
     R"(|BOOL|DWORD|BIT_STRING([2-9]|1[0-5])|REAL|LREAL|STRING\([1-9][0-9]{0,}\))$)"},
    {EPattern::ArrayLengthSuffix, PEL_ARRAY_LENGTH},
    {EPattern::CountByteWordBitString, "BYTE|WORD|DWORD|BIT_STRING([0-9]{1,})"},
    {EPattern::CountBin, "BIN([0-9]{1,})"},
    {EPattern::CountInt, "INT([0-9]{1,})"},
    {EPattern::CountUint, "UINT([0-9]{1,})"},
    {EPattern::CountBcd, "BCD([0-9]{1,})"},
    {EPattern::CountString, R"((STRING|STRING_U)\([1-9][0-9]{0,}\))"},
    {EPattern::ValueBool, "0|1"},
    {EPattern::ValueOnOff, "ON|OFF"},
    {EPattern::ValueByte, "0x[0-9a-fA-F]{1}|0x[0-9a-fA-F]{2}"},
    {EPattern::ValueWord, "0x[0-9a-fA-F]{1}|0x[0-9a-fA-F]{2}|0x[0-9a-fA-F]{3}|0x[0-9a-fA-F]{4}"},
    {EPattern::ValueDword,
     "0x[0-9a-fA-F]{1}|0x[0-9a-fA-F]{2}|0x[0-9a-fA-F]{3}|0x[0-9a-fA-F]{4}|0x[0-9a-fA-F]{5}|0x[0-9a-fA-F]{6}"
     "|0x[0-9a-fA-F]{7}|0x[0-9a-fA-F]{8}"},
    {EPattern::ValueDecimal, "^-?([1-9][0-9]*)|0$"},
    {EPattern::ValueReal,
     R"(^-?(([0-9]+\.[0-9]*[1-9][0-9]*)|([0-9]*[1-9][0-9]*\.[0-9]+)|([0-9]*[1-9][0-9]*)|(0\.0))$)"},
    {EPattern::ValueAccuracy, "0x[1-2][0-9a-fA-F]{3}"},
    {EPattern::ValueTime1,
     R"(^((T#)(-?)([0-9]|[1][0-9]|[2][0-3])(d)([0-9]|1[0-9]|2[0-3])(h)([0-9]|[1234][0-9]|5[0-9])(m))"
     R"(([0-9]|[1234][0-9]|5[0-9])(s)(?=.*[0-9])(([1-9][0-9])?[0-9]?)(ms))$)"},
    {EPattern::ValueTime2,
     R"(^((T#)(-?)24d([0-9]|[1][0-9])h([0-9]|[1234][0-9]|5[0-9])(m)([0-9]|[1234][0-9]|5[0-9])(s))"
     R"((?=.*[0-9])(([1-9][0-9])?[0-9]?)(ms))$)"},
    {EPattern::ValueTime3,
     R"(^((T#)(-?)24d20h([0-9]|[12][0-9]|30)(m)([0-9]|[1234][0-9]|5[0-9])(s)(?=.*[0-9])(([1-9][0-9])?[0-9]?)(ms))$)"},
    {EPattern::ValueTime4,
     R"(^((T#)(-?)24d20h31m([0-9]|[1][0-9]|2[0-2])(s)(?=.*[0-9])(([1-9][0-9])?[0-9]?)(ms))$)"},
    {EPattern::ValueTime5, R"(^((T#)(-?)24d20h31m23s(([0-5][0-9]|6[0-3])?[0-9]?|[1-9][0-9])(ms))$)"},
    {EPattern::ValueTime6, R"(^((T#)-24d20h31m23s64[0-8]?(ms)|(T#)24d20h31m23s64[0-7]?(ms))$)"},
    {EPattern::MinIncPowerOfTen, R"(10*|0\.0*1)"},
    {EPattern::EnumCodeHex, "(0x[0-9a-fA-F]{1,4})|(0x[0-9a-fA-F]{8})"},
    {EPattern::SpecVersion,
     R"(^((([1-9][0-9]{0,9})|0)(\.(([1-9][0-9]{0,9})|0))?(\.(([1-9][0-9]{0,9})|0))?)$)"},
    {EPattern::FileVersion, R"(^((([1-9][0-9]{0,9})|0)(\.(([1-9][0-9]{0,9})|0))?)$)"},
    {EPattern::IconFileName, R"(.+\.(i|I)(c|C)(o|O)$)"},
    {EPattern::GraphicsFileName,
     R"(.+\.(((p|P)(n|N)(g|G))|((b|B)(m|M)(p|P))|((j|J)(p|P)(g|G))|((g|G)(i|I)(f|F)))$)"},
    {EPattern::Date,
     R"(^(([0-9]{3}[1-9]|[0-9]{2}[1-9][0-9]{1}|[0-9]{1}[1-9][0-9]{2}|[1-9][0-9]{3})/(((0[13578]|1[02]))"
     R"(/(0[1-9]|[12][0-9]|3[01]))|((0[469]|11)/(0[1-9]|[12][0-9]|30))|(02/(0[1-9]|[1][0-9]|2[0-8]))))|)"
     R"(((([0-9]{2})(0[48]|[2468][048]|[13579][26])|((0[48]|[2468][048]|[13579][26])00))/02/29)$)"},
    {EPattern::Time, R"(^(0\d{1}|1\d{1}|2[0-3]):[0-5]\d{1}:([0-5]\d{1})$)"},
};
static_assert(std::size(kPatterns) == size_t(EPattern::Count), "one text per pattern");

QRegularExpression Compile(const QString& text) {
    QRegularExpression re(QRegularExpression::anchoredPattern(text));
    re.optimize();
    return re;
}

struct CompiledPatterns {
    std::array<QRegularExpression, size_t(EPattern::Count)> all;
    std::array<QRegularExpression, 33> binary;  // index: the digit count
    CompiledPatterns() {
        for (const PatternDef& def : kPatterns) all[size_t(def.id)] = Compile(QString::fromUtf8(def.text));
        for (int n = 1; n < int(binary.size()); ++n) binary[n] = Compile(QStringLiteral("[0-1]{%1}").arg(n));
    }
};

const CompiledPatterns& Compiled() {
    static const CompiledPatterns patterns;
    return patterns;
}

static_assert(size_t(EPattern::Count) <= 64, "one bit per pattern");
// Texts kept at most; a run over unique texts starts afresh rather than growing without bound.
constexpr qsizetype kMemoTexts = 8192;
// A plain pointer: nothing to destroy when a plug-in is unloaded.
thread_local MatchRegexMemo* currentMemo = nullptr;

}  // namespace

QString PatternText(EPattern pattern) {
    for (const PatternDef& def : kPatterns) {
        if (def.id == pattern) return QString::fromUtf8(def.text);
    }
    return {};
}

const QRegularExpression& Pattern(EPattern pattern) {
    return Compiled().all[size_t(pattern)];
}

bool MatchRegex(const QString& value, EPattern pattern) {
    if (currentMemo) return currentMemo->Match(value, pattern);
    return Pattern(pattern).match(value).hasMatch();
}

MatchRegexMemo::MatchRegexMemo() : previous_(currentMemo) {
    currentMemo = this;
}

MatchRegexMemo::~MatchRegexMemo() {
    currentMemo = previous_;
}

bool MatchRegexMemo::Match(const QString& value, EPattern pattern) {
    const quint64 bit = quint64(1) << unsigned(pattern);
    // The same shared text is the same text; the last one is held, so its data cannot go away.
    const bool last = value.isSharedWith(lastText_) && value.size() == lastText_.size() && !value.isNull();
    if (last && (lastVerdicts_.tried & bit)) return lastVerdicts_.matched & bit;
    auto it = verdicts_.find(value);
    if (it == verdicts_.end()) {
        if (verdicts_.size() >= kMemoTexts) verdicts_.clear();
        it = verdicts_.insert(value, Verdicts{});
    }
    if (!(it->tried & bit)) {
        it->tried |= bit;
        if (Pattern(pattern).match(value).hasMatch()) it->matched |= bit;
    }
    lastText_ = value;
    lastVerdicts_ = *it;
    return it->matched & bit;
}

bool MatchBinaryDigits(const QString& value, int digits) {
    if (digits < 1 || digits >= 33) return false;
    return Compiled().binary[digits].match(value).hasMatch();
}

}  // namespace Internal
