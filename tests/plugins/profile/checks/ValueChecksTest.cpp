#include "CPELFM_ElemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CheckCases.h"

using namespace CheckTest;

namespace {

class ValueChecks : public CheckCaseTest {};
TEST_P(ValueChecks, Findings) {
    Verify();
}

// A DATATYPE in one of the parts of the valid profile.
CheckCase Type(const char* name, const CheckFormat& (*format)(), const char* part, const char* dataType,
               std::vector<Finding> expected) {
    return CheckCase{name, format,
                     [=](TestProfile& t) {
                         const QString p = QString::fromLatin1(part);
                         if (p == u"Vars") {
                             AddVar(t, "a", {}, dataType);
                         } else if (p == u"Mem") {
                             AddMem(t, "a", {}, dataType);
                         } else if (p == u"Param") {
                             t.AddElem(t.Part("BLOCK1", "Param"), "a", {{NAME, "n"}, {DATATYPE, dataType}});
                         } else if (p == u"DeviceInfo") {
                             t.AddElem(t.Part("DEVICE", "DeviceInfo"), "a", {{DATATYPE, dataType}});
                         } else {
                             t.AddElem(t.Part("FILE", "FileInfo"), "a", {{DATATYPE, dataType}});
                         }
                     },
                     expected};
}

Finding VarType(int id, std::initializer_list<const char*> args = {}) {
    return F(id, "COMM1", "Vars", 1, DATATYPE, args);
}
Finding MemType(int id, std::initializer_list<const char*> args = {}) {
    return F(id, "BLOCK1", "Mem", 1, DATATYPE, args);
}
Finding ParamType(int id, std::initializer_list<const char*> args = {}) {
    return F(id, "BLOCK1", "Param", 1, DATATYPE, args);
}

void MakeConnectionRdb(TestProfile& t) {
    Set(t, "DEVICE", "Conn1", "ProtocolType", {DATA, "RDB"});
    Set(t, "COMM1", "Vars", "Speed", {DATATYPE, "RDB_INT"});
}

INSTANTIATE_TEST_SUITE_P(
    DataTypes, ValueChecks,
    testing::Values(
        Type("Int16", F30, "Vars", "INT16", {}), Type("Int1", F30, "Vars", "INT1", {VarType(40019)}),
        Type("Float", F30, "Vars", "FLOAT", {VarType(40018)}),
        Type("StringUInMemory", F30, "Mem", "STRING_U(10)", {MemType(40020, {"Mem"})}),
        Type("StringUInDeviceInfo", F30, "DeviceInfo", "STRING_U(10)", {}),
        Type("String2049", F30, "Vars", "STRING(2049)", {VarType(40019)}),
        Type("String2048", F20, "Vars", "STRING(2048)", {}),
        Type("ParenthesesOutsideInfoParts", F30, "Vars", "INT16()", {VarType(40020, {"Vars"})}),
        Type("ParenthesesInInfoParts", F30, "DeviceInfo", "STRING_U(256)()", {}),
        Type("Bcd5IsNoScalarType", F30, "Vars", "BCD5", {VarType(40019)}),
        Type("BitString16", F30, "Vars", "BIT_STRING16", {VarType(40019)}),
        Type("WordArray", F30, "Vars", "WORD[4]", {}),
        Type("ZeroLength", F30, "Vars", "WORD[0]", {VarType(40019)}),
        Type("NegativeLength", F30, "Vars", "WORD[-1]", {VarType(40019)}),
        Type("ArrayInParameterBlock", F30, "Param", "WORD[4]", {ParamType(40020, {"Param"})}),
        Type("LetterLength", F30, "Vars", "WORD[abc]", {VarType(40019)}),
        Type("LeadingZeroLength", F20, "Vars", "WORD[00]", {VarType(40019)}),
        Type("TwoDimensions", F30, "Vars", "WORD[4][5]", {VarType(40019)}),
        Type("FractionLength", F30, "Vars", "WORD[1.5]", {VarType(40019)}),
        Type("BoolArrayAtItsLimit", F30, "Vars", "BOOL[2147483648]", {}),
        Type("BoolArrayBeyondItsLimit", F30, "Vars", "BOOL[2147483649]", {VarType(40019)}),
        Type("LengthBeyond64Bits", F30, "Vars", "BOOL[99999999999999999999]", {VarType(40019)}),
        Type("StringArrayProduct", F30, "Vars", "STRING(2048)[1048577]", {VarType(40019)}),
        Type("Bcd5Array", F30, "Vars", "BCD5[3]", {}),
        Type("UnknownElementType", F30, "Vars", "FOO[3]", {VarType(40018)}),
        Type("StringUArrayFallsBack", F30, "Vars", "STRING_U(8)[3]", {VarType(40020, {"Vars"})}),
        Type("DateInMemory", F30, "Mem", "DATE", {}),
        Type("DateInParameterBlock", F30, "Param", "DATE", {ParamType(40020, {"Param"})}),
        Type("RdbNotReferred", F30, "Mem", "RDB_INT", {MemType(40124)}),
        Type("RdbInParameterBlock", F30, "Param", "RDB_INT", {ParamType(40020, {"Param"})}),
        Type("RdbUnknownIn20", F20, "Mem", "RDB_INT", {MemType(40018)}),
        Type("RdbUnknownIn20Anywhere", F20, "Param", "RDB_INT[2]", {ParamType(40018)}),
        Type("RdbInCommIfOfAnotherProtocol", F30, "Vars", "RDB_INT", {VarType(40124)}),
        CheckCase{"RdbInCommIfOfAnRdbConnection", F30, MakeConnectionRdb, {}},
        CheckCase{
            "RdbInMemoryOfAnRdbConnection",
            F30,
            [](TestProfile& t) {
                MakeConnectionRdb(t);
                t.AddElem(t.Part("COMM1", "Config"), "c", {{REF_MEMORY, "BLOCK1.Mem"}, {DATATYPE, "RDB_X"}});
                AddMem(t, "a", {}, "RDB_INT");
            },
            {}},
        CheckCase{"RdbInMemoryOfAnotherProtocol",
                  F30,
                  [](TestProfile& t) {
                      t.AddElem(t.Part("COMM1", "Config"), "c", {{REF_MEMORY, "BLOCK1.Mem"}});
                      AddMem(t, "a", {}, "RDB_INT");
                      AddMem(t, "b", {}, "RDB_INT");
                  },
                  {MemType(40124), F(40124, "BLOCK1", "Mem", 2, DATATYPE)}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Format11, ValueChecks,
    testing::Values(Type("ArrayInFileInfo", F11, "FileInfo", "INT16[4]", {}),
                    Type("ArrayInFileInfo30", F30, "FileInfo", "INT16[4]",
                         {F(40020, "FILE", "FileInfo", 7, DATATYPE, {"FileInfo"})}),
                    Type("StringInMemory", F11, "Mem", "STRING(16)", {MemType(40020, {"Mem"})}),
                    Type("StringInMemory30", F30, "Mem", "STRING(16)", {}),
                    Type("StringInDeviceInfo", F11, "DeviceInfo", "STRING(16)", {}),
                    Type("StringArrayInMemory", F11, "Mem", "STRING(16)[2]", {MemType(40020, {"Mem"})}),
                    Type("StringUArrayInDeviceInfo", F11, "DeviceInfo", "STRING_U(16)[2]", {}),
                    Type("StringArrayInDeviceInfo30", F30, "DeviceInfo", "STRING(16)[2]",
                         {F(40020, "DEVICE", "DeviceInfo", 3, DATATYPE, {"DeviceInfo"})}),
                    Type("DateInFileInfo", F11, "FileInfo", "DATE",
                         {F(40020, "FILE", "FileInfo", 7, DATATYPE, {"FileInfo"})})),
    CaseName);

Finding VarRange(int id) {
    return F(id, "COMM1", "Vars", 1, RANGE);
}

CheckCase Range(const char* name, const CheckFormat& (*format)(), const char* dataType,
                std::vector<QString> range, std::vector<Finding> expected) {
    return CheckCase{name, format,
                     [=](TestProfile& t) {
                         AddVar(t, "a", {{RANGE, range}}, dataType);
                     },
                     expected};
}

void AddModes(TestProfile& t, const char* code) {
    t.AddElem(t.Part("COMM1", "Modes"), "m1", {{CODE, "1"}});
    t.AddElem(t.Part("COMM1", "Modes"), "m2", {{CODE, code}});
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, ValueChecks,
    testing::Values(
        Range("SyntaxOnlyOfTheBounds", F30, "INT8", {"(0,300)"}, {}),
        Range("BoundOfAnotherSyntax", F30, "INT8", {"(0,1.5)"}, {VarRange(40039)}),
        // The syntax group sees the bracketed range first.
        Range("BoundThatIsNoNumber", F30, "INT8", {"(0,x1)"}, {VarRange(40023)}),
        Range("NotAvailable", F30, "INT8", {"NA"}, {}), Range("PlainValue", F30, "INT8", {"5"}, {}),
        Range("PlainValueOfAnotherSyntax", F30, "BOOL", {"5"}, {VarRange(40039)}),
        Range("ListWithEnumReference", F30, "INT8", {"@Modes", "1"}, {VarRange(40038)}),
        Range("ListWithNotAvailable", F30, "INT8", {"1", "NA"}, {VarRange(40039)}),
        Range("ListOfValues", F30, "INT8", {"1", "(2,3)"}, {}),
        CheckCase{"EnumCodesOfTheType",
                  F30,
                  [](TestProfile& t) {
                      AddModes(t, "2");
                      AddVar(t, "a", {{RANGE, "@Modes"}}, "INT8");
                  },
                  {}},
        CheckCase{"EnumCodeOfAnotherSyntax",
                  F30,
                  [](TestProfile& t) {
                      AddModes(t, "0x2");
                      AddVar(t, "a", {{RANGE, "@Modes"}}, "INT8");
                  },
                  {VarRange(40039)}},
        Range("EnumOnReal", F30, "REAL", {"@Modes"}, {VarRange(40040)}),
        Range("EnumOnString30", F30, "STRING(8)", {"@Modes"}, {}),
        Range("EnumOnString11", F11, "STRING(8)", {"@Modes"},
              {F(40020, "COMM1", "Vars", 1, DATATYPE, {"Vars"}), VarRange(40040)}),
        CheckCase{
            "RangeReachedThroughTheReference",
            F30,
            [](TestProfile& t) {
                Set(t, "BLOCK1", "Mem", "P_Value", {RANGE, "(0,1.5)"});
                t.AddElem(t.Part("COMM1", "Config"), "c", {{DATATYPE, "INT8"}, {REF_MEMORY, "BLOCK1.Mem"}});
            },
            {F(40039, "COMM1", "Config", 0, RANGE), F(40039, "BLOCK1", "Mem", 0, RANGE)}},
        CheckCase{"OwnRangeWinsOverTheReference",
                  F30,
                  [](TestProfile& t) {
                      Set(t, "BLOCK1", "Mem", "P_Value", {RANGE, "(0,1)"});
                      t.AddElem(t.Part("COMM1", "Config"), "c",
                                {{DATATYPE, "BOOL"}, {RANGE, "0"}, {REF_MEMORY, "BLOCK1.Mem"}});
                  },
                  {}}),
    CaseName);

Finding VarMinInc(int id) {
    return F(id, "COMM1", "Vars", 1, MIN_INC);
}

INSTANTIATE_TEST_SUITE_P(
    MinimumIncrements, ValueChecks,
    testing::Values(
        CheckCase{"NotAPowerOfTen",
                  F30,
                  [](TestProfile& t) {
                      AddVar(t, "a", {{MIN_INC, "0.5"}, {ENG_UNIT, "mm"}});
                  },
                  {VarMinInc(40042)}},
        CheckCase{"PowerOfTenOnUint",
                  F30,
                  [](TestProfile& t) {
                      AddVar(t, "a", {{MIN_INC, "0.01"}, {ENG_UNIT, "mm"}}, "UINT16");
                  },
                  {}},
        CheckCase{"OnReal",
                  F30,
                  [](TestProfile& t) {
                      AddVar(t, "a", {{MIN_INC, "10"}, {ENG_UNIT, "mm"}}, "REAL");
                  },
                  {VarMinInc(40043)}},
        CheckCase{"WithoutUnit",
                  F30,
                  [](TestProfile& t) {
                      AddVar(t, "a", {{MIN_INC, "10"}});
                  },
                  {VarMinInc(40041)}},
        CheckCase{"WithEmptyUnit",
                  F30,
                  [](TestProfile& t) {
                      AddVar(t, "a", {{MIN_INC, "10"}, {ENG_UNIT, ""}});
                  },
                  {VarMinInc(40041)}},
        CheckCase{"NotAvailable",
                  F30,
                  [](TestProfile& t) {
                      AddVar(t, "a", {{MIN_INC, "NA"}});
                  },
                  {}},
        CheckCase{
            "ReachedThroughTheReference",
            F30,
            [](TestProfile& t) {
                Set(t, "BLOCK1", "Mem", "P_Value", {MIN_INC, "0.5"});
                Set(t, "BLOCK1", "Mem", "P_Value", {ENG_UNIT, "mm"});
                t.AddElem(t.Part("COMM1", "Config"), "c", {{DATATYPE, "INT8"}, {REF_MEMORY, "BLOCK1.Mem"}});
            },
            {F(40042, "COMM1", "Config", 0, MIN_INC), F(40042, "BLOCK1", "Mem", 0, MIN_INC)}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(Spaces, ValueChecks,
                         testing::Values(CheckCase{"SpaceInMinInc",
                                                   F30,
                                                   [](TestProfile& t) {
                                                       AddVar(t, "a", {{MIN_INC, "1 0"}, {ENG_UNIT, "mm"}});
                                                   },
                                                   {VarMinInc(40035)}},
                                         CheckCase{
                                             "TabInCode",
                                             F20,
                                             [](TestProfile& t) {
                                                 t.AddElem(t.Part("COMM1", "Modes"), "m", {{CODE, "1\t"}});
                                             },
                                             {F(40035, "COMM1", "Modes", 0, CODE)}},
                                         CheckCase{"IdeographicSpaceInAccess",
                                                   F30,
                                                   [](TestProfile& t) {
                                                       AddMem(t, "a", {{ACCESS, "R\u3000"}});
                                                   },
                                                   {F(40035, "BLOCK1", "Mem", 1, ACCESS)}},
                                         CheckCase{"SpaceInAnAnglePiece",
                                                   F30,
                                                   [](TestProfile& t) {
                                                       AddMem(t, "a", {{ASSIGN, "<ab><c d>"}});
                                                   },
                                                   {F(40035, "BLOCK1", "Mem", 1, ASSIGN)}},
                                         CheckCase{"SpaceInAssignOfVariables",
                                                   F30,
                                                   [](TestProfile& t) {
                                                       AddVar(t, "a", {{ASSIGN, "a b"}});
                                                   },
                                                   {}}),
                         CaseName);

TEST(ValueChecks, MinIncMessagesCarryTheMinIncLocation) {
    auto t = TestProfile::Valid(F30());
    AddVar(*t, "a", {{MIN_INC, "10"}});
    const QList<_ST_PEL_CHECK_MESSAGE> m = RunCheck(F30(), t->Root());
    ASSERT_EQ(m.size(), 1);
    EXPECT_EQ(
        m[0].text,
        QString::fromUtf8("**エラー**セクション COMM1 、パート Vars の[No2,項目 MIN_INC]に書かれた値が正しく"
                          "ありません。ENG_UNIT項目が省略された要素では、MIN_INC項目を設定できません。"));
}

}  // namespace
