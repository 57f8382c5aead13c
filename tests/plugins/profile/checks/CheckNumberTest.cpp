#include "CheckNumber.h"

#include <gtest/gtest.h>

using namespace Internal;

namespace {

struct SignedCase {
    const char* text;
    int base;
    int bits;
    qint64 value;
    int end;
    bool overflow;
};

class SignedReadingTest : public testing::TestWithParam<SignedCase> {};

TEST_P(SignedReadingTest, ReadsLikeWcstol) {
    const SignedCase& c = GetParam();
    const SignedReading r = ReadSigned(QString::fromUtf8(c.text), c.base, c.bits);
    EXPECT_EQ(r.value, c.value);
    EXPECT_EQ(r.end, c.end);
    EXPECT_EQ(r.overflow, c.overflow);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SignedReadingTest,
    testing::Values(SignedCase{"123", 0, 64, 123, 3, false}, SignedCase{"-42", 0, 64, -42, 3, false},
                    SignedCase{"  +7", 0, 64, 7, 4, false}, SignedCase{"0x1F", 0, 64, 31, 4, false},
                    SignedCase{"0X1f", 0, 64, 31, 4, false}, SignedCase{"010", 0, 64, 8, 3, false},
                    SignedCase{"08", 0, 64, 0, 1, false},  // octal stops at 8
                    SignedCase{"0x", 0, 64, 0, 1, false},  // the "0" alone
                    SignedCase{"0xg", 16, 64, 0, 1, false}, SignedCase{"12abc", 0, 64, 12, 2, false},
                    SignedCase{"abc", 0, 64, 0, 0, false}, SignedCase{"", 0, 64, 0, 0, false},
                    SignedCase{" - 5", 0, 64, 0, 0, false}, SignedCase{"1.5", 0, 64, 1, 1, false},
                    SignedCase{"010", 10, 64, 10, 3, false}, SignedCase{"ff", 16, 64, 255, 2, false},
                    SignedCase{"9223372036854775807", 0, 64, INT64_MAX, 19, false},
                    SignedCase{"9223372036854775808", 0, 64, INT64_MAX, 19, true},
                    SignedCase{"-9223372036854775808", 0, 64, INT64_MIN, 20, false},
                    SignedCase{"-9223372036854775809", 0, 64, INT64_MIN, 20, true},
                    SignedCase{"2147483647", 10, 32, 2147483647, 10, false},
                    SignedCase{"2147483648", 10, 32, 2147483647, 10, true},
                    SignedCase{"-2147483648", 10, 32, -2147483648LL, 11, false},
                    SignedCase{"-2147483649", 10, 32, -2147483648LL, 11, true},
                    SignedCase{"0xFFFFFFFF", 16, 32, 2147483647, 10, true}));

struct UnsignedCase {
    const char* text;
    int base;
    int bits;
    quint64 value;
    int end;
    bool overflow;
};

class UnsignedReadingTest : public testing::TestWithParam<UnsignedCase> {};

TEST_P(UnsignedReadingTest, ReadsLikeWcstoul) {
    const UnsignedCase& c = GetParam();
    const UnsignedReading r = ReadUnsigned(QString::fromUtf8(c.text), c.base, c.bits);
    EXPECT_EQ(r.value, c.value);
    EXPECT_EQ(r.end, c.end);
    EXPECT_EQ(r.overflow, c.overflow);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnsignedReadingTest,
    testing::Values(UnsignedCase{"4294967295", 10, 32, 4294967295u, 10, false},
                    UnsignedCase{"4294967296", 10, 32, 4294967295u, 10, true},
                    UnsignedCase{"-1", 10, 32, 4294967295u, 2, false},  // negated in the unsigned range
                    UnsignedCase{"-1", 0, 64, UINT64_MAX, 2, false},
                    UnsignedCase{"18446744073709551615", 0, 64, UINT64_MAX, 20, false},
                    UnsignedCase{"18446744073709551616", 0, 64, UINT64_MAX, 20, true},
                    UnsignedCase{"0x10", 0, 64, 16, 4, false}, UnsignedCase{"4[5]", 0, 64, 4, 1, false}));

struct DoubleCase {
    const char* text;
    double value;
    int end;
    bool overflow;
};

class DoubleReadingTest : public testing::TestWithParam<DoubleCase> {};

TEST_P(DoubleReadingTest, ReadsLikeWcstodInTheCLocale) {
    const DoubleCase& c = GetParam();
    const DoubleReading r = ReadDouble(QString::fromUtf8(c.text));
    EXPECT_DOUBLE_EQ(r.value, c.value);
    EXPECT_EQ(r.end, c.end);
    EXPECT_EQ(r.overflow, c.overflow);
}

INSTANTIATE_TEST_SUITE_P(Cases, DoubleReadingTest,
                         testing::Values(DoubleCase{"1.5", 1.5, 3, false},
                                         DoubleCase{"-2.25e2", -225.0, 7, false},
                                         DoubleCase{" 3", 3.0, 2, false}, DoubleCase{"1,5", 1.0, 1, false},
                                         DoubleCase{"0x10", 16.0, 4, false}, DoubleCase{"x", 0.0, 0, false},
                                         DoubleCase{"1.5\xe3\x80\x80", 1.5, 3, false},
                                         DoubleCase{"1e999", HUGE_VAL, 5, true}));

TEST(AsciiCase, FoldsAsciiLettersOnly) {
    EXPECT_TRUE(AsciiEqualsIgnoreCase(QStringLiteral("DeviceInterface"), QStringLiteral("deviceINTERFACE")));
    EXPECT_FALSE(AsciiEqualsIgnoreCase(QStringLiteral("\u00C4b"), QStringLiteral("\u00E4b")));  // Ä, ä
    EXPECT_FALSE(AsciiEqualsIgnoreCase(QStringLiteral("ab"), QStringLiteral("abc")));
    EXPECT_EQ(AsciiLower(QStringLiteral("Speed\u0130")), QStringLiteral("speed\u0130"));
    EXPECT_TRUE(AsciiStartsWithIgnoreCase(QStringLiteral("rdb_int"), QStringLiteral("RDB_")));
}

}  // namespace
