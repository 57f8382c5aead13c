#include <gtest/gtest.h>

#include "ItemValueText.h"
#include "PELFMExceptions.h"

namespace {

using Data = ProfileInnerConst::_ST_PELFM_DATAINFO;

Data D(const char* text) {
    return Data{ProfileInnerConst::DATA_ITEM, QString::fromUtf8(text)};
}

struct ClassifyCase {
    const char* text;
    int kind;
};

class ClassifyValueTextTest : public testing::TestWithParam<ClassifyCase> {};

TEST_P(ClassifyValueTextTest, KindFollowsTheText) {
    EXPECT_EQ(ClassifyValueText(D(GetParam().text)), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ClassifyValueTextTest,
    testing::Values(ClassifyCase{"<a><b>", VALUE_ANGLE_LIST}, ClassifyCase{"x<a>", VALUE_ANGLE_LIST},
                    ClassifyCase{"x\\<y\\>", VALUE_TEXT}, ClassifyCase{">a<", VALUE_TEXT},
                    ClassifyCase{"[0,100)", VALUE_RANGE}, ClassifyCase{"(,5]", VALUE_RANGE},
                    ClassifyCase{"(1.5,2.5)", VALUE_RANGE}, ClassifyCase{"(1,2", VALUE_TEXT},
                    ClassifyCase{"(1.5,2", VALUE_DOTTED_REFERENCE}, ClassifyCase{"[1]", VALUE_TEXT},
                    ClassifyCase{"\\(1,2\\)", VALUE_TEXT}, ClassifyCase{"a.b", VALUE_DOTTED_REFERENCE},
                    ClassifyCase{"plain", VALUE_TEXT}, ClassifyCase{"", VALUE_TEXT},
                    ClassifyCase{"(", VALUE_TEXT}));

struct RangeCase {
    const char* text;
    const char* lower;
    int lowerKind;
    const char* upper;
    int upperKind;
};

class ParseRangeTextTest : public testing::TestWithParam<RangeCase> {};

TEST_P(ParseRangeTextTest, BoundsAndTheirKinds) {
    _ST_PELFM_RANGEINFO r;
    r.lowerKind = 99;  // a reused record is overwritten completely
    ParseRangeText(D(GetParam().text), r);
    EXPECT_EQ(r.lowerText, QString::fromUtf8(GetParam().lower));
    EXPECT_EQ(r.lowerKind, GetParam().lowerKind);
    EXPECT_EQ(r.upperText, QString::fromUtf8(GetParam().upper));
    EXPECT_EQ(r.upperKind, GetParam().upperKind);
}

INSTANTIATE_TEST_SUITE_P(Table, ParseRangeTextTest,
                         testing::Values(RangeCase{"[ 0 , 100 )", "0", 4, "100", 1},
                                         RangeCase{"(,5]", "", 0, "5", 3}, RangeCase{"(1,)", "1", 2, "", 0},
                                         RangeCase{"{1,2}", "1", 0, "2", 0}, RangeCase{"(,)", "", 0, "", 0},
                                         RangeCase{"[-1,2,3]", "-1", 4, "2,3", 3}));

TEST(ParseRangeTextTest, TextWithoutCommaBetweenTheBracketsIsRefused) {
    for (const char* text : {"no comma", "", "(", ",", "(1)", " , "}) {
        _ST_PELFM_RANGEINFO r;
        EXPECT_THROW(ParseRangeText(D(text), r), CPELFM_InvalidDescException) << text;
    }
}

struct SplitCase {
    const char* text;
    QStringList expected;  // {"!"}: refused
};

class SplitAngleListTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitAngleListTest, PiecesInOrder) {
    QStringList out{"stale"};
    if (GetParam().expected == QStringList{"!"}) {
        EXPECT_THROW(SplitAngleList(D(GetParam().text), out), CPELFM_InvalidDescException);
    } else {
        SplitAngleList(D(GetParam().text), out);
        EXPECT_EQ(out, GetParam().expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, SplitAngleListTest,
    testing::Values(SplitCase{"<a><b>", {"a", "b"}}, SplitCase{"x<a>", {"x", "a"}},
                    SplitCase{"<a>tail", {"a", "tail"}}, SplitCase{"a\\<b<c>", {"a\\<b", "c"}},
                    SplitCase{"<a\\>b>", {"a\\>b"}}, SplitCase{"<<a>", {"a"}}, SplitCase{"plain", {"plain"}},
                    SplitCase{"", {}}, SplitCase{"<>", {""}}, SplitCase{"\\<x", {"\\<x"}},
                    SplitCase{"<a", {"!"}}, SplitCase{"<a\\>", {"!"}}, SplitCase{"x<", {"!"}}));

class SplitReferencePathTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitReferencePathTest, PiecesInOrder) {
    QStringList out{"stale"};
    SplitReferencePath(QString::fromUtf8(GetParam().text), out);
    EXPECT_EQ(out, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, SplitReferencePathTest,
                         testing::Values(SplitCase{"A.B#C", {"A", "B", "#", "C"}}, SplitCase{"A.", {"A"}},
                                         SplitCase{"A..B", {"A", "", "B"}}, SplitCase{"#x", {"", "#", "x"}},
                                         SplitCase{"A#b#c", {"A", "#", "b#c"}}, SplitCase{"", {}},
                                         SplitCase{"A.B.C", {"A", "B", "C"}}, SplitCase{".", {""}}));

class SplitDottedNameTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitDottedNameTest, WrapperIsRemovedFirst) {
    QStringList out;
    SplitDottedName(D(GetParam().text), out);
    EXPECT_EQ(out, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, SplitDottedNameTest,
                         testing::Values(SplitCase{"$(MemPart)", {"MemPart"}},
                                         SplitCase{"$(S.P.E)", {"S", "P", "E"}}, SplitCase{"$(A", {"A"}},
                                         SplitCase{"x$y", {"x$y"}}, SplitCase{"(A.B)", {"(A", "B)"}},
                                         SplitCase{"A.B", {"A", "B"}}, SplitCase{"$()", {}}));

class ParseConditionTest : public testing::TestWithParam<SplitCase> {};

TEST_P(ParseConditionTest, ClausesThenConnectors) {
    QStringList out{"stale"};
    if (GetParam().expected == QStringList{"!"}) {
        EXPECT_THROW(ParseCondition(D(GetParam().text), out), CPELFM_InvalidDescException);
    } else {
        ParseCondition(D(GetParam().text), out);
        EXPECT_EQ(out, GetParam().expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseConditionTest,
    testing::Values(SplitCase{"a==1 && b>=2", {"a", "1", "==", "b", "2", ">=", "&&"}},
                    SplitCase{"a<=1||b<2", {"a", "1", "<=", "b", "2", "<", "||"}},
                    SplitCase{"x>y&&z==w||q!=1", {"x", "y", ">", "z", "w", "==", "q", "1", "!=", "&&", "||"}},
                    SplitCase{"a==1&&", {"a", "1", "==", "&&"}}, SplitCase{"a!=b||c", {"a", "b", "!=", "||"}},
                    SplitCase{"a=>b", {"a=", "b", ">"}}, SplitCase{"", {"!"}}, SplitCase{"   ", {"!"}},
                    SplitCase{"==1", {"!"}}, SplitCase{"plain", {"!"}}));

TEST(RemoveEscapeBackslashesTest, RemovesEveryBackslash) {
    EXPECT_EQ(RemoveEscapeBackslashes(D("a\\<b\\\\c\\")), QStringLiteral("a<bc"));
}

}  // namespace
