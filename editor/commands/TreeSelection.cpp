#include "TreeSelection.h"

#include "IProfileTreePane.h"

namespace Internal {

void RememberSelectionAfterRemoval(IProfileTreePane& tree, CPELFM_NodeBase* node) {
    using Relation = IProfileTreePane::TreeRelation;
    const IProfileTreePane::TreeItem item = tree.FindTreeItemOfNode(node);
    if (!item) return;
    IProfileTreePane::TreeItem target = tree.GetRelatedTreeItem(item, Relation::Next);
    if (!target) target = tree.GetRelatedTreeItem(item, Relation::Previous);
    if (!target) target = tree.GetRelatedTreeItem(item, Relation::Parent);
    if (target) tree.RememberTreeItemSelection(target);
}

}  // namespace Internal
