#pragma once
#include <QChar>
#include <QString>
#include <QStringList>

// Node kind tags: the first thing every tree node carries.
enum EPELFMDEF_NODEKIND {
    NODE_SECTION = 0,
    NODE_PART = 1,
    NODE_ELEM = 2,
    NODE_ITEM = 3,
    NODE_ROOT = 4,
};

enum EPELFMDEF_SECTIONTYPE {
    SECTION_UNKNOW = 0,
    SECTION_FILE = 1,
    SECTION_DEVICE = 2,
    SECTION_COMM_IF = 3,
    SECTION_BLOCK = 4,
    SECTION_MAX = 5,
};

enum EPELFMDEF_PARTTYPE {
    PART_UNKNOW = 0,
    PART_FILE_INFO = 1,
    PART_DEVICE_INFO = 2,
    PART_DEVICE_IF = 3,
    PART_COMM_IF_INFO = 4,
    PART_COMM_IF_VARIABLE = 5,
    PART_COMM_IF_CONFIGURATION = 6,
    PART_BLOCK_INFO = 7,
    PART_BLOCK_MEMORY = 8,
    PART_BLOCK_PARAM = 9,
    PART_ENUM = 10,
};

enum EPELFMDEF_ITEMTYPE {
    ITEM_UNKNOWN = 0,
    LABEL = 1,
    LABEL2 = 2,
    CATEGORY = 3,
    NAME = 4,
    DATATYPE = 5,
    DATA = 6,
    RANGE = 7,
    MIN_INC = 8,
    ENG_UNIT = 9,
    ACCESS = 10,
    ASSIGN = 11,
    CODE = 12,
    REF_MEMORY = 13,
    REF_PARAM = 14,
    COMMENT = 15,
    READ_CONDITION = 16,
    RELATION = 17,
};

enum EPELFMDEF_VALUETYPE {
    VALUE_UNCLASSIFIED = 0,
    VALUE_ENUM_REF = 1,
    VALUE_LIST = 2,
    VALUE_ANGLE_LIST = 3,
    VALUE_RANGE = 4,
    VALUE_TEXT = 5,
    VALUE_REFERENCE = 6,
    VALUE_DOTTED_REFERENCE = 7,
    VALUE_MEMBER_TYPE_REFERENCE = 8,
    VALUE_CONDITION = 9,
};

namespace ProfileInnerConst {

// Data kinds of a value record.
enum EDataKind {
    DATA_UNKNOWN = 0,
    DATA_ITEM = 1,
    DATA_ENUM_REF_ITEM = 2,
    DATA_GENERATED = 7,
};

// One value of an item.
struct _ST_PELFM_DATAINFO {
    int dataKind = DATA_UNKNOWN;
    QString text;

    bool operator==(const _ST_PELFM_DATAINFO&) const = default;
};

struct TypeName {
    int id;
    const char* name;
};

inline constexpr int SectionTypeCount = 6;
inline constexpr int PartTypeCount = 11;
inline constexpr int ItemTypeCount = 17;

inline constexpr TypeName SectionTypeNames[SectionTypeCount] = {
    {0, "UNKNOW"}, {1, "FILE"}, {2, "DEVICE"}, {3, "COMM_IF"}, {4, "BLOCK"}, {5, "MAX"},
};

inline constexpr TypeName PartTypeNames[PartTypeCount] = {
    {0, "UNKNOW_PART"},         {1, "FILE_INFO"},      {2, "DEVICE_INFO"},
    {3, "DEVICE_IF"},           {4, "COMM_IF_INFO"},   {5, "COMM_IF_VARIABLE"},
    {6, "COMM_IF_CONFIGURATION"}, {7, "BLOCK_INFO"},   {8, "BLOCK_MEMORY"},
    {9, "BLOCK_PARAM"},         {10, "ENUM"},
};

// No record for 0: position = id - 1.
inline constexpr TypeName ItemTypeNames[ItemTypeCount] = {
    {1, "LABEL"},      {2, "LABEL2"},    {3, "CATEGORY"},    {4, "NAME"},           {5, "DATATYPE"},
    {6, "DATA"},       {7, "RANGE"},     {8, "MIN_INC"},     {9, "ENG_UNIT"},       {10, "ACCESS"},
    {11, "ASSIGN"},    {12, "CODE"},     {13, "REF_MEMORY"}, {14, "REF_PARAM"},     {15, "COMMENT"},
    {16, "READ_CONDITION"}, {17, "RELATION"},
};

// Tried in this order: the two-character operators must be found before "<" and ">".
inline constexpr const char* ComparisonOperators[6] = {"==", "!=", "<=", ">=", "<", ">"};

// XML element names indexed by type or kind number; entry 0 is empty.
const QStringList& SectionTagNames();  // 5 entries: no name for MAX
const QStringList& PartTagNames();     // 11 entries
const QStringList& ItemTagNames();     // 18 entries
const QStringList& DataTagNames();     // 3 entries

}  // namespace ProfileInnerConst

// Name of an item type, "" when the id has no record (0, negative, 18 and above).
QString GetItemTypeName(int itemType);

// True when the text is exactly the one character given.
bool IsSingleCharString(const QString& text, QChar character);
