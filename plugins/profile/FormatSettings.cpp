#include "FormatSettings.h"

#include <algorithm>
#include <array>

namespace PeloraFormat {
namespace {

template <class T, std::size_t A, std::size_t B>
constexpr std::array<T, A + B> Join(const std::array<T, A>& a, const std::array<T, B>& b) {
    std::array<T, A + B> out{};
    std::copy(a.begin(), a.end(), out.begin());
    std::copy(b.begin(), b.end(), out.begin() + A);
    return out;
}

// ---- String tables -------------------------------------------------------------------------

// Ids 8000-8121: the same in 3.0 and 2.0.
constexpr std::array kJapaneseElementTexts = {
    StringEntry{8000, "ファイル生成日"},
    StringEntry{8001, "ファイル生成時間"},
    StringEntry{8002, "最終更新日"},
    StringEntry{8003, "最終更新時間"},
    StringEntry{8004, "対応言語情報"},
    StringEntry{8005, "ファイルバージョン"},
    StringEntry{8008, "ベンダー名称"},
    StringEntry{8010, "型名"},
    StringEntry{8011, "プロダクトID"},
    StringEntry{8014, "装置バージョン"},
    StringEntry{8019, "参照URL"},
    StringEntry{8020, "URL情報"},
    StringEntry{8021, "概要仕様"},
    StringEntry{8023, "仕様リスト"},
    StringEntry{8028, "アイコンファイル名"},
    StringEntry{8029, "画像ファイル名"},
    StringEntry{8036, "装置との通信手段"},
    StringEntry{8037, "装置との通信手段"},
    StringEntry{8038, "ja"},
    StringEntry{8039, "COMMON"},
    StringEntry{8041, "ファイル生成日"},
    StringEntry{8042, "ファイル生成時間"},
    StringEntry{8043, "最終更新日"},
    StringEntry{8044, "最終更新時間"},
    StringEntry{8045, "対応言語情報"},
    StringEntry{8046, "ファイルバージョン"},
    StringEntry{8047, "ベンダー名称"},
    StringEntry{8049, "型名"},
    StringEntry{8050, "プロダクトID"},
    StringEntry{8053, "装置バージョン"},
    StringEntry{8058, "参照URL"},
    StringEntry{8059, "URL情報"},
    StringEntry{8060, "概要仕様"},
    StringEntry{8062, "仕様リスト"},
    StringEntry{8063, "アイコンファイル名"},
    StringEntry{8064, "画像ファイル名"},
    StringEntry{8070, "装置との通信手段"},
    StringEntry{8071, "装置との通信手段"},
    StringEntry{8074, "装置プロファイル仕様バージョン"},
    StringEntry{8085, "装置プロファイル仕様バージョン"},
    StringEntry{8090, "ベンダー名称"},
    StringEntry{8091, "ベンダー名称"},
    StringEntry{8092, "型名"},
    StringEntry{8093, "型名"},
    StringEntry{8094, "プロトコル種別"},
    StringEntry{8095, "プロトコル種別"},
    StringEntry{8096, "プロトコルバージョン"},
    StringEntry{8097, "プロトコルバージョン"},
    StringEntry{8098, "クライアントのIPアドレス"},
    StringEntry{8099, "クライアントのネットワーク番号"},
    StringEntry{8100, "クライアントの局番"},
    StringEntry{8101, "サーバのIPアドレス"},
    StringEntry{8102, "サーバのポート番号"},
    StringEntry{8103, "サーバのネットワーク番号"},
    StringEntry{8104, "サーバの局番"},
    StringEntry{8105, "サーバのプロセッサ番号"},
    StringEntry{8106, "中継局のIPアドレス"},
    StringEntry{8107, "中継局のポート番号"},
    StringEntry{8108, "中継局のネットワーク番号"},
    StringEntry{8109, "中継局の局番"},
    StringEntry{8110, "クライアントのIPアドレス"},
    StringEntry{8111, "クライアントのネットワーク番号"},
    StringEntry{8112, "クライアントの局番"},
    StringEntry{8113, "サーバのIPアドレス"},
    StringEntry{8114, "サーバのポート番号"},
    StringEntry{8115, "サーバのネットワーク番号"},
    StringEntry{8116, "サーバの局番"},
    StringEntry{8117, "サーバのプロセッサ番号"},
    StringEntry{8118, "中継局のIPアドレス"},
    StringEntry{8119, "中継局のポート番号"},
    StringEntry{8120, "中継局のネットワーク番号"},
    StringEntry{8121, "中継局の局番"},
};
constexpr std::array kFormat30OwnTexts = {
    StringEntry{8122, "タイムスタンプ列"},
    StringEntry{8123, "先頭行"},
    StringEntry{8124, "サンプリング周期"},
    StringEntry{8125, "拡張子"},
    StringEntry{8126, "区切り文字"},
    StringEntry{8127, "改行コード"},
    StringEntry{8128, "文字コード"},
    StringEntry{8129, "文字コードエンディアン"},
    StringEntry{8130, "文字コードBOM"},
    StringEntry{8131, "ダブルクォーテーション"},
    StringEntry{8132, "フォルダ"},
    StringEntry{8133, "タイムスタンプ列"},
    StringEntry{8134, "先頭行"},
    StringEntry{8135, "サンプリング周期"},
    StringEntry{8136, "拡張子"},
    StringEntry{8137, "区切り文字"},
    StringEntry{8138, "改行コード"},
    StringEntry{8139, "文字コード"},
    StringEntry{8140, "文字コードエンディアン"},
    StringEntry{8141, "文字コードBOM"},
    StringEntry{8142, "ダブルクォーテーション"},
    StringEntry{8143, "フォルダ"},
    StringEntry{8144, "IPアドレス"},
    StringEntry{8145, "サーバ名"},
    StringEntry{8146, "ポート番号"},
    StringEntry{8147, "データベース製品名"},
    StringEntry{8148, "データベース製品バージョン"},
    StringEntry{8149, "データベース名"},
    StringEntry{8150, "データソース名"},
    StringEntry{8151, "通信タイムアウト時間"},
    StringEntry{8152, "IPアドレス"},
    StringEntry{8153, "サーバ名"},
    StringEntry{8154, "ポート番号"},
    StringEntry{8155, "データベース製品名"},
    StringEntry{8156, "データベース製品バージョン"},
    StringEntry{8157, "データベース名"},
    StringEntry{8158, "データソース名"},
    StringEntry{8159, "通信タイムアウト時間"},
    StringEntry{8160, "スキーマ名（デフォルト）"},
    StringEntry{8161, "スキーマ名（デフォルト）"},
    StringEntry{8162, "LOG_CSV"},
    StringEntry{8163, "RDB"},
    StringEntry{8164, "QDTX"},
    StringEntry{41003, "\u3000"},
    StringEntry{41019,
                "処理に失敗しました。\n以下の原因が考えられます。\n・処理に必要なメモリまたはディスク容量が不"
                "足している。\n・処理にその他のエラーが発生した。"},
    StringEntry{41020, "DEVICE_IFの数が20480個を超えているため接続情報設定画面を表示できません。"},
};

constexpr std::array kFormat20OwnTexts = {
    StringEntry{8122, "QDTX"},
    StringEntry{41003, "\u3000"},
};

constexpr auto kFormat30Texts = Join(kJapaneseElementTexts, kFormat30OwnTexts);
constexpr auto kFormat20Texts = Join(kJapaneseElementTexts, kFormat20OwnTexts);

constexpr std::array kFormat11Texts = {
    StringEntry{8000, "CreateDate"},
    StringEntry{8001, "CreateTime"},
    StringEntry{8002, "ModDate"},
    StringEntry{8003, "ModTime"},
    StringEntry{8004, "Language"},
    StringEntry{8005, "FileVersion"},
    StringEntry{8006, "CorvixFamilyProfileVersion"},
    StringEntry{8007, "Pelora Specification Version"},
    StringEntry{8008, "VendorName"},
    StringEntry{8009, "VendorCode"},
    StringEntry{8010, "DeviceModel"},
    StringEntry{8011, "ProductID"},
    StringEntry{8012, "DeviceTypeID"},
    StringEntry{8013, "DeviceTypeDetail"},
    StringEntry{8014, "Version"},
    StringEntry{8015, "VersionDisplayFlag"},
    StringEntry{8016, "VersionPolicyType"},
    StringEntry{8017, "DisplayVersionValue"},
    StringEntry{8018, "VersionComment"},
    StringEntry{8019, "ReferenceURL"},
    StringEntry{8020, "URLInfo"},
    StringEntry{8021, "Outline"},
    StringEntry{8022, "Feature"},
    StringEntry{8023, "SpecList"},
    StringEntry{8024, "PowerSupplyVoltage"},
    StringEntry{8025, "Power Supply Voltage(V)"},
    StringEntry{8026, "ConsumptionCurrent"},
    StringEntry{8027, "ConsumptionCurrent(mA)"},
    StringEntry{8028, "IconFileName"},
    StringEntry{8029, "GraphicsFileName"},
    StringEntry{8030, "Height"},
    StringEntry{8031, "Width"},
    StringEntry{8032, "Depth"},
    StringEntry{8033, "Weight"},
    StringEntry{8034, "Price"},
    StringEntry{8036, "DeviceInterface"},
    StringEntry{8037, "Method of Communications with Dazeziv"},
    StringEntry{8038, "en"},
    StringEntry{8039, "COMMON"},
    StringEntry{8041, "File Creation Date"},
    StringEntry{8042, "File Creation Time"},
    StringEntry{8043, "Last Modified Date"},
    StringEntry{8044, "Last Modified Time"},
    StringEntry{8045, "Supported Language"},
    StringEntry{8046, "File Version"},
    StringEntry{8047, "Vendor Name"},
    StringEntry{8048, "Vendor Code"},
    StringEntry{8049, "Device Model"},
    StringEntry{8050, "Product ID"},
    StringEntry{8051, "Device Type ID"},
    StringEntry{8052, "Device Type Detail"},
    StringEntry{8053, "Dazeziv Version"},
    StringEntry{8054, "Device Version Display Flag"},
    StringEntry{8055, "Device Version Display Policy"},
    StringEntry{8056, "Device Version (Display Value)"},
    StringEntry{8057, "Version Comment"},
    StringEntry{8058, "Reference URL"},
    StringEntry{8059, "URL Info"},
    StringEntry{8060, "Outline"},
    StringEntry{8061, "Feature"},
    StringEntry{8062, "Spec List"},
    StringEntry{8063, "Icon File Name"},
    StringEntry{8064, "Graphics File Name"},
    StringEntry{8065, "Height"},
    StringEntry{8066, "Width"},
    StringEntry{8067, "Depth"},
    StringEntry{8068, "Weight"},
    StringEntry{8069, "Price"},
    StringEntry{8070, "Method of Communications with Dazeziv"},
    StringEntry{8071, "DeviceInterface"},
    StringEntry{8073, "Device Type Detail"},
    StringEntry{8074, "Pelora for Dazeziv Specification Version"},
    StringEntry{8075, "VendorName"},
    StringEntry{8076, "Vendor Name"},
    StringEntry{8077, "VendorCode"},
    StringEntry{8078, "Vendor Code"},
    StringEntry{8079, "VendorName"},
    StringEntry{8080, "Vendor Name"},
    StringEntry{8081, "VendorCode"},
    StringEntry{8082, "Vendor Code"},
    StringEntry{8083, "Version"},
    StringEntry{8084, "Version"},
    StringEntry{8085, "ProfileSpecVersion"},
    StringEntry{8086, "Import External Data(&D)"},
    StringEntry{8087, "Export (No check) (&P)"},
    StringEntry{8088, "Read"},
    StringEntry{8089, "Write"},
    StringEntry{8090, "VendorName"},
    StringEntry{8091, "Vendor Name"},
    StringEntry{8092, "DeviceModel"},
    StringEntry{8093, "Device Model"},
    StringEntry{8094, "ProtocolType"},
    StringEntry{8095, "Protocol Type"},
    StringEntry{8096, "ProtocolVersion"},
    StringEntry{8097, "Protocol Version"},
    StringEntry{41003, "\u3000"},
};

// ---- Item kinds ----------------------------------------------------------------------------

constexpr const char* kItemTags30[ItemKindCount] = {
    "",     "label",     "label2",   "category", "name",          "datatype",
    "data", "range",     "minInc",   "engUnit",  "access",        "assign",
    "code", "refMemory", "refParam", "comment",  "readCondition", "relation",
};
constexpr const char* kItemTags20[ItemKindCount] = {
    "",        "label",  "label2", "category", "name",      "datatype", "data",    "range",         "minInc",
    "engUnit", "access", "assign", "code",     "refMemory", "refParam", "comment", "readCondition", "",
};
constexpr const char* kItemTags11[ItemKindCount] = {
    "",        "label",  "label2", "category", "name",      "datatype", "data",    "range", "minInc",
    "engUnit", "access", "assign", "code",     "refMemory", "refParam", "comment", "",      "",
};

constexpr int kInfoOrder[] = {2, 3, 4, 5, 6};
constexpr int kInterfaceOrder[] = {2, 3, 4, 5, 6};
constexpr int kMemoryOrder30[] = {2, 3, 4, 5, 7, 8, 9, 10, 11, 17, 15};
constexpr int kMemoryOrder20[] = {2, 3, 4, 5, 7, 8, 9, 10, 11, 15};
constexpr int kParamOrder[] = {2, 3, 4, 5, 6, 9, 15};
constexpr int kVariableOrder[] = {2, 3, 4, 5, 7, 8, 9, 11, 15};
constexpr int kConfigOrder30[] = {2, 3, 4, 5, 7, 8, 9, 10, 16, 13, 14, 15};
constexpr int kConfigOrder11[] = {2, 3, 4, 5, 7, 8, 9, 10, 13, 14, 15};
constexpr int kEnumOrder[] = {2, 3, 4, 12, 15};

constexpr int kDeviceParts[] = {3};
constexpr int kCommIfParts[] = {5, 6, 10};
constexpr int kBlockParts[] = {8, 9, 10};

// ---- Labels and data types -----------------------------------------------------------------

// Every ASCII punctuation mark but the underscore, then the space and the ideographic space (41003).
constexpr char16_t kProhibitedChars[] = u"!\"#$%&'()*+,-./:;<=>?@[\\]^`{|}~ \u3000";

// 3.0 has all 33; 2.0 drops the last, 1.1 the last two.
constexpr const char* kReservedWords[] = {
    "FILE",
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
    "RELATION",
};

constexpr const char kDataTypes20[] =
    "|BOOL|BIN8|BIN16|BIN32|BIN?|BYTE|WORD|DWORD|BIT_STRING?|INT8|INT16|INT32|INT?|UINT8|UINT16|UINT32|UINT?"
    "|BCD8|BCD16|BCD32|BCD?|REAL|LREAL|STRING(?)|STRING_U(?)|TIME|DATE|ACCURACY|IP_V4|IP_V4_64|";
constexpr const char kDataTypes30[] =
    "|BOOL|BIN8|BIN16|BIN32|BIN?|BYTE|WORD|DWORD|BIT_STRING?|INT8|INT16|INT32|INT?|UINT8|UINT16|UINT32|UINT?"
    "|BCD8|BCD16|BCD32|BCD?|REAL|LREAL|STRING(?)|STRING_U(?)|TIME|DATE|ACCURACY|IP_V4|IP_V4_64|RDB_?|";

// ---- Connections ---------------------------------------------------------------------------

constexpr ProtocolSpec kProtocols30[] = {{"QDTX", 8164}, {"LOG_CSV", 8162}, {"RDB", 8163}};
constexpr ProtocolSpec kProtocols20[] = {{"QDTX", 8122}};

// ---- Element templates ---------------------------------------------------------------------

using enum TemplateData;

constexpr TemplateSpec kFileInfo[] = {
    {"CreateDate", 8000, 8039, 8041, "STRING(10)", Date},
    {"CreateTime", 8001, 8039, 8042, "STRING(8)", Time},
    {"ModDate", 8002, 8039, 8043, "STRING(10)", Date},
    {"ModTime", 8003, 8039, 8044, "STRING(8)", Time},
    {"Language", 8004, 8039, 8045, "STRING(12)", StringId, nullptr, 8038},
    {"ProfileSpecVersion", 8085, 8039, 8074, "STRING(32)", SpecVersion},
    {"FileVersion", 8005, 8039, 8046, "STRING(32)", Literal, "1.0"},
};

constexpr TemplateSpec kDeviceInfo[] = {
    {"VendorName", 8008, 8039, 8047, "STRING_U(64)"},
    {"DeviceModel", 8010, 8039, 8049, "STRING(48)"},
    {"ProductID", 8011, 8039, 8050, "STRING(256)"},
    {"Version", 8014, 8039, 8053, ""},
    {"ReferenceURL", 8019, 8039, 8058, "STRING_U(1024)"},
    {"URLInfo", 8020, 8039, 8059, "STRING_U(256)"},
    {"Outline", 8021, 8039, 8060, "STRING_U(256)"},
    {"SpecList", 8023, 8039, 8062, "STRING_U(256)()"},
    {"IconFileName", 8028, 8039, 8063, "STRING(52)"},
    {"GraphicsFileName", 8029, 8039, 8064, "STRING(52)"},
};

constexpr TemplateSpec kBlockInfo[] = {
    {"DeviceInterface", 8036, 8039, 8037, "STRING(129)"},
};

// 2.0 and 1.1 take the first template only.
constexpr TemplateSpec kCommIfInfo[] = {
    {"DeviceInterface", 8071, 8039, 8070, "STRING(129)"},
    {"P_RDB_DefaultSchemaName", 8160, 8163, 8161, "STRING(256)"},
};

#define PEL_COMMON_DEVICE_IF                                                                           \
    {"VendorName", 8090, 8039, 8091, "STRING_U(64)"}, {"DeviceModel", 8092, 8039, 8093, "STRING(48)"}, \
        {"ProtocolType", 8094, 8039, 8095, "STRING(48)"}, {                                            \
        "ProtocolVersion", 8096, 8039, 8097, "UINT16", Literal, "1"                                    \
    }

#define PEL_QDTX_DEVICE_IF(cat)                                     \
    {"P_QDTX_Client_IPAddress", 8098, cat, 8110, "STRING(39)"},     \
        {"P_QDTX_Client_NetworkNo", 8099, cat, 8111, "UINT16"},     \
        {"P_QDTX_Client_StationNo", 8100, cat, 8112, "UINT16"},     \
        {"P_QDTX_Server_IPAddress", 8101, cat, 8113, "STRING(39)"}, \
        {"P_QDTX_Server_PortNo", 8102, cat, 8114, "UINT16"},        \
        {"P_QDTX_Server_NetworkNo", 8103, cat, 8115, "UINT16"},     \
        {"P_QDTX_Server_StationNo", 8104, cat, 8116, "UINT16"},     \
        {"P_QDTX_Server_ProcessorNo", 8105, cat, 8117, "WORD"},     \
        {"P_QDTX_Relay_IPAddress", 8106, cat, 8118, "STRING(39)"},  \
        {"P_QDTX_Relay_PortNo", 8107, cat, 8119, "UINT16"},         \
        {"P_QDTX_Relay_NetworkNo", 8108, cat, 8120, "UINT16"}, {    \
        "P_QDTX_Relay_StationNo", 8109, cat, 8121, "UINT16"         \
    }

constexpr TemplateSpec kDeviceIf30[] = {
    PEL_COMMON_DEVICE_IF,
    PEL_QDTX_DEVICE_IF(8164),
    {"P_LOG_CSV_TimeStampColumn", 8122, 8162, 8133, "UINT16"},
    {"P_LOG_CSV_FirstRow", 8123, 8162, 8134, "UINT16"},
    {"P_LOG_CSV_SamplingPeriod", 8124, 8162, 8135, "STRING(48)"},
    {"P_LOG_CSV_Extension", 8125, 8162, 8136, "STRING(16)"},
    {"P_LOG_CSV_Separator", 8126, 8162, 8137, "STRING(16)"},
    {"P_LOG_CSV_NewLineCode", 8127, 8162, 8138, "STRING(16)"},
    {"P_LOG_CSV_CharacterCode", 8128, 8162, 8139, "STRING(16)"},
    {"P_LOG_CSV_CharacterCodeEndian", 8129, 8162, 8140, "STRING(16)"},
    {"P_LOG_CSV_CharacterCodeBOM", 8130, 8162, 8141, "BOOL"},
    {"P_LOG_CSV_DoubleQuotation", 8131, 8162, 8142, "BOOL"},
    {"P_LOG_CSV_Folder", 8132, 8162, 8143, "STRING_U(256)"},
    {"P_RDB_IPAddress", 8144, 8163, 8152, "STRING(39)"},
    {"P_RDB_ServerName", 8145, 8163, 8153, "STRING_U(256)"},
    {"P_RDB_PortNo", 8146, 8163, 8154, "UINT16"},
    {"P_RDB_DBMSName", 8147, 8163, 8155, "STRING_U(256)"},
    {"P_RDB_DBMSVersion", 8148, 8163, 8156, "STRING(48)"},
    {"P_RDB_DatabaseName", 8149, 8163, 8157, "STRING_U(256)"},
    {"P_RDB_DataSourceName", 8150, 8163, 8158, "STRING_U(256)"},
    {"P_RDB_ConnectionTimeout", 8151, 8163, 8159, "STRING(48)"},
};

// 1.1 takes the four common templates only.
constexpr TemplateSpec kDeviceIf20[] = {
    PEL_COMMON_DEVICE_IF,
    PEL_QDTX_DEVICE_IF(8122),
};

#undef PEL_COMMON_DEVICE_IF
#undef PEL_QDTX_DEVICE_IF

constexpr TemplateSpec kBlockMemory[] = {
    {"P_Value", 0, 0, 0, ""},           {"P_NA", 0, 0, 0, ""},
    {"P_Accuracy", 0, 0, 0, ""},        {"P_ChangeDate", 0, 0, 0, ""},
    {"P_MeasurementDate", 0, 0, 0, ""}, {"P_Period", 0, 0, 0, ""},
};

// 1.1 has no P_ReadConditionCycle.
constexpr TemplateSpec kBlockParam[] = {
    {"P_Accuracy", 0, 0, 0, ""},
    {"P_Cycle", 0, 0, 0, ""},
    {"P_ReadConditionCycle", 0, 0, 0, ""},
};

template <class T, std::size_t N>
constexpr std::span<const T> First(const T (&a)[N], std::size_t n) {
    return std::span<const T>(a, n);
}

// Part kinds 0 .. 10 -> writer order.
#define PEL_ORDERS(memory, config)                                                                           \
    {                                                                                                        \
        {}, kInfoOrder, kInfoOrder, kInterfaceOrder, kInfoOrder, kVariableOrder, config, kInfoOrder, memory, \
            kParamOrder, kEnumOrder                                                                          \
    }

const FormatSettings kFormat30{
    .version = 0x30000,
    .nameVersion = 0x30000,
    .internalName = "PeloraMachine",
    .displayName = "Pelora for Dazeziv[3.0]",
    .namespaceUri = "http://pelora.example/peloraformachine/ver3/",
    .profileSpecVersion = "3.0",
    .specMajor = 3,
    .language = "ja",
    .maxItemKind = 17,
    .itemTagNames = kItemTags30,
    .itemOrders = PEL_ORDERS(kMemoryOrder30, kConfigOrder30),
    .addablePartKinds = {{}, {}, kDeviceParts, kCommIfParts, kBlockParts},
    .prohibitedLabelChars = First(kProhibitedChars, 33),
    .reservedLabelWords = First(kReservedWords, 33),
    .dataTypeList = kDataTypes30,
    .hasRdbDataTypes = true,
    .protocols = kProtocols30,
    .hasConnectionEditor = true,
    .fileInfoTemplates = kFileInfo,
    .deviceInfoTemplates = kDeviceInfo,
    .blockInfoTemplates = kBlockInfo,
    .commIfInfoTemplates = First(kCommIfInfo, 2),
    .deviceIfTemplates = kDeviceIf30,
    .blockMemoryTemplates = kBlockMemory,
    .blockParamTemplates = First(kBlockParam, 3),
    .missingSectionMessageId = 40125,
    .strings = kFormat30Texts,
};

const FormatSettings kFormat20{
    .version = 0x20000,
    .nameVersion = 0x20000,
    .internalName = "PeloraMachine",
    .displayName = "Pelora for Dazeziv[2.0]",
    .namespaceUri = "http://pelora.example/peloraformachine/ver2/",
    .profileSpecVersion = "2.0",
    .specMajor = 2,
    .language = "ja",
    .maxItemKind = 16,
    .itemTagNames = kItemTags20,
    .itemOrders = PEL_ORDERS(kMemoryOrder20, kConfigOrder30),
    .addablePartKinds = {{}, {}, kDeviceParts, kCommIfParts, kBlockParts},
    .prohibitedLabelChars = First(kProhibitedChars, 33),
    .reservedLabelWords = First(kReservedWords, 32),
    .dataTypeList = kDataTypes20,
    .hasRdbDataTypes = false,
    .protocols = kProtocols20,
    .hasConnectionEditor = false,
    .fileInfoTemplates = kFileInfo,
    .deviceInfoTemplates = kDeviceInfo,
    .blockInfoTemplates = kBlockInfo,
    .commIfInfoTemplates = First(kCommIfInfo, 1),
    .deviceIfTemplates = kDeviceIf20,
    .blockMemoryTemplates = kBlockMemory,
    .blockParamTemplates = First(kBlockParam, 3),
    .missingSectionMessageId = 40117,
    .strings = kFormat20Texts,
};

const FormatSettings kFormat11{
    .version = 0x10001,
    .nameVersion = 0x10000,
    .internalName = "PeloraMachine",
    .displayName = "Pelora for Dazeziv[1.1]",
    .namespaceUri = "http://pelora.example/peloraformachine/ver1/",
    .profileSpecVersion = "1.1",
    .specMajor = 1,
    .language = "en",
    .maxItemKind = 15,
    .itemTagNames = kItemTags11,
    .itemOrders = PEL_ORDERS(kMemoryOrder20, kConfigOrder11),
    .addablePartKinds = {{}, {}, kDeviceParts, kCommIfParts, kBlockParts},
    .prohibitedLabelChars = First(kProhibitedChars, 33),
    .reservedLabelWords = First(kReservedWords, 31),
    .dataTypeList = kDataTypes20,
    .hasRdbDataTypes = false,
    .protocols = {},
    .hasConnectionEditor = false,
    .fileInfoTemplates = kFileInfo,
    .deviceInfoTemplates = kDeviceInfo,
    .blockInfoTemplates = kBlockInfo,
    .commIfInfoTemplates = First(kCommIfInfo, 1),
    .deviceIfTemplates = First(kDeviceIf20, 4),
    .blockMemoryTemplates = kBlockMemory,
    .blockParamTemplates = First(kBlockParam, 2),
    .missingSectionMessageId = 40117,
    .strings = kFormat11Texts,
};

#undef PEL_ORDERS

}  // namespace

QString FormatSettings::String(int id) const {
    auto it = std::lower_bound(strings.begin(), strings.end(), id,
                               [](const StringEntry& e, int key) { return e.id < key; });
    if (it == strings.end() || it->id != id) return QString();
    return QString::fromUtf8(it->text);
}

QString FormatSettings::ItemTagName(int itemKind) const {
    if (!HasItemKind(itemKind)) return QString();
    return QString::fromLatin1(itemTagNames[itemKind]);
}

std::span<const int> FormatSettings::ItemOrder(int partKind) const {
    if (partKind < 0 || partKind >= PartKindCount) return {};
    return itemOrders[partKind];
}

std::span<const int> FormatSettings::AddablePartKinds(int sectionKind) const {
    if (sectionKind < 0 || sectionKind >= 5) return {};
    return addablePartKinds[sectionKind];
}

const FormatSettings& Format30() {
    return kFormat30;
}
const FormatSettings& Format20() {
    return kFormat20;
}
const FormatSettings& Format11() {
    return kFormat11;
}

}  // namespace PeloraFormat
