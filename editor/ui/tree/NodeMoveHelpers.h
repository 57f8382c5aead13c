#pragma once

class CPELFM_ProfileInfo;
class CPELFM_SectionInfo;

// Takes the part at the index out of the section's list without deleting it; the caller owns it.
// Throws InvalidArgumentError for an index outside the list.
void RemovePartAt(int index, CPELFM_SectionInfo& section);

// The index of the first section of the kind in the root's list, -1 when there is none.
int FindSectionIndexByType(const CPELFM_ProfileInfo& root, int sectionType);
