#pragma once
#include <QList>

struct CPELFM_NodeBase;

// Private helpers of the commands for nodes they hold while the nodes are out of the tree.
namespace Internal {

// Deletes a detached node through its own class, chosen by its kind tag.
void DeleteNodeByKind(CPELFM_NodeBase* node);

// Position of a node in its parent's array by identity; names may repeat in a loaded file.
template <class T>
int IndexOfPointer(const QList<T*>& nodes, const T* node) {
    for (int i = 0; i < nodes.size(); ++i) {
        if (nodes[i] == node) return i;
    }
    return -1;
}

}  // namespace Internal
