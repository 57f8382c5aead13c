#include "CCheckStringTable.h"
#include "CPELFM_ElemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CheckCases.h"

using namespace CheckTest;

namespace {

class InfoChecks : public CheckCaseTest {};
TEST_P(InfoChecks, Findings) {
    Verify();
}

// FILE_INFO element indexes of the valid profile.
enum { kCreateDate, kCreateTime, kModDate, kModTime, kLanguage, kSpecVersion, kFileVersion };

CheckCase FileData(const char* name, const CheckFormat& (*format)(), const char* label, const char* value,
                   std::vector<Finding> expected) {
    return CheckCase{name, format,
                     [=](TestProfile& t) {
                         Set(t, "FILE", "FileInfo", label, {DATA, value});
                     },
                     expected};
}

Finding FileFinding(int id, int element, std::initializer_list<const char*> args = {}) {
    return F(id, "FILE", "FileInfo", element, DATA, args);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, InfoChecks,
    testing::Values(
        FileData("LeapDay", F30, "CreateDate", "2024/02/29", {}),
        FileData("NoLeapDay", F30, "CreateDate", "2023/02/29",
                 {FileFinding(40030, kCreateDate, {"CreateDate", "yyyy/mm/dd"})}),
        FileData("Month13", F20, "ModDate", "2023/13/01",
                 {FileFinding(40030, kModDate, {"ModDate", "yyyy/mm/dd"})}),
        FileData("YearZero", F11, "CreateDate", "0000/01/01",
                 {FileFinding(40030, kCreateDate, {"CreateDate", "yyyy/mm/dd"})}),
        FileData("Century", F30, "CreateDate", "1900/02/29",
                 {FileFinding(40030, kCreateDate, {"CreateDate", "yyyy/mm/dd"})}),
        FileData("Hour24", F30, "CreateTime", "24:00:00",
                 {FileFinding(40030, kCreateTime, {"CreateTime", "hh:mm:ss"})}),
        FileData("Spec30", F30, "ProfileSpecVersion", "3.0", {}),
        FileData("Spec301", F30, "ProfileSpecVersion", "3.0.1", {}),
        FileData("Spec20In30", F30, "ProfileSpecVersion", "2.0", {FileFinding(40116, kSpecVersion)}),
        FileData("SpecLetters", F30, "ProfileSpecVersion", "3.x",
                 {FileFinding(40029, kSpecVersion, {"x.y.z"})}),
        // A 16-bit reading of the major number would take 65539 for 3.
        FileData("SpecMajorBeyond16Bits", F30, "ProfileSpecVersion", "65539.0",
                 {FileFinding(40116, kSpecVersion)}),
        FileData("SpecNumberBeyond32Bits", F30, "ProfileSpecVersion", "3.4294967296",
                 {FileFinding(40029, kSpecVersion, {"x.y.z"})}),
        FileData("SpecNumberAt32Bits", F30, "ProfileSpecVersion", "3.4294967295", {}),
        FileData("Spec20", F20, "ProfileSpecVersion", "2.0", {}),
        FileData("Spec2", F20, "ProfileSpecVersion", "2", {}),
        FileData("Spec30In20", F20, "ProfileSpecVersion", "3.0", {FileFinding(40116, kSpecVersion)}),
        FileData("Spec11In20", F20, "ProfileSpecVersion", "1.1", {FileFinding(40116, kSpecVersion)}),
        FileData("Spec11", F11, "ProfileSpecVersion", "1.1", {}),
        FileData("Spec20In11", F11, "ProfileSpecVersion", "2.0", {FileFinding(40116, kSpecVersion)}),
        FileData("FileVersionOfThreeNumbers", F30, "FileVersion", "1.2.3",
                 {FileFinding(40029, kFileVersion, {"m.n"})}),
        FileData("FileNameCharacterInLanguage", F30, "Language", "j|a",
                 {FileFinding(40031, kLanguage, {"Language"})})),
    CaseName);

CheckCase DeviceInfo(const char* name, const CheckFormat& (*format)(), const char* label,
                     std::vector<ItemSpec> items, std::vector<Finding> expected) {
    return CheckCase{name, format,
                     [=](TestProfile& t) {
                         CPELFM_ElemInfo* elem = t.Elem("DEVICE", "DeviceInfo", label);
                         if (!elem)
                             elem = t.AddElem(t.Part("DEVICE", "DeviceInfo"), QString::fromUtf8(label), {});
                         for (const ItemSpec& item : items) t.SetItem(elem, item);
                     },
                     expected};
}

INSTANTIATE_TEST_SUITE_P(
    DeviceInfo, InfoChecks,
    testing::Values(
        DeviceInfo("IconInCapitals", F30, "IconFileName", {{DATATYPE, "STRING(52)"}, {DATA, "device.ICO"}},
                   {}),
        DeviceInfo("IconOfAnotherKind", F30, "IconFileName", {{DATATYPE, "STRING(52)"}, {DATA, "device.png"}},
                   {F(40030, "DEVICE", "DeviceInfo", 3, DATA,
                      {"IconFileName", "拡張子が\"\"ico\"\"のファイル名"})}),
        DeviceInfo(
            "GraphicsList", F11, "GraphicsFileName", {{DATATYPE, "STRING(52)"}, {DATA, {"a.png", "b.txt"}}},
            {F(40030, "DEVICE", "DeviceInfo", 3, DATA,
               {"GraphicsFileName", "File name with extension \"png\", \"bmp\", \"jpg\", or \"gif\""})}),
        DeviceInfo("FixedTypeOfVendorName", F30, "VendorName", {{DATATYPE, "STRING(64)"}},
                   {F(40028, "DEVICE", "DeviceInfo", 0, DATATYPE, {"VendorName"})}),
        DeviceInfo("VersionAsReal", F30, "Version", {{DATATYPE, "REAL"}},
                   {F(40028, "DEVICE", "DeviceInfo", 2, DATATYPE, {"Version"})}),
        DeviceInfo("VersionAsLongString30", F30, "Version", {{DATATYPE, "STRING(3000)"}, {DATA, "1"}},
                   {F(40028, "DEVICE", "DeviceInfo", 2, DATATYPE, {"Version"})}),
        // 1.1 takes a STRING of any length for the Version; the data-type check still limits the count.
        DeviceInfo("VersionAsLongString11", F11, "Version", {{DATATYPE, "STRING(3000)"}, {DATA, "1"}},
                   {F(40019, "DEVICE", "DeviceInfo", 2, DATATYPE)}),
        DeviceInfo("VersionAsWord", F20, "Version", {{DATATYPE, "WORD"}, {DATA, "0x1"}}, {}),
        DeviceInfo("FileNameCharacterInDeviceModel", F30, "DeviceModel", {{DATA, "a/b"}},
                   {F(40031, "DEVICE", "DeviceInfo", 1, DATA, {"DeviceModel"})}),
        DeviceInfo("DataAgainstItsType", F30, "ProductID", {{DATATYPE, "UINT8"}, {DATA, "256"}},
                   {F(40028, "DEVICE", "DeviceInfo", 3, DATATYPE, {"ProductID"}),
                    F(40034, "DEVICE", "DeviceInfo", 3, DATA, {"ProductID"})}),
        DeviceInfo("DataListAgainstItsType", F30, "Extra", {{DATATYPE, "UINT8"}, {DATA, {"1", "300"}}},
                   {F(40034, "DEVICE", "DeviceInfo", 3, DATA, {"Extra"})})),
    CaseName);

Finding ConnFinding(int id, int element, int itemKind, std::initializer_list<const char*> args = {}) {
    return F(id, "DEVICE", "Conn1", element, itemKind, args);
}

// A LOG_CSV connection with its required labels; more elements from index 4 on.
void MakeLogCsv(TestProfile& t, std::vector<std::pair<const char*, std::vector<ItemSpec>>> more = {}) {
    Set(t, "DEVICE", "Conn1", "ProtocolType", {DATA, "LOG_CSV"});
    CPELFM_PartInfo* conn = t.Part("DEVICE", "Conn1");
    t.AddElem(conn, "P_LOG_CSV_Separator", {{DATATYPE, "STRING(16)"}, {DATA, "COMMA"}});
    t.AddElem(conn, "P_LOG_CSV_NewLineCode", {{DATATYPE, "STRING(16)"}, {DATA, "LF"}});
    for (auto& [label, items] : more) t.AddElem(conn, QString::fromUtf8(label), items);
}

std::vector<ItemSpec> Text(const char* value) {
    return {{DATATYPE, "STRING(16)"}, {DATA, value}};
}

INSTANTIATE_TEST_SUITE_P(
    Connections, InfoChecks,
    testing::Values(
        CheckCase{"DeviceWithoutConnection", F20, [](TestProfile& t) { delete t.Section("DEVICE")->parts.takeLast(); },
                  {F(40001, "COMM1", "CommInfo", 0, DATA, {"パート"}),
                   F(40001, "BLOCK1", "BlockInfo", 0, DATA, {"パート"}), F(40114, "DEVICE", "", 0, 0, {"DEVICE_IF"})}},
        CheckCase{"MissingLabel", F30,
                  [](TestProfile& t) {
                      CPELFM_PartInfo* p = t.Part("FILE", "FileInfo");
                      delete p->Elems().takeAt(kLanguage);
                  },
                  {F(40027, "FILE", "FileInfo", 0, 0, {"Language"})}},
        CheckCase{"LabelWithoutData", F30,
                  [](TestProfile& t) { t.RemoveItem(t.Elem("DEVICE", "Conn1", "ProtocolVersion"), DATA); },
                  {ConnFinding(40089, 1, DATA, {"ProtocolVersion"})}},
        CheckCase{"ParameterBlockNeedsDeviceInterface", F11,
                  [](TestProfile& t) { delete t.Part("BLOCK1", "Param")->Elems().takeAt(0); },
                  {F(40027, "BLOCK1", "Param", 0, 0, {"DeviceInterface"})}},
        CheckCase{"LogCsvWithoutItsLabels", F30,
                  [](TestProfile& t) { Set(t, "DEVICE", "Conn1", "ProtocolType", {DATA, "LOG_CSV"}); },
                  {ConnFinding(40117, 0, 0, {"P_LOG_CSV_Separator"}),
                   ConnFinding(40117, 0, 0, {"P_LOG_CSV_NewLineCode"})}},
        CheckCase{"LogCsvWithoutItsLabels20", F20,
                  [](TestProfile& t) { Set(t, "DEVICE", "Conn1", "ProtocolType", {DATA, "LOG_CSV"}); }, {}},
        CheckCase{"LogCsvLabelWithoutData", F30,
                  [](TestProfile& t) {
                      MakeLogCsv(t);
                      t.RemoveItem(t.Elem("DEVICE", "Conn1", "P_LOG_CSV_NewLineCode"), DATA);
                  },
                  {ConnFinding(40118, 3, DATA, {"P_LOG_CSV_NewLineCode"})}},
        CheckCase{"Utf16NeedsEndianAndBom", F30,
                  [](TestProfile& t) { MakeLogCsv(t, {{"P_LOG_CSV_CharacterCode", Text("UTF-16")}}); },
                  {ConnFinding(40119, 0, 0, {"P_LOG_CSV_CharacterCodeEndian", "P_LOG_CSV_CharacterCode", "UTF-16"}),
                   ConnFinding(40119, 0, 0, {"P_LOG_CSV_CharacterCodeBOM", "P_LOG_CSV_CharacterCode", "UTF-16"})}},
        CheckCase{"Utf16WithEmptyEndian", F30,
                  [](TestProfile& t) {
                      MakeLogCsv(t, {{"P_LOG_CSV_CharacterCode", Text("UTF-16")},
                                     {"P_LOG_CSV_CharacterCodeEndian", Text("")},
                                     {"P_LOG_CSV_CharacterCodeBOM", {{DATATYPE, "BOOL"}, {DATA, "1"}}}});
                  },
                  {ConnFinding(40120, 5, DATA, {"P_LOG_CSV_CharacterCodeEndian", "P_LOG_CSV_CharacterCode", "UTF-16"})}},
        CheckCase{"Utf8ForbidsEndian", F30,
                  [](TestProfile& t) {
                      MakeLogCsv(t, {{"P_LOG_CSV_CharacterCode", Text("UTF-8")},
                                     {"P_LOG_CSV_CharacterCodeEndian", Text("BE")}});
                  },
                  {ConnFinding(40119, 0, 0, {"P_LOG_CSV_CharacterCodeBOM", "P_LOG_CSV_CharacterCode", "UTF-8"}),
                   ConnFinding(40121, 5, 0, {"P_LOG_CSV_CharacterCodeEndian", "P_LOG_CSV_CharacterCode", "UTF-8"})}},
        CheckCase{"AsciiForbidsBom", F30,
                  [](TestProfile& t) {
                      MakeLogCsv(t, {{"P_LOG_CSV_CharacterCode", Text("ASCII")},
                                     {"P_LOG_CSV_CharacterCodeBOM", {{DATATYPE, "BOOL"}, {DATA, "0"}}}});
                  },
                  {ConnFinding(40121, 5, 0, {"P_LOG_CSV_CharacterCodeBOM", "P_LOG_CSV_CharacterCode", "ASCII"})}},
        CheckCase{"LogCsvValueLists", F30,
                  [](TestProfile& t) {
                      MakeLogCsv(t, {{"P_LOG_CSV_Extension", Text("CSV")}});
                      Set(t, "DEVICE", "Conn1", "P_LOG_CSV_Separator", {DATA, "SEMICOLON"});
                  },
                  {ConnFinding(40033, 4, DATA, {"P_LOG_CSV_Extension"}),
                   ConnFinding(40033, 2, DATA, {"P_LOG_CSV_Separator"})}},
        CheckCase{"FixedTypeOfAConnectionParameter", F30,
                  [](TestProfile& t) {
                      t.AddElem(t.Part("DEVICE", "Conn1"), "P_QDTX_Server_ProcessorNo", {{DATATYPE, "UINT16"}});
                  },
                  {ConnFinding(40028, 2, DATATYPE, {"P_QDTX_Server_ProcessorNo"})}},
        CheckCase{"ConnectionParameterUnknownIn11", F11,
                  [](TestProfile& t) {
                      t.AddElem(t.Part("DEVICE", "Conn1"), "P_QDTX_Server_ProcessorNo", {{DATATYPE, "UINT16"}});
                  },
                  {}},
        CheckCase{"LogCsvParameterUnknownIn20", F20,
                  [](TestProfile& t) {
                      t.AddElem(t.Part("DEVICE", "Conn1"), "P_LOG_CSV_Folder", {{DATATYPE, "STRING(256)"}});
                  },
                  {}},
        CheckCase{"SchemaNameOfAnotherProtocol", F30,
                  [](TestProfile& t) {
                      t.AddElem(t.Part("COMM1", "CommInfo"), "P_RDB_DefaultSchemaName",
                                {{DATATYPE, "STRING(256)"}, {DATA, "s"}});
                  },
                  {F(40122, "COMM1", "CommInfo", 0, DATA, {"DeviceInterface"})}},
        CheckCase{"SchemaNameIn20", F20,
                  [](TestProfile& t) {
                      t.AddElem(t.Part("COMM1", "CommInfo"), "P_RDB_DefaultSchemaName",
                                {{DATATYPE, "STRING(256)"}, {DATA, "s"}});
                  },
                  {}},
        CheckCase{"RdbConnectionNeedsRdbTypes", F30,
                  [](TestProfile& t) {
                      Set(t, "DEVICE", "Conn1", "ProtocolType", {DATA, "RDB"});
                      t.AddElem(t.Part("COMM1", "Config"), "c", {{NAME, "n"}, {DATATYPE, "DATE"}});
                      t.AddElem(t.Part("COMM1", "Config"), "d", {{NAME, "n"}, {DATATYPE, "RDB_"}});
                  },
                  {F(40123, "COMM1", "Vars", 0, DATATYPE, {"Vars"}),
                   F(40123, "COMM1", "Config", 1, DATATYPE, {"Config"})}}),
    CaseName);

TEST(InfoChecks, LogCsvTextsHaveNoLocation) {
    auto t = TestProfile::Valid(F30());
    Set(*t, "DEVICE", "Conn1", "ProtocolType", {DATA, "LOG_CSV"});
    const QList<_ST_PEL_CHECK_MESSAGE> m = RunCheck(F30(), t->Root());
    ASSERT_EQ(m.size(), 2);
    EXPECT_EQ(
        m[0].text,
        QString::fromUtf8("**エラー**セクション DEVICE 、パート Conn1 に、LABEL P_LOG_CSV_Separator が設定さ"
                          "れていません。ProtocolTypeが「LOG_CSV」の場合、P_LOG_CSV_Separatorは必須です。"));
}

}  // namespace
