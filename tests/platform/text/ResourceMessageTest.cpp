#include <gtest/gtest.h>

#include "MapStringSource.h"
#include "ResourceMessage.h"
#include "ScriptedMessagePresenter.h"

namespace {

QStringList Numbered(int count) {
    QStringList list;
    for (int i = 1; i <= count; ++i) list << QString::number(i);
    return list;
}

const MapStringSource& Strings() {
    static const MapStringSource strings{
        {100, "Section %1!s! is missing."},
        {102, ""},
        {103, "Rate 100%% at %1"},
    };
    return strings;
}

struct ResourceCase {
    const char* name;
    int id;
    QStringList inserts;
    QString expected;
};

void PrintTo(const ResourceCase& c, std::ostream* os) {
    *os << c.name;
}

class FormatResourceMessageTest : public ::testing::TestWithParam<ResourceCase> {};

TEST_P(FormatResourceMessageTest, Formats) {
    const ResourceCase& c = GetParam();
    EXPECT_EQ(FormatResourceMessage(Strings(), c.inserts, c.id).toStdString(), c.expected.toStdString());
}

const ResourceCase kResourceCases[] = {
    {"OneInsert", 100, {"BLOCK"}, "Section BLOCK is missing."},
    {"NoInsertsAsLoaded", 100, {}, "Section %1!s! is missing."},
    {"NoInsertsKeepsEscapes", 103, {}, "Rate 100%% at %1"},
    {"EscapesWithInserts", 103, {"x"}, "Rate 100% at x"},
    {"SixteenInsertsEmpty", 100, Numbered(16), ""},
    {"MissingId", 999, {"x"}, ""},
    {"EmptyText", 102, {}, ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, FormatResourceMessageTest, ::testing::ValuesIn(kResourceCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ShowResourceMessageTest, ShowsFormattedTextWithStyle) {
    ScriptedMessagePresenter presenter;
    ShowResourceMessage(Strings(), presenter, {"FILE"}, 100, MB_ICONERROR);
    ASSERT_EQ(presenter.Calls().size(), 1);
    EXPECT_EQ(presenter.Calls()[0].text, "Section FILE is missing.");
    EXPECT_TRUE(presenter.Calls()[0].caption.isEmpty());
    EXPECT_EQ(presenter.Calls()[0].style, MB_ICONERROR);
}

TEST(ShowResourceMessageTest, MissingTextStillShowsEmptyBox) {
    ScriptedMessagePresenter presenter;
    ShowResourceMessage(Strings(), presenter, {}, 999, MB_OK);
    ASSERT_EQ(presenter.Calls().size(), 1);
    EXPECT_TRUE(presenter.Calls()[0].text.isEmpty());
}

TEST(ShowMessageBoxTest, ReturnsQueuedAnswersThenDefaultButton) {
    ScriptedMessagePresenter presenter;
    presenter.QueueAnswer(IDYES);
    presenter.QueueAnswer(IDCANCEL);
    const unsigned style = MB_YESNOCANCEL | MB_ICONWARNING | MB_DEFBUTTON2;
    EXPECT_EQ(ShowMessageBox(presenter, "t", "c", style), IDYES);
    EXPECT_EQ(ShowMessageBox(presenter, "t", "c", style), IDCANCEL);
    EXPECT_EQ(ShowMessageBox(presenter, "t", "c", style), IDNO);
    ASSERT_EQ(presenter.Calls().size(), 3);
    EXPECT_EQ(presenter.Calls()[2].caption, "c");
}

}  // namespace
