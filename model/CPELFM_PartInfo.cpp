#include "CPELFM_PartInfo.h"

#include <memory>

#include "CPELFM_ElemInfo.h"
#include "ModelLookup.h"

CPELFM_PartNodeSource::~CPELFM_PartNodeSource() = default;

CPELFM_PartInfo::~CPELFM_PartInfo() { qDeleteAll(m_elems); }

int CPELFM_PartInfo::EnsureLoaded() {
    if (loaded) return 1;
    if (xmlNode) {
        QList<CPELFM_ElemInfo*> built;
        try {
            xmlNode->LoadElems(*this, built);
        } catch (...) {
            // Never leave a truncated part that would later count as complete.
            qDeleteAll(built);
            throw;
        }
        for (CPELFM_ElemInfo* elem : built) {
            if (!elem) continue;
            elem->ownerPart = this;
            m_elems.append(elem);
        }
        xmlNode.reset();
    }
    loaded = 1;
    return 1;
}

void CPELFM_PartInfo::CopyFrom(CPELFM_PartInfo& source) {
    source.EnsureLoaded();
    kindTag = source.kindTag;
    name = source.name;
    label2 = source.label2;
    comment = source.comment;
    partType = source.partType;
    ownerSection = source.ownerSection;
    for (const CPELFM_ElemInfo* sourceElem : source.m_elems) {
        if (!sourceElem) continue;
        auto copy = std::make_unique<CPELFM_ElemInfo>();
        copy->CopyFrom(*sourceElem);
        copy->ownerPart = this;
        m_elems.append(copy.release());
    }
    loaded = source.loaded;
    xmlNode = source.xmlNode;
}

void CPELFM_PartInfo::GetElems(QList<CPELFM_ElemInfo*>& out) {
    EnsureLoaded();
    out = m_elems;
}

CPELFM_ElemInfo* CPELFM_PartInfo::FindElemByLabel(const QString& label) {
    EnsureLoaded();
    for (CPELFM_ElemInfo* elem : m_elems) {
        if (elem && elem->label.compare(label, Qt::CaseInsensitive) == 0) return elem;
    }
    return nullptr;
}

void CPELFM_PartInfo::AddElem(CPELFM_ElemInfo* elem) {
    EnsureLoaded();
    if (elem) m_elems.append(elem);
}

QList<CPELFM_ElemInfo*>& CPELFM_PartInfo::Elems() {
    EnsureLoaded();
    return m_elems;
}

int CPELFM_PartInfo::ElemCount() {
    EnsureLoaded();
    return static_cast<int>(m_elems.size());
}
