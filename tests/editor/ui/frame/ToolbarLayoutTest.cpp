#include <gtest/gtest.h>

#include "LockKeyState.h"
#include "ToolbarLayout.h"

namespace {

const QList<int> kDefault = {1, 2, 0, 3};

// The standard toolbar's buttons, then "<key number><title>:<buttons>" per toolbar of the user.
QString Describe(const ToolbarLayout& layout) {
    QStringList bars;
    for (const ToolbarLayout::Bar& bar : layout.Bars()) {
        QStringList ids;
        for (int id : bar.buttons) ids << QString::number(id);
        bars << (bar.IsStandard() ? QString() : bar.key.mid(11) + bar.title + ":") + ids.join(',');
    }
    return bars.join('|');
}

// Single quotes stand for JSON's double quotes.
std::optional<ToolbarLayout> Parse(const char* text) {
    return ToolbarLayout::Parse(QByteArray(text).replace('\'', '"'), kDefault,
                                [](int id) { return id > 0 && id < 10; });
}

struct ParseCase {
    const char* name;
    const char* text;
    const char* expected;  // nullptr: refused, the default is used
};

class ToolbarLayoutParseTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ToolbarLayoutParseTest, ReadsWhatCanBeReadAndRefusesTheRest) {
    const std::optional<ToolbarLayout> layout = Parse(GetParam().text);
    ASSERT_EQ(layout.has_value(), GetParam().expected != nullptr);
    if (layout) {
        EXPECT_EQ(Describe(*layout).toStdString(), GetParam().expected);
    }
}

#define BAR(buttons) "{'key':'ToolBar','buttons':[" buttons "]}"
#define USER(n, title) ",{'key':'UserToolBar" n "','title':'" title "','buttons':[4]}"
#define LAYOUT(bars) "{'version':1,'toolbars':[" bars "]}"

INSTANTIATE_TEST_SUITE_P(
    Cases, ToolbarLayoutParseTest,
    ::testing::Values(ParseCase{"UnknownCommandLeftOut", LAYOUT(BAR("1,99,-4,0,2")), "1,0,2"},
                      ParseCase{"SeparatorsLeftByAnUnknownOneMerge", LAYOUT(BAR("0,1,0,99,0,2,0")), "1,0,2"},
                      ParseCase{"CommandOncePerToolbar", LAYOUT(BAR("1,2,1")), "1,2"},
                      ParseCase{"UserToolbar", LAYOUT(BAR("1") USER("3", "Mine")), "1|3Mine:4"},
                      ParseCase{"NotJson", "{'version':1,", nullptr}, ParseCase{"NoObject", "[1,2]", nullptr},
                      ParseCase{"OtherVersion", "{'version':2,'toolbars':[" BAR("1") "]}", nullptr},
                      ParseCase{"NoStandardToolbar",
                                LAYOUT("{'key':'UserToolBar1','title':'A','buttons':[]}"), nullptr},
                      ParseCase{"StandardTwice", LAYOUT(BAR("1") "," BAR("2")), nullptr},
                      ParseCase{"ForeignKey", LAYOUT(BAR("1") USER("0", "A")), nullptr},
                      ParseCase{"UntitledUserToolbar", LAYOUT(BAR("1") USER("1", " ")), nullptr},
                      ParseCase{"TitleTwice", LAYOUT(BAR("") USER("1", "A") USER("2", "a")), nullptr},
                      ParseCase{"TextButton", LAYOUT(BAR("'1'")), nullptr},
                      ParseCase{"FractionButton", LAYOUT(BAR("1.5")), nullptr},
                      ParseCase{"HugeButton", LAYOUT(BAR("4294967297")), nullptr},
                      ParseCase{"NoButtons", LAYOUT("{'key':'ToolBar'}"), nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

struct EditCase {
    const char* name;
    std::function<bool(ToolbarLayout&)> edit;
    bool changed;
    const char* expected;
};

class ToolbarLayoutEditTest : public ::testing::TestWithParam<EditCase> {};

// Starts from the standard toolbar 1,2,|,3 and the user's toolbar "Mine" holding 4 and 1.
TEST_P(ToolbarLayoutEditTest, KeepsEachToolbarTidy) {
    ToolbarLayout layout(kDefault);
    ASSERT_TRUE(layout.AddToolbar("Mine") == 1 && layout.InsertButton(1, 0, 4) &&
                layout.InsertButton(1, 1, 1));
    EXPECT_EQ(GetParam().edit(layout), GetParam().changed);
    EXPECT_EQ(Describe(layout).toStdString(), GetParam().expected);
    // What is kept is what is read back.
    const std::optional<ToolbarLayout> stored =
        ToolbarLayout::Parse(layout.Serialize(), kDefault, [](int id) { return id > 0; });
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->Bars(), layout.Bars());
}

using L = ToolbarLayout;
INSTANTIATE_TEST_SUITE_P(
    Cases, ToolbarLayoutEditTest,
    ::testing::Values(
        EditCase{"InsertNew", [](L& l) { return l.InsertButton(0, 1, 4); }, true, "1,4,2,0,3|1Mine:4,1"},
        EditCase{"InsertPresentMovesIt", [](L& l) { return l.InsertButton(0, 0, 3); }, true,
                 "3,1,2|1Mine:4,1"},
        EditCase{"InsertOutsideRefused", [](L& l) { return l.InsertButton(0, 5, 4); }, false,
                 "1,2,0,3|1Mine:4,1"},
        EditCase{"RemoveLeavesNoTrailingSeparator", [](L& l) { return l.RemoveButton(0, 3); }, true,
                 "1,2|1Mine:4,1"},
        EditCase{"RemoveOfNoButtonRefused", [](L& l) { return l.RemoveButton(2, 0); }, false,
                 "1,2,0,3|1Mine:4,1"},
        EditCase{"MoveRightWithinTheToolbar", [](L& l) { return l.MoveButton(0, 0, 0, 3); }, true,
                 "2,0,1,3|1Mine:4,1"},
        EditCase{"MoveToItsOwnPlaceChangesNothing", [](L& l) { return l.MoveButton(0, 0, 0, 1); }, false,
                 "1,2,0,3|1Mine:4,1"},
        EditCase{"MoveToAToolbarHoldingItKeepsOne", [](L& l) { return l.MoveButton(0, 0, 1, 0); }, true,
                 "2,0,3|1Mine:1,4"},
        EditCase{"MoveToTheEndOfAnotherToolbar", [](L& l) { return l.MoveButton(0, 3, 1, 2); }, true,
                 "1,2|1Mine:4,1,3"},
        EditCase{"TakenTitleRefused", [](L& l) { return l.AddToolbar(" mine") >= 0; }, false,
                 "1,2,0,3|1Mine:4,1"},
        EditCase{"NewToolbarTakesTheSmallestFreeKey",
                 [](L& l) { return l.AddToolbar("B") == 2 && l.DeleteToolbar(1) && l.AddToolbar("C") == 2; },
                 true, "1,2,0,3|2B:|1C:"},
        EditCase{"RenameStandardRefused", [](L& l) { return l.RenameToolbar(0, "X"); }, false,
                 "1,2,0,3|1Mine:4,1"},
        EditCase{"Rename", [](L& l) { return l.RenameToolbar(1, " Other "); }, true, "1,2,0,3|1Other:4,1"},
        EditCase{"DeleteStandardRefused", [](L& l) { return l.DeleteToolbar(0); }, false,
                 "1,2,0,3|1Mine:4,1"},
        EditCase{"ResetStandard", [](L& l) { return l.RemoveButton(0, 0) && l.ResetToolbar(0); }, true,
                 "1,2,0,3|1Mine:4,1"},
        EditCase{"ResetUserToolbarEmptiesIt", [](L& l) { return l.ResetToolbar(1); }, true,
                 "1,2,0,3|1Mine:"}),
    [](const auto& info) { return std::string(info.param.name); });

class FakeIndicators : public IKeyboardIndicatorSource {
public:
    explicit FakeIndicators(std::optional<KeyboardIndicators> state) : m_state(std::move(state)) {}
    std::optional<KeyboardIndicators> ReadIndicators() override { return m_state; }

private:
    std::optional<KeyboardIndicators> m_state;
};

struct LockCase {
    const char* name;
    std::optional<KeyboardIndicators> state;
    LockKeys expected;
};

class LockKeyStateTest : public ::testing::TestWithParam<LockCase> {};

TEST_P(LockKeyStateTest, FindsTheIndicatorsByName) {
    FakeIndicators source(GetParam().state);
    EXPECT_EQ(ReadLockKeys(&source), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LockKeyStateTest,
    ::testing::Values(
        LockCase{"NoStateShowsOff", std::nullopt, {}},
        LockCase{"UsualOrder",
                 KeyboardIndicators{{"Caps Lock", "Num Lock", "Scroll Lock"}, 0b010},
                 {false, true, false}},
        LockCase{"OtherOrder",
                 KeyboardIndicators{{"Scroll Lock", "Compose", "caps lock", "Num Lock"}, 0b0101},
                 {true, false, true}},
        LockCase{"UnnamedLitIndicatorsIgnored", KeyboardIndicators{{"Caps Lock"}, 0b110}, {}},
        LockCase{
            "MissingIndicatorOff", KeyboardIndicators{{"Caps Lock", "Num Lock"}, ~0u}, {true, true, false}},
        LockCase{"HighestIndex",
                 KeyboardIndicators{QStringList(31) << "Num Lock", 1u << 31},
                 {false, true, false}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
