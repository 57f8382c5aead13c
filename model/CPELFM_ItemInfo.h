#pragma once
#include <QList>
#include <QString>

#include "CPELFM_NodeBase.h"

// One cell of the part grid: an item type and its values.
class CPELFM_ItemInfo : public CPELFM_NodeBase {
public:
    static constexpr int Kind = NODE_ITEM;
    using DataInfo = ProfileInnerConst::_ST_PELFM_DATAINFO;

    CPELFM_ItemInfo() : CPELFM_NodeBase(Kind) {}
    CPELFM_ItemInfo(const CPELFM_ItemInfo&) = delete;
    CPELFM_ItemInfo& operator=(const CPELFM_ItemInfo&) = delete;

    // Deep copy of the source into this fresh item; the owner element pointer is copied too.
    void CopyFrom(const CPELFM_ItemInfo& source);

    void AddDataInfo(const DataInfo& data);
    // Throws InvalidArgumentError outside the values.
    DataInfo GetDataInfoAt(int index) const;
    // Throws CPELFM_InvalidDescException when the item has no values.
    QString GetFirstValue() const;
    // Throws InvalidArgumentError when the item has no values.
    void SetFirstValue(const QString& text);

    // Forgets the value analysis; every change of the values must call it.
    void ClearValueCache();

    int itemType = 0;
    CPELFM_ElemInfo* ownerElem = nullptr;
    QList<DataInfo> values;
    DataInfo work;       // scratch record of the value analysis
    int valueKind = 0;   // EPELFMDEF_VALUETYPE, 0 = not yet classified
};

// Deletes every item of a temporary item list and empties it.
void DeleteItemArray(QList<CPELFM_ItemInfo*>& items);

inline void DeleteItemInfo(CPELFM_ItemInfo* node) { delete node; }
