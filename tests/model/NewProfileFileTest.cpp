// The temporary project file of a new profile, written from the templates of the staged plug-ins.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "InvalidArgumentError.h"
#include "LoadedPlugin.h"
#include "MapStringSource.h"
#include "NewProfileFile.h"
#include "PluginApi.h"
#include "ProfileTreeDump.h"
#include "QtPrinters.h"
#include "XmlDocument.h"
#include "XmlOutline.h"

namespace {

const QString kProjectNs = QStringLiteral("http://pelora.example/peloraformachine/project/");

MapStringSource EditorTexts() {
    return {{62003, "fileInfoMember"},
            {62004, "deviceInfoMember"},
            {62005, "p:"},
            {62006, "p:profile"},
            {62007, "xmlns:xsi"},
            {62008, "http://www.w3.org/2001/XMLSchema-instance"},
            {62013, "xmlns:p"},
            {62014, kProjectNs},
            {62015, "xml"},
            {62016, "version='1.0' encoding='utf-8'"},
            {62017, "\\Temp"},
            {62018, "\\NewTemp.pelj"}};
}

// A device model that brings its own DEVICE_INFO templates.
class ExtraDeviceModel final : public IDeviceModelPlugin {
public:
    explicit ExtraDeviceModel(QList<_ST_CT_ELEM_INFO> templates) : templates_(std::move(templates)) {}
    void GetPluginInfo(_ST_CT_PLUGININFO&) override {}
    int IsSupportedProfilePlugin(QString, int) override { return 0; }
    int AcceptsPluginSelection(QList<_ST_CT_PLUGININFO>*) override { return 1; }
    void CheckProfile(QList<_ST_PEL_CHECK_MESSAGE>&, CPELFM_ProfileInfo*) override {}
    void GetCommIfInfoTemplates(QList<_ST_CT_ELEM_INFO>*) override {}
    int IsOwnDeviceModelName(QString) override { return 0; }
    void GetDeviceInfoTemplates(QList<_ST_CT_ELEM_INFO>* out) override { *out = templates_; }

private:
    QList<_ST_CT_ELEM_INFO> templates_;
};

QStringList Record() {
    return {"FileSec", " file comment ", "FileInfo", "",       "DevSec",   "   ",
            "DevInfo", "dev comment",    "  ",       "unused", "DevLabel2"};
}

struct Format {
    const char* file;
    const char* specVersion;
    const char* language;
    const char* schemaFolder;
};

const Format kFormats[] = {
    {"PublicPlugin/PeloraMachine_3.so", "3.0", "ja", "3"},
    {"PublicPlugin/PeloraMachine_2.so", "2.0", "ja", "2"},
    {"PublicPlugin/PeloraMachine.so", "1.1", "en", "1"},
};

void PrintTo(const Format& f, std::ostream* os) {
    *os << f.file;
}

class NewProfileFileTest : public ::testing::TestWithParam<Format> {
protected:
    void SetUp() override {
        lib = std::make_unique<LoadedPlugin>(GetParam().file);
        ASSERT_TRUE(lib->IsOpen()) << lib->Error();
        sources.profilePlugin = lib->Instance<IProfilePlugin>();
        ASSERT_NE(sources.profilePlugin, nullptr);
        sources.texts = &texts;
        sources.programFolder = program.path();
    }
    void TearDown() override { lib->DeleteInstance(); }

    // Member labels of a part of the written file, with the DATA values of each.
    static QStringList Members(const XmlNode& part) {
        QStringList out;
        for (const XmlNode& m : part.ChildElements()) {
            if (!m.HasAttribute("label")) continue;
            QStringList data;
            for (const XmlNode& v : m.SelectAll("p:data/p:item", {{"p", kProjectNs}})) data << v.Text();
            out << m.Attribute("label") + "=" + data.join("|");
        }
        return out;
    }

    std::unique_ptr<LoadedPlugin> lib;
    MapStringSource texts = EditorTexts();
    QTemporaryDir program;
    NewProfileSources sources;
};

TEST_P(NewProfileFileTest, WritesBothSectionsWithTheTemplates) {
    QString path;
    ASSERT_EQ(CreateNewProfileFile(sources, Record(), &path), 0);
    EXPECT_EQ(path, program.path() + "/Temp/NewTemp.pelj");

    const XmlNode root = XmlDocument::LoadFile(path).DocumentElement();
    EXPECT_EQ(root.QualifiedName(), "p:profile");
    EXPECT_EQ(root.NamespaceUri(), kProjectNs);
    const QList<XmlNode> sections = root.ChildElements();
    ASSERT_EQ(sections.size(), 2);

    // Section and part heads: only blank texts are left out; the written texts are not trimmed.
    const XmlNode file = sections[0], device = sections[1];
    EXPECT_EQ(XmlOutline(file.ChildElements()[0], kProjectNs), "comment{item(file comment)}");
    QFile raw(path);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    EXPECT_TRUE(raw.readAll().contains("<p:item> file comment </p:item>"));
    const XmlNode fileInfo = file.ChildElements()[1];
    EXPECT_EQ(fileInfo.QualifiedName(), "p:fileInfo");
    EXPECT_EQ(fileInfo.Attribute("label"), "FileInfo");
    EXPECT_EQ(device.QualifiedName(), "p:device");
    const XmlNode deviceInfo = device.ChildElements()[0];
    EXPECT_EQ(XmlOutline(deviceInfo.ChildElements()[0], kProjectNs), "label2{item(DevLabel2)}");
    EXPECT_EQ(XmlOutline(deviceInfo.ChildElements()[1], kProjectNs), "comment{item(dev comment)}");

    const QStringList fileMembers = Members(fileInfo);
    ASSERT_EQ(fileMembers.size(), 7);
    EXPECT_EQ(fileMembers[4], QString("Language=") + GetParam().language);
    EXPECT_EQ(fileMembers[5], QString("ProfileSpecVersion=") + GetParam().specVersion);
    EXPECT_EQ(Members(deviceInfo).size(), 10);
    EXPECT_EQ(Members(deviceInfo).first(), "VendorName=");

    // Every member carries its five items, each with one value, even an empty one.
    const XmlNode version =
        deviceInfo.SelectFirst("p:deviceInfoMember[@label='Version']", {{"p", kProjectNs}});
    QList<_ST_CT_ELEM_INFO> f, d;
    sources.profilePlugin->GetInfoElementTemplates(&f, &d);
    ASSERT_EQ(d[3].label, "Version");
    EXPECT_EQ(XmlOutline(version, kProjectNs), "deviceInfoMember[Version]{label2{item(" + d[3].label2 +
                                                   ")},category{item(COMMON)},name{item(" + d[3].name +
                                                   ")},datatype{item()},data{item()}}");
}

TEST_P(NewProfileFileTest, DeviceModelTemplatesFollowInTableOrder) {
    ExtraDeviceModel first({_ST_CT_ELEM_INFO{"Languages", "", "", "", "STRING(12)", {"ja", "en"}}});
    ExtraDeviceModel second({_ST_CT_ELEM_INFO{"Extra", "x", "", "n", "", {}}});
    LoadedPlugin corvix("PublicPlugin/Corvix.so");
    ASSERT_TRUE(corvix.IsOpen()) << corvix.Error();
    sources.deviceModelPlugins = {&first, corvix.Instance<IDeviceModelPlugin>(), &second};

    QString path;
    ASSERT_EQ(CreateNewProfileFile(sources, Record(), &path), 0);
    corvix.DeleteInstance();
    const XmlNode deviceInfo =
        XmlDocument::LoadFile(path).DocumentElement().ChildElements()[1].FirstChildElement();
    const QStringList members = Members(deviceInfo);
    ASSERT_EQ(members.size(), 12);
    // Two DATA strings stay two values rather than one line-joined text.
    EXPECT_EQ(members[10], "Languages=ja|en");
    EXPECT_EQ(members[11], "Extra=");
    const XmlNode extra = deviceInfo.SelectFirst("p:deviceInfoMember[@label='Extra']", {{"p", kProjectNs}});
    EXPECT_EQ(XmlOutline(extra, kProjectNs),
              "deviceInfoMember[Extra]{label2{item(x)},category{item()},name{item(n)},datatype{item()},data{"
              "item()}}");
}

TEST_P(NewProfileFileTest, ReadOnlyFileFromBeforeIsReplaced) {
    QDir().mkpath(program.filePath("Temp"));
    QFile old(program.filePath("Temp/NewTemp.pelj"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    ASSERT_TRUE(QFile::setPermissions(old.fileName(), QFile::ReadOwner));
    QString path;
    ASSERT_EQ(CreateNewProfileFile(sources, Record(), &path), 0);
    EXPECT_EQ(XmlDocument::LoadFile(path).DocumentElement().ChildElements().size(), 2);
}

// The whole way of a new profile: created from the templates, opened by the project reader, filled in,
// written by the format's writer, accepted by xmllint against the format's schema and read back by
// the schema-checked loader into the same tree.
TEST_P(NewProfileFileTest, NewProfileSavesValidAndReadsBackUnchanged) {
    ExtraDeviceModel extra({_ST_CT_ELEM_INFO{"Languages", "l2", "COMMON", "n", "STRING(12)", {"ja", "en"}}});
    sources.deviceModelPlugins = {&extra};
    QString projectPath;
    ASSERT_EQ(CreateNewProfileFile(sources, Record(), &projectPath), 0);

    CPELFM_ProfileInfo project(projectPath, 0);
    EXPECT_EQ(project.profileSpecVersion, GetParam().specVersion);
    EXPECT_EQ(project.language, GetParam().language);
    ASSERT_EQ(project.sections.size(), 2);
    CPELFM_PartInfo* deviceInfo = project.sections[1]->parts.value(0);
    ASSERT_NE(deviceInfo, nullptr);
    CPELFM_ElemInfo* languages = deviceInfo->FindElemByLabel("Languages");
    ASSERT_NE(languages, nullptr);
    const CPELFM_ItemInfo* data = languages->items.value(languages->FindItemIndex(DATA));
    ASSERT_NE(data, nullptr);
    ASSERT_EQ(data->values.size(), 2);
    EXPECT_EQ(data->values[1].text, "en");

    // What the author fills in before the profile is created; every template item now has a value.
    for (CPELFM_PartInfo* part : {project.sections[0]->parts.value(0), deviceInfo}) {
        QList<CPELFM_ElemInfo*> elems;
        part->GetElems(elems);
        for (CPELFM_ElemInfo* e : elems) {
            for (CPELFM_ItemInfo* i : e->items) {
                if (i->GetFirstValue().isEmpty())
                    i->SetFirstValue(i->itemType == DATATYPE ? "STRING(16)" : "x");
            }
        }
    }
    const QString pelp = program.filePath("new.pelp");
    ASSERT_EQ(sources.profilePlugin->SaveProfile(pelp, &project), 1);
    // The save trims comments in the model itself ("file comment" was padded).
    const QString before = DumpTree(project);
    EXPECT_EQ(project.sections[0]->comment, "file comment");

    QProcess lint;
    lint.start("xmllint",
               {"--noout", "--nonet", "--schema",
                QString(PEL_OUT_DIR) + "/Schema/" + GetParam().schemaFolder + "/PeloraSchema.xsd", pelp});
    ASSERT_TRUE(lint.waitForFinished(60000));
    EXPECT_EQ(lint.exitCode(), 0) << lint.readAllStandardError().toStdString();

    const auto back = CPELFM_ProfileInfo::LoadWithSchemaCheck(
        pelp, QString(PEL_OUT_DIR) + "/Schema/%s/PeloraSchema.xsd", 0);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(DumpTree(*back), before);
    EXPECT_EQ(back->profileSpecVersion, GetParam().specVersion);
}

INSTANTIATE_TEST_SUITE_P(Builds, NewProfileFileTest, ::testing::ValuesIn(kFormats),
                         [](const auto& info) { return std::string("v") + info.param.specVersion[0]; });

TEST(NewProfileFileFailures, WithoutAProfilePluginNothingIsWritten) {
    QTemporaryDir program;
    MapStringSource texts = EditorTexts();
    NewProfileSources sources;
    sources.texts = &texts;
    sources.programFolder = program.path();
    QString path = "unchanged";
    EXPECT_THROW(CreateNewProfileFile(sources, Record(), &path), InvalidArgumentError);
    EXPECT_EQ(path, "unchanged");
    EXPECT_FALSE(QFile::exists(program.filePath("Temp/NewTemp.pelj")));
}

// A program folder whose Temp cannot be a folder: the file goes to a private temporary folder.
TEST(NewProfileFileFailures, UnwritableTempFolderFallsBackToAPrivateOne) {
    QTemporaryDir program;
    QFile blocker(program.filePath("Temp"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    LoadedPlugin lib("PublicPlugin/PeloraMachine_3.so");
    ASSERT_TRUE(lib.IsOpen()) << lib.Error();
    MapStringSource texts = EditorTexts();
    NewProfileSources sources;
    sources.profilePlugin = lib.Instance<IProfilePlugin>();
    sources.texts = &texts;
    sources.programFolder = program.path();

    QString path;
    ASSERT_EQ(CreateNewProfileFile(sources, Record(), &path), 0);
    lib.DeleteInstance();
    EXPECT_FALSE(path.startsWith(program.path()));
    EXPECT_TRUE(path.endsWith("/NewTemp.pelj"));
    EXPECT_EQ(XmlDocument::LoadFile(path).DocumentElement().ChildElements().size(), 2);
    const QFileInfo folder(QFileInfo(path).absolutePath());
    EXPECT_EQ(folder.permissions() & (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup), 0);
    QDir(folder.absoluteFilePath()).removeRecursively();
}

}  // namespace
