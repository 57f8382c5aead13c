#pragma once
#include "BaseCommand.h"

struct CPELFM_NodeBase;
class CPELFM_ProfileInfo;

// Moves a section among the root's sections or a part among its section's parts (tree drag and
// drop). A part never changes its section.
class CMoveNodeCommand : public BaseCommand {
public:
    // Takes the open profile's root from the command environment.
    CMoveNodeCommand();

    // Turns the dragged node and the drop target (null for a group item) into two positions.
    void Init(CPELFM_NodeBase* node, CPELFM_NodeBase* dropTarget);

    bool Execute() override { return Move(m_fromIndex, m_toIndex); }
    bool Unexecute() override { return Move(m_toIndex, m_fromIndex); }

    int FromIndex() const { return m_fromIndex; }
    int ToIndex() const { return m_toIndex; }

private:
    bool Move(int from, int to);

    CPELFM_ProfileInfo* m_root = nullptr;
    CPELFM_NodeBase* m_node = nullptr;
    int m_fromIndex = -1;
    int m_toIndex = -1;
};
