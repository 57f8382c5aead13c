#include "ConnectionPartParameters.h"

#include <memory>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "ProfileInnerConst.h"

namespace ConnInfo {
namespace {

std::unique_ptr<CPELFM_ItemInfo> PlainItem(int itemType, const QString& text, CPELFM_ElemInfo* owner) {
    auto item = std::make_unique<CPELFM_ItemInfo>();
    item->itemType = itemType;
    item->ownerElem = owner;
    item->AddDataInfo({ProfileInnerConst::DATA_ITEM, text});
    return item;
}

}  // namespace

QString GetParameterValue(CPELFM_PartInfo& part, const QString& label) {
    CPELFM_ElemInfo* elem = part.FindElemByLabel(label);
    if (!elem) return QString();
    const int index = elem->FindItemIndex(DATA);
    if (index < 0 || elem->items[index]->values.isEmpty()) return QString();
    return elem->items[index]->values.first().text;
}

void AddParameterElement(const ConnectionParameterText& row, CPELFM_PartInfo& part) {
    part.EnsureLoaded();
    auto elem = std::make_unique<CPELFM_ElemInfo>();
    elem->label = row.itemLabel;
    elem->ownerPart = &part;
    const std::pair<int, const QString*> items[] = {
        {LABEL2, &row.label2},     {NAME, &row.name},  {CATEGORY, &row.category},
        {DATATYPE, &row.dataType}, {DATA, &row.value},
    };
    for (const auto& [type, text] : items) elem->AddItem(PlainItem(type, *text, elem.get()).release());
    part.AddElem(elem.get());
    elem.release();
}

void SetParameterValue(CPELFM_ElemInfo& elem, const QString& value) {
    const int index = elem.FindItemIndex(DATA);
    if (index < 0) {
        elem.AddItem(PlainItem(DATA, value, &elem).release());
        return;
    }
    CPELFM_ItemInfo* data = elem.items[index];
    data->values.clear();
    data->AddDataInfo({ProfileInnerConst::DATA_ITEM, value});
}

bool RemoveParameterElement(CPELFM_PartInfo& part, const QString& label) {
    QList<CPELFM_ElemInfo*>& elems = part.Elems();
    for (qsizetype i = 0; i < elems.size(); ++i) {
        if (elems[i] && elems[i]->label.compare(label, Qt::CaseInsensitive) == 0) {
            delete elems.takeAt(i);
            return true;
        }
    }
    return false;
}

}  // namespace ConnInfo
