#include "XmlPartNodeSource.h"

#include <memory>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "PELFMExceptions.h"
#include "ProfileXmlNames.h"
#include "ProfileXmlReader.h"

namespace {

void LoadData(const XmlNode& itemNode, CPELFM_ItemInfo& item) {
    for (XmlNode v = itemNode.FirstChildElement(); v; v = v.NextSiblingElement()) {
        ProfileInnerConst::_ST_PELFM_DATAINFO data;
        data.dataKind = Internal::DataNames().IndexOf(v.LocalNameView());
        data.text = v.TextContent();
        if (item.itemType != COMMENT) data.text.remove(QLatin1Char('\n'));
        item.values.append(std::move(data));
    }
}

void LoadItems(const XmlNode& memberNode, CPELFM_ElemInfo& elem) {
    for (XmlNode i = memberNode.FirstChildElement(); i; i = i.NextSiblingElement()) {
        auto item = std::make_unique<CPELFM_ItemInfo>();
        item->ownerElem = &elem;
        item->itemType = Internal::ItemNames().IndexOf(i.LocalNameView());
        LoadData(i, *item);
        elem.items.append(item.release());
    }
}

}  // namespace

XmlPartNodeSource::~XmlPartNodeSource() {
    node_.Discard();
}

void XmlPartNodeSource::LoadElems(CPELFM_PartInfo& part, QList<CPELFM_ElemInfo*>& out) const {
    try {
        for (XmlNode m = node_.FirstChildElement(); m; m = m.NextSiblingElement()) {
            const std::string_view name = m.LocalNameView();
            if (name == "comment" || name == "label2") continue;
            auto elem = std::make_unique<CPELFM_ElemInfo>();
            elem->ownerPart = &part;
            ReadLabelAttribute(m, elem->label);
            LoadItems(m, *elem);
            out.append(elem.release());
        }
    } catch (const std::bad_alloc&) {
        throw CPELFM_MemoryRequestException();
    }
}
