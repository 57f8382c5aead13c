#include "CAddSecCommand.h"

#include "CPELFM_ElemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CommandEnvironment.h"
#include "ICommandFrame.h"
#include "ICommandServices.h"
#include "IDeviceModelPlugin.h"
#include "IProfilePlugin.h"
#include "IProfileTreePane.h"
#include "IWorkViewManager.h"
#include "InvalidArgumentError.h"
#include "NodeOwnership.h"
#include "TemplateElements.h"
#include "TreeSelection.h"

namespace {

int FirstPartType(int sectionType) {
    switch (sectionType) {
        case SECTION_COMM_IF:
            return PART_COMM_IF_INFO;
        case SECTION_BLOCK:
            return PART_BLOCK_INFO;
        default:
            return PART_UNKNOW;
    }
}

QList<_ST_CT_ELEM_INFO> FirstPartTemplates(int partType) {
    QList<_ST_CT_ELEM_INFO> templates;
    if (partType != PART_BLOCK_INFO && partType != PART_COMM_IF_INFO) return templates;
    ICommandServices* services = GetCommandEnvironment().services;
    IProfilePlugin* plugin = services ? services->FirstProfilePlugin() : nullptr;
    if (!plugin) throw InvalidArgumentError("no profile plug-in for the part templates");
    if (partType == PART_BLOCK_INFO) {
        plugin->GetBlockInfoTemplates(&templates);
        return templates;
    }
    plugin->GetCommIfInfoTemplates(&templates);
    for (IDeviceModelPlugin* deviceModel : services->DeviceModelPlugins()) {
        if (!deviceModel) continue;
        QList<_ST_CT_ELEM_INFO> more;
        deviceModel->GetCommIfInfoTemplates(&more);
        templates += more;
    }
    return templates;
}

}  // namespace

CAddSecCommand::CAddSecCommand() {
    if (ICommandServices* services = GetCommandEnvironment().services) m_root = services->OpenProfile();
}

CAddSecCommand::~CAddSecCommand() = default;

void CAddSecCommand::Init(int sectionType, const QString& sectionName, const QString& sectionComment,
                          const QString& partName, const QString& partLabel2, const QString& partComment) {
    auto section = std::make_unique<CPELFM_SectionInfo>();
    section->name = sectionName;
    section->comment = sectionComment;
    section->sectionType = sectionType;
    section->parent = m_root;

    auto part = std::make_unique<CPELFM_PartInfo>();
    part->name = partName;
    part->label2 = partLabel2;
    part->comment = partComment;
    part->partType = FirstPartType(sectionType);
    part->ownerSection = section.get();
    for (const _ST_CT_ELEM_INFO& elemTemplate : FirstPartTemplates(part->partType))
        part->AddElem(
            Internal::MakeTemplateElement(elemTemplate, part.get(), Internal::TemplateData::AllJoined)
                .release());
    section->parts.append(part.release());

    m_sectionName = sectionName;
    m_section = section.get();
    m_ownedSection = std::move(section);
}

bool CAddSecCommand::Execute() {
    if (!m_ownedSection || !m_root) return false;
    m_section->parent = m_root;
    m_root->sections.append(m_ownedSection.release());
    if (ICommandFrame* frame = GetCommandEnvironment().frame) {
        IProfileTreePane& tree = frame->ProfileTree();
        tree.ExpandSectionTreeItem(m_section, 0);
        tree.RememberTreeSelection(m_section);
        tree.RebuildProfileTree();
    }
    return true;
}

bool CAddSecCommand::Unexecute() {
    // By identity, not by the kept name: a loaded file may hold another section of that name.
    const int index =
        (m_root && !m_ownedSection) ? Internal::IndexOfPointer(m_root->sections, m_section) : -1;
    if (index < 0) return false;
    m_root->sections.removeAt(index);
    m_ownedSection.reset(m_section);
    if (ICommandFrame* frame = GetCommandEnvironment().frame) {
        frame->WorkViews().CloseSectionViews(m_section);
        IProfileTreePane& tree = frame->ProfileTree();
        Internal::RememberSelectionAfterRemoval(tree, m_section);
        tree.RebuildProfileTree();
    }
    return true;
}
