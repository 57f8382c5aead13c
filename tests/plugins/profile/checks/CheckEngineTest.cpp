#include <gtest/gtest.h>

#include <QStringList>
#include <algorithm>
#include <iterator>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_PartNodeSource.h"
#include "CPELFM_SectionInfo.h"
#include "CheckFormat.h"
#include "CheckMessageFormatting.h"
#include "CheckTestProfile.h"
#include "ICheckProgressSink.h"
#include "PELFMExceptions.h"
#include "RunProfileCheck.h"

using namespace CheckTest;

namespace {

struct FormatCase {
    const char* name;
    const CheckFormat& (*format)();
};

class EveryFormat : public testing::TestWithParam<FormatCase> {
protected:
    const CheckFormat& Format() const { return GetParam().format(); }
};

INSTANTIATE_TEST_SUITE_P(Formats, EveryFormat,
                         testing::Values(FormatCase{"F30", &CheckFormat::Format30},
                                         FormatCase{"F20", &CheckFormat::Format20},
                                         FormatCase{"F11", &CheckFormat::Format11}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(EveryFormat, ValidProfileHasNoFindings) {
    auto t = TestProfile::Valid(Format());
    EXPECT_EQ(Findings(RunCheck(Format(), t->Root())), std::vector<Finding>{});
}

// Findings come group by group, whatever the order of the elements they are about.
TEST(CheckEngine, FindingsComeGroupByGroup) {
    auto t = TestProfile::Valid(CheckFormat::Format30());
    CPELFM_PartInfo* vars = t->Part("COMM1", "Vars");
    t->AddElem(vars, "Float", {{NAME, "n"}, {DATATYPE, "FLOAT"}});                   // values: 40018
    t->AddElem(vars, "Open", {{NAME, "n"}, {DATATYPE, "INT16"}, {RANGE, "[0,10"}});  // syntax: 40021
    t->AddElem(vars, "a-b", {{NAME, "n"}, {DATATYPE, "INT16"}});                     // labels: 40014
    t->AddElem(vars, "Ref", {{NAME, "n"}, {DATATYPE, "@Modes"}});                    // all items: 40091
    EXPECT_EQ(Findings(RunCheck(CheckFormat::Format30(), t->Root())),
              (std::vector<Finding>{
                  F(40091, "COMM1", "Vars", 4, DATATYPE), F(40014, "COMM1", "Vars", 3, LABEL, {"-"}),
                  F(40021, "COMM1", "Vars", 2, RANGE), F(40018, "COMM1", "Vars", 1, DATATYPE)}));
}

// A run keeps verdicts per text (data types, ranges, brackets) and judges the profile element by
// element; neither may carry anything over from one element to another. Every element of a part full
// of repeated values, in every mix of data type, range, minimum increment and assignment, gets the
// findings it gets alone.
TEST_P(EveryFormat, AnElementIsJudgedAsItWouldBeAlone) {
    const char* types[] = {"INT8", "UINT16", "REAL", "WORD", "BOOL", "STRING(4)", "DATE", "WORD[4]", "INT1"};
    const char* ranges[] = {"(0,10)", "(0.5,1)", "[0,10", "(1, 5)", "(10,1)",
                            "(a,b)",  "@States", "NA",    "<1><2>"};
    const char* minIncs[] = {"1", "0.5", "NA"};
    const char* assigns[] = {"<ab><cd>", "<a>b", "<a<b>>", "<a b>"};
    constexpr int kElems = 72;
    auto judge = [&](int from, int to) {
        auto t = TestProfile::Valid(Format());
        CPELFM_PartInfo* part = t->AddPart(t->Section("BLOCK1"), PART_BLOCK_MEMORY, "Mix");
        for (int i = from; i < to; ++i) {
            t->AddElem(part, QStringLiteral("E%1").arg(i),
                       {{NAME, "n"},
                        {DATATYPE, types[i % 9]},
                        {RANGE, ranges[(i / 3 + i) % 9]},
                        {MIN_INC, minIncs[i % 3]},
                        {ENG_UNIT, i % 4 ? "mm" : ""},
                        {ACCESS, "R"},
                        {ASSIGN, assigns[i % 4]}});
        }
        std::vector<Finding> found;
        for (Finding f : Findings(RunCheck(Format(), t->Root()))) {
            if (f.part != u"Mix") continue;
            f.element += from;
            found.push_back(f);
        }
        return found;
    };
    const std::vector<Finding> together = judge(0, kElems);
    for (int i = 0; i < kElems; ++i) {
        std::vector<Finding> ofElement;
        std::copy_if(together.begin(), together.end(), std::back_inserter(ofElement),
                     [i](const Finding& f) { return f.element == i; });
        EXPECT_EQ(ofElement, judge(i, i + 1)) << "element " << i;
    }
}

TEST_P(EveryFormat, NullRootEmptiesTheFindings) {
    QList<_ST_PEL_CHECK_MESSAGE> messages(3);
    RunProfileCheck(Format(), nullptr, nullptr, messages);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_P(EveryFormat, FindingsReplaceThoseOfAnEarlierRun) {
    auto t = TestProfile::Valid(Format());
    QList<_ST_PEL_CHECK_MESSAGE> messages(2);
    RunProfileCheck(Format(), nullptr, t->Root(), messages);
    EXPECT_TRUE(messages.isEmpty());
    delete t->Root()->sections.takeAt(3);  // the BLOCK section
    RunProfileCheck(Format(), nullptr, t->Root(), messages);
    ASSERT_EQ(messages.size(), 1);
    RunProfileCheck(Format(), nullptr, t->Root(), messages);
    EXPECT_EQ(messages.size(), 1);  // nothing carried from one run into the next
}

class RecordingSink : public ICheckProgressSink {
public:
    void PostCheckProgress(int value) override { values.push_back(value); }
    std::vector<int> values;
};

TEST_P(EveryFormat, PostsTheProgressOfEachStepFromZero) {
    auto t = TestProfile::Valid(Format());
    RecordingSink sink;
    QList<_ST_PEL_CHECK_MESSAGE> messages;
    RunProfileCheck(Format(), &sink, t->Root(), messages);
    const std::vector<int> oneRun = {1, 3, 9, 16, 23, 33, 35, 36};
    EXPECT_EQ(sink.values, oneRun);
    RunProfileCheck(Format(), &sink, t->Root(), messages);
    std::vector<int> twoRuns = oneRun;
    twoRuns.insert(twoRuns.end(), oneRun.begin(), oneRun.end());
    EXPECT_EQ(sink.values, twoRuns);
}

TEST_P(EveryFormat, MissingSectionsAreReportedCommIfFirst) {
    TestProfile t;
    const std::vector<Finding> expected = {F(Format().settings.missingSectionMessageId, "COMM_IF", "", 0, 0),
                                           F(Format().settings.missingSectionMessageId, "BLOCK", "", 0, 0)};
    const QList<_ST_PEL_CHECK_MESSAGE> messages = RunCheck(Format(), t.Root());
    EXPECT_EQ(Findings(messages), expected);
}

TEST(CheckEngine, MissingSectionTextsPerFormat) {
    TestProfile t;
    const QList<_ST_PEL_CHECK_MESSAGE> m30 = RunCheck(CheckFormat::Format30(), t.Root());
    ASSERT_EQ(m30.size(), 2);
    EXPECT_EQ(m30[0].text,
              QString::fromUtf8("**エラー**セクション COMM_IFが存在しません。COMM_IFは必須です。"));
    EXPECT_EQ(m30[1].text, QString::fromUtf8("**エラー**セクション BLOCKが存在しません。BLOCKは必須です。"));
    const QList<_ST_PEL_CHECK_MESSAGE> m20 = RunCheck(CheckFormat::Format20(), t.Root());
    ASSERT_EQ(m20.size(), 2);
    EXPECT_EQ(m20[1].messageId, 40117);
    EXPECT_EQ(m20[1].text, QString::fromUtf8("**エラー**セクション BLOCKが存在しません。BLOCKは必須です。"));
    const QList<_ST_PEL_CHECK_MESSAGE> m11 = RunCheck(CheckFormat::Format11(), t.Root());
    ASSERT_EQ(m11.size(), 2);
    EXPECT_EQ(m11[0].text, QStringLiteral("**Error** COMM_IF section does not exist. COMM_IF is necessary."));
}

TEST(CheckEngine, LocationOfTheFirstElementsLabel) {
    auto t = TestProfile::Valid(CheckFormat::Format30());
    CPELFM_PartInfo* part = t->AddPart(t->Section("COMM1"), PART_COMM_IF_VARIABLE, "Vars2");
    t->AddElem(part, "2ndAxis", {{NAME, "n"}, {DATATYPE, "INT8"}});
    const QList<_ST_PEL_CHECK_MESSAGE> m = RunCheck(CheckFormat::Format30(), t->Root());
    ASSERT_EQ(Findings(m), std::vector<Finding>{F(40015, "COMM1", "Vars2", 0, LABEL, {"2"})});
    EXPECT_EQ(m[0].text, QString::fromUtf8(
                             "**エラー**セクション COMM1 、パート Vars2 の[No1,項目 LABEL]において使用されて"
                             "いる'2'は、LABEL項目の先頭に使用することはできません。"));
    EXPECT_EQ(m[0].level, 0);
    EXPECT_EQ(m[0].reserved, 0);
    EXPECT_TRUE(m[0].secondList.isEmpty());

    auto t11 = TestProfile::Valid(CheckFormat::Format11());
    t11->AddElem(t11->AddPart(t11->Section("COMM1"), PART_COMM_IF_VARIABLE, "Vars2"), "2ndAxis",
                 {{NAME, "n"}, {DATATYPE, "INT8"}});
    const QList<_ST_PEL_CHECK_MESSAGE> en = RunCheck(CheckFormat::Format11(), t11->Root());
    ASSERT_EQ(en.size(), 1);
    EXPECT_EQ(en[0].text,
              QStringLiteral("**Error** COMM1 section, Vars2 part, [No.1, LABEL item]: '2' cannot be used "
                             "at the start of the value in LABEL item."));
}

TEST(CheckEngine, PerIdFormatting) {
    auto t = TestProfile::Valid(CheckFormat::Format30());
    t->AddElem(t->Part("COMM1", "Vars"), "SPEED", {{NAME, "n"}, {DATATYPE, "INT8"}});
    t->RemoveItem(t->Elem("FILE", "FileInfo", "Language"), DATA);
    delete t->Section("DEVICE")->parts.takeLast();  // the DEVICE_IF part
    QList<_ST_PEL_CHECK_MESSAGE> m = RunCheck(CheckFormat::Format30(), t->Root());
    // Without a DEVICE_IF part the DeviceInterface references resolve nowhere.
    const std::vector<Finding> expected = {
        F(40001, "COMM1", "CommInfo", 0, DATA, {"パート"}),
        F(40001, "BLOCK1", "BlockInfo", 0, DATA, {"パート"}),
        F(40012, "COMM1", "Vars", 1, LABEL, {"SPEED"}),
        F(40089, "FILE", "FileInfo", 4, DATA, {"Language"}),
        F(40114, "DEVICE", "", 0, 0, {"DEVICE_IF"}),
    };
    ASSERT_EQ(Findings(m), expected);
    EXPECT_EQ(m[0].text,
              QString::fromUtf8(
                  "**エラー**セクション COMM1 、パート CommInfo の[No1,項目 DATA]に書かれたパートへの参照が"
                  "存在しません。"));
    EXPECT_EQ(
        m[2].text,
        QString::fromUtf8("**エラー**セクション COMM1 、パート Vars における要素のLABEL項目 SPEEDが重複して"
                          "います。同一パート内の要素のLABEL項目に同じ名称を設定することはできません。"));
    EXPECT_EQ(
        m[3].text,
        QString::fromUtf8("**エラー**セクション FILE 、パート FileInfo に、LABEL Language のDATA項目が設定さ"
                          "れていません。DATA項目は必須です。"));
    bool sawPartMissing = false;
    for (const _ST_PEL_CHECK_MESSAGE& msg : m) {
        if (msg.messageId != 40114) continue;
        sawPartMissing = true;
        EXPECT_EQ(msg.text,
                  QString::fromUtf8(
                      "**エラー**セクション DEVICEにパート DEVICE_IFが存在しません。DEVICE_IFは必須です。"));
    }
    EXPECT_TRUE(sawPartMissing);
}

TEST(CheckEngine, FormatCheckMessageLimits) {
    const CCheckStringTable& s = CCheckStringTable::Japanese30();
    QStringList fifteen;
    for (int i = 0; i < 15; ++i) fifteen.append(QString::number(i));
    EXPECT_FALSE(FormatCheckMessage(s, fifteen, 40021).isEmpty());
    EXPECT_TRUE(FormatCheckMessage(s, fifteen + QStringList{QStringLiteral("x")}, 40021).isEmpty());
    EXPECT_TRUE(FormatCheckMessage(s, {QStringLiteral("a")}, 40002).isEmpty());
    EXPECT_EQ(FormatCheckMessage(s, {}, 41012), QString::fromUtf8("空"));
}

TEST(CheckEngine, FirstFailureOnATargetWins) {
    auto t = TestProfile::Valid(CheckFormat::Format30());
    t->AddElem(t->Part("COMM1", "Vars"), "Axis",
               {{NAME, "n"}, {DATATYPE, "INT16"}, {RANGE, "[0,10"}, {MIN_INC, "0.5"}, {ENG_UNIT, "mm"}});
    const std::vector<Finding> expected = {F(40021, "COMM1", "Vars", 1, RANGE),
                                           F(40042, "COMM1", "Vars", 1, MIN_INC)};
    EXPECT_EQ(Findings(RunCheck(CheckFormat::Format30(), t->Root())), expected);
}

TEST(CheckEngine, AThrowingItemPassesAndTheRunGoesOn) {
    auto t = TestProfile::Valid(CheckFormat::Format30());
    CPELFM_ElemInfo* axis = t->AddElem(t->Part("COMM1", "Vars"), "Axis", {{NAME, "n"}, {DATATYPE, "INT16"}});
    t->SetItem(axis, {RANGE, std::vector<QString>{}});  // no value: every accessor throws
    t->AddElem(t->Part("COMM1", "Vars"), "Bad-Label", {{NAME, "n"}, {DATATYPE, "INT16"}});
    EXPECT_EQ(Findings(RunCheck(CheckFormat::Format30(), t->Root())),
              std::vector<Finding>{F(40014, "COMM1", "Vars", 2, LABEL, {"-"})});
}

class FailingSource : public CPELFM_PartNodeSource {
public:
    void LoadElems(CPELFM_PartInfo&, QList<CPELFM_ElemInfo*>&) const override {
        throw CPELFM_InvalidDescException();
    }
};

TEST(CheckEngine, APartThatCannotBeReadIsSkipped) {
    auto t = TestProfile::Valid(CheckFormat::Format30());
    CPELFM_PartInfo* broken = t->AddPart(t->Section("COMM1"), PART_COMM_IF_VARIABLE, "Broken");
    broken->xmlNode = std::make_shared<FailingSource>();
    t->AddElem(t->AddPart(t->Section("COMM1"), PART_COMM_IF_VARIABLE, "After"), "a-b",
               {{NAME, "n"}, {DATATYPE, "INT8"}});
    EXPECT_EQ(Findings(RunCheck(CheckFormat::Format30(), t->Root())),
              std::vector<Finding>{F(40014, "COMM1", "After", 0, LABEL, {"-"})});
}

TEST(CheckEngine, EveryFindingHasItsText) {
    auto t = TestProfile::Valid(CheckFormat::Format30());
    CPELFM_PartInfo* part = t->Part("COMM1", "Vars");
    for (int i = 0; i < 50; ++i) {
        t->AddElem(part, QStringLiteral("E%1").arg(i % 10),
                   {{NAME, "n"}, {DATATYPE, i % 3 ? "INT99" : "FLOAT"}, {RANGE, "(5,1)"}});
    }
    const QList<_ST_PEL_CHECK_MESSAGE> m = RunCheck(CheckFormat::Format30(), t->Root());
    ASSERT_GT(m.size(), 100);
    for (const _ST_PEL_CHECK_MESSAGE& msg : m) EXPECT_FALSE(msg.text.isEmpty()) << msg.messageId;
}

}  // namespace
