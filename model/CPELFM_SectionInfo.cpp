#include "CPELFM_SectionInfo.h"

#include <memory>

#include "CPELFM_PartInfo.h"
#include "ModelLookup.h"

CPELFM_SectionInfo::~CPELFM_SectionInfo() { qDeleteAll(parts); }

void CPELFM_SectionInfo::CopyFrom(CPELFM_SectionInfo& source) {
    kindTag = source.kindTag;
    name = source.name;
    comment = source.comment;
    sectionType = source.sectionType;
    parent = source.parent;
    expanded = source.expanded;
    for (CPELFM_PartInfo* sourcePart : source.parts) {
        if (!sourcePart) continue;
        auto copy = std::make_unique<CPELFM_PartInfo>();
        copy->CopyFrom(*sourcePart);
        copy->ownerSection = this;
        parts.append(copy.release());
    }
}

void CPELFM_SectionInfo::GetParts(QList<CPELFM_PartInfo*>& out) const { out = parts; }

void CPELFM_SectionInfo::GetPartsByType(QList<CPELFM_PartInfo*>& out, int partType) const {
    Internal::CollectIf(parts, out, [partType](const CPELFM_PartInfo* p) { return p && p->partType == partType; });
}

CPELFM_PartInfo* CPELFM_SectionInfo::FindPartByName(const QString& name) const {
    const int index = Internal::IndexOfName(parts, name);
    return index >= 0 ? parts[index] : nullptr;
}

void CPELFM_SectionInfo::RemovePartByName(const QString& name) { Internal::TakeFirstByName(parts, name); }
