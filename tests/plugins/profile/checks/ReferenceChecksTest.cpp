#include "CPELFM_ElemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CheckCases.h"

using namespace CheckTest;

namespace {

class ReferenceChecks : public CheckCaseTest {};
TEST_P(ReferenceChecks, Findings) {
    Verify();
}

CPELFM_ElemInfo* AddConfig(TestProfile& t, const char* label, std::vector<ItemSpec> items) {
    return t.AddElem(t.Part("COMM1", "Config"), QString::fromUtf8(label), items);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReferenceChecks,
    testing::Values(
        CheckCase{"EnumReferenceInCode",
                  F30,
                  [](TestProfile& t) {
                      t.AddElem(t.Part("BLOCK1", "States"), "s", {{CODE, "@States"}});
                  },
                  {F(40091, "BLOCK1", "States", 0, CODE)}},
        // A DATA value is plain text by its item kind, whatever its data kind: no enumeration reference.
        CheckCase{"EnumReferenceInDataIsText",
                  F30,
                  [](TestProfile& t) {
                      t.AddElem(t.Part("BLOCK1", "Param"), "P1",
                                {{NAME, "n"}, {DATATYPE, "INT16"}, {DATA, "@States"}});
                  },
                  {F(40034, "BLOCK1", "Param", 1, DATA, {"P1"})}},
        CheckCase{"EnumReferenceInRangeIsAllowed",
                  F30,
                  [](TestProfile& t) {
                      AddVar(t, "a", {{RANGE, "@Modes"}});
                  },
                  {}},
        CheckCase{"EnumReferenceToMissingPart",
                  F20,
                  [](TestProfile& t) {
                      AddVar(t, "a", {{RANGE, "@Nope"}});
                  },
                  {F(40001, "COMM1", "Vars", 1, RANGE, {"パート"})}},
        // A part name alone names a part of the item's own section: one text, two places, two answers.
        // The missing part is found before the wrong kind, as the first check of the group runs first.
        CheckCase{"PartNameAloneIsLookedUpInTheItemsSection",
                  F30,
                  [](TestProfile& t) {
                      t.AddPart(t.Section("COMM1"), PART_ENUM, "Target");
                      AddConfig(t, "a", {{REF_MEMORY, "Target"}});
                      CPELFM_SectionInfo* other = t.AddSection(SECTION_COMM_IF, "COMM2");
                      t.AddElem(t.AddPart(other, PART_COMM_IF_CONFIGURATION, "Config"), "a",
                                {{REF_MEMORY, "Target"}});
                  },
                  {F(40001, "COMM2", "Config", 0, REF_MEMORY, {"パート"}),
                   F(40003, "COMM1", "Config", 0, REF_MEMORY,
                     {"COMM_IF_CONFIGURATION", "REF_MEMORY", "BLOCK_MEMORY"})}},
        CheckCase{"DeviceInterfaceToMissingConnection",
                  F30,
                  [](TestProfile& t) {
                      Set(t, "COMM1", "CommInfo", "DeviceInterface", {DATA, "DEVICE.Nope"});
                  },
                  {F(40001, "COMM1", "CommInfo", 0, DATA, {"パート"})}},
        CheckCase{"DeviceInterfaceToAnotherPartKind",
                  F30,
                  [](TestProfile& t) {
                      Set(t, "BLOCK1", "BlockInfo", "DeviceInterface", {DATA, "DEVICE.DeviceInfo"});
                  },
                  {F(40001, "BLOCK1", "BlockInfo", 0, DATA, {"パート"})}},
        CheckCase{"OtherLabelsOfTheInfoPartAreNotReferences",
                  F30,
                  [](TestProfile& t) {
                      t.AddElem(t.Part("COMM1", "CommInfo"), "Other",
                                {{DATATYPE, "STRING(20)"}, {DATA, "DEVICE.Nope"}});
                  },
                  {}},
        CheckCase{"MemoryReferenceToParameterBlock",
                  F30,
                  [](TestProfile& t) {
                      AddConfig(t, "c", {{REF_MEMORY, "BLOCK1.Param"}});
                  },
                  {F(40003, "COMM1", "Config", 0, REF_MEMORY,
                     {"COMM_IF_CONFIGURATION", "REF_MEMORY", "BLOCK_MEMORY"})}},
        CheckCase{"MemoryReferenceToMemoryBlock",
                  F30,
                  [](TestProfile& t) {
                      AddConfig(t, "c", {{REF_MEMORY, "BLOCK1.Mem"}});
                  },
                  {}},
        CheckCase{"MissingReferenceStopsTheKindCheck",
                  F30,
                  [](TestProfile& t) {
                      AddConfig(t, "c", {{REF_MEMORY, "BLOCK1.Nope"}});
                  },
                  {F(40001, "COMM1", "Config", 0, REF_MEMORY, {"パート"})}},
        CheckCase{"ParameterListFirstWrongPieceDecides",
                  F11,
                  [](TestProfile& t) {
                      AddConfig(t, "c", {{NAME, "n"}, {REF_PARAM, {"BLOCK1.Param", "BLOCK1.Mem"}}});
                  },
                  {F(40003, "COMM1", "Config", 0, REF_PARAM,
                     {"COMM_IF_CONFIGURATION", "REF_PARAM", "BLOCK_PARAM"})}},
        CheckCase{"ParameterListMissingPiece",
                  F30,
                  [](TestProfile& t) {
                      AddConfig(t, "c", {{NAME, "n"}, {REF_PARAM, {"BLOCK1.Param", "X.Y"}}});
                  },
                  {F(40001, "COMM1", "Config", 0, REF_PARAM, {"パート"})}}),
    CaseName);

TEST(ReferenceChecks, ReferenceTextNamesThePart) {
    auto t = TestProfile::Valid(F11());
    AddVar(*t, "a", {{RANGE, "@Nope"}});
    const QList<_ST_PEL_CHECK_MESSAGE> m = RunCheck(F11(), t->Root());
    ASSERT_EQ(m.size(), 1);
    EXPECT_EQ(
        m[0].text,
        QStringLiteral("**Error** COMM1 section, Vars part, [No.2, RANGE item]: Reference to Part does not "
                       "exist."));
}

}  // namespace
