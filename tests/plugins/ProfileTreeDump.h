#pragma once
// The whole content of a profile tree as text, for comparing a tree with the one read back.
#include <QList>
#include <QString>
#include <QStringList>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"

inline QString DumpTree(const CPELFM_ProfileInfo& root) {
    QStringList lines;
    for (CPELFM_SectionInfo* s : root.sections) {
        lines << QString("S%1 %2 #%3").arg(s->sectionType).arg(s->name, s->comment);
        for (CPELFM_PartInfo* p : s->parts) {
            lines << QString(" P%1 %2 /%3 #%4").arg(p->partType).arg(p->name, p->label2, p->comment);
            QList<CPELFM_ElemInfo*> elems;
            p->GetElems(elems);
            for (CPELFM_ElemInfo* e : elems) {
                lines << "  E " + e->label;
                for (CPELFM_ItemInfo* i : e->items) {
                    QStringList values;
                    for (const auto& v : i->values) values << QString("%1:%2").arg(v.dataKind).arg(v.text);
                    lines << QString("   I%1 %2").arg(i->itemType).arg(values.join(" | "));
                }
            }
        }
    }
    return lines.join('\n');
}
