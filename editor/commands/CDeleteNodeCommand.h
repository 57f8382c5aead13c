#pragma once
#include "BaseCommand.h"

struct CPELFM_NodeBase;

// Removes a section or a part from the profile. The caller sets the node directly; the command
// owns it only while it is out of the profile.
class CDeleteNodeCommand : public BaseCommand {
public:
    CDeleteNodeCommand() = default;
    ~CDeleteNodeCommand() override;

    // Ignored while the command holds a removed node.
    void SetNode(CPELFM_NodeBase* node) {
        if (!m_ownedNode) m_node = node;
    }
    CPELFM_NodeBase* Node() const { return m_node; }

    bool Execute() override;
    bool Unexecute() override;

private:
    CPELFM_NodeBase* m_node = nullptr;
    CPELFM_NodeBase* m_ownedNode = nullptr;
    int m_index = -1;  // position in the parent before removal
};
