#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "CCommonUtility.h"
#include "PrintQString.h"
#include "ResourceStringSource.h"
#include "ScriptedMessagePresenter.h"
#include "SystemSettingLogic.h"

// The dialog's decisions over the plug-ins the build stages, copied into a program folder of the
// test's own so the settings file is written there.
namespace {

const QString kOut = QStringLiteral(PEL_OUT_DIR);
const char* const kPlugins[] = {"PeloraMachine_3.so", "PeloraMachine_2.so", "PeloraMachine.so", "Corvix.so"};

class SystemSettingRealPluginsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(folder.path()).mkpath("PublicPlugin"));
        ASSERT_TRUE(QDir(folder.path()).mkpath("PrivatePlugin"));
        for (const char* name : kPlugins) {
            const QString from = kOut + "/PublicPlugin/" + QLatin1String(name);
            if (!QFile::exists(from)) GTEST_SKIP() << name << " is not staged in this build";
            ASSERT_TRUE(QFile::copy(from, folder.path() + "/PublicPlugin/" + QLatin1String(name)));
        }
        ASSERT_TRUE(strings.Open(kOut + "/PeloraMachineTool_RC.so"));
        utility = std::make_unique<CCommonUtility>(folder.path());
        utility->SetStringSource(&strings);
        utility->SetMessagePresenter(&presenter);
    }
    void TearDown() override {
        if (utility) utility->UnloadPlugins();
    }

    QTemporaryDir folder;
    ResourceStringSource strings;
    ScriptedMessagePresenter presenter;
    std::unique_ptr<CCommonUtility> utility;
};

TEST_F(SystemSettingRealPluginsTest, AcceptingKeepsOnlyTheChosenPlugins) {
    ASSERT_EQ(utility->BuildProfileTypeList(), 1);
    SystemSettingLogic logic(*utility);
    ASSERT_EQ(logic.ComboEntries().size(), 1);
    const QString type = logic.InitialComboText();
    const SystemSettingLogic::DeviceList list = logic.InitialDeviceList();
    ASSERT_EQ(list.entries.size(), 1);
    EXPECT_EQ(list.entries[0], "Pelora for Dazeziv [1.0]");

    EXPECT_EQ(logic.Accept(type, list.entries[0]), SystemSettingLogic::AcceptResult::Accepted);
    EXPECT_TRUE(presenter.Calls().isEmpty());
    ASSERT_EQ(utility->profilePlugins.size(), 1) << "the version list now offers the chosen plug-in alone";
    EXPECT_EQ(utility->profilePlugins[0].fileName, "PeloraMachine_2.so");
    ASSERT_EQ(utility->deviceModelPlugins.size(), 1);
    EXPECT_FALSE(utility->projectExtension.isEmpty());
    EXPECT_FALSE(utility->profileExtension.isEmpty());
    EXPECT_TRUE(QFile::exists(utility->SettingsFilePath()));

    // The written file reads back to the same choice.
    const _PROFILE_TYPE written = *utility->settings->ProfileType;
    utility->ClearProfileTypeSetting();
    utility->LoadSettingsFile(utility->SettingsFilePath());
    EXPECT_EQ(utility->settings->ProfileType->value, written.value);
    EXPECT_EQ(utility->settings->ProfileType->displayName, written.displayName);
    ASSERT_EQ(utility->settings->ProfileType->contents.size(), 1);
    EXPECT_EQ(utility->settings->ProfileType->contents[0].fileName, "Corvix.so");
}

}  // namespace
