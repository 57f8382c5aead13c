#include <gtest/gtest.h>

#include "CPELFM_PartInfo.h"
#include "CPELFM_SectionInfo.h"
#include "DialogTestWorld.h"
#include "MessageBoxStyle.h"
#include "NewSectionLogic.h"

using namespace DialogTest;
using CommandTest::AddPart;
using CommandTest::AddSection;
using CommandTest::SectionNames;

namespace {

NewSectionInput Input(int type, const QString& section, const QString& part) {
    NewSectionInput input;
    input.sectionType = type;
    input.sectionName = section;
    input.partName = part;
    return input;
}

TEST(NewSection, CommIfIsPreselectedForACommIfSelection) {
    DialogWorld w;
    CPELFM_SectionInfo* commIf = AddSection(w.root(), "Comm", SECTION_COMM_IF);
    CPELFM_SectionInfo* block = AddSection(w.root(), "Block", SECTION_BLOCK);
    AddPart(*commIf, "Info", PART_COMM_IF_INFO);
    AddPart(*block, "BInfo", PART_BLOCK_INFO);
    EXPECT_EQ(NewSectionLogic::InitialSectionType(commIf, false), SECTION_COMM_IF);
    EXPECT_EQ(NewSectionLogic::InitialSectionType(commIf->parts[0], false), SECTION_COMM_IF);
    EXPECT_EQ(NewSectionLogic::InitialSectionType(nullptr, true), SECTION_COMM_IF);
    EXPECT_EQ(NewSectionLogic::InitialSectionType(block, false), SECTION_BLOCK);
    EXPECT_EQ(NewSectionLogic::InitialSectionType(block->parts[0], false), SECTION_BLOCK);
    EXPECT_EQ(NewSectionLogic::InitialSectionType(&w.root(), false), SECTION_BLOCK);
}

TEST(NewSection, OkNeedsBothNames) {
    EXPECT_TRUE(NewSectionLogic::OkEnabled("S", "P"));
    EXPECT_FALSE(NewSectionLogic::OkEnabled("", "P"));
    EXPECT_FALSE(NewSectionLogic::OkEnabled("S", ""));
}

TEST(NewSection, CreatesTheSectionWithItsFirstPartInOneStep) {
    DialogWorld w;
    NewSectionInput input = Input(SECTION_BLOCK, "Axis", "AxisInfo");
    input.sectionComment = "c";
    input.partLabel2 = "ax";
    input.partComment = "pc";
    input.relatedTicked = true;
    const NewSectionOutcome outcome = NewSectionLogic(w.utility).Accept(input);
    ASSERT_TRUE(outcome.created);
    EXPECT_TRUE(outcome.openRelated);
    EXPECT_EQ(SectionNames(w.root()), QStringList({"Axis"}));
    EXPECT_EQ(outcome.section->comment, "c");
    ASSERT_EQ(outcome.section->parts.size(), 1);
    EXPECT_EQ(outcome.section->parts[0]->partType, PART_BLOCK_INFO);
    EXPECT_EQ(outcome.section->parts[0]->label2, "ax");
    EXPECT_EQ(outcome.section->parts[0]->comment, "pc");
    EXPECT_EQ(w.UndoCount(), 1);
    EXPECT_EQ(w.utility.settings->AutoCreateRelatedSection, 1);
}

TEST(NewSection, ExistingSectionNameIsRefused) {
    DialogWorld w;
    AddSection(w.root(), "Axis", SECTION_BLOCK);
    const NewSectionOutcome outcome = NewSectionLogic(w.utility).Accept(Input(SECTION_COMM_IF, "Axis", "I"));
    EXPECT_FALSE(outcome.created);
    EXPECT_EQ(outcome.focus, NewSectionField::SectionName);
    EXPECT_EQ(w.Messages(), QStringList({"The name Axis is used already."}));
    EXPECT_EQ(w.presenter.Calls()[0].style, MB_ICONERROR);
}

TEST(NewSection, EveryRefusedTextGoesIntoOneMessage) {
    DialogWorld w;
    w.rules.verdicts = {{"1st", 3}, {"int", 4}};
    NewSectionInput input = Input(SECTION_BLOCK, "Good", "1st");
    input.partLabel2 = "int";
    const NewSectionOutcome outcome = NewSectionLogic(w.utility).Accept(input);
    EXPECT_FALSE(outcome.created);
    EXPECT_EQ(outcome.focus, NewSectionField::PartName);
    ASSERT_EQ(w.Messages().size(), 1);
    EXPECT_TRUE(w.Messages()[0].contains(w.strings.LoadString(126) + "1st"));
    EXPECT_TRUE(w.Messages()[0].contains(w.strings.LoadString(127) + "int"));
    EXPECT_TRUE(w.root().sections.isEmpty());
}

TEST(NewSection, NonAsciiLabel2IsRefused) {
    DialogWorld w;
    NewSectionInput input = Input(SECTION_BLOCK, "S", "P");
    input.partLabel2 = QString::fromUtf8("\xc3\xa4");
    const NewSectionOutcome outcome = NewSectionLogic(w.utility).Accept(input);
    EXPECT_EQ(outcome.focus, NewSectionField::PartLabel2);
    EXPECT_EQ(w.Messages(), QStringList({w.strings.LoadString(10047)}));
}

TEST(NewSection, EmptyLabel2IsNotPutToTheLabelRules) {
    DialogWorld w;
    w.rules.verdicts[""] = 2;
    EXPECT_TRUE(NewSectionLogic(w.utility).Accept(Input(SECTION_COMM_IF, "S", "P")).created);
    EXPECT_EQ(w.utility.settings->AutoCreateRelatedSection, 0);
}

}  // namespace
