#include "CPELFM_ElemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CheckCases.h"

using namespace CheckTest;

namespace {

class ItemChecks : public CheckCaseTest {};
TEST_P(ItemChecks, Findings) {
    Verify();
}

CheckCase Access(const char* name, const char* part, const char* value, std::vector<Finding> expected) {
    return CheckCase{name, F30,
                     [=](TestProfile& t) {
                         if (QLatin1String(part) == QLatin1String("Mem")) {
                             AddMem(t, "a", {{ACCESS, value}});
                         } else {
                             AddVar(t, "a", {{ACCESS, value}});
                         }
                     },
                     expected};
}

// A configuration element with a READ_CONDITION, beside variables of several types.
CheckCase Condition(const char* name, const CheckFormat& (*format)(), const char* condition,
                    std::vector<Finding> expected) {
    return CheckCase{name, format,
                     [=](TestProfile& t) {
                         AddVar(t, "Flag", {}, "BOOL");
                         AddVar(t, "Text", {}, "STRING(8)");
                         AddVar(t, "Amount", {}, "REAL");
                         AddVar(t, "Stamp", {}, "DATE");
                         t.AddElem(t.Part("COMM1", "Config"), "c",
                                   {{NAME, "n"}, {DATATYPE, "INT16"}, {READ_CONDITION, condition}});
                     },
                     expected};
}

Finding ConditionFinding() {
    return F(40049, "COMM1", "Config", 0, READ_CONDITION);
}

CheckCase Code(const char* name, const CheckFormat& (*format)(), const char* code,
               std::vector<Finding> expected) {
    return CheckCase{name, format,
                     [=](TestProfile& t) {
                         t.AddElem(t.Part("COMM1", "Modes"), "m", {{CODE, code}});
                     },
                     expected};
}

Finding CodeFinding() {
    return F(40065, "COMM1", "Modes", 0, CODE);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ItemChecks,
    testing::Values(
        CheckCase{"OmittedTypeAndName",
                  F30,
                  [](TestProfile& t) {
                      t.AddElem(t.Part("BLOCK1", "Mem"), "a", {{DATATYPE, "-"}});
                  },
                  {F(40018, "BLOCK1", "Mem", 1, DATATYPE),
                   F(40011, "BLOCK1", "Mem", 1, DATATYPE, {"BLOCK_MEMORY", "DATATYPE"}),
                   F(40011, "BLOCK1", "Mem", 1, NAME, {"BLOCK_MEMORY", "NAME"})}},
        CheckCase{"TypeWithoutAnyValue",
                  F30,
                  [](TestProfile& t) {
                      t.AddElem(t.Part("FILE", "FileInfo"), "x", {{DATATYPE, std::vector<QString>{}}});
                  },
                  {F(40011, "FILE", "FileInfo", 7, DATATYPE, {"FILE_INFO", "DATATYPE"})}},
        CheckCase{"EnumNeedsCode",
                  F20,
                  [](TestProfile& t) { t.AddElem(t.Part("BLOCK1", "States"), "s", {}); },
                  {F(40011, "BLOCK1", "States", 0, CODE, {"ENUM", "CODE"})}},
        CheckCase{"ConfigurationWithMemoryReference",
                  F30,
                  [](TestProfile& t) {
                      t.AddElem(t.Part("COMM1", "Config"), "c", {{REF_MEMORY, "BLOCK1.Mem"}});
                  },
                  {}},
        CheckCase{"ConfigurationWithParameterReference",
                  F30,
                  [](TestProfile& t) {
                      t.AddElem(t.Part("COMM1", "Config"), "c", {{REF_PARAM, "BLOCK1.Param"}});
                  },
                  {F(40011, "COMM1", "Config", 0, NAME, {"COMM_IF_CONFIGURATION", "NAME"})}},
        CheckCase{"ConfigurationWithoutReference",
                  F30,
                  [](TestProfile& t) { t.AddElem(t.Part("COMM1", "Config"), "c", {}); },
                  {F(40011, "COMM1", "Config", 0, DATATYPE, {"COMM_IF_CONFIGURATION", "DATATYPE"}),
                   F(40011, "COMM1", "Config", 0, NAME, {"COMM_IF_CONFIGURATION", "NAME"})}},
        Access("LowerCaseInMemory", "Mem", "rw",
               {F(40044, "BLOCK1", "Mem", 1, ACCESS, {"BLOCK_MEMORY", "rw"})}),
        Access("ReadWriteInMemory", "Mem", "RW", {}), Access("AnyTextInVariables", "Vars", "whatever", {}),
        Access("EmptyInVariables", "Vars", "",
               {F(40044, "COMM1", "Vars", 1, ACCESS, {"COMM_IF_VARIABLE", "空"})}),
        CheckCase{
            "AccessInParameterBlock",
            F30,
            [](TestProfile& t) {
                t.AddElem(t.Part("BLOCK1", "Param"), "a", {{NAME, "n"}, {DATATYPE, "INT8"}, {ACCESS, "R"}});
            },
            {F(40044, "BLOCK1", "Param", 1, ACCESS, {"BLOCK_PARAM", "R"})}},
        Condition("BoolWithOn", F30, "Vars.Flag==ON", {}),
        Condition("BoolWithTwo", F30, "Vars.Flag==2", {ConditionFinding()}),
        Condition("TwoComparisons", F30, "Vars.Flag==1 && Vars.Speed>=-3", {}),
        Condition("SecondComparisonWrong", F20, "Vars.Flag==1||Vars.Speed>=40000", {ConditionFinding()}),
        Condition("TextOrdered", F30, "Vars.Text<\"ab\"", {ConditionFinding()}),
        Condition("TextEqual", F30, "Vars.Text==\"ab\"", {}),
        Condition("TextUnquoted", F30, "Vars.Text!=ab", {ConditionFinding()}),
        Condition("RealValue", F30, "Vars.Amount<=1.5", {}),
        Condition("TypeNotComparable", F30, "Vars.Stamp==1", {ConditionFinding()}),
        Condition("UnknownElement", F30, "Vars.Nope==1", {ConditionFinding()}),
        Condition("NoComparison", F30, "Vars.Flag", {ConditionFinding()}),
        Condition("NoReadConditionCheckIn11", F11, "Vars.Flag",
                  {F(40020, "COMM1", "Vars", 2, DATATYPE, {"Vars"})}),
        Code("NoIntegerIn11", F11, "abc", {CodeFinding()}), Code("NoIntegerIn30", F30, "abc", {}),
        Code("Hexadecimal8", F11, "0xFFFFFFFF", {}), Code("Hexadecimal5", F11, "0x12345", {CodeFinding()}),
        Code("CapitalX", F11, "0X12", {CodeFinding()}), Code("UnsignedTop", F11, "4294967295", {}),
        Code("Beyond32Bits", F11, "4294967296", {CodeFinding()}),
        Code("SignedBottom", F11, "-2147483648", {}),
        Code("BelowSignedBottom", F11, "-2147483649", {CodeFinding()}),
        Code("Empty", F11, "", {F(40011, "COMM1", "Modes", 0, CODE, {"ENUM", "CODE"})}),
        Code("TrailingText", F11, "12a", {CodeFinding()})),
    CaseName);

}  // namespace
