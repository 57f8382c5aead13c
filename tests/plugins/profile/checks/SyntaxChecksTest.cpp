#include "CPELFM_ElemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CheckCases.h"

using namespace CheckTest;

namespace {

class SyntaxChecks : public CheckCaseTest {};
TEST_P(SyntaxChecks, Findings) {
    Verify();
}

CheckCase Range(const char* name, const char* dataType, const char* range, std::vector<Finding> expected) {
    return CheckCase{name, F30,
                     [=](TestProfile& t) {
                         AddVar(t, "a", {{RANGE, range}}, dataType);
                     },
                     expected};
}

CheckCase Assign(const char* name, const char* part, std::vector<QString> value,
                 std::vector<Finding> expected) {
    return CheckCase{name, F30,
                     [=](TestProfile& t) {
                         if (QLatin1String(part) == QLatin1String("Mem")) {
                             AddMem(t, "a", {{ASSIGN, value}});
                         } else {
                             AddVar(t, "a", {{ASSIGN, value}});
                         }
                     },
                     expected};
}

const Finding kRange40021 = F(40021, "COMM1", "Vars", 1, RANGE);

INSTANTIATE_TEST_SUITE_P(
    Cases, SyntaxChecks,
    testing::Values(
        CheckCase{"EnumCodeWithBracket",
                  F30,
                  [](TestProfile& t) {
                      t.AddElem(t.Part("COMM1", "Modes"), "m", {{CODE, "0x1(2"}});
                  },
                  {F(40010, "COMM1", "Modes", 0, CODE, {"\"(\"", ""})}},
        CheckCase{"EnumCodeTokensInFixedOrder",
                  F30,
                  [](TestProfile& t) {
                      t.AddElem(t.Part("BLOCK1", "States"), "m", {{CODE, "]x(<\\q"}});
                  },
                  {F(40010, "BLOCK1", "States", 0, CODE, {"\"(\",\"]\",\"<\",\"\\\"", ""})}},
        CheckCase{"EscapedBracketIsNoToken",
                  F30,
                  [](TestProfile& t) {
                      AddMem(t, "a", {{ASSIGN, "a\\(b"}});
                  },
                  {}},
        CheckCase{"BracketInAssign",
                  F30,
                  [](TestProfile& t) {
                      AddMem(t, "a", {{ASSIGN, "a(b"}});
                  },
                  {F(40010, "BLOCK1", "Mem", 1, ASSIGN, {"\"(\"", ""})}},
        CheckCase{"AngleInMemoryRange",
                  F20,
                  [](TestProfile& t) {
                      AddMem(t, "a", {{RANGE, "<ab>"}});
                  },
                  {F(40010, "BLOCK1", "Mem", 1, RANGE, {"\"<\",\">\"", ""})}},
        CheckCase{"RelationWithAngle30",
                  F30,
                  [](TestProfile& t) {
                      AddMem(t, "a", {{RELATION, "<ab>"}});
                  },
                  {F(40010, "BLOCK1", "Mem", 1, RELATION, {"\"<\",\">\"", ""})}},
        CheckCase{"RelationWithAngle20",
                  F20,
                  [](TestProfile& t) {
                      AddMem(t, "a", {{RELATION, "<ab>"}});
                  },
                  {}},
        CheckCase{"LoneBackslash",
                  F30,
                  [](TestProfile& t) {
                      AddVar(t, "a", {{MIN_INC, "1\\0"}});
                  },
                  {F(40010, "COMM1", "Vars", 1, MIN_INC, {"\"\\\"", ""})}},
        CheckCase{"EscapedBackslash",
                  F30,
                  [](TestProfile& t) {
                      AddVar(t, "a", {{ENG_UNIT, "mm"}, {MIN_INC, "1\\\\0"}});
                  },
                  {F(40042, "COMM1", "Vars", 1, MIN_INC)}},
        Range("HalfOpenRange", "INT16", "[0,10)", {}), Range("MixedClosers", "INT16", "(1,2]", {}),
        Range("UnclosedRange", "INT16", "[0,10", {kRange40021}),
        Range("SpaceAfterComma", "INT16", "(1, 5)", {F(40023, "COMM1", "Vars", 1, RANGE)}),
        Range("SpaceBeforeComma", "INT16", "(1 ,5)", {F(40023, "COMM1", "Vars", 1, RANGE)}),
        Range("MaximumOnTheLeft", "INT16", "(10,1)", {F(40024, "COMM1", "Vars", 1, RANGE)}),
        Range("HexadecimalBounds", "WORD", "(0x10,0x20)", {}), Range("RealBound", "REAL", "(1.5,2)", {}),
        Range("RealBoundsCompared", "REAL", "(2.5,2)", {F(40024, "COMM1", "Vars", 1, RANGE)}),
        Range("NoNumbers", "INT16", "(a,b)", {F(40023, "COMM1", "Vars", 1, RANGE)}),
        Range("TwoCommas", "INT16", "(1,2,3)", {F(40022, "COMM1", "Vars", 1, RANGE)}),
        Range("OpenLowerBound", "INT16", "(,5]", {}),
        Range("BoundBeyond64Bits", "INT16", "(0,99999999999999999999)",
              {F(40023, "COMM1", "Vars", 1, RANGE)}),
        Range("BoundsCompareIn64Bits", "INT16", "(4294967296,1)", {F(40024, "COMM1", "Vars", 1, RANGE)}),
        CheckCase{"ListOfRangesFirstBadPieceDecides",
                  F30,
                  [](TestProfile& t) { AddVar(t, "a", {{RANGE, {"(0,1)", "(3,2)", "(1,2,3)"}}}); },
                  {F(40024, "COMM1", "Vars", 1, RANGE)}},
        Assign("AngleListPasses", "Vars", {"<a><b>"}, {}),
        Assign("TextAfterAngles", "Vars", {"<a>b"}, {F(40025, "COMM1", "Vars", 1, ASSIGN)}),
        Assign("AnglesInAngles", "Vars", {"<a<b>>"}, {F(40026, "COMM1", "Vars", 1, ASSIGN)}),
        Assign("EmptyAnglesAllowed", "Vars", {"<><b>"}, {}),
        // In memory blocks the balance rule comes first: the split piece "a<b" has no closing angle.
        Assign("AnglesInAnglesOfMemory", "Mem", {"<a<b>>"}, {F(40021, "BLOCK1", "Mem", 1, ASSIGN)}),
        // An angle pair needs two characters between its brackets.
        Assign("ShortAnglePieceOfAList", "Mem", {"<ab>", "<a>"}, {F(40021, "BLOCK1", "Mem", 1, ASSIGN)}),
        Assign("AnglePiecesOfAList", "Mem", {"<ab>", "<cd>"}, {})),
    CaseName);

}  // namespace
