// The field rules of the connection detail dialogs, without a window.
#include <gtest/gtest.h>

#include "CConnectionInfoStringSource.h"
#include "ConnectionComboBoxMap.h"
#include "ConnectionFieldRules.h"
#include "FormatSettings.h"
#include "QtPrinters.h"

using namespace ConnInfo;

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

struct TestCase {
    const char* text;
    bool control, digits, hex, ascii, dec16, hex16;
};

class CharacterTests : public ::testing::TestWithParam<TestCase> {};

TEST_P(CharacterTests, ClassifyTheText) {
    const TestCase& c = GetParam();
    const QString text = U(c.text);
    EXPECT_EQ(HasControlChar(text), c.control);
    EXPECT_EQ(IsAllDigits(text), c.digits);
    EXPECT_EQ(IsAllHexDigits(text), c.hex);
    EXPECT_EQ(IsPrintableAscii(text), c.ascii);
    EXPECT_EQ(IsUInt16Decimal(text), c.dec16);
    EXPECT_EQ(IsUInt16Hex(text), c.hex16);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CharacterTests,
    ::testing::Values(
        //       text        ctrl   digit  hex    ascii  dec16  hex16
        TestCase{"", false, true, true, true, true, true},
        TestCase{"65535", false, true, true, true, true, false},
        TestCase{"65536", false, true, true, true, false, false},
        TestCase{"FFFF", false, false, true, true, true, true},
        TestCase{"10000", false, true, true, true, true, false},
        TestCase{"fff", false, false, false, true, true, true},   // lower case is no hex digit here
        TestCase{"a\tb", true, false, false, false, true, true},  // hex reads the a
        TestCase{"x\x7f", true, false, false, false, true, true},
        TestCase{"~ ", false, false, false, true, true, true},
        TestCase{"-1", false, false, false, true, false, false},  // negative wraps to a large unsigned
        TestCase{"99999999999", false, true, true, true, false, false},
        TestCase{"12ab", false, false, false, true, true, true},  // decimal stops at the letters
        TestCase{"ＡＢ", false, false, false, false, true, true}));

TEST(ToDecimalInt, ReadsLikeTheCLibrary) {
    EXPECT_EQ(ToDecimalInt(""), 0);
    EXPECT_EQ(ToDecimalInt("  42x"), 42);
    EXPECT_EQ(ToDecimalInt("-17"), -17);
    EXPECT_EQ(ToDecimalInt("+8"), 8);
    EXPECT_EQ(ToDecimalInt("abc"), 0);
    EXPECT_EQ(ToDecimalInt("99999999999"), INT_MAX);
    EXPECT_EQ(ToDecimalInt("-99999999999"), INT_MIN);
}

TEST(IsUInt16Hex, TakesTheCPrefixAndSaturates) {
    EXPECT_TRUE(IsUInt16Hex("0xFFFF"));
    EXPECT_FALSE(IsUInt16Hex("0x10000"));
    EXPECT_FALSE(IsUInt16Hex("FFFFFFFFFFFF"));
    EXPECT_TRUE(IsUInt16Hex("0x"));  // reads the 0 and stops
}

struct FilterCase {
    int (*filter)(QString&);
    const char* input;
    const char* output;
    int removed;
};

class Filters : public ::testing::TestWithParam<FilterCase> {};

TEST_P(Filters, RemoveAndCount) {
    QString text = U(GetParam().input);
    EXPECT_EQ(GetParam().filter(text), GetParam().removed);
    EXPECT_EQ(text, U(GetParam().output));
}

INSTANTIATE_TEST_SUITE_P(Cases, Filters,
                         ::testing::Values(FilterCase{RemoveControlChars, "a\tb\x7f\r\nc", "abc", 4},
                                           FilterCase{RemoveControlChars, "日本 語", "日本 語", 0},
                                           FilterCase{RemoveNonDigits, "1a2-3 ４", "123", 4},
                                           FilterCase{RemoveNonHexDigits, "0x1f", "01F", 1},
                                           FilterCase{RemoveNonHexDigits, "ghA9z", "A9", 3},
                                           FilterCase{FilterComment, "a\tb\r\nc\rd", "ab\r\ncd", 2},
                                           FilterCase{FilterComment, "line\nnext", "line\nnext", 0},
                                           FilterCase{FilterComment, "\nx", "\nx", 0},
                                           FilterCase{FilterComment, "a\n\nb", "a\nb", 1},
                                           FilterCase{FilterComment, "a\t\nb", "a\nb", 1},
                                           FilterCase{FilterComment, "\r\r\n", "\r\n", 1},
                                           FilterCase{FilterComment, "end\r", "end", 1},
                                           FilterCase{FilterComment, "\x01\x02", "", 2}));

class StoredValueChecks : public ::testing::Test {
protected:
    CConnectionInfoStringSource strings{PeloraFormat::Format30()};
};

TEST_F(StoredValueChecks, DecimalFieldsAreResetToEmptyWithTheirLine) {
    const struct {
        const char* value;
        bool valid;
    } cases[] = {{"", true},        {"0", true},    {"65535", true}, {"65536", false},
                 {"000001", false}, {"12a", false}, {" 1", false}};
    for (const auto& c : cases) {
        QString value = c.value, line;
        EXPECT_EQ(CheckDecimalField(value, strings, 41039, line), c.valid) << c.value;
        EXPECT_EQ(value, c.valid ? QString(c.value) : QString());
        EXPECT_EQ(line, c.valid ? QString() : U("・サーバポート番号\n"));
    }
}

TEST_F(StoredValueChecks, HexFieldsWantFourUpperCaseDigits) {
    const struct {
        const char* value;
        bool valid;
    } cases[] = {{"00FF", true},   {"FFFF", true}, {"fff", false},
                 {"10000", false}, {"0x1", false}, {"", true}};
    for (const auto& c : cases) {
        QString value = c.value, line;
        EXPECT_EQ(CheckHexField(value, strings, line), c.valid) << c.value;
        EXPECT_EQ(line, c.valid ? QString() : U("・サーバプロセッサー番号\n"));
    }
}

TEST_F(StoredValueChecks, TextFieldsCountTheLimitInclusive) {
    QString ok(39, u'1'), line;
    EXPECT_TRUE(CheckTextField(ok, 39, strings, 41034, line));
    QString tooLong(40, u'1');
    EXPECT_FALSE(CheckTextField(tooLong, 39, strings, 41034, line));
    EXPECT_TRUE(tooLong.isEmpty());
    EXPECT_EQ(line, U("・クライアントIPアドレス\n"));
    QString tab = "30\ts";
    EXPECT_FALSE(CheckTextField(tab, 48, strings, 41084, line));
}

TEST_F(StoredValueChecks, ComboValuesMustBeStoredValuesAndResetToTheFirst) {
    ConnectionComboBoxMap map;
    const int shown[] = {8203, 8204}, stored[] = {8219, 8220};
    map.Fill(strings, shown, stored, 2);
    EXPECT_EQ(map.IndexOf("txt"), 1);
    EXPECT_EQ(map.DisplayText(1), "txt");
    QString value = "txt", line;
    EXPECT_TRUE(CheckComboValue(value, map, strings, 8238, line));
    value = "CSV";
    EXPECT_FALSE(CheckComboValue(value, map, strings, 8238, line));
    EXPECT_EQ(value, "csv");
    EXPECT_EQ(line, U("・拡張子\n"));
}

TEST_F(StoredValueChecks, TheBomListShowsTextsButStoresDigits) {
    ConnectionComboBoxMap map;
    const int shown[] = {8215, 8216}, stored[] = {8231, 8232};
    map.Fill(strings, shown, stored, 2);
    EXPECT_EQ(map.StoredValue(1), "1");
    EXPECT_EQ(map.DisplayText(1), U("1：有り "));
    EXPECT_EQ(map.IndexOf(U("1：有り ")), -1);
    EXPECT_EQ(map.StoredValue(2), QString());
}

}  // namespace
