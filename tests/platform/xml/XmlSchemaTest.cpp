#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "XmlError.h"
#include "XmlSchema.h"

namespace {

const char* kXsd =
    "<xs:schema xmlns:xs='http://www.w3.org/2001/XMLSchema' targetNamespace='urn:t' xmlns='urn:t'"
    " elementFormDefault='qualified'>"
    "<xs:element name='r'><xs:complexType><xs:sequence>"
    "<xs:element name='a' type='xs:int' maxOccurs='unbounded'/>"
    "</xs:sequence><xs:attribute name='label' type='xs:string' use='required'/></xs:complexType></xs:element>"
    "</xs:schema>";

QString Write(const QTemporaryDir& dir, const char* name, const QByteArray& data) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
    return path;
}

struct ValidationCase {
    const char* xml;
    const char* expectedFragment;  // empty: valid
};

class XmlSchemaValidationTest : public testing::TestWithParam<ValidationCase> {};

TEST_P(XmlSchemaValidationTest, ReportsTheFirstErrorWithItsLine) {
    QTemporaryDir dir;
    XmlSchema schema = XmlSchema::LoadFile(Write(dir, "t.xsd", kXsd));
    const QString result = schema.Validate(XmlDocument::LoadBytes(GetParam().xml));
    if (*GetParam().expectedFragment == 0) {
        EXPECT_TRUE(result.isEmpty()) << result.toStdString();
    } else {
        EXPECT_TRUE(result.contains(QString::fromLatin1(GetParam().expectedFragment)))
            << result.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Documents, XmlSchemaValidationTest,
    testing::Values(ValidationCase{"<r xmlns='urn:t' label='x'><a>1</a><a>2</a></r>", ""},
                    ValidationCase{"<r xmlns='urn:t' label='x'>\n<a>1</a>\n<a>x</a></r>", "line 3"},
                    ValidationCase{"<r xmlns='urn:t'><a>1</a></r>", "label"},
                    ValidationCase{"<r xmlns='urn:other' label='x'><a>1</a></r>", "line 1"},
                    ValidationCase{"<r xmlns='urn:t' label='x'>\n\n<b/></r>", "line 3"}));

TEST(XmlSchemaTest, MissingOrInvalidSchemaIsAnXmlError) {
    QTemporaryDir dir;
    EXPECT_THROW(XmlSchema::LoadFile(dir.filePath(QStringLiteral("none.xsd"))), XmlError);
    EXPECT_THROW(XmlSchema::LoadFile(Write(dir, "bad.xsd",
                                           "<xs:schema xmlns:xs='http://www.w3.org/2001/XMLSchema'>"
                                           "<xs:element name='r' type='xs:nope'/></xs:schema>")),
                 XmlError);
    EXPECT_THROW(XmlSchema::LoadFile(Write(dir, "broken.xsd", "<xs:schema")), XmlError);
    EXPECT_THROW(XmlSchema().Validate(XmlDocument::Create()), XmlError);
}

}  // namespace
