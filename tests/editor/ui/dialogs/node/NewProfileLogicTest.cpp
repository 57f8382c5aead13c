#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "CPELFM_PartInfo.h"
#include "CPELFM_SectionInfo.h"
#include "DialogTestWorld.h"
#include "INewProfileHost.h"
#include "MessageBoxStyle.h"
#include "NewProfileLogic.h"

using namespace DialogTest;

namespace {

class FakeHost : public INewProfileHost {
public:
    explicit FakeHost(CCommonUtility& utility) : m_utility(utility) {}
    QStringList log;
    void CloseCurrentFile() override {
        log << "close";
        m_utility.openProfile = nullptr;  // the command world owns the old profile
    }
    void ShowNewProfile() override { log << "show"; }

private:
    CCommonUtility& m_utility;
};

NewProfileTexts Valid() {
    NewProfileTexts t;
    t.fileSectionName = "File";
    t.fileInfoName = "FileInfo";
    t.fileInfoComment = "about the file";
    t.deviceSectionName = "Device";
    t.deviceInfoName = "DeviceInfo";
    t.deviceInfoLabel2 = "dev";
    return t;
}

TEST(NewProfileEnabling, CreateNeedsAllFourNames) {
    EXPECT_TRUE(NewProfileLogic::CreateEnabled(Valid()));
    for (QString NewProfileTexts::*name :
         {&NewProfileTexts::fileSectionName, &NewProfileTexts::fileInfoName,
          &NewProfileTexts::deviceSectionName, &NewProfileTexts::deviceInfoName}) {
        NewProfileTexts t = Valid();
        t.*name = "";
        EXPECT_FALSE(NewProfileLogic::CreateEnabled(t));
        t.*name = " ";
        EXPECT_TRUE(NewProfileLogic::CreateEnabled(t));
    }
    NewProfileTexts t = Valid();
    t.fileInfoLabel2 = t.deviceInfoLabel2 = t.fileSectionComment = "";
    EXPECT_TRUE(NewProfileLogic::CreateEnabled(t));
}

class NewProfile : public ::testing::Test {
protected:
    DialogWorld w;
    FakeHost host{w.utility};
    NewProfileLogic logic{w.utility, w.strings, host};
};

TEST_F(NewProfile, SectionNamesDifferingInCaseAreRefused) {
    NewProfileTexts t = Valid();
    t.deviceSectionName = "FILE";
    const NewProfileOutcome outcome = logic.Create(t);
    EXPECT_FALSE(outcome.close);
    EXPECT_EQ(outcome.focus, NewProfileField::DeviceSectionName);
    EXPECT_EQ(w.Messages(), QStringList({"The name FILE is used already."}));
    EXPECT_EQ(w.presenter.Calls()[0].style, MB_ICONERROR);
    EXPECT_TRUE(host.log.isEmpty());
}

TEST_F(NewProfile, ReservedLabel2IsReportedWithEveryOtherFaultyText) {
    w.rules.verdicts = {{"int", 4}, {"9File", 3}, {"a b", 2}};
    NewProfileTexts t = Valid();
    t.fileSectionName = "9File";
    t.deviceInfoName = "a b";
    t.fileInfoLabel2 = "int";
    EXPECT_FALSE(logic.Create(t).close);
    ASSERT_EQ(w.Messages().size(), 1);
    const QString text = w.Messages()[0];
    const int first = text.indexOf(w.strings.LoadString(126) + "9File");
    const int second = text.indexOf(w.strings.LoadString(127) + "int");
    const int third = text.indexOf(w.strings.LoadString(121) + "a b");
    EXPECT_GE(first, 0);
    EXPECT_GT(second, first);
    EXPECT_GT(third, second);
    EXPECT_TRUE(host.log.isEmpty());
}

TEST_F(NewProfile, NonAsciiNameIsRefusedFirst) {
    NewProfileTexts t = Valid();
    t.deviceInfoName = QString::fromUtf8("Ger\xc3\xa4t");
    t.deviceSectionName = "file";  // also a duplicate: not reached
    const NewProfileOutcome outcome = logic.Create(t);
    EXPECT_EQ(outcome.focus, NewProfileField::DeviceInfoName);
    EXPECT_TRUE(w.Messages()[0].contains(QStringLiteral("\"\u00e4\"")));  // the character is named
    EXPECT_EQ(w.presenter.Calls()[0].style, MB_OK);
}

TEST_F(NewProfile, CreateLoadsTheNewProfileAndLeavesNoTemporaryFile) {
    const NewProfileOutcome outcome = logic.Create(Valid());
    ASSERT_TRUE(outcome.close);
    ASSERT_TRUE(outcome.loaded);
    EXPECT_EQ(host.log, QStringList({"close", "show"}));
    ASSERT_NE(w.utility.openProfile, nullptr);
    ASSERT_NE(w.utility.openProfile, w.world.profile.get());
    EXPECT_EQ(CommandTest::SectionNames(*w.utility.openProfile), QStringList({"File", "Device"}));
    const CPELFM_SectionInfo* device = w.utility.openProfile->sections[1];
    ASSERT_EQ(device->parts.size(), 1);
    EXPECT_EQ(device->parts[0]->name, "DeviceInfo");
    EXPECT_EQ(device->parts[0]->label2, "dev");
    const QDir temp(w.folder.filePath("Temp"));
    EXPECT_TRUE(!temp.exists() || temp.isEmpty());
    EXPECT_TRUE(w.Messages().isEmpty());
}

TEST_F(NewProfile, WithoutAProfilePluginNothingHappens) {
    w.utility.profilePlugins.clear();
    EXPECT_FALSE(logic.Create(Valid()).close);
    EXPECT_TRUE(host.log.isEmpty());
}

TEST_F(NewProfile, UnwritableTempFolderStillGivesTheNewProfile) {
    // A plain file stands where the program folder's Temp folder would be.
    QFile blocker(w.folder.filePath("Temp"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const NewProfileOutcome outcome = logic.Create(Valid());
    EXPECT_TRUE(outcome.close);
    EXPECT_TRUE(outcome.loaded);
    EXPECT_EQ(host.log, QStringList({"close", "show"}));
    EXPECT_TRUE(QFileInfo(w.folder.filePath("Temp")).isFile());
}

}  // namespace

namespace {

TEST_F(NewProfile, OnlyTheFourNamesAreNeeded) {
    NewProfileTexts t;
    t.fileSectionName = "F";
    t.fileInfoName = "FI";
    t.deviceSectionName = "D";
    t.deviceInfoName = "DI";
    const NewProfileOutcome outcome = logic.Create(t);
    EXPECT_TRUE(outcome.loaded);
    EXPECT_TRUE(w.Messages().isEmpty());
}

}  // namespace

namespace {

TEST_F(NewProfile, AFailedCreationKeepsTheOpenProfile) {
    CPELFM_ProfileInfo* open = w.utility.openProfile;
    NewProfileTexts t = Valid();
    t.fileSectionComment = QString(QChar(1));  // XML cannot carry it: the new document is never written
    const NewProfileOutcome outcome = logic.Create(t);
    EXPECT_TRUE(outcome.close);
    EXPECT_FALSE(outcome.loaded);
    EXPECT_TRUE(host.log.isEmpty());
    EXPECT_EQ(w.utility.openProfile, open);
}

}  // namespace
