#pragma once
// The format settings of the profile plug-in: the one source is built three times (3.0, 2.0, 1.1),
// and everything that differs between the builds is in one constant object of this type.
//
// The check engine (plugins/profile/checks/) reads this header for the reserved label words, the
// item kinds, the data types and the texts. Keep it stable: extend, never rename or reorder.
//
// Kinds are the model's numbers: section kinds 0-5, part kinds 0-10, item kinds 1-17.

#include <QString>
#include <QtGlobal>
#include <span>

namespace PeloraFormat {

inline constexpr int PartKindCount = 11;  // 0 .. ENUM (10)
inline constexpr int ItemKindCount = 18;  // 0 .. RELATION (17)

// One text of the plug-in's string table (UTF-8 source).
struct StringEntry {
    int id;
    const char* text;
};

// Where the DATA of an element template comes from.
enum class TemplateData {
    None,         // no value
    Literal,      // the literal text
    StringId,     // a text of the string table
    Date,         // the date of the call, "YYYY/MM/DD"
    Time,         // the time of the call, "HH:MM:SS"
    SpecVersion,  // the format's ProfileSpecVersion
};

// One element template; the texts of LABEL2, CATEGORY and NAME are string ids (0: empty).
struct TemplateSpec {
    const char* label;
    int label2Id;
    int categoryId;
    int nameId;
    const char* dataType;
    TemplateData data = TemplateData::None;
    const char* literal = nullptr;  // TemplateData::Literal
    int dataId = 0;                 // TemplateData::StringId
};

// A connection protocol of DEVICE_IF parts: its name and the category string id of its parameters.
struct ProtocolSpec {
    const char* name;
    int categoryId;
};

struct FormatSettings {
    // Information record.
    quint32 version;      // 0x30000, 0x20000, 0x10001
    quint32 nameVersion;  // 0x30000, 0x20000, 0x10000
    const char* internalName;
    const char* displayName;

    const char* namespaceUri;        // absolute, ends in "/peloraformachine/verN/"
    const char* profileSpecVersion;  // "3.0", "2.0", "1.1"
    int specMajor;                   // the major number a profile must state
    const char* language;            // language of a new profile ("ja", "en")

    // Item kinds that exist in the format: 1 .. maxItemKind.
    int maxItemKind;
    // XML names of the item kinds, indexed by kind; "" for kinds the format lacks.
    const char* const* itemTagNames;  // ItemKindCount entries

    // The writer's item order per part kind (LABEL excluded); the grid columns are LABEL + this order.
    std::span<const int> itemOrders[PartKindCount];

    // Part kinds the user may add, per section kind (0 .. 4).
    std::span<const int> addablePartKinds[5];

    // Label rules: prohibited characters (tested in order), reserved words (compared ignoring case).
    std::span<const char16_t> prohibitedLabelChars;
    std::span<const char* const> reservedLabelWords;

    // "|BOOL|...|": the data-type vocabulary.
    const char* dataTypeList;
    bool hasRdbDataTypes;

    // DEVICE_IF connections.
    std::span<const ProtocolSpec> protocols;
    bool hasConnectionEditor;

    // Element templates of new parts.
    std::span<const TemplateSpec> fileInfoTemplates;
    std::span<const TemplateSpec> deviceInfoTemplates;
    std::span<const TemplateSpec> blockInfoTemplates;
    std::span<const TemplateSpec> commIfInfoTemplates;
    std::span<const TemplateSpec> deviceIfTemplates;
    std::span<const TemplateSpec> blockMemoryTemplates;
    std::span<const TemplateSpec> blockParamTemplates;

    // The check message for a missing mandatory section.
    int missingSectionMessageId;

    // The string table, sorted by id: the element texts and the plug-in object's own messages.
    std::span<const StringEntry> strings;

    // The text of a string id; "" for an id the table does not hold.
    QString String(int id) const;
    bool HasItemKind(int itemKind) const { return itemKind >= 1 && itemKind <= maxItemKind; }
    // The XML name of an item kind in this format; "" when it has none.
    QString ItemTagName(int itemKind) const;
    // The writer's item order of a part kind; empty outside 0 .. 10.
    std::span<const int> ItemOrder(int partKind) const;
    std::span<const int> AddablePartKinds(int sectionKind) const;
};

// The three formats.
const FormatSettings& Format30();
const FormatSettings& Format20();
const FormatSettings& Format11();

}  // namespace PeloraFormat
