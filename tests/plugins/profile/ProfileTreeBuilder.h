#pragma once
// Builds profile trees in memory for the plug-in tests.
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <utility>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "ProfileInnerConst.h"

struct ItemSpec {
    int itemType;
    QStringList values;
    int dataKind = ProfileInnerConst::DATA_ITEM;
};

inline CPELFM_SectionInfo* AddSection(CPELFM_ProfileInfo& root, int kind, const QString& name,
                                      const QString& comment = QString()) {
    auto* s = new CPELFM_SectionInfo;
    s->sectionType = kind;
    s->name = name;
    s->comment = comment;
    s->parent = &root;
    root.sections.append(s);
    return s;
}

inline CPELFM_PartInfo* AddPart(CPELFM_SectionInfo* section, int kind, const QString& name,
                                const QString& label2 = QString(), const QString& comment = QString()) {
    auto* p = new CPELFM_PartInfo;
    p->partType = kind;
    p->name = name;
    p->label2 = label2;
    p->comment = comment;
    p->ownerSection = section;
    section->parts.append(p);
    return p;
}

inline CPELFM_ItemInfo* AddItem(CPELFM_ElemInfo* elem, const ItemSpec& layout) {
    auto* item = new CPELFM_ItemInfo;
    item->itemType = layout.itemType;
    item->ownerElem = elem;
    for (const QString& v : layout.values) item->values.append({layout.dataKind, v});
    elem->items.append(item);
    return item;
}

inline CPELFM_ElemInfo* AddElem(CPELFM_PartInfo* part, const QString& label,
                                std::initializer_list<ItemSpec> items) {
    auto* e = new CPELFM_ElemInfo;
    e->label = label;
    e->ownerPart = part;
    for (const ItemSpec& layout : items) AddItem(e, layout);
    part->AddElem(e);
    return e;
}
