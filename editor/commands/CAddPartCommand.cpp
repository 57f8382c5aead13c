#include "CAddPartCommand.h"

#include "CPELFM_ElemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CommandEnvironment.h"
#include "ICommandFrame.h"
#include "ICommandServices.h"
#include "IProfilePlugin.h"
#include "IProfileTreePane.h"
#include "IWorkViewManager.h"
#include "InvalidArgumentError.h"
#include "NodeOwnership.h"
#include "TemplateElements.h"
#include "TreeSelection.h"

namespace {

IProfilePlugin& RequirePlugin() {
    ICommandServices* services = GetCommandEnvironment().services;
    IProfilePlugin* plugin = services ? services->FirstProfilePlugin() : nullptr;
    if (!plugin) throw InvalidArgumentError("no profile plug-in for the part templates");
    return *plugin;
}

}  // namespace

CAddPartCommand::CAddPartCommand() = default;
CAddPartCommand::~CAddPartCommand() = default;

void CAddPartCommand::Init(int partType, CPELFM_SectionInfo* section, const QString& partName,
                           const QString& partComment, const QString& partLabel2, int emptyElemCount) {
    auto part = std::make_unique<CPELFM_PartInfo>();
    part->partType = partType;
    part->name = partName;
    part->comment = partComment;
    part->label2 = partLabel2;
    part->ownerSection = section;

    QList<_ST_CT_ELEM_INFO> templates;
    switch (partType) {
        case PART_DEVICE_IF:
            RequirePlugin().GetDeviceIfTemplates(&templates);
            for (const _ST_CT_ELEM_INFO& t : templates)
                part->AddElem(
                    Internal::MakeTemplateElement(t, part.get(), Internal::TemplateData::ProtocolVersion)
                        .release());
            // A connection part holds exactly its template elements.
            emptyElemCount = 0;
            break;
        case PART_BLOCK_MEMORY:
        case PART_BLOCK_PARAM:
            if (partType == PART_BLOCK_MEMORY)
                RequirePlugin().GetBlockMemoryTemplates(&templates);
            else
                RequirePlugin().GetBlockParamTemplates(&templates);
            for (const _ST_CT_ELEM_INFO& t : templates)
                part->AddElem(Internal::MakeLabelOnlyElement(t, part.get()).release());
            break;
        default:
            break;
    }
    for (int i = 0; i < emptyElemCount; ++i) part->AddElem(Internal::MakeEmptyElement(part.get()).release());

    m_section = section;
    m_partName = partName;
    m_part = part.get();
    m_ownedPart = std::move(part);
}

bool CAddPartCommand::Execute() {
    if (!m_ownedPart || !m_section) return false;
    m_part->ownerSection = m_section;
    m_section->parts.append(m_ownedPart.release());
    if (ICommandFrame* frame = GetCommandEnvironment().frame) {
        IProfileTreePane& tree = frame->ProfileTree();
        tree.ExpandSectionTreeItem(m_section, 1);
        tree.RememberTreeSelection(m_part);
        tree.RebuildProfileTree();
    }
    return true;
}

bool CAddPartCommand::Unexecute() {
    // By identity, not by the kept name: a loaded section may hold another part of that name.
    const int index = (m_section && !m_ownedPart) ? Internal::IndexOfPointer(m_section->parts, m_part) : -1;
    if (index < 0) return false;
    m_section->parts.removeAt(index);
    m_ownedPart.reset(m_part);
    if (ICommandFrame* frame = GetCommandEnvironment().frame) {
        frame->WorkViews().ClosePartView(m_part);
        IProfileTreePane& tree = frame->ProfileTree();
        Internal::RememberSelectionAfterRemoval(tree, m_part);
        tree.RebuildProfileTree();
    }
    return true;
}
