#include "CCheckStringTable.h"
#include "CPELFM_ElemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CheckCases.h"

using namespace CheckTest;

namespace {

class LabelChecks : public CheckCaseTest {};
TEST_P(LabelChecks, Findings) {
    Verify();
}

const std::string k64(64, 'a');
const std::string k65(65, 'a');
const std::string k128(128, 'b');
const std::string k129(129, 'b');

INSTANTIATE_TEST_SUITE_P(
    Cases, LabelChecks,
    testing::Values(
        CheckCase{"DuplicateIgnoringCase", F30, [](TestProfile& t) { AddVar(t, "SPEED"); },
                  {F(40012, "COMM1", "Vars", 1, LABEL, {"SPEED"})}},
        // Two parts of one section whose names differ in case keep one list of labels.
        CheckCase{"SameLabelInAPartOfTheSameName", F30,
                  [](TestProfile& t) {
                      CPELFM_PartInfo* twin = t.AddPart(t.Section("COMM1"), PART_COMM_IF_VARIABLE, "VARS");
                      t.AddElem(twin, "SPEED", {{NAME, "n"}, {DATATYPE, "INT8"}});
                  },
                  {F(40012, "COMM1", "VARS", 0, LABEL, {"SPEED"})}},
        CheckCase{"SameLabelInAnotherPart", F30,
                  [](TestProfile& t) { t.AddElem(t.Part("BLOCK1", "Mem"), "Speed", {{NAME, "n"}, {DATATYPE, "INT8"}}); },
                  {}},
        CheckCase{"ThirdUseReportedToo", F20,
                  [](TestProfile& t) {
                      AddVar(t, "speed");
                      AddVar(t, "Speed");
                  },
                  {F(40012, "COMM1", "Vars", 1, LABEL, {"speed"}), F(40012, "COMM1", "Vars", 2, LABEL, {"Speed"})}},
        CheckCase{"CommaInNamesNeverCollides", F30,
                  [](TestProfile& t) {
                      // Joined with commas, both keys would read "a,b,c,x".
                      auto* s1 = t.AddSection(SECTION_COMM_IF, "A,B");
                      auto* s2 = t.AddSection(SECTION_COMM_IF, "A");
                      t.AddElem(t.AddPart(s1, PART_COMM_IF_VARIABLE, "C"), "x", {{NAME, "n"}, {DATATYPE, "INT8"}});
                      t.AddElem(t.AddPart(s2, PART_COMM_IF_VARIABLE, "B,C"), "x", {{NAME, "n"}, {DATATYPE, "INT8"}});
                  },
                  {}},
        CheckCase{"LeadingDigit", F30, [](TestProfile& t) { AddVar(t, "2ndAxis"); },
                  {F(40015, "COMM1", "Vars", 1, LABEL, {"2"})}},
        CheckCase{"LeadingUnderscore", F30, [](TestProfile& t) { AddVar(t, "_x"); },
                  {F(40015, "COMM1", "Vars", 1, LABEL, {"_"})}},
        CheckCase{"Hyphen", F30, [](TestProfile& t) { AddVar(t, "a-b"); }, {F(40014, "COMM1", "Vars", 1, LABEL, {"-"})}},
        CheckCase{"Space", F11, [](TestProfile& t) { AddVar(t, "a b"); }, {F(40014, "COMM1", "Vars", 1, LABEL, {" "})}},
        CheckCase{"IdeographicSpace", F30, [](TestProfile& t) { AddVar(t, "a\u3000b"); },
                  {F(40014, "COMM1", "Vars", 1, LABEL, {"\u3000"})}},
        CheckCase{"EarlierTableEntryWins", F30, [](TestProfile& t) { AddVar(t, "a(b!"); },
                  {F(40014, "COMM1", "Vars", 1, LABEL, {"!"})}},
        CheckCase{"CharactersBeforeLeadingDigit", F30, [](TestProfile& t) { AddVar(t, "1a-b"); },
                  {F(40014, "COMM1", "Vars", 1, LABEL, {"-"})}},
        CheckCase{"ReservedWordAsWrittenInTheTable", F30, [](TestProfile& t) { AddVar(t, "label"); },
                  {F(40013, "COMM1", "Vars", 1, LABEL, {"LABEL"})}},
        CheckCase{"Relation30", F30, [](TestProfile& t) { AddVar(t, "Relation"); },
                  {F(40013, "COMM1", "Vars", 1, LABEL, {"RELATION"})}},
        CheckCase{"Relation20", F20, [](TestProfile& t) { AddVar(t, "Relation"); }, {}},
        CheckCase{"ReadCondition20", F20, [](TestProfile& t) { AddVar(t, "read_condition"); },
                  {F(40013, "COMM1", "Vars", 1, LABEL, {"READ_CONDITION"})}},
        CheckCase{"ReadCondition11", F11, [](TestProfile& t) { AddVar(t, "READ_CONDITION"); }, {}},
        CheckCase{"AboveCode128", F30, [](TestProfile& t) { AddVar(t, "Caf\u00e9"); },
                  {F(40016, "COMM1", "Vars", 1, LABEL)}},
        CheckCase{"Code128Itself", F30, [](TestProfile& t) { AddVar(t, "a\u0080"); }, {}},
        CheckCase{"Label64", F30, [](TestProfile& t) { AddVar(t, k64.c_str()); }, {}},
        CheckCase{"Label65", F30, [](TestProfile& t) { AddVar(t, k65.c_str()); }, {F(40017, "COMM1", "Vars", 1, LABEL)}},
        CheckCase{"SecondLabel128", F30, [](TestProfile& t) { AddVar(t, "a", {{LABEL2, k128.c_str()}}); }, {}},
        CheckCase{"SecondLabel129", F30, [](TestProfile& t) { AddVar(t, "a", {{LABEL2, k129.c_str()}}); },
                  {F(40115, "COMM1", "Vars", 1, LABEL2)}},
        CheckCase{"SecondLabelLongerThan64MayHoldWideCharacters", F30,
                  [](TestProfile& t) { AddVar(t, "a", {{LABEL2, "速度速度速度速度速度速度速度速度速度速度速度速度速度速度速度速度速度"}}); },
                  {}},
        CheckCase{"SecondLabelVocabulary", F30, [](TestProfile& t) { AddVar(t, "a", {{LABEL2, "x,y"}}); },
                  {F(40014, "COMM1", "Vars", 1, LABEL2, {","})}},
        CheckCase{"DuplicateSecondLabel", F30,
                  [](TestProfile& t) {
                      AddVar(t, "a", {{LABEL2, "Shown"}});
                      AddVar(t, "b", {{LABEL2, "SHOWN"}});
                  },
                  {F(40012, "COMM1", "Vars", 2, LABEL2, {"SHOWN"})}},
        CheckCase{"EmptyLabelPassesTheLabelChecks", F30, [](TestProfile& t) { AddVar(t, ""); },
                  {F(40011, "COMM1", "Vars", 1, LABEL, {"COMM_IF_VARIABLE", "LABEL"})}}),
    CaseName);

TEST(LabelChecks, DuplicateTextHasNoLocation) {
    auto t = TestProfile::Valid(F11());
    AddVar(*t, "a", {{LABEL2, "Shown"}});
    AddVar(*t, "b", {{LABEL2, "Shown"}});
    const QList<_ST_PEL_CHECK_MESSAGE> m = RunCheck(F11(), t->Root());
    ASSERT_EQ(m.size(), 1);
    EXPECT_EQ(
        m[0].text,
        QStringLiteral("**Error** COMM1 section, Vars part: LABEL item Shown of the element is duplicated. "
                       "The same name cannot be set for LABEL item of multiple elements in a part."));
}

}  // namespace
