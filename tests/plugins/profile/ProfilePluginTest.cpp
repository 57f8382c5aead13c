// The three staged builds of the profile plug-in, loaded with dlopen and driven through
// IProfilePlugin only, as the editor drives them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <clocale>
#include <map>
#include <memory>
#include <set>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "LoadedPlugin.h"
#include "PELFMExceptions.h"
#include "PluginApi.h"
#include "ProfileInnerConst.h"
#include "QtPrinters.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using Kinds = std::vector<int>;

struct Format {
    const char* file;
    quint32 version;
    quint32 nameVersion;
    const char* displayName;
    const char* namespacePath;
    const char* specVersion;
    const char* language;
    int reservedWordCount;
    bool hasReadCondition;
    bool hasRelation;
    bool hasRdb;
    std::vector<const char*> commIfInfo;
    int deviceIfCount;
    std::vector<const char*> blockParam;
    std::map<int, Kinds> itemKinds;  // part kinds 0 .. 11
};

const char* kDataTypes20 =
    "|BOOL|BIN8|BIN16|BIN32|BIN?|BYTE|WORD|DWORD|BIT_STRING?|INT8|INT16|INT32|INT?|UINT8|UINT16|UINT32|UINT?"
    "|BCD8|BCD16|BCD32|BCD?|REAL|LREAL|STRING(?)|STRING_U(?)|TIME|DATE|ACCURACY|IP_V4|IP_V4_64|";

const Kinds kInfo = {1, 2, 3, 4, 5, 6};
const Kinds kVariable = {1, 2, 3, 4, 5, 7, 8, 9, 11, 15};
const Kinds kParam = {1, 2, 3, 4, 5, 6, 9, 15};
const Kinds kEnum = {1, 2, 3, 4, 12, 15};

const Format kFormats[] = {
    {"PublicPlugin/PeloraMachine_3.so",
     0x30000,
     0x30000,
     "Pelora for Dazeziv[3.0]",
     "/peloraformachine/ver3/",
     "3.0",
     "ja",
     33,
     true,
     true,
     true,
     {"DeviceInterface", "P_RDB_DefaultSchemaName"},
     35,
     {"P_Accuracy", "P_Cycle", "P_ReadConditionCycle"},
     {{0, {}},
      {1, kInfo},
      {2, kInfo},
      {3, kInfo},
      {4, kInfo},
      {5, kVariable},
      {6, {1, 2, 3, 4, 5, 7, 8, 9, 10, 16, 13, 14, 15}},
      {7, kInfo},
      {8, {1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 17, 15}},
      {9, kParam},
      {10, kEnum},
      {11, {}}}},
    {"PublicPlugin/PeloraMachine_2.so",
     0x20000,
     0x20000,
     "Pelora for Dazeziv[2.0]",
     "/peloraformachine/ver2/",
     "2.0",
     "ja",
     32,
     true,
     false,
     false,
     {"DeviceInterface"},
     16,
     {"P_Accuracy", "P_Cycle", "P_ReadConditionCycle"},
     {{0, {}},
      {1, kInfo},
      {2, kInfo},
      {3, kInfo},
      {4, kInfo},
      {5, kVariable},
      {6, {1, 2, 3, 4, 5, 7, 8, 9, 10, 16, 13, 14, 15}},
      {7, kInfo},
      {8, {1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 15}},
      {9, kParam},
      {10, kEnum},
      {11, {}}}},
    {"PublicPlugin/PeloraMachine.so",
     0x10001,
     0x10000,
     "Pelora for Dazeziv[1.1]",
     "/peloraformachine/ver1/",
     "1.1",
     "en",
     31,
     false,
     false,
     false,
     {"DeviceInterface"},
     4,
     {"P_Accuracy", "P_Cycle"},
     {{0, {}},
      {1, kInfo},
      {2, kInfo},
      {3, kInfo},
      {4, kInfo},
      {5, kVariable},
      {6, {1, 2, 3, 4, 5, 7, 8, 9, 10, 13, 14, 15}},
      {7, kInfo},
      {8, {1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 15}},
      {9, kParam},
      {10, kEnum},
      {11, {}}}},
};

void PrintTo(const Format& f, std::ostream* os) {
    *os << f.file;
}

std::vector<QString> Labels(const QList<_ST_CT_ELEM_INFO>& list) {
    std::vector<QString> out;
    for (const auto& t : list) out.push_back(t.label);
    return out;
}

std::vector<QString> Strings(const std::vector<const char*>& list) {
    std::vector<QString> out;
    for (const char* s : list) out.push_back(QString::fromLatin1(s));
    return out;
}

const _ST_CT_ELEM_INFO* Find(const QList<_ST_CT_ELEM_INFO>& list, const char* label) {
    for (const auto& t : list) {
        if (t.label == QLatin1String(label)) return &t;
    }
    return nullptr;
}

// Something the plug-in must throw away before filling.
QList<_ST_CT_ELEM_INFO> Stale() {
    return {_ST_CT_ELEM_INFO{"stale", "", "", "", "", {"x"}}};
}

class ProfilePluginTest : public ::testing::TestWithParam<Format> {
protected:
    static void SetUpTestSuite() {
        for (const Format& f : kFormats) libraries()[f.file] = std::make_unique<LoadedPlugin>(f.file);
    }
    static void TearDownTestSuite() {
        for (auto& [file, lib] : libraries()) lib->DeleteInstance();
        libraries().clear();
    }
    static std::map<std::string, std::unique_ptr<LoadedPlugin>>& libraries() {
        static std::map<std::string, std::unique_ptr<LoadedPlugin>> libs;
        return libs;
    }

    void SetUp() override {
        lib = libraries()[GetParam().file].get();
        ASSERT_TRUE(lib->IsOpen()) << lib->Error();
        plugin = lib->Instance<IProfilePlugin>();
        ASSERT_NE(plugin, nullptr);
    }

    const Format& f() const { return GetParam(); }

    LoadedPlugin* lib = nullptr;
    IProfilePlugin* plugin = nullptr;
};

// ---- Exports and the instance --------------------------------------------------------------

TEST_P(ProfilePluginTest, ExportsCategoryAndSingleInstance) {
    EXPECT_EQ(lib->Category(), "ProfilePlugin");
    EXPECT_EQ(lib->Instance<IProfilePlugin>(), plugin);

    lib->DeleteInstance();
    lib->DeleteInstance();  // no instance: nothing happens
    // The allocator may hand out the old address again; a dangling instance shows
    // in the sanitizer build when it is used below.
    IProfilePlugin* fresh = lib->Instance<IProfilePlugin>();
    ASSERT_NE(fresh, nullptr);
    _ST_CT_PLUGININFO info;
    fresh->GetPluginInfo(info);
    EXPECT_EQ(info.version, f().version);
}

TEST_P(ProfilePluginTest, OnlyTheThreeExportsAreVisible) {
    QProcess nm;
    nm.start("nm", {"-D", "--defined-only", "--format=just-symbols", QString(PEL_OUT_DIR) + "/" + f().file});
    ASSERT_TRUE(nm.waitForFinished(60000));
    QStringList symbols = QString::fromLatin1(nm.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    symbols.removeIf([](const QString& s) { return s.startsWith("_init") || s.startsWith("_fini"); });
    symbols.sort();
    EXPECT_EQ(symbols, (QStringList{"DeleteInstance", "GetInstance", "GetProfilePluginCategory"}));
}

// Every build answers for itself even with the other builds of the same source loaded beside it.
TEST(ProfilePluginBuilds, LoadedTogetherEachKeepsItsOwnIdentity) {
    std::vector<std::unique_ptr<LoadedPlugin>> libs;
    std::set<IProfilePlugin*> instances;
    for (const Format& f : kFormats) {
        libs.push_back(std::make_unique<LoadedPlugin>(f.file));
        ASSERT_TRUE(libs.back()->IsOpen()) << libs.back()->Error();
    }
    for (size_t i = 0; i < libs.size(); ++i) {
        IProfilePlugin* p = libs[i]->Instance<IProfilePlugin>();
        ASSERT_NE(p, nullptr);
        instances.insert(p);
        _ST_CT_PLUGININFO info;
        p->GetPluginInfo(info);
        EXPECT_EQ(info.version, kFormats[i].version) << kFormats[i].file;
        EXPECT_TRUE(p->GetNamespaceUri().endsWith(kFormats[i].namespacePath));
    }
    EXPECT_EQ(instances.size(), libs.size());
    for (auto& lib : libs) lib->DeleteInstance();
}

// ---- Identity ------------------------------------------------------------------------------

TEST_P(ProfilePluginTest, InformationRecord) {
    _ST_CT_PLUGININFO info;
    info.strings = {"left over"};
    plugin->GetPluginInfo(info);
    EXPECT_EQ(info.version, f().version);
    EXPECT_EQ(info.name, "PeloraMachine");
    EXPECT_EQ(info.nameVersion, f().nameVersion);
    EXPECT_EQ(info.displayName, f().displayName);
    EXPECT_TRUE(info.strings.empty());
    EXPECT_EQ(info.kind, 1);
    EXPECT_EQ(plugin->IsAvailable(), 1);
    plugin->ReservedOperation();
}

TEST_P(ProfilePluginTest, ExtensionsSchemaAndNamespace) {
    QString ext[2] = {"x", "y"};
    plugin->GetFileExtensions(ext);
    EXPECT_EQ(ext[0], "pelproj");
    EXPECT_EQ(ext[1], "pelp");
    const std::pair<const char*, const char*> schemas[] = {
        {"pelp", "PeloraSchema.xsd"},
        {"PELP", "PeloraSchema.xsd"},
        {"Pelp", "PeloraSchema.xsd"},
        {"pelproj", ""},
        {"", ""},
        {"pelpx", ""},
    };
    for (const auto& [extension, schema] : schemas) EXPECT_EQ(plugin->GetSchemaFileName(extension), schema);

    const QString uri = plugin->GetNamespaceUri();
    EXPECT_TRUE(uri.startsWith("http://pelora.example/")) << uri.toStdString();
    EXPECT_TRUE(uri.endsWith(f().namespacePath)) << uri.toStdString();
}

// ---- Rules ---------------------------------------------------------------------------------

TEST_P(ProfilePluginTest, ItemKindsOfEveryPartKind) {
    for (const auto& [part, kinds] : f().itemKinds) {
        QList<int> got = {99, 98};
        plugin->GetItemKindsOfPart(part, got);
        EXPECT_THAT(got, ElementsAreArray(kinds)) << "part kind " << part;
    }
    QList<int> got = {1};
    plugin->GetItemKindsOfPart(-1, got);
    EXPECT_TRUE(got.isEmpty());
}

TEST_P(ProfilePluginTest, PartKindsOfEverySectionKind) {
    const std::map<int, Kinds> table = {{0, {}},         {1, {}}, {2, {3}}, {3, {5, 6, 10}},
                                        {4, {8, 9, 10}}, {5, {}}, {-1, {}}};
    for (const auto& [section, kinds] : table) {
        QList<int> got = {42};
        plugin->GetPartKindsOfSection(section, got);
        EXPECT_THAT(got, ElementsAreArray(kinds)) << "section kind " << section;
    }
}

TEST_P(ProfilePluginTest, FixedElements) {
    struct Row {
        int sectionKind;
        int partKind;
        const char* label;
        int editable;
    };
    const Row rows[] = {
        {SECTION_FILE, PART_FILE_INFO, "CreateDate", 0},
        {SECTION_FILE, PART_FILE_INFO, "createdate", 0},
        {SECTION_FILE, PART_FILE_INFO, "MODTIME", 0},
        {SECTION_FILE, PART_FILE_INFO, "ProfileSpecVersion", 0},
        {SECTION_FILE, PART_FILE_INFO, "FileVersion", 0},
        {SECTION_FILE, PART_FILE_INFO, "Language", 0},
        {SECTION_FILE, PART_FILE_INFO, "VendorName", 1},
        {SECTION_FILE, PART_FILE_INFO, "CreateDateX", 1},
        {SECTION_DEVICE, PART_FILE_INFO, "CreateDate", 1},
        {SECTION_DEVICE, PART_DEVICE_INFO, "version", 0},
        {SECTION_DEVICE, PART_DEVICE_INFO, "DeviceModel", 0},
        {SECTION_DEVICE, PART_DEVICE_INFO, "VendorName", 0},
        {SECTION_DEVICE, PART_DEVICE_INFO, "ProductID", 1},
        {SECTION_BLOCK, PART_DEVICE_INFO, "Version", 1},
        {SECTION_DEVICE, PART_DEVICE_IF, "VendorName", 1},
    };
    for (const Row& r : rows) {
        CPELFM_SectionInfo section;
        section.sectionType = r.sectionKind;
        CPELFM_PartInfo part;
        part.partType = r.partKind;
        part.ownerSection = &section;
        CPELFM_ElemInfo elem;
        elem.label = r.label;
        elem.ownerPart = &part;
        EXPECT_EQ(plugin->IsElementEditable(&elem), r.editable) << r.label << " in " << r.partKind;
    }
    EXPECT_EQ(plugin->IsElementEditable(nullptr), 0);
    CPELFM_ElemInfo loose;
    loose.label = "CreateDate";
    EXPECT_EQ(plugin->IsElementEditable(&loose), 1);
}

TEST_P(ProfilePluginTest, LabelValidation) {
    const std::pair<QString, int> rows[] = {
        {"P_Value", 0},
        {"", 0},
        {"a-b", 2},
        {"a b", 2},
        {QString::fromUtf8("a\u3000b"), 2},
        {"1-a", 2},  // characters are tested before the leading digit
        {"1abc", 3},
        {"label2", 4},
        {"Comm_If_Configuration", 4},
        {"NA", 4},
        {"NAME2", 0},
        {"a\tb", 2},
        {QString("a") + QChar(0x85), 2},
        {QString("a") + QChar(0x7f), 2},
        {QString::fromUtf8("ラベル"), 0},
        {"READ_CONDITION", f().hasReadCondition ? 4 : 0},
        {"relation", f().hasRelation ? 4 : 0},
    };
    for (const auto& [label, result] : rows)
        EXPECT_EQ(plugin->ValidateLabel(label, 0), result) << label.toStdString();

    const QString prohibited = QString::fromUtf8("!\"#$%&'()*+,-./:;<=>?@[\\]^`{|}~ \u3000");
    ASSERT_EQ(prohibited.size(), 33);
    for (QChar c : prohibited) EXPECT_EQ(plugin->ValidateLabel(QString("ab") + c, 0), 2) << int(c.unicode());
}

TEST_P(ProfilePluginTest, ReservedWordsIgnoreCase) {
    const char* words[] = {"FILE",
                           "DEVICE",
                           "BLOCK",
                           "COMM_IF",
                           "FILE_INFO",
                           "DEVICE_INFO",
                           "DEVICE_IF",
                           "BLOCK_INFO",
                           "BLOCK_MEMORY",
                           "BLOCK_PARAM",
                           "COMM_IF_INFO",
                           "COMM_IF_VARIABLE",
                           "COMM_IF_CONFIGURATION",
                           "ENUM",
                           "ACCESS",
                           "ASSIGN",
                           "CATEGORY",
                           "CODE",
                           "COMMENT",
                           "DATA",
                           "DATATYPE",
                           "ENG_UNIT",
                           "LABEL",
                           "LABEL2",
                           "MIN_INC",
                           "NAME",
                           "RANGE",
                           "REF_MEMORY",
                           "REF_PARAM",
                           "NA",
                           "COMMON",
                           "READ_CONDITION",
                           "RELATION"};
    int reserved = 0;
    for (const char* w : words) {
        const int result = plugin->ValidateLabel(QString::fromLatin1(w).toLower(), 0);
        EXPECT_TRUE(result == 0 || result == 4) << w;
        reserved += result == 4;
    }
    EXPECT_EQ(reserved, f().reservedWordCount);
}

TEST_P(ProfilePluginTest, DataTypeList) {
    const QString expected = QString::fromLatin1(kDataTypes20) + (f().hasRdb ? "RDB_?|" : "");
    EXPECT_EQ(plugin->GetDataTypeList(), expected);
}

// ---- Templates -----------------------------------------------------------------------------

TEST_P(ProfilePluginTest, InfoTemplates) {
    QList<_ST_CT_ELEM_INFO> file = Stale(), device = Stale();
    plugin->GetInfoElementTemplates(&file, &device);
    EXPECT_THAT(Labels(file), ElementsAre("CreateDate", "CreateTime", "ModDate", "ModTime", "Language",
                                          "ProfileSpecVersion", "FileVersion"));
    EXPECT_THAT(Labels(device),
                ElementsAre("VendorName", "DeviceModel", "ProductID", "Version", "ReferenceURL", "URLInfo",
                            "Outline", "SpecList", "IconFileName", "GraphicsFileName"));
    for (const auto* list : {&file, &device}) {
        for (const auto& t : *list) EXPECT_EQ(t.category, "COMMON") << t.label.toStdString();
    }
    EXPECT_THAT(Find(file, "ProfileSpecVersion")->data, ElementsAre(f().specVersion));
    EXPECT_THAT(Find(file, "Language")->data, ElementsAre(f().language));
    EXPECT_THAT(Find(file, "FileVersion")->data, ElementsAre("1.0"));
    EXPECT_EQ(Find(file, "ModTime")->dataType, "STRING(8)");
    EXPECT_EQ(Find(device, "Version")->dataType, "");
    EXPECT_EQ(Find(device, "SpecList")->dataType, "STRING_U(256)()");
    for (const auto& t : device) EXPECT_TRUE(t.data.empty()) << t.label.toStdString();
}

TEST_P(ProfilePluginTest, InfoTemplateTextsComeFromTheFormatsTable) {
    QList<_ST_CT_ELEM_INFO> file, device;
    plugin->GetInfoElementTemplates(&file, &device);
    const _ST_CT_ELEM_INFO* layout = Find(file, "ProfileSpecVersion");
    if (QLatin1String(f().language) == QLatin1String("ja")) {
        EXPECT_EQ(layout->label2, QString::fromUtf8("装置プロファイル仕様バージョン"));
        EXPECT_EQ(layout->name, layout->label2);
        EXPECT_EQ(Find(device, "GraphicsFileName")->name, QString::fromUtf8("画像ファイル名"));
    } else {
        EXPECT_EQ(layout->label2, "ProfileSpecVersion");
        EXPECT_EQ(layout->name, "Pelora for Dazeziv Specification Version");
        EXPECT_EQ(Find(device, "GraphicsFileName")->name, "Graphics File Name");
    }
}

// One instant for all four stamps, written as digits whatever the locale says.
TEST_P(ProfilePluginTest, DateAndTimeStampsUnderAJapaneseLocale) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    const std::string cBefore = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "ja_JP.UTF-8");  // where the machine has it
    QList<_ST_CT_ELEM_INFO> file, device;
    plugin->GetInfoElementTemplates(&file, &device);
    std::setlocale(LC_ALL, cBefore.c_str());
    QLocale::setDefault(before);

    const QRegularExpression date("^\\d{4}/\\d{2}/\\d{2}$"), time("^\\d{2}:\\d{2}:\\d{2}$");
    const QString d = Find(file, "CreateDate")->data.at(0), t = Find(file, "CreateTime")->data.at(0);
    EXPECT_TRUE(date.match(d).hasMatch()) << d.toStdString();
    EXPECT_TRUE(time.match(t).hasMatch()) << t.toStdString();
    EXPECT_THAT(Find(file, "ModDate")->data, ElementsAre(d));
    EXPECT_THAT(Find(file, "ModTime")->data, ElementsAre(t));
}

TEST_P(ProfilePluginTest, PartTemplates) {
    QList<_ST_CT_ELEM_INFO> list = Stale();
    plugin->GetBlockInfoTemplates(&list);
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0].label, "DeviceInterface");
    EXPECT_EQ(list[0].dataType, "STRING(129)");

    list = Stale();
    plugin->GetCommIfInfoTemplates(&list);
    EXPECT_EQ(Labels(list), Strings(f().commIfInfo));

    list = Stale();
    plugin->GetBlockMemoryTemplates(&list);
    EXPECT_THAT(Labels(list), ElementsAre("P_Value", "P_NA", "P_Accuracy", "P_ChangeDate",
                                          "P_MeasurementDate", "P_Period"));
    for (const auto& t : list) EXPECT_EQ(t, (_ST_CT_ELEM_INFO{t.label, "", "", "", "", {}}));

    list = Stale();
    plugin->GetBlockParamTemplates(&list);
    EXPECT_EQ(Labels(list), Strings(f().blockParam));

    // Twice on one array: one set.
    plugin->GetBlockParamTemplates(&list);
    EXPECT_EQ(list.size(), qsizetype(f().blockParam.size()));
}

TEST_P(ProfilePluginTest, DeviceIfTemplates) {
    QList<_ST_CT_ELEM_INFO> list = Stale();
    plugin->GetDeviceIfTemplates(&list);
    ASSERT_EQ(list.size(), f().deviceIfCount);
    const std::vector<QString> labels = Labels(list);
    EXPECT_THAT(std::vector<QString>(labels.begin(), labels.begin() + 4),
                ElementsAre("VendorName", "DeviceModel", "ProtocolType", "ProtocolVersion"));
    EXPECT_THAT(Find(list, "ProtocolVersion")->data, ElementsAre("1"));
    EXPECT_EQ(Find(list, "ProtocolVersion")->dataType, "UINT16");
    std::map<QString, int> perCategory;
    for (const auto& t : list) ++perCategory[t.category];
    std::map<QString, int> expected = {{"COMMON", 4}};
    if (f().deviceIfCount > 4) expected["QDTX"] = 12;
    if (f().hasRdb) {
        expected["LOG_CSV"] = 11;
        expected["RDB"] = 8;
    }
    EXPECT_EQ(perCategory, expected);
    if (f().deviceIfCount > 4) {
        EXPECT_EQ(Find(list, "P_QDTX_Server_ProcessorNo")->dataType, "WORD");
        EXPECT_EQ(Find(list, "P_QDTX_Relay_StationNo")->label2,
                  f().language == std::string("ja") ? QString::fromUtf8("中継局の局番") : QString());
    }
}

// ---- Check and connection placeholders, failures across the boundary -----------------------

TEST_P(ProfilePluginTest, CheckReplacesTheFindingsAndConnectionEditAppliesNothing) {
    QList<_ST_PEL_CHECK_MESSAGE> messages(3);
    CPELFM_ProfileInfo root;
    plugin->CheckProfile(nullptr, nullptr, messages);
    EXPECT_TRUE(messages.isEmpty());
    QList<CPELFM_PartInfo*> removed, changed;
    // 3.0 has an editor, which refuses a call without a window; the others apply nothing.
    EXPECT_EQ(plugin->EditConnectionInfo(nullptr, &root, &removed, &changed), f().hasRdb ? 1 : 2);
    EXPECT_TRUE(removed.isEmpty());
    EXPECT_TRUE(changed.isEmpty());
    plugin->SetDeviceModelPluginKind(9);
}

TEST_P(ProfilePluginTest, SaveOfANullProfileThrowsAModelExceptionTheHostCatchesByType) {
    QTemporaryDir dir;
    try {
        plugin->SaveProfile(dir.filePath("x.pelp"), nullptr);
        ADD_FAILURE() << "nothing thrown";
    } catch (const CPELFM_NULL_Exception& e) {
        EXPECT_EQ(e.code, 8);
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("x.pelp")));
}

TEST_P(ProfilePluginTest, ArchiveThroughThePlugin) {
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("work/Icon"));
    QFile icon(dir.filePath("work/Icon/a.ico"));
    ASSERT_TRUE(icon.open(QIODevice::WriteOnly));
    icon.write("icon");
    icon.close();
    QList<QString> files = {icon.fileName()};
    EXPECT_EQ(plugin->CreateArchive(dir.filePath("out.zip"), &files, dir.filePath("work")), 1);
    QProcess unzip;
    unzip.start("unzip", {"-Z1", dir.filePath("out.zip")});
    ASSERT_TRUE(unzip.waitForFinished(60000));
    EXPECT_EQ(QString::fromUtf8(unzip.readAllStandardOutput()).trimmed(), "Icon/a.ico");
    EXPECT_EQ(plugin->CreateArchive(dir.filePath("none.zip"), nullptr, dir.filePath("work")), 0);
}

INSTANTIATE_TEST_SUITE_P(Builds, ProfilePluginTest, ::testing::ValuesIn(kFormats),
                         [](const auto& info) { return std::string("v") + info.param.specVersion[0]; });

}  // namespace
