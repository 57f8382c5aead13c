#include "PropertyEditLogic.h"

#include "CChgProCommand.h"
#include "CCommonUtility.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CommandManager.h"
#include "CommandRegistry.h"
#include "MessageBoxStyle.h"

PropertyEditLogic::PropertyEditLogic(const CCommonUtility& utility, CPELFM_NodeBase* node)
    : m_utility(utility), m_node(node) {
    if (auto* section = NodeCast<CPELFM_SectionInfo>(node)) {
        m_name = section->name;
        m_comment = section->comment;
        m_parent = section->parent;
    } else if (auto* part = NodeCast<CPELFM_PartInfo>(node)) {
        m_isPart = true;
        m_name = part->name;
        m_comment = part->comment;
        m_label2 = part->label2;
        m_parent = part->ownerSection;
    }
}

QString PropertyEditLogic::LabelRuleInsert(int result, const QString& text) const {
    const int reason = result == 2 ? 121 : result == 3 ? 126 : 127;
    return m_utility.LoadString(109) + m_utility.LoadString(reason) + text;
}

PropertyEditLogic::Verdict PropertyEditLogic::Check(const QString& name, const QString& label2) const {
    Verdict verdict;
    for (QChar c : name) {
        if (c.unicode() > 127) {
            return {false, 10047, {}, MB_OK, true};
        }
    }
    if (name != m_name) {
        // A change of letter case only finds the node itself among its siblings: only the label rules
        // apply to it.
        const bool caseOnly = name.compare(m_name, Qt::CaseInsensitive) == 0;
        const int result = m_utility.ValidateNodeName(name, caseOnly ? nullptr : m_parent);
        if (result == 1) return {false, 10017, {name}, MB_ICONERROR, true};
        if (result >= 2 && result <= 4)
            return {false, 10015, {LabelRuleInsert(result, name)}, MB_ICONERROR, true};
    }
    if (m_isPart && label2 != m_label2) {
        const bool caseOnly = label2.compare(m_label2, Qt::CaseInsensitive) == 0;
        const int result = m_utility.ValidatePartLabel2(label2, caseOnly ? nullptr : m_parent);
        if (result == 1) return {false, 10061, {label2}, MB_ICONERROR, false};
        if (result == 2 || result == 3)
            return {false, 10015, {LabelRuleInsert(result, label2)}, MB_ICONERROR, false};
    }
    return verdict;
}

bool PropertyEditLogic::Apply(const QString& name, const QString& label2, const QString& comment) const {
    BaseCommand* created = CreateCommandByName("CChgProCommand");
    auto* command = dynamic_cast<CChgProCommand*>(created);
    if (command == nullptr) {
        delete created;
        return false;
    }
    command->Init(m_node, name, m_isPart ? label2 : QString(), comment);
    return GetCommandManager()->Execute(command);
}
