#include "CDeleteNodeCommand.h"

#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CommandEnvironment.h"
#include "ICommandFrame.h"
#include "IProfileTreePane.h"
#include "IWorkViewManager.h"
#include "NodeOwnership.h"
#include "TreeSelection.h"

CDeleteNodeCommand::~CDeleteNodeCommand() {
    Internal::DeleteNodeByKind(m_ownedNode);
}

bool CDeleteNodeCommand::Execute() {
    if (m_ownedNode) return false;
    ICommandFrame* frame = GetCommandEnvironment().frame;
    if (auto* part = NodeCast<CPELFM_PartInfo>(m_node)) {
        CPELFM_SectionInfo* section = part->ownerSection;
        const int index = section ? Internal::IndexOfPointer(section->parts, part) : -1;
        if (index < 0) return false;
        section->parts.removeAt(index);
        m_index = index;
        m_ownedNode = part;
        if (frame) frame->WorkViews().ClosePartView(part);
    } else if (auto* section = NodeCast<CPELFM_SectionInfo>(m_node)) {
        CPELFM_ProfileInfo* root = section->parent;
        const int index = root ? Internal::IndexOfPointer(root->sections, section) : -1;
        if (index < 0) return false;
        root->sections.removeAt(index);
        m_index = index;
        m_ownedNode = section;
        if (frame) frame->WorkViews().CloseSectionViews(section);
    } else {
        return false;
    }
    if (frame) {
        IProfileTreePane& tree = frame->ProfileTree();
        Internal::RememberSelectionAfterRemoval(tree, m_node);
        tree.RebuildProfileTree();
    }
    return true;
}

bool CDeleteNodeCommand::Unexecute() {
    if (!m_ownedNode || m_index < 0) return false;
    if (auto* part = NodeCast<CPELFM_PartInfo>(m_ownedNode)) {
        CPELFM_SectionInfo* section = part->ownerSection;
        if (!section || m_index > section->parts.size()) return false;
        section->parts.insert(m_index, part);
    } else if (auto* section = NodeCast<CPELFM_SectionInfo>(m_ownedNode)) {
        CPELFM_ProfileInfo* root = section->parent;
        if (!root || m_index > root->sections.size()) return false;
        root->sections.insert(m_index, section);
    } else {
        return false;
    }
    CPELFM_NodeBase* restored = m_ownedNode;
    m_ownedNode = nullptr;
    if (ICommandFrame* frame = GetCommandEnvironment().frame) {
        IProfileTreePane& tree = frame->ProfileTree();
        tree.RememberTreeSelection(restored);
        tree.RebuildProfileTree();
    }
    return true;
}
