#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include "XmlDocument.h"
#include "XmlError.h"

namespace {

// Documents that try to pull outside content into the tree: each must be refused or stay inert.
struct HostileCase {
    const char* name;
    QByteArray xml;  // "SECRET_URL" is replaced by the file URL of a secret file
};

class XmlSafetyTest : public testing::TestWithParam<HostileCase> {};

TEST_P(XmlSafetyTest, NothingOutsideTheDocumentIsRead) {
    QTemporaryDir dir;
    const QString secretPath = dir.filePath(QStringLiteral("secret.txt"));
    {
        QFile f(secretPath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("TOPSECRET");
    }
    QByteArray xml = GetParam().xml;
    xml.replace("SECRET_URL", QUrl::fromLocalFile(secretPath).toEncoded());
    const QString docPath = dir.filePath(QStringLiteral("hostile.xml"));
    {
        QFile f(docPath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(xml);
    }
    try {
        XmlDocument doc = XmlDocument::LoadFile(docPath);
        const QByteArray all = doc.ToBytes();
        EXPECT_FALSE(all.contains("TOPSECRET")) << all.constData();
        EXPECT_FALSE(doc.DocumentElement().Text().contains(QStringLiteral("TOPSECRET")));
    } catch (const XmlError& e) {
        EXPECT_FALSE(e.Message().contains(QStringLiteral("TOPSECRET"))) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, XmlSafetyTest,
    testing::Values(
        HostileCase{"ExternalEntity", "<!DOCTYPE r [<!ENTITY x SYSTEM 'SECRET_URL'>]><r>&x;</r>"},
        HostileCase{"ExternalParameterEntity", "<!DOCTYPE r [<!ENTITY % p SYSTEM 'SECRET_URL'> %p;]><r/>"},
        HostileCase{"ExternalSubset", "<!DOCTYPE r SYSTEM 'SECRET_URL'><r/>"},
        HostileCase{
            "XInclude",
            "<r xmlns:xi='http://www.w3.org/2001/XInclude'><xi:include href='SECRET_URL' parse='text'/></r>"},
        HostileCase{"UndeclaredEntity", "<r>&x;</r>"}),
    [](const testing::TestParamInfo<HostileCase>& info) { return std::string(info.param.name); });

TEST(XmlSafetyTest, DocumentTypeDeclarationsAreRefused) {
    EXPECT_THROW(XmlDocument::LoadBytes("<!DOCTYPE r><r/>"), XmlError);
    EXPECT_THROW(XmlDocument::LoadBytes("<!DOCTYPE r SYSTEM 'http://127.0.0.1:9/x.dtd'><r/>"), XmlError);
    // Exponential entity expansion never starts.
    QByteArray laughs = "<!DOCTYPE r [<!ENTITY a 'aaaaaaaaaa'>";
    for (char c = 'b'; c <= 'j'; ++c) {
        laughs += QByteArray("<!ENTITY ") + c + " '";
        for (int i = 0; i < 10; ++i) laughs += QByteArray("&") + char(c - 1) + ";";
        laughs += "'>";
    }
    laughs += "]><r>&j;</r>";
    try {
        XmlDocument::LoadBytes(laughs);
        FAIL() << "accepted";
    } catch (const XmlError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("document type declaration"))) << e.what();
    }
}

}  // namespace
