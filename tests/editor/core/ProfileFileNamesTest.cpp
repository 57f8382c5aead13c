#include <gtest/gtest.h>

#include "CCommonUtility.h"
#include "PrintQString.h"
#include "ProfileFileNames.h"
#include "ResourceStringSource.h"
#include "UiTestSupport.h"

using namespace UiTest;

namespace {

// The editor's own texts: the element labels and separators of the default name.
const IStringSource& NameStrings() {
    static ResourceStringSource strings;
    if (!strings.IsOpen()) strings.Open(QStringLiteral(PEL_OUT_DIR "/PeloraMachineTool_RC.so"));
    return strings;
}

QString Data(CPELFM_PartInfo* part, const char* label) {
    return ElementDataValue(part, QString::fromLatin1(label));
}

TEST(StampProfileDates, WritesFixedFormatsAndStopsAtTheFirstGap) {
    const QDateTime now(QDate(2026, 3, 4), QTime(7, 8, 9));
    const struct {
        const char* name;
        QStringList elements;
        int creating;
        QStringList expected;  // CreateDate, CreateTime, ModDate, ModTime
    } cases[] = {
        {"creating",
         {"CreateDate", "CreateTime", "ModDate", "ModTime"},
         1,
         {"2026/03/04", "07:08:09", "2026/03/04", "07:08:09"}},
        {"saving",
         {"CreateDate", "CreateTime", "ModDate", "ModTime"},
         0,
         {"old", "old", "2026/03/04", "07:08:09"}},
        {"gap stops", {"CreateDate", "ModDate", "ModTime"}, 1, {"2026/03/04", "", "old", "old"}},
        {"saving without ModTime", {"ModDate"}, 0, {"", "", "2026/03/04", ""}},
    };
    for (const auto& c : cases) {
        CPELFM_ProfileInfo root;
        CPELFM_PartInfo* info = AddPart(*AddSection(root, "File", SECTION_FILE), "FileInfo", PART_FILE_INFO);
        for (const QString& label : c.elements) AddItem(*AddElem(*info, label), DATA, {"old"});
        StampProfileDates(&root, c.creating, now);
        EXPECT_EQ((QStringList{Data(info, "CreateDate"), Data(info, "CreateTime"), Data(info, "ModDate"),
                               Data(info, "ModTime")}),
                  c.expected)
            << c.name;
    }
}

TEST(DefaultProfileName, JoinsTheHeaderValuesAndCleansTheModelNames) {
    CCommonUtility utility(QStringLiteral("/nowhere"));
    utility.SetStringSource(&NameStrings());
    const struct {
        const char* name;
        QList<std::pair<const char*, const char*>> device;  // label, value
        const char* language;                               // null: no element
        int result;
        QString expected;
    } cases[] = {
        {"full",
         {{"VendorName", "Ven"},
          {"DeviceModel", "M/1"},
          {"ProductID", "P1"},
          {"DisplayVersionValue", "1:0?"}},
         "ja",
         1,
         "Ven_M/1(P1)_10_ja"},
        {"version when no display version",
         {{"VendorName", "Ven"}, {"DeviceModel", "M"}, {"DisplayVersionValue", ""}, {"Version", "<2>|"}},
         "en",
         1,
         "Ven_M_2_en"},
        {"no vendor", {{"DeviceModel", "M"}, {"Version", "1"}}, "ja", 0, ""},
        {"no version at all", {{"VendorName", "Ven"}, {"DeviceModel", "M"}}, "ja", 0, ""},
        {"no language", {{"VendorName", "Ven"}, {"DeviceModel", "M"}, {"Version", "1"}}, nullptr, 0, ""},
    };
    for (const auto& c : cases) {
        CPELFM_ProfileInfo root;
        CPELFM_PartInfo* file = AddPart(*AddSection(root, "File", SECTION_FILE), "FileInfo", PART_FILE_INFO);
        if (c.language) AddItem(*AddElem(*file, "Language"), DATA, {c.language});
        CPELFM_PartInfo* device =
            AddPart(*AddSection(root, "Dev", SECTION_DEVICE), "DevInfo", PART_DEVICE_INFO);
        for (const auto& [label, value] : c.device) AddItem(*AddElem(*device, label), DATA, {value});
        QString name = "unchanged";
        EXPECT_EQ(BuildDefaultProfileFileName(utility, &root, name), c.result) << c.name;
        EXPECT_EQ(name, c.result ? c.expected : QStringLiteral("unchanged")) << c.name;
    }
}

TEST(FileNameChars, OnlyTheUnsafeOnesGo) {
    EXPECT_EQ(RemoveFileNameUnsafeChars(R"(a\b/c:d*e?f"g<h>i|j k.l)"), "abcdefghij k.l");
}

TEST(CommandLinePath, TakesTheQuotedPartOrEverything) {
    const struct {
        QString line, path;
    } cases[] = {
        {R"("/a b/x.pelp")", "/a b/x.pelp"},
        {R"(  "/a/x.pelp"  -flag)", "/a/x.pelp"},
        {"/a b/x.pelp", "/a b/x.pelp"},
        {R"(")", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(CommandLinePath(c.line), c.path) << c.line.toStdString();
}

}  // namespace
