#include "CChgProCommand.h"

#include <utility>

#include "CPELFM_PartInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CommandEnvironment.h"
#include "ICommandFrame.h"
#include "IProfileTreePane.h"
#include "IWorkViewManager.h"

void CChgProCommand::Init(CPELFM_NodeBase* node, const QString& name, const QString& label2,
                          const QString& comment) {
    m_node = node;
    m_name = name;
    m_label2 = label2;
    m_comment = comment;
}

bool CChgProCommand::Swap() {
    ICommandFrame* frame = GetCommandEnvironment().frame;
    if (auto* section = NodeCast<CPELFM_SectionInfo>(m_node)) {
        std::swap(section->name, m_name);
        std::swap(section->comment, m_comment);
        if (frame) frame->ProfileTree().RememberTreeSelection(section);
    } else if (auto* part = NodeCast<CPELFM_PartInfo>(m_node)) {
        std::swap(part->name, m_name);
        std::swap(part->comment, m_comment);
        std::swap(part->label2, m_label2);
        if (frame) {
            const QString sectionName = part->ownerSection ? part->ownerSection->name : QString();
            frame->WorkViews().UpdatePartViewTitle(sectionName, part->name);
            frame->ProfileTree().RememberTreeSelection(part);
        }
    }
    if (frame) frame->ProfileTree().RebuildProfileTree();
    return true;
}
