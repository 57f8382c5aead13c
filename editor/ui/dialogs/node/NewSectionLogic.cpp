#include "NewSectionLogic.h"

#include <memory>

#include "CAddSecCommand.h"
#include "CCommonUtility.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CommandManager.h"
#include "CommandRegistry.h"
#include "InvalidArgumentError.h"
#include "MessageBoxStyle.h"
#include "NodeTextRules.h"

using namespace ProfileInnerConst;

namespace {
constexpr int IDS_SAVING_SETTINGS = 62172;
}  // namespace

int NewSectionLogic::InitialSectionType(CPELFM_NodeBase* selected, bool commIfGroupSelected) {
    if (commIfGroupSelected) return SECTION_COMM_IF;
    const CPELFM_SectionInfo* section = NodeCast<CPELFM_SectionInfo>(selected);
    if (auto* part = NodeCast<CPELFM_PartInfo>(selected)) section = part->ownerSection;
    return section != nullptr && section->sectionType == SECTION_COMM_IF ? SECTION_COMM_IF : SECTION_BLOCK;
}

bool NewSectionLogic::AutoCreateRelatedSection() const {
    return m_utility.settings && m_utility.settings->AutoCreateRelatedSection != 0;
}

NewSectionOutcome NewSectionLogic::Accept(const NewSectionInput& input) {
    NewSectionOutcome outcome;
    if (input.sectionType != SECTION_BLOCK && input.sectionType != SECTION_COMM_IF) return outcome;
    const struct {
        const QString& text;
        NewSectionField field;
    } texts[] = {{input.sectionName, NewSectionField::SectionName},
                 {input.partName, NewSectionField::PartName},
                 {input.partLabel2, NewSectionField::PartLabel2}};
    for (const auto& t : texts) {
        if (NodeTextRules::HasNonAsciiChar(t.text)) {
            m_utility.ShowMessage({}, 10047, MB_OK);
            outcome.focus = t.field;
            return outcome;
        }
    }
    try {
        QString insert;
        for (const auto& t : texts) {
            // A label2 is optional; only one that is given must follow the label rules.
            if (t.field == NewSectionField::PartLabel2 && t.text.isEmpty()) continue;
            const CPELFM_NodeBase* parent =
                t.field == NewSectionField::SectionName ? m_utility.openProfile : nullptr;
            const int result = m_utility.ValidateNodeName(t.text, parent);
            if (result == 1) {
                m_utility.ShowMessage({t.text}, 10017, MB_ICONERROR);
                outcome.focus = t.field;
                return outcome;
            }
            const QString entry = NodeTextRules::InvalidTextEntry(m_utility, result, t.text);
            if (!entry.isEmpty() && insert.isEmpty()) outcome.focus = t.field;
            insert += entry;
        }
        if (!insert.isEmpty()) {
            m_utility.ShowMessage({insert}, 10015, MB_ICONERROR);
            return outcome;
        }
    } catch (const InvalidArgumentError&) {
        return outcome;
    }

    std::unique_ptr<BaseCommand> command(CreateCommandByName("CAddSecCommand"));
    auto* add = dynamic_cast<CAddSecCommand*>(command.get());
    if (add == nullptr) return outcome;
    try {
        add->Init(input.sectionType, input.sectionName, input.sectionComment, input.partName,
                  input.partLabel2, input.partComment);
    } catch (const InvalidArgumentError&) {
        return outcome;
    }
    CPELFM_SectionInfo* section = add->Section();
    if (!GetCommandManager()->Execute(command.release())) return outcome;
    outcome.created = true;
    outcome.section = section;
    if (m_utility.settings) {
        m_utility.settings->AutoCreateRelatedSection = input.relatedTicked ? 1 : 0;
        // The section stands whatever becomes of the file: a failed write is only reported.
        m_utility.WriteSettingsFileReported(IDS_SAVING_SETTINGS);
    }
    outcome.openRelated = input.relatedTicked;
    return outcome;
}
