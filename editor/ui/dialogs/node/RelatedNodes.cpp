#include "RelatedNodes.h"

#include <memory>

#include "CAddPartCommand.h"
#include "CAddSecCommand.h"
#include "CCommonUtility.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CommandManager.h"
#include "CommandRegistry.h"
#include "InvalidArgumentError.h"
#include "NodeTextRules.h"
#include "ProfileInnerConst.h"

using namespace ProfileInnerConst;

namespace RelatedNodes {

QList<PartRow> BlockPartRows(const CPELFM_ProfileInfo* root) {
    QList<PartRow> rows;
    if (root == nullptr) return rows;
    for (CPELFM_SectionInfo* section : root->sections) {
        if (section->sectionType != SECTION_BLOCK) continue;
        rows.append({section, PART_BLOCK_MEMORY});
        rows.append({section, PART_BLOCK_PARAM});
    }
    return rows;
}

int CreateParts(const CCommonUtility& utility, const QList<PartRow>& rows) {
    int created = 0;
    for (const PartRow& row : rows) {
        const QString base = row.partType == PART_BLOCK_MEMORY ? "BlockMemory" : "BlockParam";
        const QString name = NodeTextRules::UniqueChildName(utility, base, row.section);
        if (name.isEmpty()) continue;
        std::unique_ptr<BaseCommand> command(CreateCommandByName("CAddPartCommand"));
        auto* add = dynamic_cast<CAddPartCommand*>(command.get());
        if (add == nullptr) return created;
        try {
            add->Init(row.partType, row.section, name, "", "", 0);
        } catch (const InvalidArgumentError&) {
            continue;
        }
        if (GetCommandManager()->Execute(command.release())) ++created;
    }
    return created;
}

int SectionTypeToRelate(int createdSectionType) {
    if (createdSectionType == SECTION_BLOCK) return SECTION_COMM_IF;
    if (createdSectionType == SECTION_COMM_IF) return SECTION_BLOCK;
    return 0;
}

QString SectionTypeName(int sectionType) {
    if (sectionType == SECTION_BLOCK) return "BLOCK";
    if (sectionType == SECTION_COMM_IF) return "COMM_IF";
    return {};
}

bool CreateSection(const CCommonUtility& utility, int sectionType) {
    if (sectionType != SECTION_BLOCK && sectionType != SECTION_COMM_IF) return false;
    const bool block = sectionType == SECTION_BLOCK;
    const QString name = NodeTextRules::UniqueChildName(utility, block ? "BlockSection" : "CommIfSection",
                                                        utility.openProfile);
    if (name.isEmpty()) return false;
    const QString partName = block ? "BlockInformation" : "CommIfInformation";
    std::unique_ptr<BaseCommand> command(CreateCommandByName("CAddSecCommand"));
    auto* add = dynamic_cast<CAddSecCommand*>(command.get());
    if (add == nullptr) return false;
    try {
        // The section's comment and the first part's label2 stay empty: a label2 is a name and
        // must pass the label rules, which a descriptive text need not.
        add->Init(sectionType, name, "", partName, "", utility.LoadString(block ? 219 : 221));
    } catch (const InvalidArgumentError&) {
        return false;
    }
    return GetCommandManager()->Execute(command.release());
}

void TickCounter::Changed(bool wasTicked, bool isTicked) {
    if (!wasTicked && isTicked) ++m_count;
    if (wasTicked && !isTicked && m_count > 0) --m_count;
}

}  // namespace RelatedNodes
