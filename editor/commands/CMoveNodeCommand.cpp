#include "CMoveNodeCommand.h"

#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CommandEnvironment.h"
#include "ICommandFrame.h"
#include "ICommandServices.h"
#include "IProfileTreePane.h"
#include "NodeOwnership.h"

namespace {

int FindSectionIndexByType(const CPELFM_ProfileInfo& root, int sectionType) {
    for (int i = 0; i < root.sections.size(); ++i) {
        if (root.sections[i] && root.sections[i]->sectionType == sectionType) return i;
    }
    return -1;
}

// Takes the node out at from and puts it in at to, when it is really at from.
template <class T>
bool MoveWithin(QList<T*>& nodes, T* node, int from, int to) {
    if (from < 0 || from >= nodes.size() || nodes[from] != node) return false;
    if (to < 0 || to > nodes.size() - 1) return false;
    nodes.removeAt(from);
    nodes.insert(to, node);
    return true;
}

}  // namespace

CMoveNodeCommand::CMoveNodeCommand() {
    if (ICommandServices* services = GetCommandEnvironment().services) m_root = services->OpenProfile();
}

void CMoveNodeCommand::Init(CPELFM_NodeBase* node, CPELFM_NodeBase* dropTarget) {
    if (!node) return;
    m_node = node;
    m_fromIndex = -1;
    m_toIndex = -1;
    if (auto* section = NodeCast<CPELFM_SectionInfo>(node)) {
        if (!m_root) return;
        m_fromIndex = Internal::IndexOfPointer(m_root->sections, section);
        if (!dropTarget) {
            m_toIndex = FindSectionIndexByType(*m_root, section->sectionType);
        } else if (auto* target = NodeCast<CPELFM_SectionInfo>(dropTarget)) {
            const int targetIndex = Internal::IndexOfPointer(m_root->sections, target);
            m_toIndex = targetIndex >= 0 ? targetIndex + 1 : -1;
        }
    } else if (auto* part = NodeCast<CPELFM_PartInfo>(node)) {
        CPELFM_SectionInfo* own = part->ownerSection;
        if (!own) return;
        m_fromIndex = Internal::IndexOfPointer(own->parts, part);
        m_toIndex = 0;
        if (auto* target = NodeCast<CPELFM_PartInfo>(dropTarget)) {
            const int targetIndex = Internal::IndexOfPointer(own->parts, target);
            m_toIndex = targetIndex >= 0 ? targetIndex + 1 : 0;
        }
    } else {
        return;
    }
    // The target position counts after the node has been taken out.
    if (m_fromIndex >= 0 && m_toIndex >= 0 && m_fromIndex < m_toIndex) --m_toIndex;
}

bool CMoveNodeCommand::Move(int from, int to) {
    if (from < 0 || to < 0) return false;
    if (auto* part = NodeCast<CPELFM_PartInfo>(m_node)) {
        if (!part->ownerSection || !MoveWithin(part->ownerSection->parts, part, from, to)) return false;
    } else if (auto* section = NodeCast<CPELFM_SectionInfo>(m_node)) {
        if (!m_root || !MoveWithin(m_root->sections, section, from, to)) return false;
        section->parent = m_root;
    } else {
        return false;
    }
    if (ICommandFrame* frame = GetCommandEnvironment().frame) {
        IProfileTreePane& tree = frame->ProfileTree();
        tree.RememberTreeSelection(m_node);
        tree.RebuildProfileTree();
    }
    return true;
}
