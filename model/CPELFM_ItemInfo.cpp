#include "CPELFM_ItemInfo.h"

#include "InvalidArgumentError.h"
#include "PELFMExceptions.h"

void CPELFM_ItemInfo::CopyFrom(const CPELFM_ItemInfo& source) {
    kindTag = source.kindTag;
    itemType = source.itemType;
    ownerElem = source.ownerElem;
    work = source.work;
    valueKind = source.valueKind;
    values = source.values;
}

void CPELFM_ItemInfo::AddDataInfo(const DataInfo& data) {
    values.append(data);
    ClearValueCache();
}

CPELFM_ItemInfo::DataInfo CPELFM_ItemInfo::GetDataInfoAt(int index) const {
    if (index < 0 || index >= values.size()) throw InvalidArgumentError("value index out of range");
    return values.at(index);
}

QString CPELFM_ItemInfo::GetFirstValue() const {
    if (values.isEmpty()) throw CPELFM_InvalidDescException();
    return values.first().text;
}

void CPELFM_ItemInfo::SetFirstValue(const QString& text) {
    if (values.isEmpty()) throw InvalidArgumentError("item has no value");
    values.first().text = text;
    ClearValueCache();
}

void CPELFM_ItemInfo::ClearValueCache() {
    valueKind = VALUE_UNCLASSIFIED;
    work = DataInfo();
}

void DeleteItemArray(QList<CPELFM_ItemInfo*>& items) {
    qDeleteAll(items);
    items.clear();
}
