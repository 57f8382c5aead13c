#include "ProfileInnerConst.h"

namespace ProfileInnerConst {

// Built on first use and shared by every root; immutable afterwards.
const QStringList& SectionTagNames() {
    static const QStringList names{"", "file", "device", "commIf", "block"};
    return names;
}

const QStringList& PartTagNames() {
    static const QStringList names{"",           "fileInfo",       "deviceInfo",          "deviceIf",
                                   "commIfInfo", "commIfVariable", "commIfConfiguration", "blockInfo",
                                   "blockMemory", "blockParam",    "enum"};
    return names;
}

const QStringList& ItemTagNames() {
    static const QStringList names{"",         "label",     "label2",    "category", "name",    "datatype",
                                   "data",     "range",     "minInc",    "engUnit",  "access",  "assign",
                                   "code",     "refMemory", "refParam",  "comment",  "readCondition",
                                   "relation"};
    return names;
}

const QStringList& DataTagNames() {
    static const QStringList names{"", "item", "enumRefItem"};
    return names;
}

}  // namespace ProfileInnerConst

QString GetItemTypeName(int itemType) {
    for (const auto& record : ProfileInnerConst::ItemTypeNames) {
        if (record.id == itemType) return QString::fromLatin1(record.name);
    }
    return QString();
}

bool IsSingleCharString(const QString& text, QChar character) {
    return text.size() == 1 && text.at(0) == character;
}
