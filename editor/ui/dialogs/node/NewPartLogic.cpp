#include "NewPartLogic.h"

#include <climits>
#include <memory>

#include "CAddPartCommand.h"
#include "CCommonUtility.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CommandManager.h"
#include "CommandRegistry.h"
#include "IProfilePlugin.h"
#include "InvalidArgumentError.h"
#include "MessageBoxStyle.h"
#include "NodeTextRules.h"
#include "ProfileInnerConst.h"

using namespace ProfileInnerConst;

namespace {

constexpr int IDS_SAVING_SETTINGS = 62172;
// The plug-in kind whose profiles allow a second DEVICE_INFO part at most.
constexpr int kSingleDeviceInfoPluginKind = 10;

QString PartTypeName(int type) {
    return type >= 0 && type < PartTypeCount ? QString::fromLatin1(PartTypeNames[type].name) : QString();
}

int PartTypeFromName(const QString& name) {
    const QStringList& keys = CCommonUtility::PartKeys();
    for (int i = 1; i < keys.size(); ++i)
        if (keys[i].toUpper().compare(name, Qt::CaseInsensitive) == 0) return i;
    return 0;
}

}  // namespace

CPELFM_SectionInfo* NewPartLogic::TargetSection(CPELFM_NodeBase* selected) {
    if (auto* section = NodeCast<CPELFM_SectionInfo>(selected)) return section;
    if (auto* part = NodeCast<CPELFM_PartInfo>(selected)) return part->ownerSection;
    return nullptr;
}

NewPartLogic::NewPartLogic(CCommonUtility& utility, CPELFM_SectionInfo* section)
    : m_utility(utility), m_section(section) {}

QStringList NewPartLogic::AddablePartTypeNames() const {
    QStringList names;
    if (m_section == nullptr || m_utility.profilePlugins.isEmpty()) return names;
    const _ST_DLL_PROFILE& plugin = m_utility.profilePlugins.first();
    if (plugin.instance == nullptr) return names;
    QList<int> kinds;
    plugin.instance->GetPartKindsOfSection(m_section->sectionType, kinds);
    int deviceInfoParts = 0;
    for (const CPELFM_PartInfo* part : m_section->parts)
        if (part->partType == PART_DEVICE_INFO) ++deviceInfoParts;
    for (int kind : kinds) {
        if (kind == PART_DEVICE_INFO && plugin.kind == kSingleDeviceInfoPluginKind && deviceInfoParts > 1)
            continue;
        const QString name = PartTypeName(kind);
        if (!name.isEmpty()) names << name;
    }
    return names;
}

bool NewPartLogic::RelatedBoxVisible() const {
    return m_section != nullptr && m_section->sectionType == SECTION_COMM_IF;
}

bool NewPartLogic::RelatedBoxEnabled(const QString& partTypeName) const {
    if (!RelatedBoxVisible() || partTypeName != "COMM_IF_CONFIGURATION") return false;
    const CPELFM_ProfileInfo* root = m_section->parent;
    if (root == nullptr) return false;
    for (const CPELFM_SectionInfo* section : root->sections)
        if (section->sectionType == SECTION_BLOCK) return true;
    return false;
}

bool NewPartLogic::AutoCreateRelatedPart() const {
    return m_utility.settings && m_utility.settings->AutoCreateRelatedPart != 0;
}

QString NewPartLogic::StepElemCount(const QString& text, int delta) {
    int count = 0;
    if (!NodeTextRules::ParseElemCount(text, count)) return text;
    if (delta > 0 && count < INT_MAX) ++count;
    if (delta < 0 && count > 0) --count;
    return QString::asprintf("%d", count);
}

NewPartOutcome NewPartLogic::Accept(const NewPartInput& input) {
    NewPartOutcome outcome;
    const int partType = PartTypeFromName(input.partTypeName);
    if (m_section == nullptr || partType == 0) return outcome;

    if (NodeTextRules::HasNonAsciiChar(input.name)) {
        m_utility.ShowMessage({}, 10047, MB_OK);
        outcome.focus = NewPartField::Name;
        return outcome;
    }
    try {
        const int nameResult = m_utility.ValidateNodeName(input.name, m_section);
        if (nameResult == 1) {
            m_utility.ShowMessage({input.name}, 10017, MB_ICONERROR);
            outcome.focus = NewPartField::Name;
            return outcome;
        }
        if (nameResult >= 2 && nameResult <= 4) {
            m_utility.ShowMessage({NodeTextRules::InvalidTextEntry(m_utility, nameResult, input.name)}, 10015,
                                  MB_ICONERROR);
            outcome.focus = NewPartField::Name;
            return outcome;
        }
        const int label2Result = m_utility.ValidatePartLabel2(input.label2, m_section);
        if (label2Result == 1) {
            m_utility.ShowMessage({input.label2}, 10061, MB_ICONERROR);
            outcome.focus = NewPartField::Label2;
            return outcome;
        }
        if (label2Result == 2 || label2Result == 3) {
            m_utility.ShowMessage({NodeTextRules::InvalidTextEntry(m_utility, label2Result, input.label2)},
                                  10015, MB_ICONERROR);
            outcome.focus = NewPartField::Label2;
            return outcome;
        }
    } catch (const InvalidArgumentError&) {
        return outcome;  // no profile plug-in: nothing can be created
    }
    int count = 0;
    if (!NodeTextRules::ParseElemCount(input.elemCount, count)) {
        m_utility.ShowMessage({input.elemCount}, 10058, MB_OK);
        outcome.focus = NewPartField::ElemCount;
        return outcome;
    }

    std::unique_ptr<BaseCommand> command(CreateCommandByName("CAddPartCommand"));
    auto* add = dynamic_cast<CAddPartCommand*>(command.get());
    if (add == nullptr) return outcome;
    try {
        add->Init(partType, m_section, input.name, input.comment, input.label2, count);
    } catch (const InvalidArgumentError&) {
        return outcome;
    }
    CPELFM_PartInfo* part = add->Part();
    if (!GetCommandManager()->Execute(command.release())) return outcome;
    outcome.created = true;
    outcome.part = part;
    outcome.partType = partType;

    if (input.relatedShown) {
        if (m_utility.settings) {
            m_utility.settings->AutoCreateRelatedPart = input.relatedTicked ? 1 : 0;
            // The part stands whatever becomes of the file: a failed write is only reported.
            m_utility.WriteSettingsFileReported(IDS_SAVING_SETTINGS);
        }
        outcome.openRelated = input.relatedTicked;
    }
    return outcome;
}
