#include <gtest/gtest.h>

#include <QDir>
#include <memory>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "IProfilePlugin.h"
#include "MapStringSource.h"
#include "PELFMExceptions.h"
#include "ProfileXmlTestFiles.h"
#include "ProjectXmlTestData.h"
#include "ProjectXmlWriter.h"
#include "XmlDocument.h"
#include "XmlError.h"

namespace {

using Data = ProfileInnerConst::_ST_PELFM_DATAINFO;
using ProfileInnerConst::DATA_ENUM_REF_ITEM;
using ProfileInnerConst::DATA_ITEM;

const QString kNs = QStringLiteral("http://pelora.example/peloraformachine/ver3/");

// Answers the two questions the project writer asks; nothing else is called.
class NamespacePlugin : public IProfilePlugin {
public:
    void GetPluginInfo(_ST_CT_PLUGININFO&) override {}
    int IsAvailable() override { return 1; }
    void ReservedOperation() override {}
    void GetFileExtensions(QString* e) override {
        e[0] = QStringLiteral("pelproj");
        e[1] = QStringLiteral("pelp");
    }
    QString GetSchemaFileName(QString ext) override {
        return ext.compare(QLatin1String("pelp"), Qt::CaseInsensitive) == 0
                   ? QStringLiteral("PeloraSchema.xsd")
                   : QString();
    }
    int SaveProfile(QString, CPELFM_ProfileInfo*) override { return 0; }
    int CreateArchive(QString, QList<QString>*, QString) override { return 0; }
    void GetInfoElementTemplates(QList<_ST_CT_ELEM_INFO>*, QList<_ST_CT_ELEM_INFO>*) override {}
    void GetBlockInfoTemplates(QList<_ST_CT_ELEM_INFO>*) override {}
    void GetCommIfInfoTemplates(QList<_ST_CT_ELEM_INFO>*) override {}
    void GetDeviceIfTemplates(QList<_ST_CT_ELEM_INFO>*) override {}
    void GetBlockMemoryTemplates(QList<_ST_CT_ELEM_INFO>*) override {}
    void GetBlockParamTemplates(QList<_ST_CT_ELEM_INFO>*) override {}
    QString GetNamespaceUri() override { return kNs; }
    void CheckProfile(ICheckProgressSink*, CPELFM_ProfileInfo*, QList<_ST_PEL_CHECK_MESSAGE>&) override {}
    void SetDeviceModelPluginKind(int) override {}
    void GetItemKindsOfPart(int, QList<int>&) override {}
    void GetPartKindsOfSection(int, QList<int>&) override {}
    int IsElementEditable(CPELFM_ElemInfo*) override { return 1; }
    int ValidateLabel(QString, int) override { return 0; }
    QString GetDataTypeList() override { return {}; }
    int EditConnectionInfo(QWidget*, CPELFM_ProfileInfo*, QList<CPELFM_PartInfo*>*,
                           QList<CPELFM_PartInfo*>*) override {
        return 0;
    }
};

const MapStringSource& kTexts = TestData::ProjectTexts();

class Builder {
public:
    CPELFM_SectionInfo* Section(const QString& name, int type, const QString& comment = {}) {
        auto* s = new CPELFM_SectionInfo;
        s->name = name;
        s->sectionType = type;
        s->comment = comment;
        s->parent = root.get();
        root->sections.append(s);
        return s;
    }
    CPELFM_PartInfo* Part(CPELFM_SectionInfo* s, const QString& name, int type) {
        auto* p = new CPELFM_PartInfo;
        p->name = name;
        p->partType = type;
        p->ownerSection = s;
        s->parts.append(p);
        return p;
    }
    CPELFM_ElemInfo* Elem(CPELFM_PartInfo* p, const QString& label) {
        auto* e = new CPELFM_ElemInfo;
        e->label = label;
        e->ownerPart = p;
        p->AddElem(e);
        return e;
    }
    CPELFM_ItemInfo* Item(CPELFM_ElemInfo* e, int type, const QList<Data>& values) {
        auto* i = new CPELFM_ItemInfo;
        i->itemType = type;
        i->ownerElem = e;
        i->values = values;
        e->AddItem(i);
        return i;
    }
    std::unique_ptr<CPELFM_ProfileInfo> root = std::make_unique<CPELFM_ProfileInfo>();
};

class ProjectXmlWriterTest : public testing::Test {
protected:
    QString Save(CPELFM_ProfileInfo* root, IProfilePlugin* plugin = nullptr) {
        const QString path = dir.filePath(QStringLiteral("p.pelproj"));
        EXPECT_EQ(SaveProfileDocument(root, plugin ? plugin : &this->plugin, kTexts, path), 0);
        return path;
    }
    XmlNode SavedRoot(CPELFM_ProfileInfo* root) {
        return XmlDocument::LoadFile(Save(root)).DocumentElement();
    }
    static QStringList ChildNames(const XmlNode& n) {
        QStringList out;
        for (const XmlNode& c : n.ChildElements()) out << c.QualifiedName();
        return out;
    }

    QTemporaryDir dir;
    NamespacePlugin plugin;
    Builder b;
};

TEST_F(ProjectXmlWriterTest, RootCarriesTheNamespaceAndNoWhiteSpaceIsAdded) {
    b.Section("F", SECTION_FILE);
    const QString path = Save(b.root.get());
    const QByteArray bytes = TestFiles::Read(path);
    EXPECT_TRUE(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>")) << bytes.constData();
    EXPECT_EQ(bytes.count("<?xml"), 1);
    EXPECT_FALSE(bytes.mid(bytes.indexOf("?>") + 2).trimmed().contains('\n'));
    XmlNode root = XmlDocument::LoadFile(path).DocumentElement();
    EXPECT_EQ(root.QualifiedName(), QStringLiteral("p:profile"));
    EXPECT_EQ(root.NamespaceUri(), kNs);
    // The project extension has no schema file name: the location is the namespace and one space.
    EXPECT_EQ(root.Attribute(QStringLiteral("xsi:schemaLocation")), kNs + QLatin1Char(' '));
    EXPECT_EQ(ChildNames(root), QStringList{"p:file"});
}

TEST_F(ProjectXmlWriterTest, SectionsAreWrittenByTypeAndUnknownNodesAreLeftOut) {
    b.Section("B1", SECTION_BLOCK);
    b.Section("F", SECTION_FILE);
    CPELFM_SectionInfo* b2 = b.Section("B2", SECTION_BLOCK);
    b.Section("X", SECTION_UNKNOW);
    b.Section("C", SECTION_COMM_IF);
    b.Section("D", SECTION_DEVICE);
    b.Part(b2, "Unknown", PART_UNKNOW);
    CPELFM_ElemInfo* e = b.Elem(b.Part(b2, "E", PART_ENUM), "A");
    b.Item(e, ITEM_UNKNOWN, {{DATA_ITEM, "u"}});
    b.Item(e, CODE, {{DATA_ITEM, "1"}});
    XmlNode root = SavedRoot(b.root.get());
    EXPECT_EQ(ChildNames(root), (QStringList{"p:file", "p:device", "p:commIf", "p:block", "p:block"}));
    XmlNode block2 = root.ChildElements()[4];
    EXPECT_EQ(block2.Attribute("label"), QStringLiteral("B2"));
    EXPECT_EQ(ChildNames(block2), QStringList{"p:enum"});
    EXPECT_EQ(ChildNames(block2.FirstChildElement()), QStringList{"p:enumMember"});
    EXPECT_EQ(ChildNames(block2.FirstChildElement().FirstChildElement()), QStringList{"p:code"});
}

TEST_F(ProjectXmlWriterTest, CommentsAndLabel2AreTrimmedInTheModelAndLeftOutWhenEmpty) {
    CPELFM_SectionInfo* s = b.Section("B", SECTION_BLOCK, "   ");
    CPELFM_PartInfo* p = b.Part(s, "P", PART_BLOCK_PARAM);
    p->label2 = QStringLiteral("  two\t");
    p->comment = QString::fromUtf8("\n 注釈\u3000 ");
    XmlNode root = SavedRoot(b.root.get());
    EXPECT_TRUE(s->comment.isEmpty());
    EXPECT_EQ(p->label2, QStringLiteral("two"));
    EXPECT_EQ(p->comment, QString::fromUtf8("注釈\u3000"));  // the ideographic space is text
    XmlNode section = root.FirstChildElement();
    EXPECT_EQ(ChildNames(section), QStringList{"p:blockParam"});
    XmlNode part = section.FirstChildElement();
    EXPECT_EQ(ChildNames(part), (QStringList{"p:label2", "p:comment"}));
    EXPECT_EQ(part.FirstChildElement().FirstChildElement().Text(), QStringLiteral("two"));
}

TEST_F(ProjectXmlWriterTest, ValueElementsFollowTheValueKind) {
    CPELFM_PartInfo* p = b.Part(b.Section("B", SECTION_BLOCK), "M", PART_BLOCK_MEMORY);
    CPELFM_ElemInfo* e = b.Elem(p, "E");
    b.Item(e, DATA, {{DATA_ITEM, "1"}, {DATA_ITEM, "2"}, {DATA_ITEM, "3"}});
    b.Item(e, DATATYPE, {{DATA_ENUM_REF_ITEM, "Enum1"}});
    b.Item(e, NAME, {{DATA_ENUM_REF_ITEM, "n"}});
    b.Item(e, ACCESS, {{DATA_ENUM_REF_ITEM, "R"}, {DATA_ITEM, "W"}});
    b.Item(e, REF_PARAM, {{DATA_ITEM, "M.*"}, {DATA_ITEM, "x"}});
    XmlNode member = SavedRoot(b.root.get()).FirstChildElement().FirstChildElement().FirstChildElement();
    const QList<XmlNode> items = member.ChildElements();
    ASSERT_EQ(items.size(), 5);
    EXPECT_EQ(ChildNames(items[0]), (QStringList{"p:item", "p:item", "p:item"}));
    EXPECT_EQ(items[0].ChildElements()[2].Text(), QStringLiteral("3"));
    EXPECT_EQ(ChildNames(items[1]), QStringList{"p:enumRefItem"});
    EXPECT_EQ(ChildNames(items[2]), QStringList{"p:item"});  // the item type decides first
    EXPECT_EQ(ChildNames(items[3]), (QStringList{"p:enumRefItem", "p:item"}));
    // "*" is not expanded in a project file.
    EXPECT_EQ(items[4].FirstChildElement().Text(), QStringLiteral("M.*"));
    EXPECT_EQ(e->rowIndex, 0);
}

TEST_F(ProjectXmlWriterTest, RowIndexesAreSetAndUnloadedPartsAreWritten) {
    QTemporaryDir src;
    const QString input = TestFiles::Write(
        src, "in.pelproj",
        TestFiles::Profile(
            "<p:block label='B'><p:enum label='E'><p:enumMember label='A'><p:code><p:item>1</p:item>"
            "</p:code></p:enumMember><p:enumMember label='B'><p:code><p:item>2</p:item></p:code>"
            "</p:enumMember></p:enum></p:block>"));
    CPELFM_ProfileInfo loaded(input, 0);
    CPELFM_PartInfo* part = loaded.sections[0]->parts[0];
    ASSERT_EQ(part->loaded, 0);
    XmlNode root = SavedRoot(&loaded);
    EXPECT_EQ(part->loaded, 1);
    EXPECT_EQ(root.FirstChildElement().FirstChildElement().ChildElements().size(), 2);
    EXPECT_EQ(part->Elems()[1]->rowIndex, 1);
    part->Elems()[1]->rowIndex = 7;
    Save(&loaded);
    EXPECT_EQ(part->Elems()[1]->rowIndex, 1);
}

TEST_F(ProjectXmlWriterTest, ReadOnlyProjectFileIsReplaced) {
    b.Section("F", SECTION_FILE);
    const QString path = dir.filePath(QStringLiteral("p.pelproj"));
    TestFiles::Write(dir, "p.pelproj", "old");
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    Save(b.root.get());
    EXPECT_TRUE(TestFiles::Read(path).contains("p:file"));
}

struct FailureCase {
    const char* name;
    int code;  // 0: XmlError
};

class ProjectXmlWriterFailures : public ProjectXmlWriterTest,
                                 public testing::WithParamInterface<FailureCase> {};

TEST_P(ProjectXmlWriterFailures, NothingIsReplacedOnFailure) {
    const QString name = QString::fromUtf8(GetParam().name);
    QString path = dir.filePath(QStringLiteral("p.pelproj"));
    TestFiles::Write(dir, "p.pelproj", "old");
    IProfilePlugin* plugin = &this->plugin;
    CPELFM_ProfileInfo* root = b.root.get();
    CPELFM_ElemInfo* e = b.Elem(b.Part(b.Section("B", SECTION_BLOCK), "P", PART_BLOCK_PARAM), "E");
    if (name == "NoRoot") root = nullptr;
    if (name == "ItemWithoutValue") b.Item(e, DATA, {});
    if (name == "ControlCharacter") b.Item(e, DATA, {{DATA_ITEM, QStringLiteral("a") + QChar(0x07)}});
    if (name == "NoPlugin") plugin = nullptr;
    if (name == "TargetIsAFolder") {
        path = dir.filePath(QStringLiteral("folder"));
        QDir(dir.path()).mkdir(QStringLiteral("folder"));
    }
    try {
        SaveProfileDocument(root, plugin, kTexts, path);
        FAIL() << "saved";
    } catch (const CPELFM_ExceptionBase& ex) {
        EXPECT_EQ(ex.code, GetParam().code);
    } catch (const XmlError&) {
        EXPECT_EQ(GetParam().code, 0);
    }
    EXPECT_EQ(TestFiles::Read(dir.filePath(QStringLiteral("p.pelproj"))), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Table, ProjectXmlWriterFailures,
                         testing::Values(FailureCase{"NoRoot", CPELFM_NULL_Exception::Code_},
                                         FailureCase{"ItemWithoutValue", CPELFM_InvalidDescException::Code_},
                                         FailureCase{"ControlCharacter", 0}, FailureCase{"NoPlugin", 0},
                                         FailureCase{"TargetIsAFolder", CPELFM_WriteFileException::Code_}),
                         [](const testing::TestParamInfo<FailureCase>& i) {
                             return std::string(i.param.name);
                         });

// Every section and part type, lists, enumeration references, multi-line comments, carriage returns,
// markup characters and Japanese text survive a save and a load unchanged.
void BuildRichProfile(Builder& b) {
    int n = 0;
    for (const auto& l : TestData::EveryPartKind()) {
        CPELFM_SectionInfo* s = b.Section(QStringLiteral("S%1").arg(l.section), l.section,
                                          QString::fromUtf8("セクション & <注釈>"));
        for (int type : l.parts) {
            CPELFM_PartInfo* p = b.Part(s, QStringLiteral("P%1").arg(type), type);
            p->label2 = QString::fromUtf8("ラベル\"%1\"").arg(type);
            p->comment = QStringLiteral("line1\nline2");
            for (int r = 0; r < 2; ++r) {
                CPELFM_ElemInfo* e = b.Elem(p, QStringLiteral("E%1_%2").arg(type).arg(r));
                for (int item = LABEL2; item <= RELATION; ++item) {
                    ++n;
                    if (item == COMMENT) {
                        b.Item(e, item, {{DATA_ITEM, QString::fromUtf8("一行目\n二行目\r\n三 & < > \"")}});
                    } else if (item == DATATYPE) {
                        b.Item(e, item, {{DATA_ENUM_REF_ITEM, "Enum1"}});
                    } else if (n % 3 == 0) {
                        b.Item(e, item, {{DATA_ITEM, "a"}, {DATA_ITEM, "b.c"}, {DATA_ITEM, "<x>"}});
                    } else {
                        b.Item(e, item, {{DATA_ITEM, QString::fromUtf8("値%1\r値").arg(n)}});
                    }
                }
            }
        }
    }
    // Header values the reader picks up.
    CPELFM_ElemInfo* lang = b.root->sections[0]->parts[0]->Elems()[0];
    lang->label = QStringLiteral("Language");
    lang->FindItem(DATA, 0)->values = {{DATA_ITEM, "ja"}};
}

std::string Describe(CPELFM_ProfileInfo& root) {
    QString out;
    for (CPELFM_SectionInfo* s : root.sections) {
        out += QStringLiteral("S %1 %2 [%3]\n").arg(s->sectionType).arg(s->name, s->comment);
        for (CPELFM_PartInfo* p : s->parts) {
            out +=
                QStringLiteral(" P %1 %2 [%3] [%4]\n").arg(p->partType).arg(p->name, p->label2, p->comment);
            for (CPELFM_ElemInfo* e : p->Elems()) {
                out += QStringLiteral("  E %1\n").arg(e->label);
                for (CPELFM_ItemInfo* i : e->items) {
                    out += QStringLiteral("   I %1").arg(i->itemType);
                    for (const Data& v : i->values)
                        out += QStringLiteral(" {%1:%2}").arg(v.dataKind).arg(v.text);
                    out += QLatin1Char('\n');
                }
            }
        }
    }
    return out.toStdString();
}

// What is written reads back, on both sides of libxml2's default limit of 10,000,000 bytes.
TEST_F(ProjectXmlWriterTest, LongSectionNamesAndLabelsReadBack) {
    for (const qsizetype length : {9990000, 10000001}) {
        Builder written;
        CPELFM_SectionInfo* s = written.Section(QString(length, QLatin1Char('s')), SECTION_BLOCK);
        written.Elem(written.Part(s, "P", PART_BLOCK_PARAM), QString(length, QLatin1Char('e')));
        CPELFM_ProfileInfo back(Save(written.root.get()), 0);
        ASSERT_EQ(back.sections.size(), 1);
        EXPECT_EQ(back.sections[0]->name, s->name) << length;
        EXPECT_EQ(back.sections[0]->parts[0]->Elems().value(0)->label.size(), length);
    }
}

TEST_F(ProjectXmlWriterTest, RichProfileReadsBackAsAnEqualTree) {
    BuildRichProfile(b);
    const QString path = Save(b.root.get());
    CPELFM_ProfileInfo back(path, 0);
    EXPECT_EQ(Describe(back), Describe(*b.root));
    EXPECT_EQ(back.language, QStringLiteral("ja"));
    // A second round changes nothing.
    const QByteArray first = TestFiles::Read(path);
    SaveProfileDocument(&back, &plugin, kTexts, path);
    EXPECT_EQ(TestFiles::Read(path), first);
}

}  // namespace
