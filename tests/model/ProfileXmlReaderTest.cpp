#include <gtest/gtest.h>

#include <QTextStream>
#include <algorithm>
#include <memory>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "PELFMExceptions.h"
#include "ProfileGenerator.h"
#include "ProfileXmlTestFiles.h"
#include "XmlDocument.h"

namespace {

using TestFiles::Profile;

std::unique_ptr<CPELFM_ProfileInfo> Load(const QByteArray& xml, int kind = 0) {
    QTemporaryDir dir;
    return std::make_unique<CPELFM_ProfileInfo>(TestFiles::Write(dir, "a.pelproj", xml), kind);
}

const QByteArray kHeaderBody =
    "<p:file label='File'><p:fileInfo label='FileInfo'>"
    "<p:fileInfoMember label='ProfileSpecVersion'><p:data><p:item> 3.0 </p:item></p:data></p:fileInfoMember>"
    "<p:fileInfoMember label='FileVersion'><p:data><p:item>7</p:item></p:data></p:fileInfoMember>"
    "<p:fileInfoMember label='Language'><p:data><p:item>ja</p:item></p:data></p:fileInfoMember>"
    "</p:fileInfo></p:file>"
    "<p:device label='Device'><p:comment><p:item>device comment</p:item></p:comment>"
    "<p:deviceInfo label='DeviceInfo'><p:label2><p:item>L2</p:item></p:label2>"
    "<p:comment><p:item>part comment</p:item></p:comment>"
    "<p:deviceInfoMember label='DeviceModel'><p:data><p:item>Model-X</p:item></p:data></p:deviceInfoMember>"
    "<p:deviceInfoMember label='Version'><p:data><p:item>1.2</p:item></p:data></p:deviceInfoMember>"
    "</p:deviceInfo></p:device>";

TEST(ProfileXmlReader, ReadsHeaderValuesSectionsAndPartsWithoutLoadingElements) {
    auto root = Load(Profile(kHeaderBody), 9);
    EXPECT_EQ(root->profileSpecVersion, QStringLiteral(" 3.0 "));  // read as it stands
    EXPECT_EQ(root->fileVersion, QStringLiteral("7"));
    EXPECT_EQ(root->language, QStringLiteral("ja"));
    EXPECT_EQ(root->deviceModel, QStringLiteral("Model-X"));
    EXPECT_EQ(root->version, QStringLiteral("1.2"));
    EXPECT_EQ(root->deviceModelKind, 9);
    EXPECT_TRUE(root->filePath.endsWith(QStringLiteral("a.pelproj")));
    EXPECT_EQ(root->partTagNames, &ProfileInnerConst::PartTagNames());

    ASSERT_EQ(root->sections.size(), 2);
    CPELFM_SectionInfo* device = root->sections[1];
    EXPECT_EQ(device->name, QStringLiteral("Device"));
    EXPECT_EQ(device->sectionType, SECTION_DEVICE);
    EXPECT_EQ(device->comment, QStringLiteral("device comment"));
    EXPECT_EQ(device->parent, root.get());
    ASSERT_EQ(device->parts.size(), 1);  // the section's comment is no part
    CPELFM_PartInfo* info = device->parts[0];
    EXPECT_EQ(info->partType, PART_DEVICE_INFO);
    EXPECT_EQ(info->label2, QStringLiteral("L2"));
    EXPECT_EQ(info->comment, QStringLiteral("part comment"));
    EXPECT_EQ(info->ownerSection, device);
    EXPECT_EQ(info->loaded, 0);
    EXPECT_NE(info->xmlNode, nullptr);

    // The part's label2 and comment never become elements.
    ASSERT_EQ(info->ElemCount(), 2);
    EXPECT_EQ(info->loaded, 1);
    EXPECT_EQ(info->xmlNode, nullptr);
    CPELFM_ElemInfo* model = info->Elems()[0];
    EXPECT_EQ(model->label, QStringLiteral("DeviceModel"));
    EXPECT_EQ(model->ownerPart, info);
    ASSERT_EQ(model->items.size(), 1);
    EXPECT_EQ(model->items[0]->itemType, DATA);
    EXPECT_EQ(model->items[0]->ownerElem, model);
    EXPECT_EQ(model->items[0]->values, (QList<ProfileInnerConst::_ST_PELFM_DATAINFO>{{1, "Model-X"}}));
}

TEST(ProfileXmlReader, MissingHeaderMembersAndLabelsGiveEmptyTexts) {
    auto root = Load(Profile("<p:block><p:blockInfo/></p:block>"));
    EXPECT_TRUE(root->deviceModel.isEmpty());
    EXPECT_TRUE(root->language.isEmpty());
    ASSERT_EQ(root->sections.size(), 1);
    EXPECT_TRUE(root->sections[0]->name.isEmpty());
    EXPECT_TRUE(root->sections[0]->comment.isEmpty());
    EXPECT_TRUE(root->sections[0]->parts[0]->label2.isEmpty());
}

struct NameCase {
    const char* name;
    QByteArray xml;
};

class ProfileXmlReaderNames : public testing::TestWithParam<NameCase> {};

// The local name decides, whatever the prefix: a default-namespace or three-letter-prefix document
// reads exactly like one with "p:".
TEST_P(ProfileXmlReaderNames, ElementNamesAreComparedWithoutTheirPrefix) {
    auto root = Load(GetParam().xml);
    ASSERT_EQ(root->sections.size(), 1);
    CPELFM_SectionInfo* block = root->sections[0];
    EXPECT_EQ(block->sectionType, SECTION_BLOCK);
    EXPECT_EQ(block->name, QStringLiteral("Blk1"));
    EXPECT_EQ(block->comment, QStringLiteral("c"));
    ASSERT_EQ(block->parts.size(), 1);
    CPELFM_PartInfo* part = block->parts[0];
    EXPECT_EQ(part->partType, PART_BLOCK_MEMORY);
    EXPECT_EQ(part->label2, QStringLiteral("two"));
    ASSERT_EQ(part->ElemCount(), 1);
    CPELFM_ElemInfo* e = part->Elems()[0];
    ASSERT_EQ(e->items.size(), 2);
    EXPECT_EQ(e->items[0]->itemType, DATATYPE);
    EXPECT_EQ(e->items[0]->values[0].dataKind, ProfileInnerConst::DATA_ENUM_REF_ITEM);
    EXPECT_EQ(e->items[1]->itemType, RELATION);
}

const char* kNamedBody =
    "<X:block label='Blk1'><X:comment><X:item>c</X:item></X:comment>"
    "<X:blockMemory label='M'><X:label2><X:item>two</X:item></X:label2>"
    "<X:blockMemoryMember label='E'><X:datatype><X:enumRefItem>Enum1</X:enumRefItem></X:datatype>"
    "<X:relation><X:item>r</X:item></X:relation></X:blockMemoryMember></X:blockMemory></X:block>";

QByteArray WithPrefix(const char* prefix) {
    QByteArray body(kNamedBody);
    if (*prefix) {
        body.replace("X:", QByteArray(prefix) + ":");
        return Profile(body, "urn:v3", prefix);
    }
    body.replace("X:", "");
    return "<profile xmlns='urn:v3'>" + body + "</profile>";
}

INSTANTIATE_TEST_SUITE_P(Prefixes, ProfileXmlReaderNames,
                         testing::Values(NameCase{"p", WithPrefix("p")}, NameCase{"q", WithPrefix("q")},
                                         NameCase{"abc", WithPrefix("abc")},
                                         NameCase{"none", WithPrefix("")}),
                         [](const testing::TestParamInfo<NameCase>& i) { return std::string(i.param.name); });

TEST(ProfileXmlReader, UnknownNamesAreKeptWithTypeZero) {
    auto root = Load(
        Profile("<p:other label='O'><p:label2 label='L2Part'/><p:mystery label='M'>"
                "<p:mysteryMember label='R'><p:strange><p:value>v</p:value><p:item>i</p:item></p:strange>"
                "</p:mysteryMember></p:mystery></p:other>"));
    ASSERT_EQ(root->sections.size(), 1);
    EXPECT_EQ(root->sections[0]->sectionType, SECTION_UNKNOW);
    // A section's label2 child is a part like any other.
    ASSERT_EQ(root->sections[0]->parts.size(), 2);
    EXPECT_EQ(root->sections[0]->parts[0]->name, QStringLiteral("L2Part"));
    EXPECT_EQ(root->sections[0]->parts[0]->partType, PART_UNKNOW);
    CPELFM_PartInfo* mystery = root->sections[0]->parts[1];
    EXPECT_EQ(mystery->partType, PART_UNKNOW);
    CPELFM_ItemInfo* item = mystery->Elems()[0]->items[0];
    EXPECT_EQ(item->itemType, ITEM_UNKNOWN);
    EXPECT_EQ(item->values, (QList<ProfileInnerConst::_ST_PELFM_DATAINFO>{{0, "v"}, {1, "i"}}));
}

TEST(ProfileXmlReader, LineFeedsAreRemovedExceptInComments) {
    auto root =
        Load(Profile("<p:block label='B'><p:blockParam label='P'><p:blockParamMember label='E'>"
                     "<p:name><p:item>a\nb</p:item></p:name>"
                     "<p:data><p:item>\n  first\nsecond\r\n  </p:item></p:data>"
                     "<p:comment><p:item>line1\nline2&#13;\nline3</p:item></p:comment>"
                     "<p:code><p:item>x&#13;y</p:item></p:code>"
                     "</p:blockParamMember></p:blockParam></p:block>"));
    const QList<CPELFM_ItemInfo*>& items = root->sections[0]->parts[0]->Elems()[0]->items;
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0]->values[0].text, QStringLiteral("ab"));
    EXPECT_EQ(items[1]->values[0].text, QStringLiteral("  firstsecond  "));
    EXPECT_EQ(items[2]->values[0].text, QStringLiteral("line1\nline2\r\nline3"));
    EXPECT_EQ(items[3]->values[0].text, QStringLiteral("x\ry"));  // carriage returns stay
}

// Texts are taken as they stand: only line feeds of values outside COMMENT items go.
TEST(ProfileXmlReader, WhiteSpaceAroundTextsIsKept) {
    const struct {
        const char* name;
        QByteArray xml;   // the text as written in the file
        QString value;    // a NAME value
        QString comment;  // a COMMENT value
    } cases[] = {
        {"padded", "  10 ", "  10 ", "  10 "},
        {"blanks only", "   ", "   ", "   "},
        {"tabs and line feeds", "\t\n x \n", "\t x ", "\t\n x \n"},
        {"trailing line feed", "c\n", "c", "c\n"},
        {"character references", "&#32;a&#9;&#10;", " a\t", " a\t\n"},
        {"ideographic space", "\xe3\x80\x80\xe5\x80\xa4 ", QString::fromUtf8("\u3000\u5024 "),
         QString::fromUtf8("\u3000\u5024 ")},
        {"empty", "", "", ""},
    };
    for (const auto& c : cases) {
        const QByteArray item = "<p:item>" + c.xml + "</p:item>";
        auto root = Load(Profile(
            "<p:file label='F'><p:comment>" + item + "</p:comment><p:fileInfo label='FI'><p:label2>" + item +
            "</p:label2><p:comment>" + item + "</p:comment><p:fileInfoMember label='FileVersion'><p:name>" +
            item + "</p:name><p:data>" + item + "</p:data><p:comment>" + item +
            "</p:comment></p:fileInfoMember></p:fileInfo></p:file>"));
        const CPELFM_SectionInfo* section = root->sections[0];
        const CPELFM_PartInfo* part = section->parts[0];
        EXPECT_EQ(section->comment, c.comment) << c.name;
        EXPECT_EQ(part->label2, c.comment) << c.name;
        EXPECT_EQ(part->comment, c.comment) << c.name;
        EXPECT_EQ(root->fileVersion, c.comment) << c.name;  // header values select the node only
        const QList<CPELFM_ItemInfo*>& items = root->sections[0]->parts[0]->Elems()[0]->items;
        ASSERT_EQ(items.size(), 3) << c.name;
        EXPECT_EQ(items[0]->values[0].text, c.value) << c.name;
        EXPECT_EQ(items[1]->values[0].text, c.value) << c.name;
        EXPECT_EQ(items[2]->values[0].text, c.comment) << c.name;
    }
}

TEST(ProfileXmlReader, IndentedAndCommentedFileReadsLikeACompactOne) {
    const QByteArray compact = Profile(
        "<p:block label='B'><p:enum label='E'><p:enumMember label='A'><p:code><p:item>1</p:item></p:code>"
        "</p:enumMember></p:enum></p:block>");
    const QByteArray loose = Profile(
        "\n  <!-- generated -->\n  <p:block label='B'>\n    <p:enum label='E'>\n      <p:enumMember "
        "label='A'>\n"
        "        <p:code>\n          <p:item>1</p:item>\n        </p:code>\n      </p:enumMember>\n    "
        "</p:enum>\n"
        "  </p:block>\n");
    auto a = Load(compact), b = Load(loose);
    ASSERT_EQ(b->sections.size(), 1);
    ASSERT_EQ(b->sections[0]->parts.size(), 1);
    CPELFM_ElemInfo* ea = a->sections[0]->parts[0]->Elems()[0];
    CPELFM_ElemInfo* eb = b->sections[0]->parts[0]->Elems()[0];
    ASSERT_EQ(eb->items.size(), 1);
    EXPECT_EQ(ea->items[0]->values, eb->items[0]->values);
}

TEST(ProfileXmlReader, RootWithoutNamespaceReadsWithEmptyHeaderValues) {
    auto root = Load(
        "<profile><file label='F'><fileInfo label='I'><fileInfoMember label='Language'><data>"
        "<item>ja</item></data></fileInfoMember></fileInfo></file></profile>");
    EXPECT_TRUE(root->language.isEmpty());
    ASSERT_EQ(root->sections.size(), 1);
    EXPECT_EQ(root->sections[0]->sectionType, SECTION_FILE);
}

TEST(ProfileXmlReader, EmptyRootGivesNoSections) {
    EXPECT_TRUE(Load(Profile(""))->sections.isEmpty());
}

TEST(ProfileXmlReader, CopyOfAnUnloadedPartLoadsItFirst) {
    auto root = Load(Profile(kHeaderBody));
    CPELFM_PartInfo* source = root->sections[1]->parts[0];
    CPELFM_PartInfo copy;
    copy.CopyFrom(*source);
    EXPECT_EQ(copy.loaded, 1);
    EXPECT_EQ(copy.xmlNode, nullptr);
    EXPECT_EQ(copy.ElemCount(), 2);
    EXPECT_EQ(copy.Elems()[1]->ownerPart, &copy);
}

TEST(ProfileXmlReader, PartsOutliveTheRestOfTheTreeAndDocument) {
    std::unique_ptr<CPELFM_PartInfo> taken;
    {
        auto root = Load(Profile(kHeaderBody));
        CPELFM_SectionInfo* device = root->sections[1];
        taken.reset(device->parts[0]);
        device->RemovePartByName(QStringLiteral("DeviceInfo"));
        taken->ownerSection = nullptr;
    }
    // The part's own node still holds the document.
    EXPECT_EQ(taken->ElemCount(), 2);
    EXPECT_EQ(taken->Elems()[1]->items[0]->values[0].text, QStringLiteral("1.2"));
}

struct FailureCase {
    const char* name;
    QByteArray xml;  // empty: the file does not exist
    int code;
};

class ProfileXmlReaderFailures : public testing::TestWithParam<FailureCase> {};

TEST_P(ProfileXmlReaderFailures, ThrowsTheModelExceptionOfTheCase) {
    QTemporaryDir dir;
    const QString path = GetParam().xml.isEmpty() ? dir.filePath(QStringLiteral("missing.pelproj"))
                                                  : TestFiles::Write(dir, "f.pelproj", GetParam().xml);
    try {
        CPELFM_ProfileInfo root(path, 0);
        FAIL() << "loaded";
    } catch (const CPELFM_ExceptionBase& e) {
        EXPECT_EQ(e.code, GetParam().code);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProfileXmlReaderFailures,
    testing::Values(FailureCase{"Missing", "", CPELFM_FileNotFoundException::Code_},
                    FailureCase{"NotWellFormed", "<p:profile xmlns:p='urn:x'><p:file>",
                                CPELFM_CreateRootException::Code_},
                    FailureCase{"NotXml", "just text", CPELFM_CreateRootException::Code_},
                    FailureCase{"UndeclaredPrefix", "<p:profile><p:file/></p:profile>",
                                CPELFM_CreateRootException::Code_},
                    FailureCase{"Doctype", "<!DOCTYPE p [<!ENTITY e 'x'>]><profile>&e;</profile>",
                                CPELFM_CreateRootException::Code_}),
    [](const testing::TestParamInfo<FailureCase>& i) { return std::string(i.param.name); });

TEST(ProfileXmlReader, DirectoryInPlaceOfTheFileCannotBeParsed) {
    QTemporaryDir dir;
    EXPECT_THROW(CPELFM_ProfileInfo(dir.path(), 0), CPELFM_CreateRootException);
}

}  // namespace

// ---- What the reader builds against what the document's tree holds

namespace {

// Header values, then every section and part with their texts and, loading each part, its elements.
QString Dump(CPELFM_ProfileInfo& root) {
    QString out;
    QTextStream s(&out);
    s << root.deviceModel << '|' << root.version << '|' << root.profileSpecVersion << '|' << root.fileVersion
      << '|' << root.language << '\n';
    for (CPELFM_SectionInfo* section : root.sections) {
        s << "S" << section->sectionType << '|' << section->name << '|' << section->comment << '\n';
        for (CPELFM_PartInfo* part : section->parts) {
            s << "P" << part->partType << '|' << part->name << '|' << part->label2 << '|' << part->comment
              << '\n';
            for (CPELFM_ElemInfo* elem : part->Elems()) {
                s << "E|" << elem->label << '\n';
                for (CPELFM_ItemInfo* item : elem->items) {
                    s << "I" << item->itemType;
                    for (const auto& v : item->values) s << '|' << v.dataKind << ':' << v.text;
                    s << '\n';
                }
            }
        }
    }
    return out;
}

// The same from the document tree, by the reading rules: element names by their local name; header values,
// comments and label2 texts selected in the root element's namespace; texts as the nodes hold them.
QString DumpTree(const QByteArray& xml) {
    const XmlNode root = XmlDocument::LoadBytes(xml).DocumentElement();
    const XmlNamespaces ns{{QStringLiteral("p"), root.NamespaceUri()}};
    auto first = [&](const XmlNode& node, const QString& path) {
        const XmlNode hit = node.SelectFirst(path, ns);
        return hit ? hit.TextContent() : QString();
    };
    auto type = [](const QStringList& names, const XmlNode& node) {
        return std::max<int>(0, int(names.indexOf(node.LocalName())));
    };
    QString out;
    QTextStream s(&out);
    const char* fields[][2] = {{"device", "DeviceModel"},
                               {"device", "Version"},
                               {"file", "ProfileSpecVersion"},
                               {"file", "FileVersion"},
                               {"file", "Language"}};
    for (int f = 0; f < 5; ++f) {
        const QString g = QString::fromLatin1(fields[f][0]);
        s << first(root, "./p:" + g + "/p:" + g + "Info/p:" + g + "InfoMember[@label='" + fields[f][1] +
                             "']/p:data/p:item")
          << (f < 4 ? '|' : '\n');
    }
    for (XmlNode section : root.ChildElements()) {
        s << "S" << type(ProfileInnerConst::SectionTagNames(), section) << '|' << section.Attribute("label")
          << '|' << first(section, "./p:comment/p:item") << '\n';
        for (XmlNode part : section.ChildElements()) {
            if (part.LocalName() == "comment") continue;
            s << "P" << type(ProfileInnerConst::PartTagNames(), part) << '|' << part.Attribute("label") << '|'
              << first(part, "./p:label2/p:item") << '|' << first(part, "./p:comment/p:item") << '\n';
            for (XmlNode elem : part.ChildElements()) {
                if (elem.LocalName() == "comment" || elem.LocalName() == "label2") continue;
                s << "E|" << elem.Attribute("label") << '\n';
                for (XmlNode item : elem.ChildElements()) {
                    const int itemType = type(ProfileInnerConst::ItemTagNames(), item);
                    s << "I" << itemType;
                    for (XmlNode v : item.ChildElements()) {
                        QString text = v.TextContent();
                        if (itemType != COMMENT) text.remove(QLatin1Char('\n'));
                        s << '|' << type(ProfileInnerConst::DataTagNames(), v) << ':' << text;
                    }
                    s << '\n';
                }
            }
        }
    }
    return out;
}

QByteArray InFile(const QByteArray& body) {
    return Profile("<p:file label='F'><p:fileInfo label='FI'>" + body + "</p:fileInfo></p:file>");
}

QByteArray Utf16(const QByteArray& utf8) {
    const QString text = QString::fromUtf8(utf8).replace("encoding=\"UTF-8\"", "encoding=\"UTF-16\"");
    return "\xff\xfe" + QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

const QByteArray kTreeBody =
    "<p:fileInfoMember label='Language'><p:data><p:item> <p:b/> j<p:c/> a </p:item></p:data>"
    "<p:name><p:item> <p:x/> c <!--k--> <p:y/> </p:item><p:item><?pi x?> <p:b/></p:item></p:name>"
    "<p:comment><p:item><![CDATA[ <c>\n ]]> <p:z/> </p:item><p:item>  "
    "</p:item></p:comment></p:fileInfoMember>"
    "<p:fileInfoMember label='FileVersion' xml:space='preserve'><p:data><p:item> <p:b/> <p:c "
    "xml:space='default'> <p:d/> </p:c></p:item></p:data></p:fileInfoMember>";

struct TreeCase {
    const char* name;
    QByteArray xml;
};

const TreeCase kTreeCases[] = {
    {"MixedContentAndCData", InFile(kTreeBody)},
    {"LineEnds", InFile("<p:fileInfoMember label='A\r\nB'><p:data><p:item>a\r\nb\rc&#13;\r\n</p:item>"
                        "<p:item>\r\n<p:b/>\r\n \r\n<p:c/>\r\n</p:item></p:data></p:fileInfoMember>\r\n")},
    {"References", InFile("<p:fileInfoMember label='a&amp;b &#38; &lt;c&gt;&#9;d\te &quot;'><p:data>"
                          "<p:item>&amp;&#38;&#x41;&lt;&#32;</p:item></p:data></p:fileInfoMember>"
                          "<p:fileInfoMember label='Languag&#101;'><p:data><p:item>ja</p:item></p:data>"
                          "</p:fileInfoMember>")},
    {"OtherNamespaces",
     Profile(
         "<p:device label='D' xmlns:q='urn:q'><q:deviceInfo><p:deviceInfoMember label='Version'><p:data>"
         "<p:item>q</p:item></p:data></p:deviceInfoMember></q:deviceInfo><p:deviceInfo label='I'>"
         "<q:comment><q:item>qc</q:item></q:comment><p:comment><q:item>c1</q:item><p:item>c2</p:item>"
         "</p:comment><p:deviceInfoMember label='Version'><p:data><q:item>v0</q:item><p:item>v1</p:item>"
         "</p:data></p:deviceInfoMember></p:deviceInfo></p:device><p:device><p:deviceInfo>"
         "<p:deviceInfoMember label='Version'><p:data><p:item>v2</p:item></p:data></p:deviceInfoMember>"
         "<p:deviceInfoMember label='DeviceModel'><p:data><p:item>m</p:item></p:data></p:deviceInfoMember>"
         "</p:deviceInfo></p:device>")},
    {"LongBlankRuns",
     InFile("<p:fileInfoMember label='L'><p:data><p:item>\xc3\xa9<p:b/>" + QByteArray(700, ' ') +
            "\xc3\xa9 <p:c/>" + QByteArray(900, ' ') + "<p:d/></p:item></p:data></p:fileInfoMember>")},
    {"Latin1", "<?xml version='1.0' encoding='ISO-8859-1'?>" +
                   InFile("<p:fileInfoMember label='\xe9'><p:data><p:item>\xe9 <p:b/> </p:item></p:data>"
                          "</p:fileInfoMember>")
                       .mid(38)},
    {"Utf16", Utf16(InFile(kTreeBody))},
};

}  // namespace

// The reader never builds the tree; what it reads must be what the tree holds.
TEST(ProfileXmlReader, ReadsWhatTheDocumentTreeHolds) {
    QList<TreeCase> cases(std::begin(kTreeCases), std::end(kTreeCases));
    for (quint32 seed = 1; seed <= 12; ++seed) cases.append({"Random", GenerateRandomProfile(seed)});
    // A part large enough to be built on several threads at once.
    QTemporaryDir dir;
    ProfileShape shape;
    shape.largePartElements = 9000;
    ASSERT_GT(GenerateProfile(dir.filePath("large.pelp"), shape).members, 9000);
    cases.append({"LargePart", TestFiles::Read(dir.filePath("large.pelp"))});
    for (const TreeCase& c : cases) {
        auto root = Load(c.xml);
        const QString tree = DumpTree(c.xml);
        EXPECT_EQ(Dump(*root).toStdString(), tree.toStdString()) << c.name;
        EXPECT_GT(tree.count('\n'), 2) << c.name;
    }
}
