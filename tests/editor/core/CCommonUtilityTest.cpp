#include <gtest/gtest.h>
#include <QDir>

#include "CCommonUtility.h"
#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "InvalidArgumentError.h"
#include "PELFMExceptions.h"
#include "ProgramFolder.h"

namespace {

CPELFM_SectionInfo* AddSection(CPELFM_ProfileInfo& root, int type, const char* name) {
    auto* section = new CPELFM_SectionInfo;
    section->sectionType = type;
    section->name = QString::fromUtf8(name);
    section->parent = &root;
    root.sections.append(section);
    return section;
}

CPELFM_PartInfo* AddPart(CPELFM_SectionInfo* section, int type, const char* name, const char* label2 = "") {
    auto* part = new CPELFM_PartInfo;
    part->partType = type;
    part->name = QString::fromUtf8(name);
    part->label2 = QString::fromUtf8(label2);
    part->ownerSection = section;
    part->loaded = 1;
    section->parts.append(part);
    return part;
}

void AddDataElem(CPELFM_PartInfo* part, const char* label, QStringList values) {
    auto* elem = new CPELFM_ElemInfo;
    elem->label = QString::fromUtf8(label);
    elem->ownerPart = part;
    if (!values.isEmpty()) {
        auto* item = new CPELFM_ItemInfo;
        item->itemType = DATA;
        item->ownerElem = elem;
        for (const QString& v : values) item->values.append({ProfileInnerConst::DATA_ITEM, v});
        elem->items.append(item);
    }
    part->AddElem(elem);
}

class CCommonUtilityTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.Place("fake_profile_20", "PublicPlugin", QStringLiteral("profile.so"));
        folder.Place("fake_device_corvix", "PublicPlugin", QStringLiteral("device.so"));
        utility.SetStringSource(&folder.strings);
        utility.LoadPlugins();
        ASSERT_EQ(utility.profilePlugins.size(), 1);
    }
    ProgramFolder folder;
    CCommonUtility utility{folder.Path()};
};

TEST(CCommonUtilityConstructionTest, StartsEmptyWithBothPluginFolders) {
    CCommonUtility utility(QStringLiteral("/opt/pelora/"));
    EXPECT_EQ(utility.executableFolder, QStringLiteral("/opt/pelora"));
    EXPECT_EQ(utility.pluginFolders,
              (QStringList{"/opt/pelora/PrivatePlugin/", "/opt/pelora/PublicPlugin/"}));
    EXPECT_EQ(utility.openProfile, nullptr);
    EXPECT_EQ(utility.fileOpen, 0);
    EXPECT_EQ(utility.clipboardKind, 0);
    ASSERT_TRUE(utility.settings);
    EXPECT_EQ(utility.settings->Language, QStringLiteral("ja"));
    EXPECT_EQ(utility.settings->DllVersion, DLL_VERSION_NONE);
    ASSERT_TRUE(utility.settings->ProfileType);
    EXPECT_TRUE(utility.profileTypes.empty());
    EXPECT_EQ(utility.GetSchemaPathPattern(), QStringLiteral("/opt/pelora/Schema/%s/"));
}

TEST(CCommonUtilityConstructionTest, RunningProgramFolderIsTheTestsOwn) {
    CCommonUtility utility;
    EXPECT_EQ(utility.executableFolder, QStringLiteral(PEL_TEST_BIN_DIR));
}

TEST(CCommonUtilityConstructionTest, NameTablesMatchTheirIndexes) {
    EXPECT_EQ(CCommonUtility::SectionXmlNames(), (QStringList{"", "file", "device", "commIf", "block"}));
    EXPECT_EQ(CCommonUtility::PartXmlNames().value(PART_COMM_IF_CONFIGURATION),
              QStringLiteral("commIfConfiguration"));
    EXPECT_EQ(CCommonUtility::PartKeys().size(), 11);
    EXPECT_EQ(CCommonUtility::PartKeys().value(PART_BLOCK_MEMORY), QStringLiteral("block_Memory"));
    EXPECT_EQ(CCommonUtility::ItemNames().value(READ_CONDITION), QStringLiteral("readCondition"));
    EXPECT_EQ(CCommonUtility::ValueKindNames(), (QStringList{"", "item", "enumRefItem"}));
    EXPECT_EQ(CCommonUtility::SectionTypeNames(),
              (QStringList{"UNKOWN", "FILE", "DEVICE", "COMM_IF", "BLOCK", "MAX"}));
}

TEST(CCommonUtilityStaticTest, ParseUnsignedTextWantsTheWholeText) {
    struct Case {
        const char* text;
        int base;
        quint32 value;
        int whole;
    };
    const Case cases[] = {
        {"007", 10, 7, 1},
        {"", 10, 0, 1},
        {"0", 10, 0, 1},
        {"000", 10, 0, 1},
        {"12a", 10, 12, 0},
        {"a12", 10, 0, 0},
        {"ff", 16, 255, 1},
        {"0x10", 16, 0, 0},
        {"4294967295", 10, 0xFFFFFFFFu, 1},
        {"99999999999", 10, 0xFFFFFFFFu, 1},
        {"１２", 10, 0, 0},
        {"12 ", 10, 12, 0},
    };
    for (const Case& c : cases) {
        quint32 value = 12345;
        EXPECT_EQ(CCommonUtility::ParseUnsignedText(QString::fromUtf8(c.text), value, c.base), c.whole)
            << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

TEST(CCommonUtilityStaticTest, FileNamesAndUniqueStrings) {
    QString name;
    CCommonUtility::GetFileNameFromPath(QStringLiteral("/a/b/c.pelp"), name);
    EXPECT_EQ(name, QStringLiteral("c.pelp"));
    CCommonUtility::GetFileNameFromPath(QStringLiteral("plain.pelp"), name);
    EXPECT_EQ(name, QStringLiteral("plain.pelp"));
    CCommonUtility::GetFileNameFromPath(QStringLiteral("/a/b/"), name);
    EXPECT_EQ(name, QString());

    QStringList list;
    EXPECT_EQ(CCommonUtility::AddUniqueString(list, QStringLiteral("a")), 1);
    EXPECT_EQ(CCommonUtility::AddUniqueString(list, QStringLiteral("a")), 0);
    EXPECT_EQ(CCommonUtility::AddUniqueString(list, QStringLiteral("A")), 1);
    EXPECT_EQ(list, (QStringList{"a", "A"}));

    CCommonUtility utility(QStringLiteral("/x"));
    EXPECT_EQ(utility.GetOpenFileBaseName(), QString());
    utility.openFilePath = QStringLiteral("/data/My.Profile.pelproj");
    EXPECT_EQ(utility.GetOpenFileBaseName(), QStringLiteral("My.Profile"));
}

TEST_F(CCommonUtilityTest, DuplicatesAreReportedBeforeThePluginIsAsked) {
    CPELFM_ProfileInfo root;
    CPELFM_SectionInfo* block = AddSection(root, SECTION_BLOCK, "Reserved");
    AddPart(block, PART_BLOCK_INFO, "Info", "Second");
    struct Case {
        const char* name;
        const CPELFM_NodeBase* parent;
        int expected;
    };
    const Case cases[] = {
        {"reserved", &root, 1},  // an existing section, in other case: duplicate wins over the reserved word
        {"reserved", nullptr, 4}, {"reserved", block, 4}, {"INFO", block, 1},  {"Info", &root, 0},
        {"a-b", &root, 2},        {"9lives", block, 3},   {"Fresh", block, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(utility.ValidateNodeName(QString::fromUtf8(c.name), c.parent), c.expected) << c.name;
    }
}

TEST_F(CCommonUtilityTest, SecondNamesAreUniqueInTheirSection) {
    CPELFM_ProfileInfo root;
    CPELFM_SectionInfo* block = AddSection(root, SECTION_BLOCK, "B");
    AddPart(block, PART_BLOCK_INFO, "Info", "Second");
    EXPECT_EQ(utility.ValidatePartLabel2(QString(), block), 0);
    EXPECT_EQ(utility.ValidatePartLabel2(QStringLiteral("SECOND"), block), 1);
    EXPECT_EQ(utility.ValidatePartLabel2(QStringLiteral("SECOND"), nullptr), 0);
    EXPECT_EQ(utility.ValidatePartLabel2(QStringLiteral("reserved"), block), 4);
    EXPECT_EQ(utility.ValidatePartLabel2(QStringLiteral("1st"), &root), 3);
}

TEST(CCommonUtilityNoPluginTest, ValidationNeedsAListedPlugin) {
    CCommonUtility utility(QStringLiteral("/nowhere"));
    EXPECT_THROW(utility.ValidateNodeName(QStringLiteral("x"), nullptr), InvalidArgumentError);
    EXPECT_EQ(utility.ValidatePartLabel2(QString(), nullptr), 0);
    EXPECT_EQ(utility.FirstProfilePluginMajorVersion(), 0);
}

TEST_F(CCommonUtilityTest, DeviceInfoPartSkipsTheExtendedOne) {
    CPELFM_ProfileInfo root;
    CPELFM_SectionInfo* device = AddSection(root, SECTION_DEVICE, "Device");
    AddPart(device, PART_DEVICE_IF, "If");
    AddPart(device, PART_DEVICE_INFO, "extdeviceinfo");
    CPELFM_PartInfo* info = AddPart(device, PART_DEVICE_INFO, "Info");
    EXPECT_EQ(utility.FindDeviceInfoPart(device), info);
    EXPECT_EQ(utility.FindDeviceInfoPart(nullptr), nullptr);
    device->parts.last()->partType = PART_ENUM;
    EXPECT_EQ(utility.FindDeviceInfoPart(device), nullptr);
}

TEST_F(CCommonUtilityTest, CloseProfileForgetsTheFile) {
    utility.openProfile = new CPELFM_ProfileInfo;
    utility.openFilePath = QStringLiteral("/x/y.pelproj");
    utility.fileOpen = 1;
    int notified = 0;
    utility.onProfileClosed = [&notified] { ++notified; };
    utility.CloseProfile();
    EXPECT_EQ(utility.openProfile, nullptr);
    EXPECT_TRUE(utility.openFilePath.isEmpty());
    EXPECT_EQ(utility.fileOpen, 0);
    EXPECT_EQ(notified, 1);
}

TEST_F(CCommonUtilityTest, DetectsTheFormatVersionFromTheNamespace) {
    struct Case {
        const char* name;
        QByteArray content;
        int found;
        int major;
        int minor;
    };
    const Case cases[] = {
        {"ver3", "<p:profile xmlns:p=\"http://pelora.example/peloraformachine/ver3/\"/>", 1, 3, 0},
        {"ver2.0", "<p:profile xmlns:p=\"http://pelora.example/peloraformachine/ver2.0\"/>", 1, 2, 0},
        {"ver1.1", "<p:profile xmlns:p=\"http://pelora.example/ver1.1/\"/>", 1, 1, 1},
        {"no namespace", "<profile/>", 0, 0, 0},
        {"empty namespace", "<p:profile xmlns:p=\"\"/>", 0, 0, 0},
        {"not well-formed", "<p:profile xmlns:p=\"http://x/ver3/\">", 0, 0, 0},
        {"other prefix", "<q:profile xmlns:q=\"http://x/ver3/\"/>", 0, 0, 0},
    };
    for (const Case& c : cases) {
        const QString relative =
            QStringLiteral("v/%1.pelp").arg(QLatin1String(c.name).toString().replace(' ', '_'));
        folder.WriteFile(relative, c.content);
        int major = 0;
        int minor = 0;
        EXPECT_EQ(utility.DetectProfileSpecVersion(folder.File(relative), major, minor), c.found) << c.name;
        if (c.found) {
            EXPECT_EQ(major, c.major) << c.name;
            EXPECT_EQ(minor, c.minor) << c.name;
        }
        // A loaded profile answers the same from the root it was read from.
        try {
            const CPELFM_ProfileInfo root(folder.File(relative), 0);
            int fromModel[2] = {0, 0};
            EXPECT_EQ(utility.DetectProfileSpecVersion(root, fromModel[0], fromModel[1]), c.found) << c.name;
            EXPECT_EQ(fromModel[0] * 100 + fromModel[1], major * 100 + minor) << c.name;
        } catch (const CPELFM_ExceptionBase&) {
            EXPECT_EQ(c.found, 0) << c.name;
        }
    }
    int major = 0;
    int minor = 0;
    EXPECT_EQ(utility.DetectProfileSpecVersion(folder.File(QStringLiteral("v/missing.pelp")), major, minor),
              0);
    // The 2.0 stand-in reads files up to its own major version.
    EXPECT_EQ(utility.IsProfileVersionSupported(folder.File(QStringLiteral("v/ver2.0.pelp"))), 1);
    EXPECT_EQ(utility.IsProfileVersionSupported(folder.File(QStringLiteral("v/ver1.1.pelp"))), 1);
    EXPECT_EQ(utility.IsProfileVersionSupported(folder.File(QStringLiteral("v/ver3.pelp"))), 0);
    EXPECT_EQ(
        utility.IsProfileVersionSupported(CPELFM_ProfileInfo(folder.File(QStringLiteral("v/ver3.pelp")), 0)),
        0);
    EXPECT_EQ(utility.IsProfileVersionSupported(
                  CPELFM_ProfileInfo(folder.File(QStringLiteral("v/ver1.1.pelp")), 0)),
              1);
}

TEST_F(CCommonUtilityTest, DetectionNeverReadsOutsideTheFile) {
    folder.WriteFile(QStringLiteral("secret.txt"), "http://x/ver9/");
    folder.WriteFile(QStringLiteral("xxe.pelp"),
                     "<!DOCTYPE p:profile [<!ENTITY e SYSTEM \"secret.txt\">]>"
                     "<p:profile xmlns:p=\"&e;\"/>");
    int major = 0;
    int minor = 0;
    EXPECT_EQ(utility.DetectProfileSpecVersion(folder.File(QStringLiteral("xxe.pelp")), major, minor), 0);
    EXPECT_EQ(major, 0);
}

TEST_F(CCommonUtilityTest, OpenProfileVersionComesFromItsFileInfoPart) {
    QString text;
    EXPECT_EQ(utility.GetOpenProfileSpecVersion(text), 0);
    utility.openProfile = new CPELFM_ProfileInfo;
    CPELFM_SectionInfo* file = AddSection(*utility.openProfile, SECTION_FILE, "File");
    CPELFM_PartInfo* info = AddPart(file, PART_FILE_INFO, "Info");
    EXPECT_EQ(utility.GetOpenProfileSpecVersion(text), 0);
    AddDataElem(info, "ProfileSpecVersion", {QStringLiteral("1.1")});
    ASSERT_EQ(utility.GetOpenProfileSpecVersion(text), 1);
    EXPECT_EQ(text, QStringLiteral("1.1"));
    // An older file than the 2.0 plug-in is not "supported" for saving without a question.
    EXPECT_EQ(utility.IsOpenProfileVersionSupported(), 0);
    info->Elems().first()->items.first()->values.first().text = QStringLiteral("2.0");
    EXPECT_EQ(utility.IsOpenProfileVersionSupported(), 1);
    info->Elems().first()->items.first()->values.first().text = QStringLiteral("3.0");
    EXPECT_EQ(utility.IsOpenProfileVersionSupported(), 1);
    utility.CloseProfile();
}

TEST_F(CCommonUtilityTest, CommIfTypesAreOfferedToTheDeviceModels) {
    utility.openProfile = new CPELFM_ProfileInfo;
    CPELFM_SectionInfo* comm = AddSection(*utility.openProfile, SECTION_COMM_IF, "Comm");
    AddDataElem(AddPart(comm, PART_COMM_IF_INFO, "A"), "CommIFTypeID", {QStringLiteral("FAKE_IF")});
    AddDataElem(AddPart(comm, PART_COMM_IF_INFO, "B"), "CommIFTypeID", {});  // no DATA item: skipped
    AddDataElem(AddPart(comm, PART_COMM_IF_VARIABLE, "C"), "CommIFTypeID", {QStringLiteral("X")});
    CPELFM_SectionInfo* block = AddSection(*utility.openProfile, SECTION_BLOCK, "Block");
    AddDataElem(AddPart(block, PART_COMM_IF_INFO, "D"), "CommIFTypeID", {QStringLiteral("Y")});
    utility.CollectCommIfTypeIds();
    EXPECT_EQ(utility.commIfTypeIds, QStringList{"FAKE_IF"});
    EXPECT_EQ(utility.HasUnclaimedCommIfTypeId(), 0);

    AddDataElem(AddPart(comm, PART_COMM_IF_INFO, "E"), "CommIFTypeID", {QStringLiteral("OTHER")});
    utility.CollectCommIfTypeIds();
    EXPECT_EQ(utility.commIfTypeIds, (QStringList{"FAKE_IF", "OTHER"}));
    EXPECT_EQ(utility.HasUnclaimedCommIfTypeId(), 1);
    utility.CloseProfile();
    utility.CollectCommIfTypeIds();
    EXPECT_TRUE(utility.commIfTypeIds.isEmpty());
    EXPECT_EQ(utility.HasUnclaimedCommIfTypeId(), 0);
}

TEST_F(CCommonUtilityTest, ListedTypesAreCollectedOneByOne) {
    utility.openProfile = new CPELFM_ProfileInfo;
    CPELFM_SectionInfo* comm = AddSection(*utility.openProfile, SECTION_COMM_IF, "Comm");
    CPELFM_PartInfo* conn = AddPart(comm, PART_COMM_IF_VARIABLE, "Conn");
    AddDataElem(conn, "A", {QStringLiteral("1")});
    AddDataElem(conn, "B", {QStringLiteral("2")});
    AddDataElem(AddPart(comm, PART_COMM_IF_INFO, "Info"), "CommIFTypeID",
                {QStringLiteral("FAKE_IF"), QStringLiteral("Conn.*")});
    utility.CollectCommIfTypeIds();
    EXPECT_EQ(utility.commIfTypeIds, (QStringList{"FAKE_IF", "Conn.A", "Conn.B"}));
    EXPECT_EQ(utility.HasUnclaimedCommIfTypeId(), 1);

    // A list naming a missing part keeps its values as written.
    AddDataElem(AddPart(comm, PART_COMM_IF_INFO, "Other"), "CommIFTypeID",
                {QStringLiteral("FAKE_IF"), QStringLiteral("Nope.*")});
    utility.CollectCommIfTypeIds();
    EXPECT_EQ(utility.commIfTypeIds, (QStringList{"FAKE_IF", "Conn.A", "Conn.B", "FAKE_IF", "Nope.*"}));
    utility.CloseProfile();
}

}  // namespace
