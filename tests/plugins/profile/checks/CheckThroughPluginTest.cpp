// The check as the editor runs it: through IProfilePlugin::CheckProfile of the staged plug-in builds.
#include <gtest/gtest.h>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CheckCases.h"
#include "ICheckProgressSink.h"
#include "IProfilePlugin.h"
#include "LoadedPlugin.h"
#include "RunProfileCheck.h"

using namespace CheckTest;

namespace {

struct PluginCase {
    const char* file;
    const CheckFormat& (*format)();
    bool acceptsRdbTypes;
    const char* labelText;  // the text of a hyphen in the label of Vars element 2
};

class RecordingSink : public ICheckProgressSink {
public:
    void PostCheckProgress(int value) override { values.push_back(value); }
    std::vector<int> values;
};

class CheckThroughPlugin : public testing::TestWithParam<PluginCase> {
protected:
    void SetUp() override {
        library = std::make_unique<LoadedPlugin>(GetParam().file);
        ASSERT_TRUE(library->IsOpen()) << library->Error();
        plugin = library->Instance<IProfilePlugin>();
        ASSERT_NE(plugin, nullptr);
    }
    void TearDown() override {
        if (library && library->IsOpen()) library->DeleteInstance();
    }

    std::unique_ptr<LoadedPlugin> library;
    IProfilePlugin* plugin = nullptr;
};

TEST_P(CheckThroughPlugin, ReportsTheRulesAndTextsOfItsFormat) {
    const PluginCase& c = GetParam();
    auto t = TestProfile::Valid(c.format());
    // An RDB connection whose variable uses an RDB type, and one bad label.
    Set(*t, "DEVICE", "Conn1", "ProtocolType", {DATA, "RDB"});
    Set(*t, "COMM1", "Vars", "Speed", {DATATYPE, "RDB_INT"});
    AddVar(*t, "ok", {}, "RDB_REAL");
    AddVar(*t, "a-b", {}, "RDB_TEXT");

    RecordingSink sink;
    QList<_ST_PEL_CHECK_MESSAGE> messages(2);
    plugin->CheckProfile(&sink, t->Root(), messages);

    // Labels are judged before values.
    std::vector<Finding> expected{F(40014, "COMM1", "Vars", 2, LABEL, {"-"})};
    if (!c.acceptsRdbTypes) {
        for (int element : {0, 1, 2}) expected.push_back(F(40018, "COMM1", "Vars", element, DATATYPE));
    }
    ASSERT_EQ(Findings(messages), expected);
    EXPECT_EQ(messages.front().text, QString::fromUtf8(c.labelText));
    EXPECT_EQ(sink.values, (std::vector<int>{1, 3, 9, 16, 23, 33, 35, 36}));

    // The plug-in runs the same engine as the library.
    QList<_ST_PEL_CHECK_MESSAGE> direct;
    RunProfileCheck(c.format(), nullptr, t->Root(), direct);
    ASSERT_EQ(direct.size(), messages.size());
    for (qsizetype i = 0; i < direct.size(); ++i) EXPECT_EQ(direct[i].text, messages[i].text);
}

TEST_P(CheckThroughPlugin, MissingSectionsAndANullRoot) {
    CPELFM_ProfileInfo empty;
    QList<_ST_PEL_CHECK_MESSAGE> messages;
    plugin->CheckProfile(nullptr, &empty, messages);
    const int id = GetParam().format().settings.missingSectionMessageId;
    EXPECT_EQ(Findings(messages),
              (std::vector<Finding>{F(id, "COMM_IF", "", 0, 0), F(id, "BLOCK", "", 0, 0)}));
    plugin->CheckProfile(nullptr, nullptr, messages);
    EXPECT_TRUE(messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Builds, CheckThroughPlugin,
    testing::Values(
        PluginCase{"PublicPlugin/PeloraMachine_3.so", &CheckFormat::Format30, true,
                   "**エラー**セクション COMM1 、パート Vars の[No3,項目 LABEL]において使用されている'-'は"
                   "使用禁止文字です。LABEL項目に使用することはできません。"},
        PluginCase{"PublicPlugin/PeloraMachine_2.so", &CheckFormat::Format20, false,
                   "**エラー**セクション COMM1 、パート Vars の[No3,項目 LABEL]において使用されている'-'は"
                   "使用禁止文字です。LABEL項目に使用することはできません。"},
        PluginCase{"PublicPlugin/PeloraMachine.so", &CheckFormat::Format11, false,
                   "**Error** COMM1 section, Vars part, [No.3, LABEL item]: '-' is a prohibited character. "
                   "It cannot be used in LABEL item."}),
    [](const auto& info) { return std::to_string(info.index); });

}  // namespace
