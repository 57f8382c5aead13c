#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>

#include "CCommonUtility.h"
#include "PELFMExceptions.h"
#include "ProgramFolder.h"
#include "XmlDocument.h"
#include "XmlError.h"

namespace {

const QString kSettings = QStringLiteral("Config/SystemSetting.xml");

QByteArray SettingsXml(const QByteArray& items) {
    return "<?xml version=\"1.0\"?><Config><Setting label=\"SystemSetting\">" + items + "</Setting></Config>";
}

QByteArray Item(const char* label, const QByteArray& children) {
    return QByteArray("<SettingItem label=\"") + label + "\">" + children + "</SettingItem>";
}

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override { utility.SetStringSource(&folder.strings); }
    void Load() { utility.LoadSettingsFile(folder.File(kSettings)); }
    void WithDeviceModel(const char* fixture) {
        folder.Place(fixture, "PublicPlugin", QStringLiteral("device.so"));
        folder.Place("fake_profile_20", "PublicPlugin", QStringLiteral("profile.so"));
        utility.LoadPlugins();
    }
    ProgramFolder folder;
    CCommonUtility utility{folder.Path()};
};

TEST_F(SettingsFileTest, MissingFileIsWrittenWithTheStartValuesThenRead) {
    ASSERT_FALSE(QDir(folder.File(QStringLiteral("Config"))).exists());
    Load();
    ASSERT_TRUE(QFileInfo::exists(folder.File(kSettings)));
    EXPECT_EQ(utility.SettingsFilePath(), folder.File(kSettings));
    EXPECT_EQ(utility.settings->Language, QStringLiteral("ja"));
    EXPECT_EQ(utility.settings->DllVersion, DLL_VERSION_NONE);
    const QByteArray written = folder.ReadFile(kSettings);
    EXPECT_TRUE(written.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    EXPECT_TRUE(written.contains("<Value>4294967295</Value>"));
    // No device-model plug-in of kind 2: the automatic-creation items are left out.
    EXPECT_FALSE(written.contains("AutoCreateRelatedSection"));
}

TEST_F(SettingsFileTest, RoundTripKeepsEveryValue) {
    WithDeviceModel("fake_device_corvix");
    utility.settings->Language = QStringLiteral("en");
    utility.settings->AutoCreateRelatedSection = 1;
    utility.settings->AutoCreateRelatedPart = 0;
    utility.settings->DllVersion = 0x30000;
    utility.settings->ProfileType->value = QStringLiteral("PeloraMachine_3.so");
    utility.settings->ProfileType->displayName = QStringLiteral("Pelora for Dazeziv[3.0]");
    utility.settings->ProfileType->contents.append({QStringLiteral("PELFMDevice"),
                                                    QStringLiteral("Corvix.so"),
                                                    QStringLiteral("Pelora for Dazeziv [1.0]"), 0});
    utility.settings->ProfileType->contents.append(
        {QString(), QStringLiteral("B.so"), QStringLiteral("B & <C>"), 0});
    EXPECT_EQ(utility.WriteSettingsFile(), 0);
    EXPECT_TRUE(folder.ReadFile(kSettings).contains("<Value>196608</Value>"));

    CCommonUtility reread(folder.Path());
    reread.SetStringSource(&folder.strings);
    reread.LoadPlugins();
    reread.LoadSettingsFile(folder.File(kSettings));
    const _ST_SYSTEM_SETTING& s = *reread.settings;
    EXPECT_EQ(s.Language, QStringLiteral("en"));
    EXPECT_EQ(s.AutoCreateRelatedSection, 1);
    EXPECT_EQ(s.AutoCreateRelatedPart, 0);
    EXPECT_EQ(s.DllVersion, 0x30000u);
    EXPECT_EQ(s.ProfileType->value, QStringLiteral("PeloraMachine_3.so"));
    EXPECT_EQ(s.ProfileType->displayName, QStringLiteral("Pelora for Dazeziv[3.0]"));
    ASSERT_EQ(s.ProfileType->contents.size(), 2);
    EXPECT_EQ(s.ProfileType->contents[0].fileName, QStringLiteral("Corvix.so"));
    EXPECT_EQ(s.ProfileType->contents[0].displayName, QStringLiteral("Pelora for Dazeziv [1.0]"));
    EXPECT_EQ(s.ProfileType->contents[1].displayName, QStringLiteral("B & <C>"));
}

TEST_F(SettingsFileTest, MissingAndUnreadableItemsFallBack) {
    struct Case {
        const char* name;
        QByteArray items;
        const char* language;
        quint32 dllVersion;
    };
    const Case cases[] = {
        {"no items", "", "ja", 0},
        {"language only", Item("Language", "<Value>en</Value>"), "en", 0},
        {"numeric version", Item("DllVersion", "<Value>131072</Value>"), "ja", 0x20000},
        {"version is no number", Item("DllVersion", "<Value>3.0</Value>"), "ja", 0},
        {"version with letters", Item("DllVersion", "<Value>12ab</Value>"), "ja", 0},
        {"version without value", Item("DllVersion", ""), "ja", 0},
        {"other setting label",
         "</Setting><Setting label=\"Other\">" + Item("DllVersion", "<Value>5</Value>"), "ja", 0},
    };
    for (const Case& c : cases) {
        folder.WriteFile(kSettings, SettingsXml(c.items));
        utility.settings->DllVersion = 77;
        utility.settings->Language = QStringLiteral("ja");
        Load();
        EXPECT_EQ(utility.settings->Language, QString::fromUtf8(c.language)) << c.name;
        EXPECT_EQ(utility.settings->DllVersion, c.dllVersion) << c.name;
    }
}

TEST_F(SettingsFileTest, MalformedFilesAreReportedAsRootFailures) {
    const QByteArray cases[] = {
        "",
        "<Config><Setting>",
        "not xml at all",
        // A document type would let the file pull in other files: refused outright.
        "<!DOCTYPE Config [<!ENTITY e SYSTEM \"/etc/passwd\">]><Config>&e;</Config>",
    };
    for (const QByteArray& content : cases) {
        folder.WriteFile(kSettings, content);
        EXPECT_THROW(Load(), CPELFM_CreateRootException) << content.constData();
    }
}

TEST_F(SettingsFileTest, ContentsComeFromTheThirdChildOn) {
    folder.WriteFile(
        kSettings,
        SettingsXml(
            Item("ProfileType",
                 "<Value>P.so</Value><DisplayValue>P</DisplayValue>"
                 "<SettingSubItem label=\"DescriptionType\"><Value>A.so</Value>"
                 "<DisplayValue>A</DisplayValue></SettingSubItem>"
                 "<SettingSubItem label=\"DescriptionType\"><Value>only one</Value></SettingSubItem>"
                 "<SettingSubItem><Value>x</Value><DisplayValue>y</DisplayValue><Z/></SettingSubItem>")));
    utility.settings->ProfileType->contents.append(
        {QString(), QStringLiteral("stale"), QStringLiteral("stale"), 0});
    Load();
    const QList<_PROFILE_CONTENT>& contents = utility.settings->ProfileType->contents;
    ASSERT_EQ(contents.size(), 3);
    EXPECT_EQ(contents[0].fileName, QStringLiteral("A.so"));
    EXPECT_EQ(contents[0].displayName, QStringLiteral("A"));
    EXPECT_TRUE(contents[1].fileName.isEmpty());
    EXPECT_TRUE(contents[1].displayName.isEmpty());
    EXPECT_TRUE(contents[2].fileName.isEmpty());
}

// The file is read before the plug-ins are bound; the two items must survive until the device-model
// plug-in says they count, and the next write must keep them.
TEST_F(SettingsFileTest, AutoCreateItemsSurviveTheStartUpOrder) {
    folder.WriteFile(kSettings, SettingsXml(Item("AutoCreateRelatedSection", "<Value>1</Value>") +
                                            Item("AutoCreateRelatedPart", "<Value>1</Value>")));
    Load();
    EXPECT_EQ(utility.settings->AutoCreateRelatedSection, 0);
    WithDeviceModel("fake_device_corvix");
    EXPECT_EQ(utility.settings->AutoCreateRelatedSection, 1);
    EXPECT_EQ(utility.settings->AutoCreateRelatedPart, 1);
    utility.WriteSettingsFile();
    const XmlNode root = XmlDocument::LoadFile(folder.File(kSettings)).DocumentElement();
    for (const char* label : {"AutoCreateRelatedSection", "AutoCreateRelatedPart"}) {
        const XmlNode value = root.SelectFirst(
            QStringLiteral("./Setting/SettingItem[@label='%1']/Value").arg(QLatin1String(label)));
        EXPECT_EQ(value.Text(), QStringLiteral("1")) << label;
    }
}

TEST_F(SettingsFileTest, AutoCreateItemsCountOnlyBesideAKindTwoDeviceModel) {
    struct Case {
        const char* fixture;
        QByteArray items;
        int section;
        int part;
    };
    const Case cases[] = {
        {"fake_device_corvix", Item("AutoCreateRelatedSection", "<Value>1</Value>"), 1,
         0},  // missing part -> 0
        {"fake_device_corvix", Item("AutoCreateRelatedSection", "<Value>yes</Value>"), 0, 0},
        {"fake_device_corvix", Item("AutoCreateRelatedPart", "<Value>-1</Value>"), 0, -1},
        {"fake_device_dravik", Item("AutoCreateRelatedSection", "<Value>1</Value>"), 5,
         5},  // kind 9: untouched
    };
    for (const Case& c : cases) {
        CCommonUtility fresh(folder.Path());
        fresh.SetStringSource(&folder.strings);
        folder.Place(c.fixture, "PublicPlugin", QStringLiteral("device.so"));
        fresh.LoadPlugins();
        fresh.settings->AutoCreateRelatedSection = 5;
        fresh.settings->AutoCreateRelatedPart = 5;
        folder.WriteFile(kSettings, SettingsXml(c.items));
        fresh.LoadSettingsFile(folder.File(kSettings));
        EXPECT_EQ(fresh.settings->AutoCreateRelatedSection, c.section) << c.items.constData();
        EXPECT_EQ(fresh.settings->AutoCreateRelatedPart, c.part) << c.items.constData();
    }
}

TEST_F(SettingsFileTest, LegacyNamesAreTranslatedBothWays) {
    folder.WriteFile(kSettings,
                     SettingsXml(Item("ProfileType",
                                      "<Value>Pelora_2.0.dll</Value><DisplayValue>Pelora[2.0]</DisplayValue>"
                                      "<SettingSubItem label=\"DescriptionType\"><Value>d.dll</Value>"
                                      "<DisplayValue>Dravik [1.0]</DisplayValue></SettingSubItem>")));
    Load();
    EXPECT_EQ(utility.settings->ProfileType->value, QStringLiteral("Ostra.dll"));
    EXPECT_EQ(utility.settings->ProfileType->displayName, QStringLiteral("Ostra [2.0]"));
    utility.WriteSettingsFile();
    const XmlDocument doc = XmlDocument::LoadFile(folder.File(kSettings));
    const XmlNode type = doc.DocumentElement().SelectFirst(
        QStringLiteral("./Setting[@label='SystemSetting']/SettingItem[@label='ProfileType']"));
    EXPECT_EQ(type.SelectFirst(QStringLiteral("Value")).Text(), QStringLiteral("Pelora_2.0.dll"));
    EXPECT_EQ(type.SelectFirst(QStringLiteral("DisplayValue")).Text(), QStringLiteral("Pelora[2.0]"));
    EXPECT_EQ(type.SelectFirst(QStringLiteral("SettingSubItem/DisplayValue")).Text(),
              QStringLiteral("Dravik [1.0]"));
}

TEST_F(SettingsFileTest, WriteFailureIsRaised) {
    // A plain file where the Config folder should be: nothing can be saved below it.
    folder.WriteFile(QStringLiteral("Config"), "not a folder");
    EXPECT_THROW(utility.WriteSettingsFile(), XmlError);
    EXPECT_EQ(folder.ReadFile(QStringLiteral("Config")), QByteArray("not a folder"));
    // Loading a missing file writes it first, so the same failure reaches the loader's caller.
    EXPECT_THROW(Load(), XmlError);
}

TEST_F(SettingsFileTest, ReleaseDropsTheRecordAndTheTypes) {
    utility.profileTypes.push_back(std::make_unique<_PROFILE_TYPE>());
    utility.settings->ProfileType->contents.append(_PROFILE_CONTENT{});
    utility.ReleaseSettings();
    EXPECT_FALSE(utility.settings);
    EXPECT_TRUE(utility.profileTypes.empty());
    utility.ClearProfileTypeSetting();  // nothing left to clear, and no crash
}

}  // namespace
