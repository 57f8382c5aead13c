#include <gtest/gtest.h>

#include <QFile>

#include "CPELFM_PartInfo.h"
#include "CPELFM_SectionInfo.h"
#include "DialogTestWorld.h"
#include "MessageBoxStyle.h"
#include "NewPartLogic.h"

using namespace DialogTest;
using CommandTest::AddPart;
using CommandTest::AddSection;
using CommandTest::PartNames;

namespace {

class NewPart : public ::testing::Test {
protected:
    NewPart() {
        commIf = AddSection(w.root(), "Comm", SECTION_COMM_IF);
        AddPart(*commIf, "Info", PART_COMM_IF_INFO);
        AddPart(*commIf, "Config", PART_COMM_IF_CONFIGURATION)->label2 = "cfg";
    }
    NewPartInput Input(const QString& type, const QString& name, const QString& count = "20") {
        NewPartInput input;
        input.partTypeName = type;
        input.name = name;
        input.elemCount = count;
        return input;
    }

    DialogWorld w;
    CPELFM_SectionInfo* commIf;
};

TEST_F(NewPart, TargetIsTheSelectedSectionOrTheSectionOfThePart) {
    EXPECT_EQ(NewPartLogic::TargetSection(commIf), commIf);
    EXPECT_EQ(NewPartLogic::TargetSection(commIf->parts[1]), commIf);
    EXPECT_EQ(NewPartLogic::TargetSection(&w.root()), nullptr);
    EXPECT_EQ(NewPartLogic::TargetSection(nullptr), nullptr);
}

TEST_F(NewPart, ListsThePluginsPartKindsByName) {
    w.rules.partKinds = {PART_COMM_IF_VARIABLE, PART_COMM_IF_CONFIGURATION, PART_ENUM};
    EXPECT_EQ(NewPartLogic(w.utility, commIf).AddablePartTypeNames(),
              QStringList({"COMM_IF_VARIABLE", "COMM_IF_CONFIGURATION", "ENUM"}));
}

TEST_F(NewPart, PluginOfKindTenAllowsDeviceInfoOnlyUpToOnePart) {
    CPELFM_SectionInfo* device = AddSection(w.root(), "Dev", SECTION_DEVICE);
    w.rules.partKinds = {PART_DEVICE_INFO, PART_DEVICE_IF};
    NewPartLogic logic(w.utility, device);
    w.utility.profilePlugins[0].kind = 10;
    AddPart(*device, "D1", PART_DEVICE_INFO);
    EXPECT_EQ(logic.AddablePartTypeNames(), QStringList({"DEVICE_INFO", "DEVICE_IF"}));
    AddPart(*device, "D2", PART_DEVICE_INFO);
    EXPECT_EQ(logic.AddablePartTypeNames(), QStringList({"DEVICE_IF"}));
    w.utility.profilePlugins[0].kind = 2;
    EXPECT_EQ(logic.AddablePartTypeNames(), QStringList({"DEVICE_INFO", "DEVICE_IF"}));
}

TEST_F(NewPart, RelatedPartsNeedACommIfConfigurationAndABlockSection) {
    NewPartLogic logic(w.utility, commIf);
    EXPECT_TRUE(logic.RelatedBoxVisible());
    EXPECT_FALSE(logic.RelatedBoxEnabled("COMM_IF_CONFIGURATION"));
    AddSection(w.root(), "Block", SECTION_BLOCK);
    EXPECT_TRUE(logic.RelatedBoxEnabled("COMM_IF_CONFIGURATION"));
    EXPECT_FALSE(logic.RelatedBoxEnabled("COMM_IF_VARIABLE"));
    CPELFM_SectionInfo* block = w.root().sections.last();
    EXPECT_FALSE(NewPartLogic(w.utility, block).RelatedBoxVisible());
}

TEST_F(NewPart, AccentedNameIsRefusedBeforeAnyOtherTest) {
    // The name also exists: the ASCII test must come first.
    AddPart(*commIf, QString::fromUtf8("Inf\xc3\xb6"), PART_ENUM);
    const NewPartOutcome outcome =
        NewPartLogic(w.utility, commIf).Accept(Input("ENUM", QString::fromUtf8("Inf\xc3\xb6")));
    EXPECT_FALSE(outcome.created);
    EXPECT_EQ(outcome.focus, NewPartField::Name);
    ASSERT_EQ(w.presenter.Calls().size(), 1);
    EXPECT_EQ(w.presenter.Calls()[0].text, w.strings.LoadString(10047));
    EXPECT_EQ(w.presenter.Calls()[0].style, MB_OK);
    EXPECT_EQ(w.UndoCount(), 0);
}

TEST_F(NewPart, HexadecimalCountCreatesThatManyEmptyElementsInOneStep) {
    const NewPartOutcome outcome =
        NewPartLogic(w.utility, commIf).Accept(Input("COMM_IF_VARIABLE", "Vars", "0x10"));
    ASSERT_TRUE(outcome.created);
    EXPECT_EQ(outcome.part->partType, PART_COMM_IF_VARIABLE);
    EXPECT_EQ(outcome.part->ElemCount(), 16);
    EXPECT_EQ(PartNames(*commIf), QStringList({"Info", "Config", "Vars"}));
    EXPECT_EQ(w.UndoCount(), 1);
    EXPECT_TRUE(w.presenter.Calls().isEmpty());
}

TEST_F(NewPart, CountWithTrailingCharactersIsRefused) {
    const NewPartOutcome outcome = NewPartLogic(w.utility, commIf).Accept(Input("ENUM", "E", "12a"));
    EXPECT_FALSE(outcome.created);
    EXPECT_EQ(outcome.focus, NewPartField::ElemCount);
    EXPECT_EQ(w.Messages(), QStringList({"12a is not a number."}));
    EXPECT_EQ(commIf->parts.size(), 2);
}

TEST_F(NewPart, ExistingNameIsRefused) {
    const NewPartOutcome outcome = NewPartLogic(w.utility, commIf).Accept(Input("ENUM", "Config"));
    EXPECT_FALSE(outcome.created);
    EXPECT_EQ(outcome.focus, NewPartField::Name);
    EXPECT_EQ(w.Messages(), QStringList({"The name Config is used already."}));
    EXPECT_EQ(w.presenter.Calls()[0].style, MB_ICONERROR);
}

struct RuleCase {
    int verdict;
    int reasonId;
};

class NewPartLabelRule : public NewPart, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(NewPartLabelRule, RefusedNameNamesTheReason) {
    w.rules.verdicts["bad"] = GetParam().verdict;
    const NewPartOutcome outcome = NewPartLogic(w.utility, commIf).Accept(Input("ENUM", "bad"));
    EXPECT_FALSE(outcome.created);
    ASSERT_EQ(w.Messages().size(), 1);
    EXPECT_TRUE(w.Messages()[0].contains(w.strings.LoadString(GetParam().reasonId) + "bad"));
    EXPECT_TRUE(w.Messages()[0].startsWith("These names cannot be used:"));
}

INSTANTIATE_TEST_SUITE_P(Verdicts, NewPartLabelRule,
                         ::testing::Values(RuleCase{2, 121}, RuleCase{3, 126}, RuleCase{4, 127}));

TEST_F(NewPart, Label2OfAnotherPartIsRefusedAReservedOneIsNot) {
    NewPartInput input = Input("ENUM", "E");
    input.label2 = "cfg";
    NewPartOutcome outcome = NewPartLogic(w.utility, commIf).Accept(input);
    EXPECT_EQ(outcome.focus, NewPartField::Label2);
    EXPECT_EQ(w.Messages(), QStringList({"The second name cfg is used already."}));

    w.rules.verdicts["int"] = 4;
    input.label2 = "int";
    outcome = NewPartLogic(w.utility, commIf).Accept(input);
    EXPECT_TRUE(outcome.created);
    EXPECT_EQ(outcome.part->label2, "int");
}

TEST_F(NewPart, TickedRelatedBoxIsStoredAndAsksForTheRelateDialog) {
    AddSection(w.root(), "Block", SECTION_BLOCK);
    NewPartInput input = Input("COMM_IF_CONFIGURATION", "Config2");
    input.relatedShown = true;
    input.relatedTicked = true;
    const NewPartOutcome outcome = NewPartLogic(w.utility, commIf).Accept(input);
    ASSERT_TRUE(outcome.created);
    EXPECT_TRUE(outcome.openRelated);
    EXPECT_EQ(outcome.partType, PART_COMM_IF_CONFIGURATION);
    EXPECT_EQ(w.utility.settings->AutoCreateRelatedPart, 1);
    EXPECT_TRUE(QFile::exists(w.utility.SettingsFilePath()));

    input.name = "Config3";
    input.relatedTicked = false;
    EXPECT_FALSE(NewPartLogic(w.utility, commIf).Accept(input).openRelated);
    EXPECT_EQ(w.utility.settings->AutoCreateRelatedPart, 0);
}

TEST_F(NewPart, HiddenRelatedBoxLeavesTheSettingAlone) {
    w.utility.settings->AutoCreateRelatedPart = 1;
    NewPartInput input = Input("ENUM", "E");
    input.relatedTicked = false;
    EXPECT_TRUE(NewPartLogic(w.utility, commIf).Accept(input).created);
    EXPECT_EQ(w.utility.settings->AutoCreateRelatedPart, 1);
}

TEST_F(NewPart, WithoutAProfilePluginNothingIsCreated) {
    w.utility.profilePlugins.clear();
    EXPECT_FALSE(NewPartLogic(w.utility, commIf).Accept(Input("ENUM", "E")).created);
    EXPECT_EQ(commIf->parts.size(), 2);
}

}  // namespace
