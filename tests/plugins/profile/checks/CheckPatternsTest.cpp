#include "CheckPatterns.h"

#include <gtest/gtest.h>

using namespace Internal;

namespace {

TEST(CheckPatterns, EveryPatternIsValid) {
    for (int i = 0; i < int(EPattern::Count); ++i) {
        const EPattern p = EPattern(i);
        EXPECT_FALSE(PatternText(p).isEmpty()) << i;
        EXPECT_TRUE(Pattern(p).isValid())
            << i << " " << PatternText(p).toStdString() << ": " << Pattern(p).errorString().toStdString();
    }
}

struct MatchCase {
    EPattern pattern;
    const char* value;
    bool matches;
};

class WholeValueMatchTest : public testing::TestWithParam<MatchCase> {};

TEST_P(WholeValueMatchTest, MatchesTheWholeValueOnly) {
    const MatchCase& c = GetParam();
    EXPECT_EQ(MatchRegex(QString::fromUtf8(c.value), c.pattern), c.matches) << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WholeValueMatchTest,
    testing::Values(
        // An alternation is anchored as a whole, not per alternative.
        MatchCase{EPattern::ValueDecimal, "12", true}, MatchCase{EPattern::ValueDecimal, "-12", true},
        MatchCase{EPattern::ValueDecimal, "0", true}, MatchCase{EPattern::ValueDecimal, "12abc", false},
        MatchCase{EPattern::ValueDecimal, "x0", false}, MatchCase{EPattern::ValueDecimal, "012", false},
        MatchCase{EPattern::TypeByteWordBitString, "WORDX", false},
        MatchCase{EPattern::TypeByteWordBitString, "BIT_STRING15", true},
        MatchCase{EPattern::TypeByteWordBitString, "BIT_STRING16", false},
        MatchCase{EPattern::TypeInt, "UINT8", false}, MatchCase{EPattern::TypeInt, "INT1", false},
        MatchCase{EPattern::TypeArray, "WORD[4]", true}, MatchCase{EPattern::TypeArray, "WORD[04]", false},
        MatchCase{EPattern::TypeArray, "STRING(16)[2]", true},
        MatchCase{EPattern::TypeArray, "STRING_U(16)[2]", false},
        MatchCase{EPattern::TypeArray, "BCD5[2]", true}, MatchCase{EPattern::TypeArray, "IP_V4_64[2]", true},
        MatchCase{EPattern::TypeArrayWithStrings, "STRING_U(16)[2]", true},
        MatchCase{EPattern::TypeArrayWithoutStrings, "STRING(16)[2]", false},
        MatchCase{EPattern::TypeArrayWithoutStrings, "INT16[2]", true},
        MatchCase{EPattern::TypeStringOrStringU, "STRING(2048)", true},
        MatchCase{EPattern::TypeStringOrStringU, "STRING(2049)", false},
        MatchCase{EPattern::TypeStringOrStringU, "STRING(0)", false},
        MatchCase{EPattern::CountString, "STRING(2049)", true},
        // Dates: every month length and the Gregorian leap rule.
        MatchCase{EPattern::Date, "2024/02/29", true}, MatchCase{EPattern::Date, "2023/02/29", false},
        MatchCase{EPattern::Date, "2000/02/29", true}, MatchCase{EPattern::Date, "1900/02/29", false},
        MatchCase{EPattern::Date, "0004/02/29", true}, MatchCase{EPattern::Date, "0000/01/01", false},
        MatchCase{EPattern::Date, "0001/01/01", true}, MatchCase{EPattern::Date, "2023/13/01", false},
        MatchCase{EPattern::Date, "2023/04/31", false}, MatchCase{EPattern::Date, "2023/12/31", true},
        MatchCase{EPattern::Date, "2023/1/01", false}, MatchCase{EPattern::Time, "23:59:59", true},
        MatchCase{EPattern::Time, "24:00:00", false}, MatchCase{EPattern::Time, "00:60:00", false},
        MatchCase{EPattern::Time, "1:00:00", false}, MatchCase{EPattern::SpecVersion, "3.0.1", true},
        MatchCase{EPattern::SpecVersion, "3", true}, MatchCase{EPattern::SpecVersion, "3.x", false},
        MatchCase{EPattern::SpecVersion, "03.0", false}, MatchCase{EPattern::SpecVersion, "1.2.3.4", false},
        MatchCase{EPattern::FileVersion, "1.2.3", false},
        MatchCase{EPattern::IconFileName, "device.ICO", true},
        MatchCase{EPattern::IconFileName, ".ico", false},
        MatchCase{EPattern::GraphicsFileName, "a.Jpg", true},
        MatchCase{EPattern::GraphicsFileName, "a.jpeg", false},
        MatchCase{EPattern::MinIncPowerOfTen, "100", true},
        MatchCase{EPattern::MinIncPowerOfTen, "0.001", true},
        MatchCase{EPattern::MinIncPowerOfTen, "0.5", false},
        MatchCase{EPattern::MinIncPowerOfTen, "20", false},
        MatchCase{EPattern::EnumCodeHex, "0x12345", false},
        MatchCase{EPattern::EnumCodeHex, "0x1234ABCD", true}));

TEST(CheckPatterns, LongValuesDoNotExhaustTheStack) {
    // A backtracking engine that recurses per character crashes here.
    const QString longValue = QString(200000, u'1') + u'x';
    EXPECT_FALSE(MatchRegex(longValue, EPattern::ValueDecimal));
    EXPECT_TRUE(MatchRegex(QString(200000, u'1'), EPattern::ValueDecimal));
    EXPECT_FALSE(MatchRegex(QString(100000, u'a') + QStringLiteral(".icx"), EPattern::IconFileName));
}

TEST(CheckPatterns, BinaryDigitCounts) {
    EXPECT_TRUE(MatchBinaryDigits(QStringLiteral("1010"), 4));
    EXPECT_FALSE(MatchBinaryDigits(QStringLiteral("101"), 4));
    EXPECT_FALSE(MatchBinaryDigits(QStringLiteral("10101"), 4));
    EXPECT_FALSE(MatchBinaryDigits(QStringLiteral("1012"), 4));
    EXPECT_TRUE(MatchBinaryDigits(QString(32, u'1'), 32));
    EXPECT_FALSE(MatchBinaryDigits(QStringLiteral("1"), 0));
}

}  // namespace
