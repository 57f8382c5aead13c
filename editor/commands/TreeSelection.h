#pragma once

struct CPELFM_NodeBase;
class IProfileTreePane;

namespace Internal {

// After a section or part leaves the tree: select the item after it, else the one before it,
// else its parent. Call while the tree still shows the node (before the rebuild).
void RememberSelectionAfterRemoval(IProfileTreePane& tree, CPELFM_NodeBase* node);

}  // namespace Internal
