#pragma once
#include <QtGlobal>

struct CPELFM_NodeBase;
class CPELFM_SectionInfo;

// What the edit commands ask of the profile tree pane. The pane rebuilds its items from the
// model on every structural change and finds them again by their texts, so the commands only
// say what to select before asking for the rebuild.
class IProfileTreePane {
public:
    // An item of the tree as the pane knows it; 0 is no item.
    using TreeItem = quintptr;
    enum class TreeRelation { Next, Previous, Parent };

    virtual ~IProfileTreePane() = default;

    // flag 0: expand the group item of the section's kind; otherwise the section's own item.
    virtual void ExpandSectionTreeItem(CPELFM_SectionInfo* section, int flag) = 0;
    // The item of a section or part to select after the next rebuild.
    virtual void RememberTreeSelection(CPELFM_NodeBase* node) = 0;
    // The item that shows a section or part, 0 when there is none.
    virtual TreeItem FindTreeItemOfNode(CPELFM_NodeBase* node) = 0;
    virtual TreeItem GetRelatedTreeItem(TreeItem item, TreeRelation relation) = 0;
    // Like RememberTreeSelection, for any item (also group items, which show no node).
    virtual void RememberTreeItemSelection(TreeItem item) = 0;
    virtual void RebuildProfileTree() = 0;
    // WM_REFRESH_PROFILE_ROOT: recompute the root item's text from the profile's header values.
    virtual void RefreshProfileRoot() = 0;
};
