#pragma once
#include <QList>
#include <QString>

#include "CPELFM_NodeBase.h"

struct _ST_PELFM_RANGEINFO;

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

    // Value analysis. The kind is computed on first use and cached until the values change.
    // Accessors throw CPELFM_InvalidDescException for an item without values and
    // CPELFM_InvalidAPICallException for an item of another kind. Item lists they return are new
    // items owned by the caller (DeleteItemArray), each with this item's type and owner and one value.

    // Recomputes and caches the kind (EPELFMDEF_VALUETYPE).
    int AnalyzeValue();
    QString GetTextValue();                                  // plain text
    void GetRange(_ST_PELFM_RANGEINFO& range);               // range
    void SplitAngleItems(QList<CPELFM_ItemInfo*>& out);      // angle list
    void SplitListItems(QList<CPELFM_ItemInfo*>& out);       // list; "Part.*" gives every element
    void ExpandListItems(QList<CPELFM_ItemInfo*>& out);      // list, "*" left as written
    CPELFM_ElemInfo* GetReferencedElem();                    // reference or dotted reference
    CPELFM_PartInfo* GetReferencedPart();                    // reference
    CPELFM_PartInfo* GetEnumRefPart();                       // enumeration reference
    CPELFM_PartInfo* GetReferencedPartOfType(int partType);  // any kind; null without values
    void SplitConditionItems(QList<CPELFM_ItemInfo*>& out);  // condition
    CPELFM_ElemInfo* GetMemberTypeElem();                    // member-type reference
    // The first item of the named type ("DATATYPE" ...) in the element, without following references.
    static CPELFM_ItemInfo* FindItemByTypeName(const QString& typeName, CPELFM_ElemInfo* elem);

    int itemType = 0;
    CPELFM_ElemInfo* ownerElem = nullptr;
    QList<DataInfo> values;
    DataInfo work;       // scratch record of the value analysis
    int valueKind = 0;   // EPELFMDEF_VALUETYPE, 0 = not yet classified
};

// Deletes every item of a temporary item list and empties it.
void DeleteItemArray(QList<CPELFM_ItemInfo*>& items);

inline void DeleteItemInfo(CPELFM_ItemInfo* node) { delete node; }
