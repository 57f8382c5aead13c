#include "CCheckStringTable.h"

#include <gtest/gtest.h>

namespace {

TEST(CCheckStringTable, JapaneseTextsStandAsWritten) {
    const CCheckStringTable& t = CCheckStringTable::Japanese30();
    EXPECT_EQ(t.Text(41016), QString::fromUtf8("[No%1!d!,項目 %2!s!]"));
    EXPECT_EQ(t.Text(40125),
              QString::fromUtf8("**エラー**セクション %1!s!が存在しません。%1!s!は必須です。"));
    EXPECT_EQ(t.Text(41003), QString(QChar(0x3000)));
    EXPECT_EQ(t.Text(41004), QStringLiteral("\t"));
    EXPECT_EQ(
        t.Text(40031),
        QString::fromUtf8("**エラー**セクション %1!s! 、パート %2!s! の%3!s!に書かれた値が正しくありません。"
                          " %4!s! にはファイル名の禁止文字(\\ / : * ? \" < > |)を使用できません。"));
    EXPECT_TRUE(t.Text(40044).endsWith(QString::fromUtf8("仕様書で確認してください")));
    EXPECT_TRUE(t.Text(40049).endsWith(QString::fromUtf8("仕様書で確認してください。")));
    EXPECT_EQ(t.Text(40002), QString());
}

TEST(CCheckStringTable, Format20DropsTheConnectionMessagesAndMovesTheSectionMessage) {
    const CCheckStringTable& t30 = CCheckStringTable::Japanese30();
    const CCheckStringTable& t20 = CCheckStringTable::Japanese20();
    EXPECT_EQ(t20.Text(40117), t30.Text(40125));
    for (int id = 40118; id <= 40125; ++id) EXPECT_FALSE(t20.Has(id)) << id;
    for (int id : t30.Ids()) {
        if (id < 40117 || id > 40125) {
            EXPECT_EQ(t20.Text(id), t30.Text(id)) << id;
        }
    }
}

TEST(CCheckStringTable, EnglishTableOfFormat11) {
    const CCheckStringTable& t = CCheckStringTable::English11();
    EXPECT_EQ(t.Ids().size(), 123);
    EXPECT_EQ(t.Ids().front(), 40001);
    EXPECT_EQ(t.Ids().back(), 41017);
    EXPECT_EQ(t.Text(41016), QStringLiteral("[No.%1!d!, %2!s! item]"));
    EXPECT_EQ(t.Text(40117), QStringLiteral("**Error** %1!s! section does not exist. %1!s! is necessary."));
    EXPECT_EQ(t.Text(40092),
              QStringLiteral(
                  "**Error** %1 section, %2 part, %3: The value is invalid. For safety devices, describe %5 "
                  "in DATA item of %4."));
    EXPECT_EQ(t.Text(41004), QStringLiteral("\t"));
    EXPECT_FALSE(t.Has(40118));
    EXPECT_FALSE(t.Has(40094));
}

}  // namespace
