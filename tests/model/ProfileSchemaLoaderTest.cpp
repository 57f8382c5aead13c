#include <gtest/gtest.h>

#include <memory>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "PELFMExceptions.h"
#include "ProfileSchemaPath.h"
#include "ProfileXmlTestFiles.h"

namespace {

const QString kPattern = QStringLiteral(PEL_OUT_DIR "/Schema/%s/PeloraSchema.xsd");
const QByteArray kNs3 = "http://pelora.example/peloraformachine/ver3/";

struct PathCase {
    const char* pattern;
    const char* uri;
    const char* expected;  // nullptr: refused with code 11
};

class SchemaPathTest : public testing::TestWithParam<PathCase> {};

TEST_P(SchemaPathTest, VersionTextComesFromTheLastNamespaceSegment) {
    const QString pattern = QString::fromUtf8(GetParam().pattern), uri = QString::fromUtf8(GetParam().uri);
    if (!GetParam().expected) {
        EXPECT_THROW(BuildSchemaPath(pattern, uri), CPELFM_SchemaCheckException);
    } else {
        EXPECT_EQ(BuildSchemaPath(pattern, uri), QString::fromUtf8(GetParam().expected));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, SchemaPathTest,
    testing::Values(
        PathCase{"/S/%s/P.xsd", "http://pelora.example/peloraformachine/ver3/", "/S/3/P.xsd"},
        PathCase{"/S/%s/P.xsd", "http://pelora.example/peloraformachine/VER3", "/S/3/P.xsd"},
        PathCase{"/S/%s/P.xsd", "http://pelora.example/peloraformachine/Ver2/", "/S/2/P.xsd"},
        PathCase{"/S/%s/P.xsd", "http://x/1.1_b-2/", "/S/1.1_b-2/P.xsd"},
        PathCase{"/S/%s/%s.xsd", "http://x/ver1", "/S/1/1.xsd"},
        PathCase{"/S/%s/P.xsd", "urn-without-slash", ""}, PathCase{"/S/%s/P.xsd", "", ""},
        PathCase{"/fixed/P.xsd", "urn-without-slash", "/fixed/P.xsd"},
        PathCase{"/fixed/P.xsd", "http://x/ver..", "/fixed/P.xsd"},
        PathCase{"/S/%s/P.xsd", "http://x/ver/", nullptr}, PathCase{"/S/%s/P.xsd", "http://x//", nullptr},
        PathCase{"/S/%s/P.xsd", "http://x/..", nullptr}, PathCase{"/S/%s/P.xsd", "http://x/ver..", nullptr},
        PathCase{"/S/%s/P.xsd", "http://x/./", nullptr}, PathCase{"/S/%s/P.xsd", "http://x/a..b", nullptr},
        PathCase{"/S/%s/P.xsd", "http://x/%2e%2e/", nullptr},
        PathCase{"/S/%s/P.xsd", "http://x/ver%s", nullptr},
        PathCase{"/S/%s/P.xsd", "http://x/ver3 /", nullptr},
        PathCase{"/S/%s/P.xsd", "http://x/a\\b", nullptr}));

const QByteArray kValidBody =
    "<p:file label='FILE'><p:fileInfo label='FILE_INFO'><p:fileInfoMember label='Language'>"
    "<p:data><p:item>ja</p:item></p:data></p:fileInfoMember></p:fileInfo></p:file>"
    "<p:block label='Blk'><p:blockMemory label='Mem'><p:blockMemoryMember label='P_Value'>"
    "<p:datatype><p:enumRefItem>E</p:enumRefItem></p:datatype><p:relation><p:item>r</p:item></p:relation>"
    "</p:blockMemoryMember></p:blockMemory></p:block>";

TEST(ProfileSchemaLoader, ValidDocumentIsParsedAfterValidation) {
    QTemporaryDir dir;
    const QString path = TestFiles::Write(dir, "ok.pelp", TestFiles::Profile(kValidBody));
    auto root = CPELFM_ProfileInfo::LoadWithSchemaCheck(path, kPattern, 3);
    EXPECT_EQ(root->language, QStringLiteral("ja"));
    EXPECT_EQ(root->deviceModelKind, 3);
    EXPECT_EQ(root->filePath, path);
    ASSERT_EQ(root->sections.size(), 2);
    EXPECT_EQ(root->sections[1]->parts[0]->ElemCount(), 1);
}

// The document is validated while it is read: CDATA, references and comments read as without validation.
TEST(ProfileSchemaLoader, ValidatedReadBuildsWhatThePlainReadBuilds) {
    QTemporaryDir dir;
    const QString path = TestFiles::Write(
        dir, "ok.pelp",
        TestFiles::Profile(
            "<p:file label='FILE'>\n  <!-- c -->\n  <p:fileInfo label='FILE_INFO'>\n <?pi x?>\n"
            "<p:fileInfoMember label='Language'><p:data><p:item><![CDATA[j<a>]]>&#32;<!--x-->a"
            "</p:item><p:item> </p:item></p:data></p:fileInfoMember></p:fileInfo></p:file>"));
    auto validated = CPELFM_ProfileInfo::LoadWithSchemaCheck(path, kPattern, 0);
    CPELFM_ProfileInfo plain(path, 0);
    EXPECT_EQ(validated->language, QStringLiteral("j<a> a"));
    EXPECT_EQ(validated->language, plain.language);
    const auto values = [](CPELFM_ProfileInfo& root) {
        return root.sections[0]->parts[0]->Elems()[0]->items[0]->values;
    };
    EXPECT_EQ(values(*validated), values(plain));
    EXPECT_EQ(values(plain).size(), 2);
}

// Text between values reaches the schema however the parser cut it.
const QByteArray kDataOpen = "<p:file label='F'><p:fileInfo label='I'><p:fileInfoMember label='A'><p:data>";
const QByteArray kDataClose = "</p:data></p:fileInfoMember></p:fileInfo></p:file>";

struct FailureCase {
    const char* name;
    QByteArray xml;  // empty: no file
    QString pattern;
    int code;
    const char* detail;  // expected in the schema exception's text
};

class ProfileSchemaLoaderFailures : public testing::TestWithParam<FailureCase> {};

TEST_P(ProfileSchemaLoaderFailures, ThrowsTheCodeOfTheCase) {
    QTemporaryDir dir;
    TestFiles::Write(dir, "broken.xsd", "<xs:schema xmlns:xs='http://www.w3.org/2001/XMLSchema'><xs:element");
    const QString path = GetParam().xml.isEmpty() ? dir.filePath(QStringLiteral("none.pelp"))
                                                  : TestFiles::Write(dir, "f.pelp", GetParam().xml);
    QString pattern = GetParam().pattern;
    pattern.replace(QStringLiteral("$DIR"), dir.path());
    try {
        CPELFM_ProfileInfo root(path, pattern, 0);
        FAIL() << "loaded";
    } catch (const CPELFM_SchemaCheckException& e) {
        EXPECT_EQ(e.code, GetParam().code);
        EXPECT_TRUE(e.detail.contains(QString::fromUtf8(GetParam().detail))) << e.detail.toStdString();
    } catch (const CPELFM_ExceptionBase& e) {
        EXPECT_EQ(e.code, GetParam().code);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProfileSchemaLoaderFailures,
    testing::Values(
        FailureCase{"ProfileMissing", "", kPattern, 1, ""},
        FailureCase{"NotWellFormed", "<p:profile xmlns:p='" + kNs3 + "'>", kPattern, 5, ""},
        FailureCase{"SchemaMissing", TestFiles::Profile("", "http://pelora.example/peloraformachine/ver9/"),
                    kPattern, 11, "not found"},
        FailureCase{"NamespaceWithoutSlash", TestFiles::Profile("", "urn:pelora:ver3"), kPattern, 11,
                    "not found"},
        FailureCase{"NoNamespace", "<profile/>", kPattern, 11, "not found"},
        FailureCase{"VersionLeavesTheFolder", TestFiles::Profile("", "http://x/.."), kPattern, 11, "version"},
        FailureCase{"SchemaNotCompilable", TestFiles::Profile(""), QStringLiteral("$DIR/broken.xsd"), 11,
                    "broken.xsd"},
        FailureCase{
            "MissingLabel",
            TestFiles::Profile("<p:file label='F'>\n<p:fileInfo><p:fileInfoMember label='A'/></p:fileInfo>"
                               "</p:file>"),
            kPattern, 11, "line 2"},
        FailureCase{
            "ItemOutOfOrder",
            TestFiles::Profile("<p:block label='B'><p:blockParam label='P'><p:blockParamMember label='A'>"
                               "<p:data><p:item>1</p:item></p:data><p:datatype><p:item>INT</p:item>"
                               "</p:datatype></p:blockParamMember></p:blockParam></p:block>"),
            kPattern, 11, "datatype"},
        FailureCase{
            "RelationInFormat2",
            TestFiles::Profile(QByteArray(kValidBody), "http://pelora.example/peloraformachine/ver2/"),
            kPattern, 11, "relation"},
        FailureCase{"TextAmongValues", TestFiles::Profile(kDataOpen + "<p:item/> <!--c-->x" + kDataClose),
                    kPattern, 11, "element-only"},
        FailureCase{"BlankCDataAmongValues",
                    TestFiles::Profile(kDataOpen + "<p:item/> <![CDATA[ ]]>" + kDataClose), kPattern, 11,
                    "element-only"},
        FailureCase{"OtherFormatsSchemaByFixedPattern", TestFiles::Profile(kValidBody),
                    QStringLiteral(PEL_OUT_DIR "/Schema/1/PeloraSchema.xsd"), 11, "line 1"}),
    [](const testing::TestParamInfo<FailureCase>& i) { return std::string(i.param.name); });

}  // namespace
