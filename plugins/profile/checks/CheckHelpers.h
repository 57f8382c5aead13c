#pragma once
// Small helpers shared by the checks: where an item sits, keywords of kinds, escapes.

#include <QString>

class CPELFM_ItemInfo;
class CPELFM_ElemInfo;
class CPELFM_PartInfo;
class CPELFM_SectionInfo;

namespace Internal {

// Upper-case names of the kinds; "" outside the tables.
QString ItemKindKeyword(int itemKind);
QString PartKindKeyword(int partKind);

CPELFM_ElemInfo* ElemOf(const CPELFM_ItemInfo* item);
CPELFM_PartInfo* PartOf(const CPELFM_ItemInfo* item);
CPELFM_SectionInfo* SectionOf(const CPELFM_ItemInfo* item);
int PartKindOf(const CPELFM_ItemInfo* item);     // 0 when the item has no part
int SectionKindOf(const CPELFM_ItemInfo* item);  // 0 when the item has no section
int SectionKindOf(const CPELFM_PartInfo* part);

// FILE_INFO, DEVICE_INFO, DEVICE_IF, COMM_IF_INFO, BLOCK_INFO.
bool IsInfoPart(int partKind);
// COMM_IF_VARIABLE, COMM_IF_CONFIGURATION, BLOCK_MEMORY.
bool IsArrayPart(int partKind);

// The value kind of an item. Every target is classified afresh by the first check group of a run, and
// the check changes no value, so later checks reuse the kind the item caches.
int ValueKind(CPELFM_ItemInfo* item);

// The element's own first item of a kind; no reference is followed.
CPELFM_ItemInfo* OwnItem(const CPELFM_ElemInfo* elem, int itemKind);
// The first value of an item as CPELFM_ItemInfo::GetFirstValue gives it, without copying the text:
// throws CPELFM_InvalidDescException for an item without values.
const QString& FirstValue(const CPELFM_ItemInfo* item);
// The first value of an item, "" for a null item or one without values; never throws.
const QString& FirstValueOrEmpty(const CPELFM_ItemInfo* item);
// The first value of the element's own item of a kind; "" when there is none.
const QString& OwnValue(const CPELFM_ElemInfo* elem, int itemKind);

// Drops \\ \, \< \> \[ \] \( \) \$ in this order.
QString RemoveEscapeSequences(QString text);
// Drops \< \> \[ \] \( \) \$ in this order; escaped backslashes and commas stay.
QString RemoveBracketEscapes(QString text);

}  // namespace Internal
