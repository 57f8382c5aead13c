#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLabel>

#include "CCommonUtility.h"
#include "CDialogVersionSetting.h"
#include "MessageBoxStyle.h"
#include "ResourceStringSource.h"
#include "StagedProgramFolder.h"
#include "UiTestSupport.h"
#include "VersionSettingChoice.h"

using namespace UiTest;

namespace {

// The dialog over the staged plug-ins, loaded into a service object of its own.
class VersionDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!StagedProgramFolder::IsStaged()) GTEST_SKIP() << "the program folder is not staged";
        ASSERT_TRUE(strings.Open(folder.Path() + "/PeloraMachineTool_RC.so"));
        utility = std::make_unique<CCommonUtility>(folder.Path());
        utility->SetStringSource(&strings);
        utility->SetMessagePresenter(&messages);
        ASSERT_EQ(utility->BuildProfileTypeList(), 1);
    }

    QStringList Entries(CDialogVersionSetting& dialog) {
        QStringList entries;
        for (int i = 0; i < dialog.VersionList().count(); ++i)
            entries.append(dialog.VersionList().itemText(i));
        return entries;
    }

    StagedProgramFolder folder;
    ResourceStringSource strings;
    ScriptedMessagePresenter messages;
    std::unique_ptr<CCommonUtility> utility;
};

TEST_F(VersionDialogTest, UnsetVersionOffersEveryProfilePluginWithTheNewestSelected) {
    CDialogVersionSetting dialog(*utility);
    ASSERT_EQ(dialog.OnInitDialog(), 0);
    EXPECT_EQ(Entries(dialog), (QStringList{"1.1", "2.0", "3.0"}));
    EXPECT_EQ(dialog.VersionList().currentText(), "3.0");
    EXPECT_TRUE(dialog.VersionList().isEnabled());
    EXPECT_EQ(dialog.windowTitle(), strings.LoadString(332));
}

TEST_F(VersionDialogTest, SavedVersionIsSelectedAndTheListRebuilt) {
    utility->settings->DllVersion = 0x20000;
    CDialogVersionSetting dialog(*utility);
    ASSERT_EQ(dialog.OnInitDialog(), 0);
    EXPECT_EQ(dialog.VersionList().currentText(), "2.0");
}

TEST_F(VersionDialogTest, OpenFileLocksTheChoice) {
    utility->fileOpen = 1;
    CDialogVersionSetting dialog(*utility);
    ASSERT_EQ(dialog.OnInitDialog(), 0);
    EXPECT_FALSE(dialog.VersionList().isEnabled());
    EXPECT_EQ(dialog.FileOpenNote().text(), strings.LoadString(1065));
}

TEST_F(VersionDialogTest, OkKeepsOnlyTheChosenPlugin) {
    CDialogVersionSetting dialog(*utility);
    dialog.OnInitDialog();
    dialog.VersionList().setCurrentText("2.0");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(utility->profilePlugins.size(), 1);
    EXPECT_EQ(utility->profilePlugins[0].version, 0x20000u);
    // The version was unset: the start-up records the choice, the dialog writes nothing.
    EXPECT_FALSE(QFile::exists(folder.SettingsPath()));
}

TEST_F(VersionDialogTest, ChangedSavedVersionIsWrittenToTheSettings) {
    utility->settings->DllVersion = 0x20000;
    CDialogVersionSetting dialog(*utility);
    dialog.OnInitDialog();
    dialog.VersionList().setCurrentText("3.0");
    dialog.accept();
    EXPECT_EQ(utility->settings->DllVersion, 0x30000u);
    EXPECT_EQ(utility->settings->ProfileType->value, "PeloraMachine_3.so");
    QFile file(folder.SettingsPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("196608"));
}

TEST_F(VersionDialogTest, UnknownVersionTextKeepsTheDialogOpen) {
    CDialogVersionSetting dialog(*utility);
    dialog.OnInitDialog();
    dialog.VersionList().clear();
    dialog.setResult(-5);
    dialog.accept();
    EXPECT_EQ(dialog.result(), -5);
    ASSERT_EQ(messages.Calls().size(), 1);
    EXPECT_EQ(messages.Calls()[0].text, strings.LoadString(62105));
    EXPECT_EQ(messages.Calls()[0].style, MB_ICONERROR);
    EXPECT_EQ(utility->profilePlugins.size(), 3);
}

TEST_F(VersionDialogTest, CancelWithUnsetVersionTakesTheNewest) {
    CDialogVersionSetting dialog(*utility);
    dialog.OnInitDialog();
    dialog.VersionList().setCurrentText("1.1");
    dialog.reject();
    ASSERT_EQ(utility->profilePlugins.size(), 1);
    EXPECT_EQ(utility->profilePlugins[0].version, 0x30000u);
}

TEST_F(VersionDialogTest, CancelWithSavedVersionKeepsIt) {
    utility->settings->DllVersion = 0x10001;
    CDialogVersionSetting dialog(*utility);
    dialog.OnInitDialog();
    dialog.reject();
    ASSERT_EQ(utility->profilePlugins.size(), 1);
    EXPECT_EQ(utility->profilePlugins[0].version, 0x10001u);
    EXPECT_TRUE(messages.Calls().isEmpty());
}

TEST_F(VersionDialogTest, CancelWithAVersionNoPluginHasSaysSo) {
    utility->settings->DllVersion = 0x40000;
    CDialogVersionSetting dialog(*utility);
    dialog.OnInitDialog();
    dialog.reject();
    ASSERT_EQ(messages.Calls().size(), 1);
    EXPECT_EQ(messages.Calls()[0].text, strings.LoadString(62105));
    EXPECT_EQ(utility->profilePlugins.size(), 3);
}

TEST_F(VersionDialogTest, CannotBeShownWhenTheListCannotBeBuilt) {
    utility->settings->DllVersion = 0x20000;
    utility->pluginFolders = {folder.Path() + "/PrivatePlugin/"};
    CDialogVersionSetting dialog(*utility);
    ScriptedDialogPresenter presenter;
    EXPECT_EQ(dialog.DoModal(presenter), -1);
    EXPECT_EQ(presenter.runs, 0);
}

TEST(VersionSettingChoice, PicksByVersion) {
    QList<_ST_DLL_PROFILE> plugins(5);
    const quint32 versions[] = {0x20000, 0x30000, 0x10001, 0x30000, 0x40000};
    const int kinds[] = {1, 1, 1, 1, 2};
    for (int i = 0; i < 5; ++i) {
        plugins[i].version = versions[i];
        plugins[i].kind = kinds[i];
    }
    EXPECT_EQ(VersionSettingChoice::VersionText(0x10001), "1.1");
    EXPECT_EQ(VersionSettingChoice::HighestVersionIndex(plugins), 1);
    EXPECT_EQ(VersionSettingChoice::VersionIndex(plugins, 0x30000), 1);
    EXPECT_EQ(VersionSettingChoice::VersionIndex(plugins, 0x40000), -1);
    EXPECT_EQ(VersionSettingChoice::IndexOfVersionText(plugins, "3.0"), 3);
    EXPECT_EQ(VersionSettingChoice::IndexOfVersionText(plugins, "4.0"), 4);
    EXPECT_EQ(VersionSettingChoice::IndexOfVersionText(plugins, "9.9"), -1);
    EXPECT_EQ(VersionSettingChoice::HighestVersionIndex({}), -1);
}

}  // namespace
