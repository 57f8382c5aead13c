#include <gtest/gtest.h>

#include "CPELFM_PartInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CommandManager.h"
#include "DialogTestWorld.h"
#include "RelatedNodes.h"

using namespace DialogTest;
using CommandTest::AddSection;
using CommandTest::PartNames;
using CommandTest::SectionNames;
using RelatedNodes::PartRow;

namespace {

TEST(RelatedNodes, TwoRowsForEveryBlockSectionInRootOrder) {
    DialogWorld w;
    CPELFM_SectionInfo* b1 = AddSection(w.root(), "B1", SECTION_BLOCK);
    AddSection(w.root(), "C", SECTION_COMM_IF);
    CPELFM_SectionInfo* b2 = AddSection(w.root(), "B2", SECTION_BLOCK);
    const QList<PartRow> rows = RelatedNodes::BlockPartRows(&w.root());
    ASSERT_EQ(rows.size(), 4);
    const QList<std::pair<CPELFM_SectionInfo*, int>> expected = {
        {b1, PART_BLOCK_MEMORY}, {b1, PART_BLOCK_PARAM}, {b2, PART_BLOCK_MEMORY}, {b2, PART_BLOCK_PARAM}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(rows[i].section, expected[i].first);
        EXPECT_EQ(rows[i].partType, expected[i].second);
    }
    EXPECT_TRUE(RelatedNodes::BlockPartRows(nullptr).isEmpty());
}

TEST(RelatedNodes, PartsCreatedTwiceInOneSectionGetNumberedNames) {
    DialogWorld w;
    w.rules.blockMemory = {CommandTest::Template("Addr")};
    CPELFM_SectionInfo* block = AddSection(w.root(), "B", SECTION_BLOCK);
    const QList<PartRow> rows = {{block, PART_BLOCK_MEMORY}, {block, PART_BLOCK_PARAM}};
    EXPECT_EQ(RelatedNodes::CreateParts(w.utility, rows), 2);
    EXPECT_EQ(RelatedNodes::CreateParts(w.utility, {rows[0]}), 1);
    EXPECT_EQ(PartNames(*block), QStringList({"BlockMemory", "BlockParam", "BlockMemory1"}));
    // Only the template elements, no empty ones.
    EXPECT_EQ(block->parts[0]->ElemCount(), 1);
    EXPECT_EQ(block->parts[1]->ElemCount(), 0);
    EXPECT_EQ(block->parts[0]->label2, "");
    // Each part is its own undo step.
    EXPECT_EQ(w.UndoCount(), 3);
    GetCommandManager()->Undo();
    EXPECT_EQ(PartNames(*block), QStringList({"BlockMemory", "BlockParam"}));
}

TEST(RelatedNodes, SectionOfTheOtherSide) {
    EXPECT_EQ(RelatedNodes::SectionTypeToRelate(SECTION_BLOCK), SECTION_COMM_IF);
    EXPECT_EQ(RelatedNodes::SectionTypeToRelate(SECTION_COMM_IF), SECTION_BLOCK);
    EXPECT_EQ(RelatedNodes::SectionTypeToRelate(SECTION_DEVICE), 0);
    EXPECT_EQ(RelatedNodes::SectionTypeName(SECTION_COMM_IF), "COMM_IF");
    EXPECT_EQ(RelatedNodes::SectionTypeName(SECTION_BLOCK), "BLOCK");
    EXPECT_EQ(RelatedNodes::SectionTypeName(0), "");
}

struct SectionCase {
    int type;
    const char* name;
    const char* second;
    const char* part;
    int partType;
    int commentId;
};

class RelatedSection : public ::testing::TestWithParam<SectionCase> {};

TEST_P(RelatedSection, IsNamedFromItsBase) {
    DialogWorld w;
    const SectionCase& c = GetParam();
    ASSERT_TRUE(RelatedNodes::CreateSection(w.utility, c.type));
    ASSERT_TRUE(RelatedNodes::CreateSection(w.utility, c.type));
    EXPECT_EQ(SectionNames(w.root()), QStringList({c.name, c.second}));
    const CPELFM_SectionInfo* section = w.root().sections[0];
    EXPECT_EQ(section->sectionType, c.type);
    EXPECT_EQ(section->comment, "");
    ASSERT_EQ(section->parts.size(), 1);
    EXPECT_EQ(section->parts[0]->name, c.part);
    EXPECT_EQ(section->parts[0]->partType, c.partType);
    EXPECT_EQ(section->parts[0]->label2, "");
    EXPECT_EQ(section->parts[0]->comment, w.strings.LoadString(c.commentId));
    EXPECT_EQ(w.UndoCount(), 2);
}

INSTANTIATE_TEST_SUITE_P(Types, RelatedSection,
                         ::testing::Values(SectionCase{SECTION_BLOCK, "BlockSection", "BlockSection1",
                                                       "BlockInformation", PART_BLOCK_INFO, 219},
                                           SectionCase{SECTION_COMM_IF, "CommIfSection", "CommIfSection1",
                                                       "CommIfInformation", PART_COMM_IF_INFO, 221}));

TEST(RelatedNodes, NoSectionForAnotherType) {
    DialogWorld w;
    EXPECT_FALSE(RelatedNodes::CreateSection(w.utility, SECTION_DEVICE));
    EXPECT_TRUE(w.root().sections.isEmpty());
}

TEST(TickCounter, FollowsTransitionsAndNeverGoesNegative) {
    RelatedNodes::TickCounter ticks;
    ticks.Changed(true, false);
    EXPECT_EQ(ticks.Count(), 0);
    ticks.Changed(false, true);
    ticks.Changed(false, true);
    ticks.Changed(true, true);
    EXPECT_EQ(ticks.Count(), 2);
    ticks.Changed(true, false);
    EXPECT_EQ(ticks.Count(), 1);
    ticks.Changed(false, false);
    EXPECT_EQ(ticks.Count(), 1);
}

}  // namespace
