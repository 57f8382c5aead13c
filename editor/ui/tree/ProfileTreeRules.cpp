#include "ProfileTreeRules.h"

#include <cstddef>

#include "CCommonUtility.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "ProfileFileNames.h"
#include "ProfileInnerConst.h"
#include "ResourceMessage.h"

namespace ProfileTreeRules {

namespace {

constexpr int IDS_MODEL_ELEMENT = 62029;
constexpr int IDS_DISPLAY_VERSION_ELEMENT = 62032;
constexpr int IDS_OPEN_BRACKET = 62033;
constexpr int IDS_CLOSE_BRACKET = 62034;
constexpr int IDS_VERSION_ELEMENT = 62035;
constexpr int IDS_LANGUAGE_ELEMENT = 62036;
constexpr int IDS_ROOT_OPEN = 62041;
constexpr int IDS_ROOT_CLOSE = 62042;
constexpr int IDS_PART = 62062;
constexpr int IDS_SECTION = 62063;
constexpr int IDS_SECTION_TIP = 62079;
constexpr int IDS_PART_TIP = 62086;
constexpr int IDS_EXTRA_DEVICE_INFO = 62068;
constexpr int DEVICE_MODEL_KIND_DEVICE_PARTS = 2;

bool InRange(int value, int first, int last) {
    return value >= first && value <= last;
}

// The section kind whose parts a part kind belongs to; 0 for ENUM and unknown kinds.
int HomeSectionType(int partType) {
    if (partType == PART_FILE_INFO) return SECTION_FILE;
    if (partType == PART_DEVICE_INFO || partType == PART_DEVICE_IF) return SECTION_DEVICE;
    if (InRange(partType, PART_COMM_IF_INFO, PART_COMM_IF_CONFIGURATION)) return SECTION_COMM_IF;
    if (InRange(partType, PART_BLOCK_INFO, PART_BLOCK_PARAM)) return SECTION_BLOCK;
    return 0;
}

CPELFM_SectionInfo* SectionOf(CPELFM_NodeBase* node) {
    if (auto* section = NodeCast<CPELFM_SectionInfo>(node)) return section;
    if (auto* part = NodeCast<CPELFM_PartInfo>(node)) return part->ownerSection;
    return nullptr;
}

QString Format(const CCommonUtility& utility, const QStringList& inserts, int id) {
    return utility.Strings() ? FormatResourceMessage(*utility.Strings(), inserts, id) : QString();
}

template <std::size_t N>
QString TypeName(const ProfileInnerConst::TypeName (&names)[N], int type) {
    for (const auto& entry : names)
        if (entry.id == type) return QString::fromLatin1(entry.name);
    return {};
}

}  // namespace

QString SectionKey(int sectionType) {
    return CCommonUtility::SectionTypeNames().value(sectionType);
}

QString PartKey(int partType) {
    static const QStringList keys = {"UNKOWN",
                                     "FILE_INFO",
                                     "DEVICE_INFO",
                                     "DEVICE_IF",
                                     "COMMIF_INFO",
                                     "COMMIF_VARIABLE",
                                     "COMMIF_CONFIGURATION",
                                     "BLOCK_INFO",
                                     "BLOCK_MEMORY",
                                     "BLOCK_PARAM",
                                     "ENUM",
                                     "MAX"};
    return keys.value(partType);
}

const QList<int>& GroupSectionTypes() {
    static const QList<int> types = {SECTION_FILE, SECTION_DEVICE, SECTION_COMM_IF, SECTION_BLOCK};
    return types;
}

QString FormatSectionNodeText(const CPELFM_SectionInfo& section) {
    return section.name + QStringLiteral(" (") + section.comment + QStringLiteral(") [") +
           SectionKey(section.sectionType) + QLatin1Char(']');
}

QString FormatPartNodeText(const CPELFM_PartInfo& part) {
    return part.name + QStringLiteral(" (") + part.label2 + QStringLiteral(") [") + PartKey(part.partType) +
           QLatin1Char(']');
}

QString FormatRootNodeText(const CCommonUtility& utility, const CPELFM_ProfileInfo* root) {
    const QString open = utility.LoadString(IDS_ROOT_OPEN);
    const QString close = utility.LoadString(IDS_ROOT_CLOSE);
    QString device = open + close;
    if (CPELFM_PartInfo* info = FirstDeviceInfoPart(utility, root)) {
        QString version = ElementDataValue(info, utility.LoadString(IDS_DISPLAY_VERSION_ELEMENT));
        if (version.isEmpty()) version = ElementDataValue(info, utility.LoadString(IDS_VERSION_ELEMENT));
        device = ElementDataValue(info, utility.LoadString(IDS_MODEL_ELEMENT)) + open + version + close;
    }
    const QString language =
        ElementDataValue(FirstFileInfoPart(root), utility.LoadString(IDS_LANGUAGE_ELEMENT));
    return device + utility.LoadString(IDS_OPEN_BRACKET) + language + utility.LoadString(IDS_CLOSE_BRACKET);
}

QString NodeToolTip(const CCommonUtility& utility, CPELFM_NodeBase* node) {
    if (auto* part = NodeCast<CPELFM_PartInfo>(node))
        return Format(utility,
                      {utility.LoadString(IDS_PART), part->name, part->comment, part->label2,
                       TypeName(ProfileInnerConst::PartTypeNames, part->partType)},
                      IDS_PART_TIP);
    if (auto* section = NodeCast<CPELFM_SectionInfo>(node))
        return Format(utility,
                      {utility.LoadString(IDS_SECTION), section->name, section->comment,
                       TypeName(ProfileInnerConst::SectionTypeNames, section->sectionType)},
                      IDS_SECTION_TIP);
    return {};
}

int PartImage(int sectionType, int partType) {
    switch (sectionType) {
        case SECTION_FILE:
            return IMAGE_PART;
        case SECTION_DEVICE:
            return partType == PART_DEVICE_INFO || partType == PART_DEVICE_IF ? IMAGE_PART : IMAGE_NONE;
        case SECTION_COMM_IF:
        case SECTION_BLOCK:
            return HomeSectionType(partType) == sectionType ? IMAGE_PART : IMAGE_FOREIGN_PART;
        default:
            return IMAGE_NONE;
    }
}

bool CanCopyNode(CPELFM_NodeBase* node) {
    if (auto* section = NodeCast<CPELFM_SectionInfo>(node))
        return section->sectionType != SECTION_FILE && section->sectionType != SECTION_DEVICE;
    if (auto* part = NodeCast<CPELFM_PartInfo>(node))
        return part->partType != PART_FILE_INFO && part->partType != PART_DEVICE_INFO &&
               part->partType != PART_COMM_IF_INFO && part->partType != PART_BLOCK_INFO;
    return false;
}

bool CanPasteNode(CPELFM_NodeBase* copied, const Selection& selection) {
    if (!copied || !selection.itemSelected) return false;
    if (auto* part = NodeCast<CPELFM_PartInfo>(copied)) {
        const CPELFM_SectionInfo* target = SectionOf(selection.node);
        if (!target) return false;
        if (part->partType == PART_ENUM)
            return target->sectionType == SECTION_COMM_IF || target->sectionType == SECTION_BLOCK;
        // FILE_INFO is never pasted: its home, the FILE section, takes no copies.
        const int home = HomeSectionType(part->partType);
        return home != 0 && home != SECTION_FILE && home == target->sectionType;
    }
    if (auto* section = NodeCast<CPELFM_SectionInfo>(copied)) {
        if (selection.node) return false;
        const int type = section->sectionType;
        return type != SECTION_FILE && GroupSectionTypes().contains(type) &&
               selection.groupText == SectionKey(type);
    }
    return false;
}

bool CanDeleteNode(const CCommonUtility& utility, CPELFM_NodeBase* node) {
    if (auto* section = NodeCast<CPELFM_SectionInfo>(node))
        return section->sectionType != SECTION_FILE && section->sectionType != SECTION_DEVICE;
    auto* part = NodeCast<CPELFM_PartInfo>(node);
    if (!part) return false;
    switch (part->partType) {
        case PART_FILE_INFO:
        case PART_COMM_IF_INFO:
        case PART_BLOCK_INFO:
            return false;
        case PART_DEVICE_INFO:
            // Only the extra DEVICE_INFO part may go; the section keeps its main one.
            return part->ownerSection && part->ownerSection->parts.size() >= 2 &&
                   part->name == utility.LoadString(IDS_EXTRA_DEVICE_INFO);
        default:
            return true;
    }
}

bool CanCopyReference(CPELFM_NodeBase* node) {
    auto* part = NodeCast<CPELFM_PartInfo>(node);
    return part && (part->partType == PART_BLOCK_MEMORY || part->partType == PART_BLOCK_PARAM ||
                    part->partType == PART_ENUM);
}

QString PartReference(const CPELFM_PartInfo& part) {
    const QString prefix = part.partType == PART_ENUM ? QStringLiteral("ENUM ") : QString();
    return prefix + (part.ownerSection ? part.ownerSection->name : QString()) + QLatin1Char('.') + part.name;
}

NewPart NewPartRule(const CCommonUtility& utility, CPELFM_NodeBase* selected) {
    const CPELFM_SectionInfo* section = SectionOf(selected);
    if (!section) return NewPart::Disabled;
    if (section->sectionType == SECTION_COMM_IF || section->sectionType == SECTION_BLOCK)
        return NewPart::Enabled;
    if (section->sectionType == SECTION_DEVICE && !utility.deviceModelPlugins.isEmpty() &&
        utility.deviceModelPlugins.first().kind == DEVICE_MODEL_KIND_DEVICE_PARTS)
        return NewPart::EnabledInDeviceSection;
    return NewPart::Disabled;
}

bool IsDropAllowed(CPELFM_NodeBase* dragged, const DropTarget& target, bool above) {
    if (auto* section = NodeCast<CPELFM_SectionInfo>(dragged)) {
        if (auto* onto = NodeCast<CPELFM_SectionInfo>(target.node))
            return onto->sectionType == section->sectionType;
        return !target.node && !above && target.groupText == SectionKey(section->sectionType);
    }
    if (auto* part = NodeCast<CPELFM_PartInfo>(dragged)) {
        if (auto* onto = NodeCast<CPELFM_PartInfo>(target.node))
            return onto->ownerSection == part->ownerSection;
        return target.node && target.node == part->ownerSection && !above;
    }
    return false;
}

CPELFM_NodeBase* MoveTarget(const DropTarget& target, bool above, CPELFM_NodeBase* previousSibling) {
    if (!above) return target.node;
    if (previousSibling) return previousSibling;
    // Above the first part: first of the section; above the first section: first of the group.
    if (auto* part = NodeCast<CPELFM_PartInfo>(target.node)) return part->ownerSection;
    return nullptr;
}

}  // namespace ProfileTreeRules
