#pragma once
#include <QList>
#include <QString>

class CCommonUtility;
class CPELFM_ProfileInfo;
class CPELFM_SectionInfo;

// What the relate dialogs offer and create. Every node goes through its own add command, so each is
// one undo step.
namespace RelatedNodes {

struct PartRow {
    CPELFM_SectionInfo* section = nullptr;
    int partType = 0;  // PART_BLOCK_MEMORY or PART_BLOCK_PARAM
};

// Two rows per BLOCK section, in the root's order: BLOCK_MEMORY, then BLOCK_PARAM.
QList<PartRow> BlockPartRows(const CPELFM_ProfileInfo* root);

// Creates one part per row; returns how many were created.
int CreateParts(const CCommonUtility& utility, const QList<PartRow>& rows);

// COMM_IF after a new BLOCK section, BLOCK after a new COMM_IF section, 0 otherwise.
int SectionTypeToRelate(int createdSectionType);
QString SectionTypeName(int sectionType);

// Creates the related section of that type (SECTION_BLOCK or SECTION_COMM_IF) under the open root.
bool CreateSection(const CCommonUtility& utility, int sectionType);

// Number of ticked rows: rises on unticked -> ticked, falls on the reverse, never below 0.
class TickCounter {
public:
    void Changed(bool wasTicked, bool isTicked);
    int Count() const { return m_count; }

private:
    int m_count = 0;
};

}  // namespace RelatedNodes
