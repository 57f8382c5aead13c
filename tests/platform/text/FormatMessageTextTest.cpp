#include <gtest/gtest.h>

#include "FormatMessageText.h"

namespace {

struct FormatCase {
    const char* name;
    QString text;
    QStringList inserts;
    QString expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.name;
}

QStringList Numbered(int count) {
    QStringList list;
    for (int i = 1; i <= count; ++i) list << QString(QChar(u'a' + i - 1));
    return list;
}

class FormatMessageTextTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatMessageTextTest, Expands) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatMessageText(c.text, c.inserts).toStdString(), c.expected.toStdString());
}

const FormatCase kCases[] = {
    {"PlainText", "no placeholders", {"a"}, "no placeholders"},
    {"TypedString", "[%1!s!]", {"abc"}, "[abc]"},
    {"Bare", "[%1]", {"abc"}, "[abc]"},
    {"TypedNumberTakesText", "No%1!d!", {"12"}, "No12"},
    {"OtherTypes", "%1!u! %2!x! %3!5d! %4!I64d! %5!-3s!", {"a", "b", "c", "d", "e"}, "a b c d e"},
    {"Location",
     QString::fromUtf8("[No%1!d!,項目 %2!s!]"),
     {"3", "DATA"},
     QString::fromUtf8("[No3,項目 DATA]")},
    {"RepeatedInsert",
     QString::fromUtf8("セクション %1!s!が存在しません。%1!s!は必須です。"),
     {"BLOCK"},
     QString::fromUtf8("セクション BLOCKが存在しません。BLOCKは必須です。")},
    {"OrderFree", "%2-%1", {"a", "b"}, "b-a"},
    {"InsertNotReexpanded", "%1|%2", {"%2", "x"}, "%2|x"},
    {"InsertKeepsPercents", "%1", {"100%% %0 %n"}, "100%% %0 %n"},
    {"MissingInsertEmpty", "a%3b", {"x", "y"}, "ab"},
    {"MissingTypedInsertEmpty", "a%3!s!b", {"x"}, "ab"},
    {"TwoDigits", "%10", Numbered(10), "j"},
    {"ThirdDigitIsText", "%100", Numbered(10), "j0"},
    {"TwoDigitsNeverFallBackToOne", "%12", {"x"}, ""},
    {"FifteenInserts", "%1 %15", Numbered(15), "a o"},
    {"SixteenInsertsEmpty", "plain", Numbered(16), ""},
    {"Percent", "100%% %1", {"x"}, "100% x"},
    {"ZeroEnds", "abc%0def %1", {"x"}, "abc"},
    {"LineBreak", "a%nb", {"x"}, "a\nb"},
    {"TabAndReturn", "a%tb%rc", {"x"}, "a\tb\rc"},
    {"OtherEscapes", "%1%! %. % x", {"x"}, "x! .  x"},
    {"TrailingPercent", "50%", {"x"}, "50%"},
    {"UnclosedBang", "%1!", {"x"}, "x!"},
    {"BangsAroundText", QString::fromUtf8("%1!注意!"), {"x"}, QString::fromUtf8("x!注意!")},
    {"FullWidthDigitIsText", QString::fromUtf8("%1１"), {"x"}, QString::fromUtf8("x１")},
    {"LiteralLineBreaksKept", "a\n\n%1", {"x"}, "a\n\nx"},
    {"NoInsertsStillFormats", "%%%1!s!", {}, "%"},
};

INSTANTIATE_TEST_SUITE_P(Cases, FormatMessageTextTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
