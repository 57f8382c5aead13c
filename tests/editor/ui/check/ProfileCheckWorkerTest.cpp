#include <gtest/gtest.h>

#include <stdexcept>

#include "CPELFM_PartNodeSource.h"
#include "PELFMExceptions.h"
#include "ProfileCheckJob.h"
#include "ProfileCheckWorker.h"
#include "UiTestSupport.h"

using namespace UiTest;

namespace {

class CheckWorkerTest : public ::testing::Test {
protected:
    CheckWorkerTest() {
        job.root = &root;
        job.profilePlugin = &plugin;
        job.deviceModelPlugins = {&deviceModel};
        job.validateName = [this](const QString& name) { return plugin.ValidateLabel(name, 0); };
        job.validatePartLabel2 = [this](const QString& label2) {
            return label2.isEmpty() ? 0 : plugin.ValidateLabel(label2, 0);
        };
        job.strings = &TestStrings();
        job.finishPauseMs = 0;
    }

    QList<_ST_PEL_CHECK_MESSAGE> Run() {
        QList<_ST_PEL_CHECK_MESSAGE> messages{Finding(0, "left over from the last run")};
        ProfileCheckWorker(job, messages, nullptr);
        return messages;
    }

    QList<int> Ids(const QList<_ST_PEL_CHECK_MESSAGE>& messages) {
        QList<int> ids;
        for (const auto& m : messages) ids.append(m.messageId);
        return ids;
    }

    CPELFM_ProfileInfo root;
    FakeProfilePlugin plugin;
    FakeDeviceModelPlugin deviceModel;
    ProfileCheckJob job;
};

TEST_F(CheckWorkerTest, ProfileWithoutCommIfSectionsHasNoTypeFindings) {
    AddPart(*AddSection(root, "Block1", SECTION_BLOCK), "Info", PART_BLOCK_INFO);
    EXPECT_TRUE(Run().isEmpty());
    EXPECT_EQ(plugin.checkCalls, 1);
}

TEST_F(CheckWorkerTest, UnclaimedTypeGivesOneErrorPerPartWithTheElementShownOneHigher) {
    AddCommIfInfo(root, "Comm", "If1", "Serial", 2);
    AddCommIfInfo(root, "Comm", "If2", "Serial");
    const auto messages = Run();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0].messageId, IDS_CHECK_UNCLAIMED_COMM_IF_TYPE);
    EXPECT_EQ(messages[0].text, "unclaimed Comm If1 3 DATA");
    EXPECT_EQ(messages[0].sectionLabel, "Comm");
    EXPECT_EQ(messages[0].partLabel, "If1");
    EXPECT_EQ(messages[0].elementIndex, 2);
    EXPECT_EQ(messages[0].itemKind, DATA);
    EXPECT_EQ(messages[0].level, 0);
    EXPECT_EQ(messages[1].partLabel, "If2");
    EXPECT_EQ(messages[1].elementIndex, 0);
}

TEST_F(CheckWorkerTest, TypeClaimedByTheFirstDeviceModelEndsTheSearch) {
    FakeDeviceModelPlugin second;
    second.ownNames = {"Serial"};
    deviceModel.ownNames = {"Serial"};
    job.deviceModelPlugins = {&deviceModel, &second};
    AddCommIfInfo(root, "Comm", "If1", "Serial");
    EXPECT_TRUE(Run().isEmpty());
    EXPECT_EQ(deviceModel.offeredNames, QStringList{"Serial"});
    EXPECT_TRUE(second.offeredNames.isEmpty());
}

TEST_F(CheckWorkerTest, WithoutDeviceModelsEveryTypeIsUnclaimed) {
    job.deviceModelPlugins.clear();
    AddCommIfInfo(root, "Comm", "If1", "Serial");
    EXPECT_EQ(Ids(Run()), QList<int>{IDS_CHECK_UNCLAIMED_COMM_IF_TYPE});
}

TEST_F(CheckWorkerTest, PartsWithoutTheElementOrItsDataItemAreSkipped) {
    CPELFM_SectionInfo* comm = AddSection(root, "Comm", SECTION_COMM_IF);
    AddElem(*AddPart(*comm, "NoElement", PART_COMM_IF_INFO), "Other");
    AddElem(*AddPart(*comm, "NoData", PART_COMM_IF_INFO), "CommIFTypeID");
    AddItem(*AddElem(*AddPart(*comm, "OtherKind", PART_COMM_IF_VARIABLE), "CommIFTypeID"), DATA, {"X"});
    EXPECT_TRUE(Run().isEmpty());
}

TEST_F(CheckWorkerTest, DataItemWithoutValuesIsReportedNotThrown) {
    CPELFM_PartInfo* part = AddPart(*AddSection(root, "Comm", SECTION_COMM_IF), "If1", PART_COMM_IF_INFO);
    AddItem(*AddElem(*part, "CommIFTypeID"), DATA, {});
    EXPECT_EQ(Ids(Run()), QList<int>{IDS_CHECK_UNCLAIMED_COMM_IF_TYPE});
    EXPECT_EQ(deviceModel.offeredNames, QStringList{QString()});
}

struct ReservedCase {
    const char* name;
    QString sectionName, partName, label2;
    QList<int> ids;
    QString firstText;
};

void PrintTo(const ReservedCase& c, std::ostream* out) {
    *out << c.name;
}

class ReservedWordTest : public CheckWorkerTest, public ::testing::WithParamInterface<ReservedCase> {};

TEST_P(ReservedWordTest, ReportsEachReservedName) {
    const ReservedCase& c = GetParam();
    plugin.reservedWords = {"Word"};
    AddPart(*AddSection(root, c.sectionName, SECTION_BLOCK), c.partName, PART_BLOCK_INFO, c.label2);
    const auto messages = Run();
    EXPECT_EQ(Ids(messages), c.ids);
    if (!messages.isEmpty()) {
        EXPECT_EQ(messages[0].text, c.firstText);
        EXPECT_EQ(messages[0].sectionLabel, c.sectionName);
        EXPECT_EQ(messages[0].level, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReservedWordTest,
    ::testing::Values(
        ReservedCase{"None", "Block", "Info", "", {}, ""},
        ReservedCase{
            "Section", "word", "Info", "", {IDS_CHECK_RESERVED_SECTION_NAME}, "reserved section word word"},
        ReservedCase{
            "Part", "Block", "Word", "", {IDS_CHECK_RESERVED_PART_NAME}, "reserved part Block Word Word"},
        ReservedCase{"SecondName",
                     "Block",
                     "Info",
                     "WORD",
                     {IDS_CHECK_RESERVED_PART_LABEL2},
                     "reserved label2 Block Info WORD"},
        ReservedCase{
            "All",
            "Word",
            "Word",
            "Word",
            {IDS_CHECK_RESERVED_SECTION_NAME, IDS_CHECK_RESERVED_PART_NAME, IDS_CHECK_RESERVED_PART_LABEL2},
            "reserved section Word Word"}),
    [](const ::testing::TestParamInfo<ReservedCase>& info) { return std::string(info.param.name); });

TEST_F(CheckWorkerTest, ReservedPartFindingNamesSectionAndPart) {
    plugin.reservedWords = {"Word"};
    AddPart(*AddSection(root, "Block", SECTION_BLOCK), "Word", PART_BLOCK_INFO);
    const auto messages = Run();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].partLabel, "Word");
}

TEST_F(CheckWorkerTest, DeviceModelsAreAskedOnlyWithoutErrors) {
    deviceModel.findings = {Finding(1, "device warning")};
    plugin.check = [](CPELFM_ProfileInfo*, QList<_ST_PEL_CHECK_MESSAGE>& out) {
        out.append(Finding(1, "w"));
    };
    auto messages = Run();
    EXPECT_EQ(deviceModel.checkCalls, 1);
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[1].text, "device warning");

    plugin.check = [](CPELFM_ProfileInfo*, QList<_ST_PEL_CHECK_MESSAGE>& out) {
        out.append(Finding(0, "e"));
    };
    messages = Run();
    EXPECT_EQ(deviceModel.checkCalls, 1);
    EXPECT_EQ(messages.size(), 1);
}

TEST_F(CheckWorkerTest, PluginFindingsReplaceTheOldContent) {
    plugin.check = [](CPELFM_ProfileInfo*, QList<_ST_PEL_CHECK_MESSAGE>& out) {
        out.append(Finding(2, "note"));
    };
    const auto messages = Run();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "note");
}

struct ThrowCase {
    const char* name;
    std::function<void()> raise;
    QString text;
};

void PrintTo(const ThrowCase& c, std::ostream* out) {
    *out << c.name;
}

class ThrowingCheckTest : public CheckWorkerTest, public ::testing::WithParamInterface<ThrowCase> {};

TEST_P(ThrowingCheckTest, BecomesAnErrorFinding) {
    plugin.check = [raise = GetParam().raise](CPELFM_ProfileInfo*, QList<_ST_PEL_CHECK_MESSAGE>&) {
        raise();
    };
    deviceModel.findings = {Finding(1, "device")};
    const auto messages = Run();
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_EQ(messages.last().messageId, IDS_OPERATION_FAILED);
    EXPECT_EQ(messages.last().text, GetParam().text);
    EXPECT_EQ(messages.last().level, 0);
    EXPECT_EQ(deviceModel.checkCalls, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ThrowingCheckTest,
    ::testing::Values(
        ThrowCase{"ModelException", [] { throw CPELFM_InvalidAPICallException(); }, "Check failed: 0x7"},
        ThrowCase{"SchemaException", [] { throw CPELFM_SchemaCheckException("x"); }, "Check failed: 0xb"},
        ThrowCase{"StandardException", [] { throw std::runtime_error("broken"); }, "Check failed: broken"},
        ThrowCase{"Anything", [] { throw 42; }, "Check failed: ?"}),
    [](const ::testing::TestParamInfo<ThrowCase>& info) { return std::string(info.param.name); });

class FailingSource : public CPELFM_PartNodeSource {
public:
    void LoadElems(CPELFM_PartInfo&, QList<CPELFM_ElemInfo*>&) const override {
        throw CPELFM_InvalidDescException();
    }
};

class OneElementSource : public CPELFM_PartNodeSource {
public:
    void LoadElems(CPELFM_PartInfo& part, QList<CPELFM_ElemInfo*>& out) const override {
        auto* elem = new CPELFM_ElemInfo;
        elem->label = "Loaded";
        elem->ownerPart = &part;
        out.append(elem);
    }
};

TEST_F(CheckWorkerTest, EnsureAllPartsLoadedLoadsEveryPart) {
    CPELFM_SectionInfo* block = AddSection(root, "Block", SECTION_BLOCK);
    QList<CPELFM_PartInfo*> parts{AddPart(*block, "A", PART_BLOCK_INFO),
                                  AddPart(*block, "B", PART_BLOCK_PARAM)};
    for (CPELFM_PartInfo* part : parts) {
        part->loaded = 0;
        part->xmlNode = std::make_shared<OneElementSource>();
    }
    EnsureAllPartsLoaded(root);
    for (CPELFM_PartInfo* part : parts) {
        EXPECT_EQ(part->loaded, 1);
        EXPECT_EQ(part->ElemCount(), 1);
    }
}

TEST_F(CheckWorkerTest, PartThatCannotBeLoadedStopsTheCheckWithAFinding) {
    CPELFM_PartInfo* part = AddPart(*AddSection(root, "Block", SECTION_BLOCK), "A", PART_BLOCK_INFO);
    part->loaded = 0;
    part->xmlNode = std::make_shared<FailingSource>();
    const auto messages = Run();
    EXPECT_EQ(plugin.checkCalls, 0);
    EXPECT_EQ(Ids(messages), QList<int>{IDS_OPERATION_FAILED});
}

TEST(CountCheckFindings, CountsErrorsAndWarningsOnly) {
    const QList<_ST_PEL_CHECK_MESSAGE> messages{Finding(0, "e"), Finding(1, "w"), Finding(0, "e"),
                                                Finding(2, "other"), Finding(-1, "other")};
    const CheckFindingCounts counts = CountCheckFindings(messages);
    EXPECT_EQ(counts.errors, 2);
    EXPECT_EQ(counts.warnings, 1);
}

}  // namespace
