#include "CheckHelpers.h"

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_SectionInfo.h"
#include "PELFMExceptions.h"
#include "ProfileInnerConst.h"

namespace Internal {

QString ItemKindKeyword(int itemKind) {
    return GetItemTypeName(itemKind);
}

QString PartKindKeyword(int partKind) {
    if (partKind < 0 || partKind >= ProfileInnerConst::PartTypeCount) return QString();
    return QString::fromLatin1(ProfileInnerConst::PartTypeNames[partKind].name);
}

CPELFM_ElemInfo* ElemOf(const CPELFM_ItemInfo* item) {
    return item ? item->ownerElem : nullptr;
}

CPELFM_PartInfo* PartOf(const CPELFM_ItemInfo* item) {
    const CPELFM_ElemInfo* elem = ElemOf(item);
    return elem ? elem->ownerPart : nullptr;
}

CPELFM_SectionInfo* SectionOf(const CPELFM_ItemInfo* item) {
    const CPELFM_PartInfo* part = PartOf(item);
    return part ? part->ownerSection : nullptr;
}

int PartKindOf(const CPELFM_ItemInfo* item) {
    const CPELFM_PartInfo* part = PartOf(item);
    return part ? part->partType : 0;
}

int SectionKindOf(const CPELFM_ItemInfo* item) {
    return SectionKindOf(PartOf(item));
}

int SectionKindOf(const CPELFM_PartInfo* part) {
    return part && part->ownerSection ? part->ownerSection->sectionType : 0;
}

bool IsInfoPart(int partKind) {
    return partKind == PART_FILE_INFO || partKind == PART_DEVICE_INFO || partKind == PART_DEVICE_IF ||
           partKind == PART_COMM_IF_INFO || partKind == PART_BLOCK_INFO;
}

bool IsArrayPart(int partKind) {
    return partKind == PART_COMM_IF_VARIABLE || partKind == PART_COMM_IF_CONFIGURATION ||
           partKind == PART_BLOCK_MEMORY;
}

int ValueKind(CPELFM_ItemInfo* item) {
    return item->valueKind != VALUE_UNCLASSIFIED ? item->valueKind : item->AnalyzeValue();
}

CPELFM_ItemInfo* OwnItem(const CPELFM_ElemInfo* elem, int itemKind) {
    if (!elem) return nullptr;
    for (CPELFM_ItemInfo* item : elem->items) {
        if (item && item->itemType == itemKind) return item;
    }
    return nullptr;
}

const QString& FirstValue(const CPELFM_ItemInfo* item) {
    if (item->values.isEmpty()) throw CPELFM_InvalidDescException();
    return item->values.constFirst().text;
}

const QString& FirstValueOrEmpty(const CPELFM_ItemInfo* item) {
    static const QString empty;
    return item && !item->values.isEmpty() ? item->values.constFirst().text : empty;
}

const QString& OwnValue(const CPELFM_ElemInfo* elem, int itemKind) {
    return FirstValueOrEmpty(OwnItem(elem, itemKind));
}

QString RemoveEscapeSequences(QString text) {
    if (!text.contains(u'\\')) return text;
    for (const char* seq : {"\\\\", "\\,", "\\<", "\\>", "\\[", "\\]", "\\(", "\\)", "\\$"}) {
        text.remove(QLatin1String(seq));
    }
    return text;
}

QString RemoveBracketEscapes(QString text) {
    if (!text.contains(u'\\')) return text;
    for (const char* seq : {"\\<", "\\>", "\\[", "\\]", "\\(", "\\)", "\\$"}) text.remove(QLatin1String(seq));
    return text;
}

}  // namespace Internal
