#include "DataTypeRules.h"

#include <gtest/gtest.h>

namespace {

struct ValueCase {
    const char* dataType;
    const char* value;
    int valid;
};

void PrintTo(const ValueCase& c, std::ostream* os) {
    *os << c.dataType << " '" << c.value << "'";
}

class CheckValueAgainstDataTypeTest : public testing::TestWithParam<ValueCase> {};

TEST_P(CheckValueAgainstDataTypeTest, JudgesSyntaxAndRange) {
    const ValueCase& c = GetParam();
    EXPECT_EQ(CheckValueAgainstDataType(QString::fromUtf8(c.value), QString::fromUtf8(c.dataType)), c.valid);
}

INSTANTIATE_TEST_SUITE_P(
    Types, CheckValueAgainstDataTypeTest,
    testing::Values(
        ValueCase{"BOOL", "0", 1}, ValueCase{"BOOL", "1", 1}, ValueCase{"BOOL", "ON", 0},
        ValueCase{"BOOL", "2", 0}, ValueCase{"BIN4", "1010", 1}, ValueCase{"BIN4", "101", 0},
        ValueCase{"BIN4", "10101", 0}, ValueCase{"BIN16", "0000111100001111", 1}, ValueCase{"BYTE", "0xF", 1},
        ValueCase{"BYTE", "0xFF", 1}, ValueCase{"BYTE", "FF", 0}, ValueCase{"BYTE", "0x100", 0},
        ValueCase{"WORD", "0xffff", 1}, ValueCase{"WORD", "0x10000", 0}, ValueCase{"DWORD", "0x12345678", 1},
        ValueCase{"DWORD", "0x123456789", 0}, ValueCase{"BIT_STRING3", "0x7", 1},
        ValueCase{"BIT_STRING3", "0x8", 0},
        ValueCase{"BIT_STRING64", "0xFFFF", 1},  // a count of 64 or more admits every WORD value
        ValueCase{"BIT_STRING99", "0xFFFF", 1}, ValueCase{"BIT_STRING3", "7", 0},
        ValueCase{"INT8", "-128", 1}, ValueCase{"INT8", "127", 1}, ValueCase{"INT8", "128", 0},
        ValueCase{"INT8", "-129", 0}, ValueCase{"INT8", "0x10", 0}, ValueCase{"INT8", "12abc", 0},
        ValueCase{"INT32", "-2147483648", 1}, ValueCase{"INT32", "2147483648", 0},
        ValueCase{"INT32", "99999999999999999999", 0}, ValueCase{"UINT16", "65535", 1},
        ValueCase{"UINT16", "65536", 0}, ValueCase{"UINT16", "-1", 0}, ValueCase{"UINT32", "4294967295", 1},
        ValueCase{"UINT32", "4294967296", 0}, ValueCase{"BCD16", "9999", 1}, ValueCase{"BCD16", "10000", 0},
        ValueCase{"BCD4", "9", 1}, ValueCase{"BCD4", "10", 0}, ValueCase{"BCD32", "99999999", 1},
        ValueCase{"BCD32", "100000000", 0}, ValueCase{"BCD8", "-1", 0}, ValueCase{"REAL", "1.5", 1},
        ValueCase{"REAL", "-2", 1}, ValueCase{"REAL", "0.0", 1},
        ValueCase{"REAL", "0", 0},  // the pattern admits zero only as 0.0
        ValueCase{"REAL", "1e5", 0}, ValueCase{"REAL", "350000000000000000000000000000000000000", 0},
        ValueCase{"REAL", "340000000000000000000000000000000000000", 1},
        ValueCase{"REAL", "0.00000000000000000000000000000000000000001", 0},
        ValueCase{"LREAL", "0.00000000000000000000000000000000000000001", 1},
        ValueCase{"STRING(4)", "abcd", 1}, ValueCase{"STRING(4)", "abcde", 0},
        ValueCase{"STRING_U(2)", "\xe5\x9e\x8b\xe5\x90\x8d", 1},  // two UTF-16 units
        ValueCase{"STRING(4)()", "abcde", 0}, ValueCase{"DATE", "anything", 1}, ValueCase{"IP_V4", "x", 1},
        ValueCase{"RDB_INT", "x", 1}, ValueCase{"FLOAT", "x", 1}, ValueCase{"ACCURACY", "0x1ABC", 1},
        ValueCase{"ACCURACY", "0x3ABC", 0}, ValueCase{"TIME", "T#1d2h3m4s5ms", 1},
        ValueCase{"TIME", "T#24d20h31m23s647ms", 1}, ValueCase{"TIME", "T#24d20h31m23s648ms", 0},
        ValueCase{"TIME", "T#-24d20h31m23s648ms", 1}, ValueCase{"TIME", "T#-24d20h31m23s649ms", 0},
        ValueCase{"TIME", "T#23d23h59m59s999ms", 1}, ValueCase{"TIME", "T#25d0h0m0s0ms", 0},
        ValueCase{"TIME", "T#24d20h31m23sms", 1},  // the last pattern admits an empty millisecond part
        ValueCase{"TIME", "T#1d2h3m4s", 0}));

class MatchDataTypeSyntaxTest : public testing::TestWithParam<ValueCase> {};

TEST_P(MatchDataTypeSyntaxTest, JudgesSyntaxOnly) {
    const ValueCase& c = GetParam();
    EXPECT_EQ(MatchDataTypeSyntax(QString::fromUtf8(c.value), QString::fromUtf8(c.dataType)), c.valid);
}

INSTANTIATE_TEST_SUITE_P(Types, MatchDataTypeSyntaxTest,
                         testing::Values(ValueCase{"INT8", "300", 1}, ValueCase{"INT8", "x1", 0},
                                         ValueCase{"UINT8", "-5", 1}, ValueCase{"BCD4", "12345", 1},
                                         ValueCase{"BIT_STRING3", "0xFFFF", 1},
                                         ValueCase{"BIT_STRING3", "0x10000", 0}, ValueCase{"REAL", "1e40", 0},
                                         ValueCase{"REAL", "1.5", 1}, ValueCase{"LREAL", "-0.5", 1},
                                         ValueCase{"STRING(2)", "too long", 1},
                                         ValueCase{"WORD[4]", "0x1", 1}, ValueCase{"WORD[4]", "1", 0},
                                         ValueCase{"INT16()", "-1", 1}, ValueCase{"BOOL", "2", 0},
                                         ValueCase{"TIME", "T#1d", 0}));

struct LengthCase {
    const char* elementType;
    quint64 length;
    int allowed;
};

class IsArrayLengthInRangeTest : public testing::TestWithParam<LengthCase> {};

TEST_P(IsArrayLengthInRangeTest, AppliesTheLimitOfTheElementType) {
    const LengthCase& c = GetParam();
    EXPECT_EQ(IsArrayLengthInRange(QString::fromUtf8(c.elementType), c.length), c.allowed)
        << c.elementType << " " << c.length;
}

constexpr quint64 k29 = quint64(1) << 29;
constexpr quint64 k30 = quint64(1) << 30;
constexpr quint64 k31 = quint64(1) << 31;

INSTANTIATE_TEST_SUITE_P(
    Limits, IsArrayLengthInRangeTest,
    testing::Values(
        LengthCase{"BOOL", k31, 1}, LengthCase{"BOOL", k31 + 1, 0}, LengthCase{"BIN32", k30, 1},
        LengthCase{"BIN32", k30 + 1, 0}, LengthCase{"BIN8", k31, 1}, LengthCase{"DWORD", k30 + 1, 0},
        LengthCase{"WORD", k31, 1}, LengthCase{"BIT_STRING4", k31 + 1, 0}, LengthCase{"INT32", k30 + 1, 0},
        LengthCase{"INT16", k31, 1}, LengthCase{"UINT32", k30 + 1, 0}, LengthCase{"UINT8", k31 + 1, 0},
        LengthCase{"BCD32", k30 + 1, 0}, LengthCase{"BCD5", k31, 1}, LengthCase{"BCD5", k31 + 1, 0},
        LengthCase{"REAL", k30 + 1, 0}, LengthCase{"LREAL", k29, 1}, LengthCase{"LREAL", k29 + 1, 0},
        LengthCase{"STRING(2048)", k31 / 2048, 1}, LengthCase{"STRING(2048)", k31 / 2048 + 1, 0},
        LengthCase{"STRING_U(1024)", k30 / 1024, 1}, LengthCase{"STRING_U(1024)", k30 / 1024 + 1, 0},
        LengthCase{"TIME", k30 + 1, 0}, LengthCase{"DATE", k31, 1}, LengthCase{"ACCURACY", k31 + 1, 0},
        LengthCase{"IP_V4", k30 + 1, 0}, LengthCase{"IP_V4_64", k29 + 1, 0}, LengthCase{"BOOL()", k31 + 1, 0},
        // A product that overflows 32 bits is judged in 64 bits.
        LengthCase{"STRING(2048)", 0xFFFFFFFFull, 0}, LengthCase{"STRING(1)", 0x100000000ull, 0},
        LengthCase{"FLOAT", 0x100000000ull, 1}, LengthCase{"WORD", 0xFFFFFFFFFFFFFFFFull, 0}));

}  // namespace
