#include "CPELFM_ProfileInfo.h"

#include "CPELFM_SectionInfo.h"
#include "ModelLookup.h"

CPELFM_ProfileInfo::CPELFM_ProfileInfo() : CPELFM_NodeBase(Kind) {}

CPELFM_ProfileInfo::~CPELFM_ProfileInfo() { qDeleteAll(sections); }

void CPELFM_ProfileInfo::GetSections(QList<CPELFM_SectionInfo*>& out) const { out = sections; }

void CPELFM_ProfileInfo::GetSectionsByType(QList<CPELFM_SectionInfo*>& out, int sectionType) const {
    Internal::CollectIf(sections, out,
                        [sectionType](const CPELFM_SectionInfo* s) { return s && s->sectionType == sectionType; });
}

CPELFM_SectionInfo* CPELFM_ProfileInfo::FindSectionByName(const QString& name) const {
    const int index = Internal::IndexOfName(sections, name);
    return index >= 0 ? sections[index] : nullptr;
}

void CPELFM_ProfileInfo::RemoveSectionByName(const QString& name) { Internal::TakeFirstByName(sections, name); }

int CPELFM_ProfileInfo::FindLastSectionIndexByType(int sectionType) const {
    for (int i = static_cast<int>(sections.size()) - 1; i >= 0; --i) {
        if (sections[i] && sections[i]->sectionType == sectionType) return i;
    }
    return -1;
}
