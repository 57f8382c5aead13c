#pragma once
// Numbers of the connection-information editor: string ids of the plug-in's table, control ids of
// its dialogs (also their object names, so tests and scripts find them), limits and results.

namespace ConnInfo {

// ---- Limits ---------------------------------------------------------------------------------
inline constexpr int kMaxConnections = 20480;
inline constexpr int kMaxLabelLength = 64;
inline constexpr int kMaxCommentLength = 1024;

// ---- Results of the edit run and of its steps -----------------------------------------------
inline constexpr int kDone = 0;
inline constexpr int kFailed = 1;
inline constexpr int kNothing = 2;  // cancelled, declined or nothing to apply
inline constexpr int kTooMany = 3;
inline constexpr int kUnsupported = 4;
inline constexpr int kLimitReached = 5;

// ---- Codes of the label check ----------------------------------------------------------------
inline constexpr int kLabelOk = 0;
inline constexpr int kLabelFailure = 1;
inline constexpr int kLabelEmpty = 6;
inline constexpr int kLabelTooLong = 7;
inline constexpr int kLabelNotAscii = 8;
inline constexpr int kLabelUsed = 9;

// ---- Strings ---------------------------------------------------------------------------------
inline constexpr int IDS_COMMON_CATEGORY = 8039;
inline constexpr int IDS_LOG_CSV_RESET = 8040;
inline constexpr int IDS_PROTOCOL_TYPE_LABEL2 = 8094;
inline constexpr int IDS_PROTOCOL_TYPE_NAME = 8095;
inline constexpr int IDS_PROTOCOL_VERSION_LABEL2 = 8096;
inline constexpr int IDS_PROTOCOL_VERSION_NAME = 8097;
inline constexpr int IDS_CATEGORY_LOG_CSV = 8162;
inline constexpr int IDS_CATEGORY_RDB = 8163;
inline constexpr int IDS_CATEGORY_QDTX = 8164;

inline constexpr int IDS_FAILURE = 41019;
inline constexpr int IDS_TOO_MANY_CONNECTIONS = 41020;
inline constexpr int IDS_CUT_COMMENTS = 41021;
inline constexpr int IDS_HEADER_LABEL = 41022;
inline constexpr int IDS_HEADER_COMMENT = 41023;
inline constexpr int IDS_HEADER_PROTOCOL_TYPE = 41024;
inline constexpr int IDS_HEADER_PROTOCOL_VERSION = 41025;
inline constexpr int IDS_HEADER_DETAIL = 41026;
inline constexpr int IDS_PROTOCOL_TYPE = 41027;
inline constexpr int IDS_PROTOCOL_VERSION = 41028;
inline constexpr int IDS_ADD_LIMIT = 41029;
inline constexpr int IDS_UNSUPPORTED_PROTOCOL = 41031;
inline constexpr int IDS_CONFIRM_DELETE = 41032;
inline constexpr int IDS_DEFAULT_LABEL = 41033;
inline constexpr int IDS_QDTX_RESET = 41046;
inline constexpr int IDS_LABEL_PROHIBITED = 41047;
inline constexpr int IDS_LABEL_LEADING = 41048;
inline constexpr int IDS_LABEL_RESERVED = 41049;
inline constexpr int IDS_LABEL_NOT_ASCII = 41050;
inline constexpr int IDS_LABEL_USED = 41051;
inline constexpr int IDS_LABEL_EMPTY = 41052;
inline constexpr int IDS_LABEL_TOO_LONG = 41053;
inline constexpr int IDS_QDTX_OUT_OF_RANGE = 41063;
inline constexpr int IDS_TYPE_BOOL = 41064;
inline constexpr int IDS_TYPE_UINT16 = 41065;
inline constexpr int IDS_TYPE_WORD = 41066;
inline constexpr int IDS_TYPE_STRING16 = 41067;
inline constexpr int IDS_TYPE_STRING39 = 41068;
inline constexpr int IDS_TYPE_STRING48 = 41069;
inline constexpr int IDS_TYPE_STRING_U256 = 41070;
inline constexpr int IDS_CONFIRM_DISCARD = 41071;
inline constexpr int IDS_LOG_CSV_OUT_OF_RANGE = 41072;
inline constexpr int IDS_LOG_CSV_TIMESTAMP_RANGE = 41073;
inline constexpr int IDS_LOG_CSV_FIRST_ROW_RANGE = 41074;
inline constexpr int IDS_RDB_OUT_OF_RANGE = 41075;
inline constexpr int IDS_RDB_PORT_RANGE = 41076;
inline constexpr int IDS_RDB_RESET = 41085;
inline constexpr int IDS_LABEL_TOO_LONG_RESET = 41086;

// ---- Menu commands -----------------------------------------------------------------------------
inline constexpr int ID_EDIT_CLEAR = 57632;       // delete
inline constexpr int ID_EDIT_SELECT_ALL = 57642;  // select all

// ---- Controls ----------------------------------------------------------------------------------
inline constexpr int IDC_OK = 1;
inline constexpr int IDC_CANCEL = 2;

// List dialog.
inline constexpr int IDC_LIST_ADD = 8001;
inline constexpr int IDC_LIST_DELETE = 8002;
inline constexpr int IDC_LIST_GRID = 8007;
inline constexpr int IDC_LIST_FRAME = 8172;

// Protocol dialog.
inline constexpr int IDC_PROTOCOL_QDTX = 8167;
inline constexpr int IDC_PROTOCOL_RDB = 8168;
inline constexpr int IDC_PROTOCOL_LOG_CSV = 8169;
inline constexpr int IDC_PROTOCOL_VERSION = 8171;

// QDTX dialog: label, comment, then the twelve parameters in table order.
inline constexpr int IDC_QDTX_LABEL = 8008;
inline constexpr int IDC_QDTX_COMMENT = 8009;
inline constexpr int IDC_QDTX_CLIENT_IP = 8010;
inline constexpr int IDC_QDTX_CLIENT_NETWORK = 8011;
inline constexpr int IDC_QDTX_CLIENT_STATION = 8012;
inline constexpr int IDC_QDTX_SERVER_IP = 8013;
inline constexpr int IDC_QDTX_SERVER_PORT = 8014;
inline constexpr int IDC_QDTX_SERVER_NETWORK = 8015;
inline constexpr int IDC_QDTX_SERVER_STATION = 8016;
inline constexpr int IDC_QDTX_SERVER_PROCESSOR = 8017;
inline constexpr int IDC_QDTX_RELAY_IP = 8018;
inline constexpr int IDC_QDTX_RELAY_PORT = 8019;
inline constexpr int IDC_QDTX_RELAY_NETWORK = 8020;
inline constexpr int IDC_QDTX_RELAY_STATION = 8021;

// RDB dialog.
inline constexpr int IDC_RDB_LABEL = 8176;
inline constexpr int IDC_RDB_COMMENT = 8177;
inline constexpr int IDC_RDB_IP = 8178;
inline constexpr int IDC_RDB_SERVER = 8179;
inline constexpr int IDC_RDB_PORT = 8180;
inline constexpr int IDC_RDB_DBMS_NAME = 8181;
inline constexpr int IDC_RDB_DBMS_VERSION = 8182;
inline constexpr int IDC_RDB_DATABASE = 8183;
inline constexpr int IDC_RDB_DATA_SOURCE = 8184;
inline constexpr int IDC_RDB_TIMEOUT = 8185;

// LOG_CSV dialog.
inline constexpr int IDC_CSV_LABEL = 8187;
inline constexpr int IDC_CSV_COMMENT = 8188;
inline constexpr int IDC_CSV_TIMESTAMP = 8189;
inline constexpr int IDC_CSV_FIRST_ROW = 8190;
inline constexpr int IDC_CSV_SAMPLING = 8191;
inline constexpr int IDC_CSV_EXTENSION = 8192;
inline constexpr int IDC_CSV_SEPARATOR = 8193;
inline constexpr int IDC_CSV_NEWLINE = 8194;
inline constexpr int IDC_CSV_CHARCODE = 8195;
inline constexpr int IDC_CSV_ENDIAN = 8196;
inline constexpr int IDC_CSV_BOM = 8197;
inline constexpr int IDC_CSV_QUOTE = 8198;
inline constexpr int IDC_CSV_FOLDER = 8201;
inline constexpr int IDC_CSV_FOLDER_BUTTON = 8202;

}  // namespace ConnInfo
