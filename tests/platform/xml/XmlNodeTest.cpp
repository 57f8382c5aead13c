#include <gtest/gtest.h>

#include "XmlDocument.h"
#include "XmlError.h"

namespace {

QStringList Names(const XmlNode& parent) {
    QStringList out;
    for (const XmlNode& c : parent.ChildElements()) out << c.LocalName();
    return out;
}

TEST(XmlNodeTest, IndentedAndCommentedDocumentHasTheSameElementChildrenAsACompactOne) {
    const XmlDocument compact = XmlDocument::LoadBytes("<r><a>1</a><b>2</b><c/></r>");
    const XmlDocument loose =
        XmlDocument::LoadBytes("<r>\n  <!-- note -->\n  <a>1</a>\n  <?pi x?>\n  <b>2</b>\n\t<c/>\n</r>\n");
    EXPECT_EQ(Names(compact.DocumentElement()), Names(loose.DocumentElement()));
    EXPECT_EQ(Names(loose.DocumentElement()), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(loose.DocumentElement().FirstChildElement().NextSiblingElement().Text(), QStringLiteral("2"));
}

struct NameCase {
    const char* xml;
    const char* qualified;
};

class XmlNodeNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(XmlNodeNameTest, LocalNameIsIndependentOfThePrefix) {
    XmlNode e = XmlDocument::LoadBytes(GetParam().xml).DocumentElement().FirstChildElement();
    EXPECT_EQ(e.LocalName(), QStringLiteral("fileInfo"));
    EXPECT_EQ(e.LocalNameView(), "fileInfo");
    EXPECT_EQ(e.QualifiedName(), QString::fromUtf8(GetParam().qualified));
    EXPECT_EQ(e.NamespaceUri(), QStringLiteral("urn:v3"));
}

INSTANTIATE_TEST_SUITE_P(Prefixes, XmlNodeNameTest,
                         testing::Values(NameCase{"<p:r xmlns:p='urn:v3'><p:fileInfo/></p:r>", "p:fileInfo"},
                                         NameCase{"<q:r xmlns:q='urn:v3'><q:fileInfo/></q:r>", "q:fileInfo"},
                                         NameCase{"<abc:r xmlns:abc='urn:v3'><abc:fileInfo/></abc:r>",
                                                  "abc:fileInfo"},
                                         NameCase{"<r xmlns='urn:v3'><fileInfo/></r>", "fileInfo"}));

struct TextCase {
    const char* xml;
    const char* text;
};

class XmlNodeTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(XmlNodeTextTest, TextIsTrimmedOfXmlWhiteSpaceOnly) {
    EXPECT_EQ(XmlDocument::LoadBytes(GetParam().xml).DocumentElement().Text(),
              QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Texts, XmlNodeTextTest,
                         testing::Values(TextCase{"<i>  a b \n</i>", "a b"},
                                         TextCase{"<i>\n\ta\nb\n</i>", "a\nb"},
                                         TextCase{"<i>a&#13;b</i>", "a\rb"}, TextCase{"<i>&#13;a</i>", "a"},
                                         TextCase{"<i>\xe3\x80\x80x\xe3\x80\x80</i>",
                                                  "\xe3\x80\x80x\xe3\x80\x80"},  // U+3000 is not XML space
                                         TextCase{"<i> <![CDATA[ <c> ]]> </i>", "<c>"},
                                         TextCase{"<i>&amp;&lt;&gt;&quot;</i>", "&<>\""},
                                         TextCase{"<i>a<!-- x -->b</i>", "ab"}, TextCase{"<i/>", ""},
                                         TextCase{"<i>   </i>", ""},
                                         TextCase{"<i>x<j> y </j>z</i>", "x y z"}));

const char* kProfile =
    "<p:profile xmlns:p='urn:v3'>"
    "<p:device label='D'><p:deviceInfo label='DI'>"
    "<p:deviceInfoMember label='Vendor'><p:data><p:item>V</p:item></p:data></p:deviceInfoMember>"
    "<p:deviceInfoMember label='DeviceModel'><p:data><p:item> M1 </p:item><p:item>M2</p:item></p:data>"
    "</p:deviceInfoMember></p:deviceInfo></p:device></p:profile>";

TEST(XmlNodeTest, XPathSelectsRelativeToANodeWithABoundPrefix) {
    XmlNode root = XmlDocument::LoadBytes(kProfile).DocumentElement();
    const XmlNamespaces ns{{QStringLiteral("p"), root.NamespaceUri()}};
    const QString path =
        QStringLiteral("./p:device/p:deviceInfo/p:deviceInfoMember[@label='DeviceModel']/p:data/p:item");
    EXPECT_EQ(root.SelectFirst(path, ns).Text(), QStringLiteral("M1"));
    EXPECT_EQ(root.SelectAll(path, ns).size(), 2);
    XmlNode info = root.SelectFirst(QStringLiteral("./p:device/p:deviceInfo"), ns);
    EXPECT_EQ(info.SelectFirst(QStringLiteral("./p:deviceInfoMember"), ns).Attribute(QStringLiteral("label")),
              QStringLiteral("Vendor"));
    // Another prefix bound to the same namespace selects the same nodes.
    EXPECT_EQ(
        root.SelectAll(QStringLiteral(".//z:item"), {{QStringLiteral("z"), QStringLiteral("urn:v3")}}).size(),
        3);
    EXPECT_TRUE(root.SelectFirst(QStringLiteral("./p:file"), ns).IsNull());
}

TEST(XmlNodeTest, XPathOnARootWithoutNamespaceFindsNothingAndRaisesNothing) {
    XmlNode root = XmlDocument::LoadBytes("<profile><device/></profile>").DocumentElement();
    EXPECT_TRUE(root.NamespaceUri().isEmpty());
    EXPECT_TRUE(root.SelectFirst(QStringLiteral("./p:device"), {{QStringLiteral("p"), root.NamespaceUri()}})
                    .IsNull());
}

TEST(XmlNodeTest, XPathErrorsAreXmlErrors) {
    XmlNode root = XmlDocument::LoadBytes("<r/>").DocumentElement();
    EXPECT_THROW(root.SelectFirst(QStringLiteral("./[")), XmlError);
    EXPECT_THROW(root.SelectFirst(QStringLiteral("count(*)")), XmlError);
    EXPECT_THROW(root.SelectFirst(QStringLiteral("./q:x")), XmlError);  // unbound prefix
    EXPECT_THROW(XmlNode().SelectFirst(QStringLiteral(".")), XmlError);
}

TEST(XmlNodeTest, AttributesWithAndWithoutNamespace) {
    XmlNode r = XmlDocument::LoadBytes("<r xmlns:x='urn:x' label='plain' x:label='ns'/>").DocumentElement();
    EXPECT_EQ(r.Attribute(QStringLiteral("label")), QStringLiteral("plain"));
    EXPECT_EQ(r.Attribute(QStringLiteral("x:label")), QStringLiteral("ns"));
    EXPECT_FALSE(r.HasAttribute(QStringLiteral("other")));
    EXPECT_TRUE(r.Attribute(QStringLiteral("other")).isNull());
    EXPECT_FALSE(r.HasAttribute(QStringLiteral("y:label")));
}

TEST(XmlNodeTest, CreationResolvesPrefixesAndRefusesUnboundOnes) {
    XmlDocument doc = XmlDocument::Create();
    XmlNode root = doc.CreateDocumentElement(QStringLiteral("p:r"), QStringLiteral("urn:p"));
    XmlNode a = root.AppendElement(QStringLiteral("p:a"));
    EXPECT_EQ(a.NamespaceUri(), QStringLiteral("urn:p"));
    XmlNode b = root.AppendElement(QStringLiteral("q:b"), QStringLiteral("urn:q"));
    EXPECT_EQ(b.NamespaceUri(), QStringLiteral("urn:q"));
    EXPECT_THROW(root.AppendElement(QStringLiteral("z:c")), XmlError);
    EXPECT_THROW(root.AppendElement(QStringLiteral("1bad")), XmlError);
    EXPECT_THROW(root.SetAttribute(QStringLiteral("z:at"), QStringLiteral("v")), XmlError);
    EXPECT_THROW(root.DeclareNamespace(QStringLiteral("p"), QStringLiteral("urn:other")), XmlError);
    EXPECT_NO_THROW(root.DeclareNamespace(QStringLiteral("p"), QStringLiteral("urn:p")));
    EXPECT_THROW(doc.CreateDocumentElement(QStringLiteral("p:r")), XmlError);

    XmlNode back = XmlDocument::LoadBytes(doc.ToBytes()).DocumentElement();
    EXPECT_EQ(Names(back), (QStringList{"a", "b"}));
    EXPECT_EQ(back.ChildElements()[1].NamespaceUri(), QStringLiteral("urn:q"));
}

struct CharCase {
    QString text;
    bool accepted;
};

class XmlNodeCharTest : public testing::TestWithParam<CharCase> {};

TEST_P(XmlNodeCharTest, TextThatXmlCannotCarryIsRefused) {
    XmlDocument doc = XmlDocument::Create();
    XmlNode root = doc.CreateDocumentElement(QStringLiteral("r"));
    if (GetParam().accepted) {
        EXPECT_NO_THROW(root.AppendText(GetParam().text));
        EXPECT_NO_THROW(root.SetAttribute(QStringLiteral("a"), GetParam().text));
    } else {
        EXPECT_THROW(root.AppendText(GetParam().text), XmlError);
        EXPECT_THROW(root.SetAttribute(QStringLiteral("a"), GetParam().text), XmlError);
        EXPECT_TRUE(root.FirstChildElement().IsNull());
        EXPECT_FALSE(doc.ToBytes().contains("a="));
    }
}

INSTANTIATE_TEST_SUITE_P(Chars, XmlNodeCharTest,
                         testing::Values(CharCase{QStringLiteral("tab\tcr\rlf\n"), true},
                                         CharCase{QString::fromUtf8("\xf0\x9f\x98\x80 日本"), true},
                                         CharCase{QString(QChar(0x01)), false},
                                         CharCase{QStringLiteral("a") + QChar(0x1F), false},
                                         CharCase{QString(QChar(0xFFFE)), false},
                                         CharCase{QString(QChar(0xD800)), false},
                                         CharCase{QString(QChar(0xDC00)) + QStringLiteral("x"), false},
                                         CharCase{QString(QChar(0)), false}));

TEST(XmlNodeTest, DiscardRemovesOnlyThatSubtree) {
    XmlDocument doc = XmlDocument::LoadBytes("<r><a><x/></a><b/></r>");
    XmlNode a = doc.DocumentElement().FirstChildElement();
    a.Discard();
    EXPECT_TRUE(a.IsNull());
    EXPECT_EQ(Names(doc.DocumentElement()), (QStringList{"b"}));
}

}  // namespace
