// The profile writer of each staged build, driven through IProfilePlugin::SaveProfile; the written
// file is read back with the XML layer and compared as an outline.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "LoadedPlugin.h"
#include "PELFMExceptions.h"
#include "PluginApi.h"
#include "ProfileTreeBuilder.h"
#include "ProfileTreeDump.h"
#include "QtPrinters.h"
#include "XmlDocument.h"
#include "XmlError.h"
#include "XmlOutline.h"
#include "XmlSchema.h"

namespace {

struct Format {
    const char* file;
    bool hasReadCondition;
    bool hasRelation;
    const char* schemaFolder;
};

const Format kFormats[] = {
    {"PublicPlugin/PeloraMachine_3.so", true, true, "3"},
    {"PublicPlugin/PeloraMachine_2.so", true, false, "2"},
    {"PublicPlugin/PeloraMachine.so", false, false, "1"},
};

QString SchemaPath(const char* folder) {
    return QString(PEL_OUT_DIR) + "/Schema/" + folder + "/PeloraSchema.xsd";
}

// xmllint's verdict, an independent validator: "" when the file is valid.
QString Xmllint(const QString& schema, const QString& file) {
    QProcess p;
    p.start("xmllint", {"--noout", "--nonet", "--schema", schema, file});
    if (!p.waitForFinished(60000)) return "xmllint did not finish";
    return p.exitCode() == 0 ? QString() : QString::fromUtf8(p.readAllStandardError());
}

void PrintTo(const Format& f, std::ostream* os) {
    *os << f.file;
}

class ProfileWriterTest : public ::testing::TestWithParam<Format> {
protected:
    void SetUp() override {
        lib = std::make_unique<LoadedPlugin>(GetParam().file);
        ASSERT_TRUE(lib->IsOpen()) << lib->Error();
        plugin = lib->Instance<IProfilePlugin>();
        ASSERT_NE(plugin, nullptr);
        ns = plugin->GetNamespaceUri();
        path = dir.filePath("out.pelp");
    }
    void TearDown() override { lib->DeleteInstance(); }

    // The outline of every section of the written file.
    QString SaveAndOutline() {
        EXPECT_EQ(plugin->SaveProfile(path, &root), 1);
        const XmlDocument doc = XmlDocument::LoadFile(path);
        const XmlNode profile = doc.DocumentElement();
        EXPECT_EQ(profile.LocalName(), "profile");
        QStringList parts;
        for (const XmlNode& c : profile.ChildElements()) parts << XmlOutline(c, ns);
        return parts.join(",");
    }

    std::unique_ptr<LoadedPlugin> lib;
    IProfilePlugin* plugin = nullptr;
    QString ns;
    QTemporaryDir dir;
    QString path;
    CPELFM_ProfileInfo root;
};

TEST_P(ProfileWriterTest, RootDeclaresNamespaceAndSchemaLocationOnly) {
    AddSection(root, SECTION_FILE, "F");
    ASSERT_EQ(plugin->SaveProfile(path, &root), 1);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"))
        << bytes.left(60).toStdString();
    EXPECT_FALSE(bytes.contains("schemaVersion"));
    // Nothing but the line after the declaration separates the elements.
    EXPECT_EQ(bytes.count('\n'), bytes.endsWith('\n') ? 2 : 1) << bytes.toStdString();

    const XmlNode profile = XmlDocument::LoadFile(path).DocumentElement();
    EXPECT_EQ(profile.QualifiedName(), "p:profile");
    EXPECT_EQ(profile.NamespaceUri(), ns);
    EXPECT_EQ(profile.Attribute("xsi:schemaLocation"), ns + " PeloraSchema.xsd");
    EXPECT_EQ(XmlOutline(profile.FirstChildElement(), ns), "file[F]()");
}

TEST_P(ProfileWriterTest, SectionsAndPartsGoInKindOrder) {
    AddSection(root, SECTION_BLOCK, "B1");
    AddSection(root, SECTION_UNKNOW, "U");
    AddSection(root, SECTION_FILE, "F");
    CPELFM_SectionInfo* device = AddSection(root, SECTION_DEVICE, "D");
    AddSection(root, SECTION_BLOCK, "B2");
    AddPart(device, PART_ENUM, "E");  // not a part of a DEVICE section
    AddPart(device, PART_DEVICE_IF, "IF1");
    AddPart(device, PART_DEVICE_INFO, "DI");
    AddPart(device, PART_DEVICE_IF, "IF2");
    EXPECT_EQ(
        SaveAndOutline(),
        "file[F](),device[D]{deviceInfo[DI](),deviceIf[IF1](),deviceIf[IF2]()},block[B1](),block[B2]()");
}

TEST_P(ProfileWriterTest, CommentsAndLabel2AreTrimmedInTheModel) {
    CPELFM_SectionInfo* s = AddSection(root, SECTION_COMM_IF, "C", "   ");
    CPELFM_PartInfo* info = AddPart(s, PART_COMM_IF_INFO, "CI", "  two  ", "\tnote ");
    CPELFM_PartInfo* blank = AddPart(s, PART_ENUM, "EN", " ", " ");
    EXPECT_EQ(SaveAndOutline(),
              "commIf[C]{commIfInfo[CI]{label2{item(two)},comment{item(note)}},enum[EN]()}");
    EXPECT_EQ(s->comment, "");
    EXPECT_EQ(info->label2, "two");
    EXPECT_EQ(info->comment, "note");
    EXPECT_EQ(blank->label2, "");
}

TEST_P(ProfileWriterTest, ElementsWithoutLabelOrInformationWithoutDataAreLeftOut) {
    CPELFM_SectionInfo* file = AddSection(root, SECTION_FILE, "F");
    CPELFM_PartInfo* fi = AddPart(file, PART_FILE_INFO, "FI");
    AddElem(fi, "Language", {{LABEL2, {"lang"}}, {DATA, {""}}});
    AddElem(fi, "NoData", {{LABEL2, {"x"}}});
    AddElem(fi, "", {{DATA, {"1"}}});
    AddElem(fi, "FileVersion", {{DATA, {"1.0"}}, {LABEL2, {"v"}}});
    CPELFM_SectionInfo* comm = AddSection(root, SECTION_COMM_IF, "C");
    CPELFM_PartInfo* var = AddPart(comm, PART_COMM_IF_VARIABLE, "V");
    AddElem(var, "Language", {{LABEL2, {"lang"}}, {DATA, {""}}});
    AddElem(var, "", {{LABEL2, {"x"}}});
    EXPECT_EQ(SaveAndOutline(),
              "file[F]{fileInfo[FI]{fileInfoMember[FileVersion]{label2{item(v)},data{item(1.0)}}}},"
              "commIf[C]{commIfVariable[V]{commIfVariableMember[Language]{label2{item(lang)}}}}");
}

TEST_P(ProfileWriterTest, ItemsFollowThePartKindsOrder) {
    CPELFM_SectionInfo* block = AddSection(root, SECTION_BLOCK, "B");
    CPELFM_PartInfo* param = AddPart(block, PART_BLOCK_PARAM, "P");
    AddElem(param, "P_Cycle",
            {{COMMENT, {"c"}}, {RANGE, {"(0,1)"}}, {DATA, {"5"}}, {LABEL, {"L"}}, {NAME, {"n"}}});
    CPELFM_PartInfo* mem = AddPart(block, PART_BLOCK_MEMORY, "M");
    AddElem(mem, "P_Value", {{COMMENT, {"c"}}, {RELATION, {"r"}}, {ASSIGN, {"a"}}, {DATATYPE, {"INT16"}}});
    CPELFM_SectionInfo* comm = AddSection(root, SECTION_COMM_IF, "C");
    CPELFM_PartInfo* conf = AddPart(comm, PART_COMM_IF_CONFIGURATION, "K");
    AddElem(conf, "Cfg", {{REF_PARAM, {"B.P.P_Cycle"}}, {READ_CONDITION, {"a==1"}}, {ACCESS, {"R"}}});

    const QString relation = GetParam().hasRelation ? "relation{item(r)}," : "";
    const QString condition = GetParam().hasReadCondition ? "readCondition{item(a==1)}," : "";
    EXPECT_EQ(
        SaveAndOutline(),
        "commIf[C]{commIfConfiguration[K]{commIfConfigurationMember[Cfg]{access{item(R)}," + condition +
            "refParam{item(B.P.P_Cycle)}}}},"
            "block[B]{blockMemory[M]{blockMemoryMember[P_Value]{datatype{item(INT16)},assign{item(a)}," +
            relation +
            "comment{item(c)}}},blockParam[P]{blockParamMember[P_Cycle]{name{item(n)},data{item(5)},"
            "comment{item(c)}}}}");
}

TEST_P(ProfileWriterTest, ValueElements) {
    CPELFM_SectionInfo* block = AddSection(root, SECTION_BLOCK, "B");
    CPELFM_PartInfo* mem = AddPart(block, PART_BLOCK_MEMORY, "M");
    CPELFM_ElemInfo* e = AddElem(mem, "P_Value", {});
    AddItem(e, {LABEL2, {"a", "b", "c"}});
    AddItem(e, {CATEGORY, {"x", "", "z"}});
    AddItem(e, {NAME, {""}});
    AddItem(e, {DATATYPE, {"EnumPart"}, ProfileInnerConst::DATA_ENUM_REF_ITEM});
    AddItem(e, {ENG_UNIT, {"deg"}, ProfileInnerConst::DATA_ENUM_REF_ITEM});
    // A kind cached before the values became a list must not cut the list to its first value.
    CPELFM_ItemInfo* range = AddItem(e, {RANGE, {"(0,1)", "(2,3)"}});
    range->valueKind = VALUE_RANGE;
    CPELFM_PartInfo* param = AddPart(block, PART_BLOCK_PARAM, "P");
    AddElem(param, "P_Accuracy", {{DATA, {"Enum1"}, ProfileInnerConst::DATA_ENUM_REF_ITEM}});
    EXPECT_EQ(SaveAndOutline(),
              "block[B]{blockMemory[M]{blockMemoryMember[P_Value]{label2{item(a),item(b),item(c)},"
              "datatype{enumRefItem(EnumPart)},range{item((0,1)),item((2,3))},engUnit{enumRefItem(deg)}}},"
              "blockParam[P]{blockParamMember[P_Accuracy]{data{item(Enum1)}}}}");
}

TEST_P(ProfileWriterTest, TextIsEscapedAndKeptWhole) {
    CPELFM_SectionInfo* dev = AddSection(root, SECTION_DEVICE, QString::fromUtf8("装置"));
    CPELFM_PartInfo* di = AddPart(dev, PART_DEVICE_INFO, "DI");
    AddElem(di, "VendorName", {{DATA, {QString::fromUtf8("a & b <c> \"d\" 日本")}}});
    EXPECT_EQ(SaveAndOutline(), QString::fromUtf8("device[装置]{deviceInfo[DI]{deviceInfoMember[VendorName]{"
                                                  "data{item(a & b <c> \"d\" 日本)}}}}"));
}

// Failures arrive as model exceptions the host catches by type; the earlier file stays as it was.
TEST_P(ProfileWriterTest, FailuresAreModelExceptionsAndKeepTheFile) {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();

    CPELFM_SectionInfo* block = AddSection(root, SECTION_BLOCK, "B");
    CPELFM_PartInfo* mem = AddPart(block, PART_BLOCK_MEMORY, "M");
    CPELFM_ElemInfo* e = AddElem(mem, "P_Value", {{COMMENT, {}}});
    try {
        plugin->SaveProfile(path, &root);
        ADD_FAILURE() << "an item without values was written";
    } catch (const CPELFM_InvalidDescException& ex) {
        EXPECT_EQ(ex.code, 6);
    }
    e->items.first()->values.append({1, "fine"});

    CPELFM_SectionInfo* file = AddSection(root, SECTION_FILE, "F");
    CPELFM_ElemInfo* info = AddElem(AddPart(file, PART_FILE_INFO, "FI"), "Language", {{DATA, {}}});
    EXPECT_THROW(plugin->SaveProfile(path, &root), CPELFM_InvalidDescException);
    info->items.first()->values.append({1, "ja"});

    try {
        plugin->SaveProfile(dir.filePath("missing/folder/out.pelp"), &root);
        ADD_FAILURE() << "saved into a missing folder";
    } catch (const CPELFM_WriteFileException& ex) {
        EXPECT_EQ(ex.code, 10);
    }

    // Text XML cannot carry is refused before anything is replaced.
    info->items.first()->values[0].text = QString("j") + QChar(0x01);
    EXPECT_THROW(plugin->SaveProfile(path, &root), XmlError);

    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old");
    old.close();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"out.pelp"});
}

TEST_P(ProfileWriterTest, ReadOnlyTargetIsReplaced) {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser));
    AddSection(root, SECTION_FILE, "F");
    EXPECT_EQ(SaveAndOutline(), "file[F]()");
}

// Every section and part kind with every item kind the format writes for it, lists, enumeration
// references, Japanese and markup characters: the file validates against the format's schema and
// reads back through the schema-checked loader into the same tree.
TEST_P(ProfileWriterTest, RichProfileValidatesAndReadsBackUnchanged) {
    const std::pair<int, std::vector<int>> layout[] = {
        {SECTION_FILE, {PART_FILE_INFO}},
        {SECTION_DEVICE, {PART_DEVICE_INFO, PART_DEVICE_IF, PART_DEVICE_IF}},
        {SECTION_COMM_IF, {PART_COMM_IF_INFO, PART_COMM_IF_VARIABLE, PART_COMM_IF_CONFIGURATION, PART_ENUM}},
        {SECTION_BLOCK, {PART_BLOCK_INFO, PART_BLOCK_MEMORY, PART_BLOCK_PARAM, PART_ENUM}},
        {SECTION_BLOCK, {PART_BLOCK_INFO}},
    };
    int n = 0;
    for (const auto& [sectionKind, partKinds] : layout) {
        ++n;
        CPELFM_SectionInfo* s =
            AddSection(root, sectionKind, QString("Sec%1").arg(n), QString::fromUtf8("説明 & <%1>").arg(n));
        for (int partKind : partKinds) {
            ++n;
            CPELFM_PartInfo* p =
                AddPart(s, partKind, QString("Part%1").arg(n), n % 2 ? "L2" : "", n % 3 ? "" : "c\"d\"");
            QList<int> kinds;
            plugin->GetItemKindsOfPart(partKind, kinds);
            for (int row = 0; row < 2; ++row) {
                CPELFM_ElemInfo* e = AddElem(p, QString("E%1_%2").arg(n).arg(row), {});
                for (int kind : kinds) {
                    if (kind == LABEL) continue;
                    if (kind == DATATYPE && row == 1) {
                        AddItem(e, {kind, {"EnumType"}, ProfileInnerConst::DATA_ENUM_REF_ITEM});
                    } else if (kind == DATA && row == 1) {
                        AddItem(e, {kind, {"1", QString::fromUtf8("二"), "3"}});
                    } else if (kind == COMMENT) {
                        AddItem(e, {kind, {"line 1\nline 2"}});
                    } else {
                        AddItem(e, {kind, {QString("v%1 <&>").arg(kind)}});
                    }
                }
            }
        }
    }
    const QString before = DumpTree(root);
    ASSERT_EQ(plugin->SaveProfile(path, &root), 1);

    const XmlSchema schema = XmlSchema::LoadFile(SchemaPath(GetParam().schemaFolder));
    EXPECT_EQ(schema.Validate(XmlDocument::LoadFile(path)), QString());
    EXPECT_EQ(Xmllint(SchemaPath(GetParam().schemaFolder), path), QString());

    const auto back = CPELFM_ProfileInfo::LoadWithSchemaCheck(
        path, QString(PEL_OUT_DIR) + "/Schema/%s/PeloraSchema.xsd", 0);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(DumpTree(*back), before);
}

// What is written reads back, on both sides of libxml2's default limit of 10,000,000 bytes.
TEST_P(ProfileWriterTest, LongSectionNamesAndLabelsReadBack) {
    for (const qsizetype length : {9990000, 10000001}) {
        CPELFM_ProfileInfo written;
        CPELFM_SectionInfo* s = AddSection(written, SECTION_BLOCK, QString(length, QLatin1Char('s')));
        AddElem(AddPart(s, PART_BLOCK_PARAM, "P"), QString(length, QLatin1Char('e')), {{DATA, {"1"}}});
        ASSERT_EQ(plugin->SaveProfile(path, &written), 1);
        const auto back = CPELFM_ProfileInfo::LoadWithSchemaCheck(path, SchemaPath("%s"), 0);
        ASSERT_EQ(back->sections.size(), 1);
        EXPECT_EQ(back->sections[0]->name, s->name) << length;
        EXPECT_EQ(back->sections[0]->parts[0]->Elems().value(0)->label.size(), length);
    }
}

INSTANTIATE_TEST_SUITE_P(Builds, ProfileWriterTest, ::testing::ValuesIn(kFormats), [](const auto& info) {
    return std::string(info.param.file).substr(13, std::string(info.param.file).size() - 16);
});

}  // namespace
