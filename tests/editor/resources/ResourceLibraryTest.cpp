#include <gtest/gtest.h>
#include <QRegularExpression>
#include <QSet>

#include "ProfileInnerConst.h"
#include "ResourceMessage.h"
#include "ResourceStringSource.h"

namespace {

const QString kLibrary = QStringLiteral(PEL_OUT_DIR "/PeloraMachineTool_RC.so");

class ResourceLibraryTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(strings.Open(kLibrary)) << strings.ErrorText().toStdString(); }
    QString S(int id) const { return strings.LoadString(id); }
    ResourceStringSource strings;
};

// The highest numbered insert in a text; 0 when it has none. "%%" is a literal percent.
int HighestInsert(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%(%|[0-9]+)"));
    int highest = 0;
    for (auto it = placeholder.globalMatch(text); it.hasNext();) {
        const QString n = it.next().captured(1);
        if (n != QLatin1String("%")) highest = std::max(highest, n.toInt());
    }
    return highest;
}

TEST(ResourceLibraryPathTest, NamedAfterTheExecutable) {
    EXPECT_EQ(ResourceStringSource::LibraryPathFor(QStringLiteral("/opt/p/PeloraMachineTool")),
              QStringLiteral("/opt/p/PeloraMachineTool_RC.so"));
    EXPECT_EQ(ResourceStringSource::LibraryPathFor(QStringLiteral("/opt/p/Tool.bin")),
              QStringLiteral("/opt/p/Tool_RC.so"));
    EXPECT_EQ(ResourceStringSource::LibraryPathFor(QStringLiteral(PEL_OUT_DIR "/PeloraMachineTool")),
              kLibrary);
}

TEST(ResourceLibraryOpenTest, FailuresAreReportedAndLeaveNoTexts) {
    ResourceStringSource missing;
    EXPECT_FALSE(missing.Open(QStringLiteral(PEL_OUT_DIR "/NoSuch_RC.so")));
    EXPECT_TRUE(missing.ErrorText().contains(QStringLiteral("NoSuch_RC.so")));
    EXPECT_TRUE(missing.LoadString(10003).isEmpty());

    ResourceStringSource noTable;
    EXPECT_FALSE(noTable.Open(QStringLiteral(PEL_TEST_BIN_DIR "/fixtures/resources_no_table.so")));
    EXPECT_FALSE(noTable.IsOpen());
    EXPECT_FALSE(noTable.ErrorText().isEmpty());
    EXPECT_TRUE(noTable.Ids().isEmpty());
}

TEST_F(ResourceLibraryTest, TableIsSortedAndEveryTextIsUsable) {
    const QList<int> ids = strings.Ids();
    ASSERT_GT(ids.size(), 200);
    for (qsizetype i = 0; i < ids.size(); ++i) {
        if (i > 0) {
            EXPECT_LT(ids[i - 1], ids[i]);
        }
        const QString text = S(ids[i]);
        EXPECT_FALSE(text.isEmpty()) << ids[i];
        EXPECT_FALSE(text.contains(QChar::ReplacementCharacter)) << ids[i];
    }
}

TEST_F(ResourceLibraryTest, UnknownIdsGiveEmptyTexts) {
    for (int id : {-1, 0, 1, 122, 10001, 62002, 99999}) EXPECT_TRUE(S(id).isEmpty()) << id;
}

// Each message takes the inserts its callers pass; every other text takes none.
TEST_F(ResourceLibraryTest, MessagesTakeTheirNumberOfInserts) {
    const QList<std::pair<int, int>> inserts = {
        {404, 2},   {411, 1},   {10004, 2}, {10007, 1}, {10008, 3}, {10010, 3}, {10011, 2}, {10012, 1},
        {10014, 1}, {10015, 1}, {10017, 1}, {10024, 1}, {10031, 1}, {10033, 2}, {10036, 1}, {10037, 2},
        {10038, 1}, {10039, 2}, {10040, 2}, {10041, 1}, {10042, 3}, {10044, 1}, {10057, 2}, {10058, 1},
        {10060, 1}, {10061, 1}, {10062, 1}, {40000, 2}, {62026, 2}, {62052, 2}, {62075, 1}, {62078, 4},
        {62079, 4}, {62080, 1}, {62086, 5}, {62109, 2}, {62110, 2}, {62111, 3}, {62112, 3}, {62141, 1},
        {62142, 1}, {62143, 1}, {62144, 1}, {62145, 2}, {62147, 1}, {62148, 1}, {62149, 1}, {62150, 1},
        {62151, 1}, {62156, 2}, {62157, 1}, {128, 1},   {10063, 2}, {62159, 2}, {62171, 1}, {62173, 2},
    };
    QSet<int> withInserts;
    for (const auto& [id, count] : inserts) {
        withInserts.insert(id);
        EXPECT_EQ(HighestInsert(S(id)), count) << id << ": " << S(id).toStdString();
    }
    for (int id : strings.Ids()) {
        if (!withInserts.contains(id)) {
            EXPECT_EQ(HighestInsert(S(id)), 0) << id << ": " << S(id).toStdString();
        }
    }
}

TEST_F(ResourceLibraryTest, FormattedThroughTheMessageFormatter) {
    EXPECT_EQ(FormatResourceMessage(strings, {QStringLiteral("3"), QStringLiteral("1")}, 40000),
              QStringLiteral("Check finished: 3 error(s), 1 warning(s)."));
    EXPECT_EQ(FormatResourceMessage(strings, {QStringLiteral("pelp"), QStringLiteral("pelproj")}, 10057),
              QStringLiteral("The file types .pelp and .pelproj could not be associated with this editor."));
}

// Texts that are names used elsewhere, not wording.
TEST_F(ResourceLibraryTest, DataKeysAgreeWithTheirUsers) {
    using namespace ProfileInnerConst;
    EXPECT_EQ(S(62019), QStringLiteral("Member"));
    EXPECT_EQ(S(62003), PartTagNames()[PART_FILE_INFO] + S(62019));
    EXPECT_EQ(S(62004), PartTagNames()[PART_DEVICE_INFO] + S(62019));
    EXPECT_EQ(S(62005), QStringLiteral("p:"));
    EXPECT_EQ(S(62006), S(62005) + QStringLiteral("profile"));
    EXPECT_EQ(S(62013), QStringLiteral("xmlns:") + S(62005).chopped(1));
    EXPECT_EQ(S(62009).section(QLatin1Char(':'), 0, 0), S(62007).section(QLatin1Char(':'), 1));
    EXPECT_EQ(S(62001), QStringLiteral("/Config/SystemSetting.xml"));
    EXPECT_EQ(S(62017) + S(62018), QStringLiteral("/Temp/NewTemp.pelj"));
    EXPECT_TRUE(S(62014).endsWith(QStringLiteral("/peloraformachine/ver3/")));
    EXPECT_EQ(S(1214), GetItemTypeName(DATATYPE));
    EXPECT_EQ(S(1222), GetItemTypeName(ASSIGN));
    EXPECT_EQ(S(62039) + QStringLiteral("pelp"), QStringLiteral("*.pelp"));
    // The header values that the tree's root text and the default file name are built from.
    const QList<std::pair<int, const char*>> labels = {
        {183, "VendorName"}, {62029, "DeviceModel"}, {62032, "DisplayVersionValue"},
        {62035, "Version"},  {62036, "Language"},
    };
    for (const auto& [id, label] : labels) EXPECT_EQ(S(id), QString::fromLatin1(label)) << id;
}

}  // namespace
