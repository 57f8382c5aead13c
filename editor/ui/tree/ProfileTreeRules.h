#pragma once
#include <QString>
#include <QStringList>

struct CPELFM_NodeBase;
class CCommonUtility;
class CPELFM_PartInfo;
class CPELFM_ProfileInfo;
class CPELFM_SectionInfo;

// What the profile tree shows and allows, decided without a window.
namespace ProfileTreeRules {

enum Image {
    IMAGE_NONE = -1,
    IMAGE_ROOT = 0,
    IMAGE_SECTION = 1,
    IMAGE_GROUP = 2,
    IMAGE_PART = 3,
    IMAGE_FOREIGN_PART = 5
};

// The group keys by section kind; also the texts of the group items.
QString SectionKey(int sectionType);
// The tree's own part keys, which differ from the model's part-type names.
QString PartKey(int partType);
// The section kinds that have a group item, in the tree's order.
const QList<int>& GroupSectionTypes();

QString FormatSectionNodeText(const CPELFM_SectionInfo& section);
QString FormatPartNodeText(const CPELFM_PartInfo& part);
// The device's model and version, then the language, from the profile's header parts.
QString FormatRootNodeText(const CCommonUtility& utility, const CPELFM_ProfileInfo* root);
// Tooltip of a section or part; empty for anything else.
QString NodeToolTip(const CCommonUtility& utility, CPELFM_NodeBase* node);

// The image of a part under a section of that kind; IMAGE_NONE when the section does not show it.
int PartImage(int sectionType, int partType);

bool CanCopyNode(CPELFM_NodeBase* node);
// The selection: a node, or a group item (no node) with its text; itemSelected false for none.
struct Selection {
    CPELFM_NodeBase* node = nullptr;
    QString groupText;
    bool itemSelected = false;
};
bool CanPasteNode(CPELFM_NodeBase* copied, const Selection& selection);
bool CanDeleteNode(const CCommonUtility& utility, CPELFM_NodeBase* node);
bool CanCopyReference(CPELFM_NodeBase* node);
// "ENUM " for an ENUM part, then section name "." part name.
QString PartReference(const CPELFM_PartInfo& part);

enum class NewPart { Disabled, Enabled, EnabledInDeviceSection };
NewPart NewPartRule(const CCommonUtility& utility, CPELFM_NodeBase* selected);

// Where the dragged node would go: a section or part item, or a group item (node null, groupText set).
struct DropTarget {
    CPELFM_NodeBase* node = nullptr;
    QString groupText;
};
// The four drop rules: a section on a section of its group or below its own group item; a part on
// a part of its section or below its own section item.
bool IsDropAllowed(CPELFM_NodeBase* dragged, const DropTarget& target, bool above);
// The node the move command inserts after (null: first of its group). Dropping above an item means
// after the previous one, or first when the item has none.
CPELFM_NodeBase* MoveTarget(const DropTarget& target, bool above, CPELFM_NodeBase* previousSibling);

}  // namespace ProfileTreeRules
