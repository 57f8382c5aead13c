#include "TemplateElements.h"

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"

namespace Internal {

namespace {

void AddTemplateItem(CPELFM_ElemInfo& elem, int itemType, const QString& text) {
    auto item = std::make_unique<CPELFM_ItemInfo>();
    item->itemType = itemType;
    item->ownerElem = &elem;
    item->AddDataInfo({ProfileInnerConst::DATA_ITEM, text});
    elem.AddItem(item.release());
}

QString DataText(const _ST_CT_ELEM_INFO& elemTemplate, TemplateData data) {
    if (data == TemplateData::AllJoined) {
        QStringList pieces(elemTemplate.data.begin(), elemTemplate.data.end());
        return pieces.join(QLatin1Char('\n'));
    }
    if (elemTemplate.label.compare(QLatin1String("ProtocolVersion"), Qt::CaseInsensitive) == 0 &&
        !elemTemplate.data.empty())
        return elemTemplate.data.front();
    return QString();
}

}  // namespace

std::unique_ptr<CPELFM_ElemInfo> MakeTemplateElement(const _ST_CT_ELEM_INFO& elemTemplate,
                                                     CPELFM_PartInfo* owner, TemplateData data) {
    auto elem = MakeLabelOnlyElement(elemTemplate, owner);
    AddTemplateItem(*elem, LABEL2, elemTemplate.label2);
    AddTemplateItem(*elem, CATEGORY, elemTemplate.category);
    AddTemplateItem(*elem, NAME, elemTemplate.name);
    AddTemplateItem(*elem, DATATYPE, elemTemplate.dataType);
    AddTemplateItem(*elem, DATA, DataText(elemTemplate, data));
    return elem;
}

std::unique_ptr<CPELFM_ElemInfo> MakeLabelOnlyElement(const _ST_CT_ELEM_INFO& elemTemplate,
                                                      CPELFM_PartInfo* owner) {
    auto elem = MakeEmptyElement(owner);
    elem->label = elemTemplate.label;
    return elem;
}

std::unique_ptr<CPELFM_ElemInfo> MakeEmptyElement(CPELFM_PartInfo* owner) {
    auto elem = std::make_unique<CPELFM_ElemInfo>();
    elem->ownerPart = owner;
    return elem;
}

}  // namespace Internal
