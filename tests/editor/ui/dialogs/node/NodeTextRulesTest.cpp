#include <gtest/gtest.h>

#include "CPELFM_SectionInfo.h"
#include "DialogTestWorld.h"
#include "NewPartLogic.h"
#include "NodeTextRules.h"

using namespace DialogTest;

namespace {

struct CountCase {
    const char* text;
    bool accepted;
    int count;
};

class ElemCountText : public ::testing::TestWithParam<CountCase> {};

TEST_P(ElemCountText, IsReadWithAutomaticBase) {
    int count = -7;
    EXPECT_EQ(NodeTextRules::ParseElemCount(GetParam().text, count), GetParam().accepted);
    if (GetParam().accepted) {
        EXPECT_EQ(count, GetParam().count);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ElemCountText,
                         ::testing::Values(CountCase{"20", true, 20}, CountCase{"0x10", true, 16},
                                           CountCase{"010", true, 8}, CountCase{"0", true, 0},
                                           CountCase{"12a", false, 0}, CountCase{"", false, 0},
                                           CountCase{"0x", false, 0}, CountCase{"-1", false, 0},
                                           CountCase{"99999999999", false, 0},
                                           CountCase{"1\xc3\xa9", false, 0}));

struct StepCase {
    const char* text;
    int delta;
    const char* result;
};

class SpinStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(SpinStep, ChangesOnlyACompleteNumber) {
    EXPECT_EQ(NewPartLogic::StepElemCount(GetParam().text, GetParam().delta), QString(GetParam().result));
}

INSTANTIATE_TEST_SUITE_P(Steps, SpinStep,
                         ::testing::Values(StepCase{"20", 1, "21"}, StepCase{"20", -1, "19"},
                                           StepCase{"0", -1, "0"}, StepCase{"0", 1, "1"},
                                           StepCase{"0x10", 1, "17"}, StepCase{"12a", 1, "12a"},
                                           StepCase{"", -1, ""}));

TEST(NodeTextRules, NonAsciiIsFoundAnywhereInTheText) {
    EXPECT_FALSE(NodeTextRules::HasNonAsciiChar("Block_1 ~"));
    EXPECT_TRUE(NodeTextRules::HasNonAsciiChar(QString::fromUtf8("Caf\xc3\xa9")));
    EXPECT_TRUE(
        NodeTextRules::HasNonAsciiChar(QString::fromUtf8("\xe9\x83\xa8"
                                                         "A")));
}

TEST(NodeTextRules, EntryOfARefusedTextNamesItsReason) {
    DialogWorld w;
    EXPECT_EQ(NodeTextRules::InvalidTextEntry(w.utility, 4, "int"),
              w.strings.LoadString(109) + w.strings.LoadString(127) + "int\n");
    EXPECT_TRUE(NodeTextRules::InvalidTextEntry(w.utility, 2, "a b").contains(w.strings.LoadString(121)));
    EXPECT_TRUE(NodeTextRules::InvalidTextEntry(w.utility, 3, "1a").contains(w.strings.LoadString(126)));
    EXPECT_TRUE(NodeTextRules::InvalidTextEntry(w.utility, 0, "ok").isEmpty());
    EXPECT_TRUE(NodeTextRules::InvalidTextEntry(w.utility, 1, "taken").isEmpty());
}

TEST(NodeTextRules, UniqueNameCountsUpFromTheBase) {
    DialogWorld w;
    CPELFM_SectionInfo* block = CommandTest::AddSection(w.root(), "Block", SECTION_BLOCK);
    EXPECT_EQ(NodeTextRules::UniqueChildName(w.utility, "BlockMemory", block), "BlockMemory");
    CommandTest::AddPart(*block, "BlockMemory", PART_BLOCK_MEMORY);
    CommandTest::AddPart(*block, "BlockMemory1", PART_BLOCK_MEMORY);
    EXPECT_EQ(NodeTextRules::UniqueChildName(w.utility, "BlockMemory", block), "BlockMemory2");
}

TEST(NodeTextRules, UniqueNameGivesUpOnABaseTheRulesRefuse) {
    DialogWorld w;
    w.rules.verdicts["Bad"] = 2;
    for (int n = 1; n <= 100000; ++n) w.rules.verdicts["Bad" + QString::number(n)] = 2;
    EXPECT_EQ(NodeTextRules::UniqueChildName(w.utility, "Bad", &w.root()), QString());
}

}  // namespace
