#include "CPasteNodeCommand.h"

#include <memory>

#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CommandEnvironment.h"
#include "ICommandFrame.h"
#include "ICommandServices.h"
#include "IProfileTreePane.h"
#include "IWorkViewManager.h"
#include "NodeOwnership.h"
#include "PasteNodeName.h"
#include "TreeSelection.h"

CPasteNodeCommand::CPasteNodeCommand() {
    if (ICommandServices* services = GetCommandEnvironment().services) m_root = services->OpenProfile();
}

CPasteNodeCommand::~CPasteNodeCommand() {
    Internal::DeleteNodeByKind(m_ownedCopy);
}

void CPasteNodeCommand::Init(CPELFM_NodeBase* copiedNode, CPELFM_NodeBase* target) {
    Internal::DeleteNodeByKind(m_ownedCopy);
    m_ownedCopy = m_copy = nullptr;
    m_target = target;
    if (auto* section = NodeCast<CPELFM_SectionInfo>(copiedNode)) {
        auto copy = std::make_unique<CPELFM_SectionInfo>();
        copy->CopyFrom(*section);
        m_ownedCopy = m_copy = copy.release();
    } else if (auto* part = NodeCast<CPELFM_PartInfo>(copiedNode)) {
        auto copy = std::make_unique<CPELFM_PartInfo>();
        copy->CopyFrom(*part);
        m_ownedCopy = m_copy = copy.release();
    }
}

bool CPasteNodeCommand::InsertPart() {
    auto* copy = static_cast<CPELFM_PartInfo*>(m_copy);
    auto* targetSection = NodeCast<CPELFM_SectionInfo>(m_target);
    auto* targetPart = NodeCast<CPELFM_PartInfo>(m_target);
    CPELFM_SectionInfo* destination = targetSection ? targetSection
                                      : targetPart  ? targetPart->ownerSection
                                                    : nullptr;
    if (!destination) return false;
    int insertAt = static_cast<int>(destination->parts.size());
    if (targetPart) {
        const int index = Internal::IndexOfPointer(destination->parts, targetPart);
        if (index < 0) return false;
        insertAt = index + 1;
    }
    copy->name = Internal::MakePasteName(copy->name, [destination](const QString& name) {
        return destination->FindPartByName(name) != nullptr;
    });
    copy->ownerSection = destination;
    destination->parts.insert(insertAt, copy);
    if (ICommandFrame* frame = GetCommandEnvironment().frame) {
        if (targetSection) frame->ProfileTree().ExpandSectionTreeItem(destination, 1);
    }
    return true;
}

bool CPasteNodeCommand::InsertSection() {
    auto* copy = static_cast<CPELFM_SectionInfo*>(m_copy);
    if (!m_root || (m_target && m_target->kindTag != NODE_SECTION)) return false;
    int insertAt = 0;
    if (auto* target = NodeCast<CPELFM_SectionInfo>(m_target)) {
        insertAt = Internal::IndexOfPointer(m_root->sections, target);
        if (insertAt < 0) return false;
    } else {
        insertAt = m_root->FindLastSectionIndexByType(copy->sectionType) + 1;
    }
    CPELFM_ProfileInfo* root = m_root;
    copy->name = Internal::MakePasteName(
        copy->name, [root](const QString& name) { return root->FindSectionByName(name) != nullptr; });
    copy->parent = m_root;
    m_root->sections.insert(insertAt, copy);
    if (ICommandFrame* frame = GetCommandEnvironment().frame)
        frame->ProfileTree().ExpandSectionTreeItem(copy, 0);
    return true;
}

bool CPasteNodeCommand::Execute() {
    if (!m_ownedCopy) return false;
    const bool inserted = m_copy->kindTag == NODE_PART ? InsertPart() : InsertSection();
    if (!inserted) return false;
    m_ownedCopy = nullptr;
    if (ICommandFrame* frame = GetCommandEnvironment().frame) {
        IProfileTreePane& tree = frame->ProfileTree();
        tree.RememberTreeSelection(m_copy);
        tree.RebuildProfileTree();
    }
    return true;
}

bool CPasteNodeCommand::Unexecute() {
    if (!m_copy || m_ownedCopy) return false;
    ICommandFrame* frame = GetCommandEnvironment().frame;
    if (auto* part = NodeCast<CPELFM_PartInfo>(m_copy)) {
        CPELFM_SectionInfo* section = part->ownerSection;
        const int index = section ? Internal::IndexOfPointer(section->parts, part) : -1;
        if (index < 0) return false;
        section->parts.removeAt(index);
        if (frame) frame->WorkViews().ClosePartView(part);
    } else {
        auto* section = static_cast<CPELFM_SectionInfo*>(m_copy);
        const int index = m_root ? Internal::IndexOfPointer(m_root->sections, section) : -1;
        if (index < 0) return false;
        m_root->sections.removeAt(index);
        if (frame) frame->WorkViews().CloseSectionViews(section);
    }
    m_ownedCopy = m_copy;
    if (frame) {
        IProfileTreePane& tree = frame->ProfileTree();
        Internal::RememberSelectionAfterRemoval(tree, m_copy);
        tree.RebuildProfileTree();
    }
    return true;
}
