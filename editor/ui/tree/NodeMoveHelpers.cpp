#include "NodeMoveHelpers.h"

#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "InvalidArgumentError.h"

void RemovePartAt(int index, CPELFM_SectionInfo& section) {
    if (index < 0 || index >= section.parts.size())
        throw InvalidArgumentError("part index outside the section");
    section.parts.removeAt(index);
}

int FindSectionIndexByType(const CPELFM_ProfileInfo& root, int sectionType) {
    for (int i = 0; i < root.sections.size(); ++i)
        if (root.sections[i]->sectionType == sectionType) return i;
    return -1;
}
