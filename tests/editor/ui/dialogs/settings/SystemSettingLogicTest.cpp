#include <gtest/gtest.h>

#include <QFile>

#include "MessageBoxStyle.h"
#include "PrintQString.h"
#include "SettingsTestFakes.h"
#include "SystemSettingLogic.h"

using namespace SettingsTest;

namespace {

using Result = SystemSettingLogic::AcceptResult;

TEST(SystemSettingLogicTest, OstraTypesAreOfferedUnderTheirPeloraNames) {
    struct Case {
        QStringList types;
        QStringList combo;
    };
    const QList<Case> cases = {
        {{"Ostra [2.0]"}, {"Pelora[2.0]"}},
        {{"Pelora[3.0]", "Ostra [2.0]", "Ostra [1.1]"}, {"Pelora[3.0]", "Pelora[2.0]", "Pelora[1.1]"}},
        // A real partner is listed once, where it stands.
        {{"Ostra [2.0]", "Pelora[2.0]", "Pelora[3.0]"}, {"Pelora[2.0]", "Pelora[3.0]"}},
        {{"Pelora[1.1]", "Ostra [1.1]"}, {"Pelora[1.1]"}},
    };
    for (int i = 0; i < cases.size(); ++i) {
        World w;
        for (const QString& t : cases[i].types) w.AddType(t, t + ".so", {"Corvix [1.0]"});
        SystemSettingLogic logic(w.utility);
        EXPECT_EQ(logic.ComboEntries(), cases[i].combo) << i;
    }
}

TEST(SystemSettingLogicTest, InitialTypeFollowsTheSettings) {
    struct Case {
        QString settingsName;
        QString shown;
    };
    const QList<Case> cases = {
        {"", "Pelora[3.0]"},
        {"Pelora[2.0]", "Pelora[2.0]"},
        {"Ostra [2.0]", "Pelora[2.0]"},
        {"Unknown[9.9]", "Pelora[3.0]"},
    };
    for (int i = 0; i < cases.size(); ++i) {
        World w;
        w.AddType("Ostra [2.0]", "Ostra.so", {"Dravik [1.0]"});
        w.AddType("Pelora[3.0]", "Pelora_3.so", {"Corvix [1.0]"});
        w.SetSettings(cases[i].settingsName, "x.so", {});
        SystemSettingLogic logic(w.utility);
        EXPECT_EQ(logic.InitialComboText(), cases[i].shown) << i;
    }
}

TEST(SystemSettingLogicTest, OnlyOstraTypesStillShowATypeAndItsDeviceModels) {
    World w;
    w.AddType("Ostra [2.0]", "Ostra.so", {"Dravik [1.0]", "Sarnel [1.0]"});
    SystemSettingLogic logic(w.utility);
    EXPECT_EQ(logic.InitialComboText(), "Pelora[2.0]");
    EXPECT_EQ(logic.InitialDeviceList().entries, QStringList({"Dravik [1.0]", "Sarnel [1.0]"}));
}

TEST(SystemSettingLogicTest, ListJoinsThePartnerAndSelectsTheSettingsDeviceModels) {
    World w;
    w.AddType("Pelora[2.0]", "Pelora_2.0.so", {"Corvix [1.0]"});
    w.AddType("Ostra [2.0]", "Ostra.so", {"Dravik [1.0]", "Sarnel [1.0]"});
    w.AddType("Pelora[3.0]", "Pelora_3.so", {"Corvix [1.0]", "Sarnel [1.0]"});
    w.SetSettings("Pelora[2.0]", "Pelora_2.0.so", {"Sarnel [1.0]"});
    SystemSettingLogic logic(w.utility);
    const SystemSettingLogic::DeviceList initial = logic.InitialDeviceList();
    EXPECT_EQ(initial.entries, QStringList({"Corvix [1.0]", "Dravik [1.0]", "Sarnel [1.0]"}));
    EXPECT_EQ(initial.selected, QList<int>({2}));
    // Another type shows its own models; the settings' choice is not carried over to it.
    const SystemSettingLogic::DeviceList other = logic.DeviceListFor("Pelora[3.0]");
    EXPECT_EQ(other.entries, QStringList({"Corvix [1.0]", "Sarnel [1.0]"}));
    EXPECT_TRUE(other.selected.isEmpty());
    EXPECT_EQ(logic.DeviceListFor("Pelora[2.0]").selected, QList<int>({2}));
}

TEST(SystemSettingLogicTest, ChoiceIsDisabledWhileAFileIsOpen) {
    World w;
    w.AddType("Pelora[3.0]", "Pelora_3.so", {"Corvix [1.0]"});
    SystemSettingLogic logic(w.utility);
    EXPECT_TRUE(logic.ChoiceEnabled());
    w.utility.fileOpen = 1;
    EXPECT_FALSE(logic.ChoiceEnabled());
}

class AcceptTest : public ::testing::Test {
protected:
    AcceptTest() {
        p30 = &w.AddProfile("Pelora[3.0]", "Pelora_3.so");
        p20 = &w.AddProfile("Ostra [2.0]", "Ostra.so");
        corvix = &w.AddDevice("CorvixModel", "Corvix", "Corvix.so", 2);
        dravik = &w.AddDevice("DravikModel", "Dravik", "Dravik.so", 9);
        w.AddType("Pelora[3.0]", "Pelora_3.so", {"Corvix [1.0]"});
        w.AddType("Ostra [2.0]", "Ostra.so", {"Dravik [1.0]"});
    }
    World w;
    FakeProfile* p30;
    FakeProfile* p20;
    FakeDevice* corvix;
    FakeDevice* dravik;
};

TEST_F(AcceptTest, AcceptRecordsTheChoiceWritesAndUnloadsTheRest) {
    SystemSettingLogic logic(w.utility);
    EXPECT_EQ(logic.Accept("Pelora[3.0]", "Corvix [1.0]"), Result::Accepted);
    const _PROFILE_TYPE& chosen = *w.utility.settings->ProfileType;
    EXPECT_EQ(chosen.value, "Pelora_3.so");
    EXPECT_EQ(chosen.displayName, "Pelora[3.0]");
    ASSERT_EQ(chosen.contents.size(), 1);
    EXPECT_EQ(chosen.contents[0].name, "CorvixModel");
    EXPECT_EQ(chosen.contents[0].fileName, "Corvix.so");
    EXPECT_EQ(chosen.contents[0].displayName, "Corvix [1.0]");
    EXPECT_EQ(corvix->offeredNames, QStringList({"CorvixModel"}));
    EXPECT_TRUE(QFile::exists(w.SettingsPath()));
    EXPECT_EQ(w.ProfileFiles(), QStringList({"Pelora_3.so"}));
    EXPECT_EQ(w.DeviceFiles(), QStringList({"Corvix.so"}));
    EXPECT_EQ(p30->kindSet, 2);
    EXPECT_EQ(w.utility.projectExtension, "pelproj");
    EXPECT_EQ(w.utility.profileExtension, "pelp");
    EXPECT_TRUE(w.presenter.Calls().isEmpty()) << "no notice before the first save";
    EXPECT_EQ(w.utility.settingsNoticeFlag, 1);
}

TEST_F(AcceptTest, NoticeFollowsAnEarlierSave) {
    w.utility.settingsNoticeFlag = 1;
    SystemSettingLogic logic(w.utility);
    ASSERT_EQ(logic.Accept("Pelora[3.0]", "Corvix [1.0]"), Result::Accepted);
    ASSERT_EQ(w.presenter.Calls().size(), 1);
    EXPECT_EQ(w.presenter.Calls()[0].text, "saved");
    EXPECT_EQ(w.presenter.Calls()[0].style & MB_ICONMASK, MB_ICONINFORMATION);
}

TEST_F(AcceptTest, PeloraTextOfAnOstraTypeRecordsTheOstraPlugin) {
    SystemSettingLogic logic(w.utility);
    ASSERT_EQ(logic.Accept("Pelora[2.0]", "Dravik [1.0]"), Result::Accepted);
    const _PROFILE_TYPE& chosen = *w.utility.settings->ProfileType;
    EXPECT_EQ(chosen.value, "Ostra.so");
    EXPECT_EQ(chosen.displayName, "Pelora[2.0]");
    EXPECT_EQ(w.ProfileFiles(), QStringList({"Ostra.so"}));
    EXPECT_EQ(w.DeviceFiles(), QStringList({"Dravik.so"}));
    EXPECT_EQ(p20->kindSet, 9);
}

TEST_F(AcceptTest, RefusedSelectionKeepsThePreviousChoiceAndWritesNothing) {
    w.SetSettings("Pelora[3.0]", "Pelora_3.so", {"Corvix [1.0]"});
    w.utility.settings->ProfileType->contents[0].fileName = "Corvix.so";
    dravik->accepts = 0;
    SystemSettingLogic logic(w.utility);
    EXPECT_EQ(logic.Accept("Pelora[2.0]", "Dravik [1.0]"), Result::Refused);
    ASSERT_EQ(w.presenter.Calls().size(), 1);
    EXPECT_EQ(w.presenter.Calls()[0].text, "refused");
    EXPECT_EQ(w.presenter.Calls()[0].style & MB_ICONMASK, MB_ICONINFORMATION);
    EXPECT_FALSE(QFile::exists(w.SettingsPath()));
    EXPECT_EQ(w.ProfileFiles().size(), 2) << "nothing is unloaded while the dialog stays";
    EXPECT_EQ(w.utility.settings->ProfileType->value, "Pelora_3.so");
    // Closing afterwards unloads by the previous choice, never everything.
    logic.Close();
    EXPECT_EQ(w.ProfileFiles(), QStringList({"Pelora_3.so"}));
    EXPECT_EQ(w.DeviceFiles(), QStringList({"Corvix.so"}));
    EXPECT_EQ(p30->kindSet, 2);
}

TEST_F(AcceptTest, UnknownChoiceEndsWithoutLosingTheSettings) {
    w.SetSettings("Pelora[3.0]", "Pelora_3.so", {"Corvix [1.0]"});
    w.utility.settings->ProfileType->contents[0].fileName = "Corvix.so";
    SystemSettingLogic logic(w.utility);
    EXPECT_EQ(logic.Accept("Pelora[3.0]", "Nobody [1.0]"), Result::Accepted);
    EXPECT_FALSE(QFile::exists(w.SettingsPath()));
    EXPECT_EQ(w.utility.settings->ProfileType->value, "Pelora_3.so");
    EXPECT_EQ(w.utility.settings->ProfileType->contents.size(), 1);
    EXPECT_EQ(w.ProfileFiles(), QStringList({"Pelora_3.so"}));
}

TEST_F(AcceptTest, CloseWithoutAChoiceKeepsEveryPlugin) {
    SystemSettingLogic logic(w.utility);
    logic.Close();
    EXPECT_EQ(w.ProfileFiles().size(), 2);
    EXPECT_EQ(w.DeviceFiles().size(), 2);
    EXPECT_EQ(p30->kindSet, 2);
    EXPECT_TRUE(w.utility.projectExtension.isEmpty()) << "closing asks for no extensions";
}

TEST_F(AcceptTest, UnloadKeepsEveryDeviceModelTheSettingsName) {
    w.SetSettings("Pelora[3.0]", "Pelora_3.so", {"Corvix", "Dravik"});
    SystemSettingLogic logic(w.utility);
    logic.UnloadDeselectedPlugins();
    EXPECT_EQ(w.ProfileFiles(), QStringList({"Pelora_3.so"}));
    EXPECT_EQ(w.DeviceFiles(), QStringList({"Corvix.so", "Dravik.so"}));
}

}  // namespace
