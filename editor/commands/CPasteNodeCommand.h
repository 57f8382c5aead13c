#pragma once
#include "BaseCommand.h"

struct CPELFM_NodeBase;
class CPELFM_ProfileInfo;

// Inserts a deep copy of a copied section or part, renamed when its name is taken.
class CPasteNodeCommand : public BaseCommand {
public:
    // Takes the open profile's root from the command environment.
    CPasteNodeCommand();
    ~CPasteNodeCommand() override;

    // Copies the node now (a section or a part; other kinds give no copy). The target is a
    // section or part, or null for a section pasted onto its group.
    void Init(CPELFM_NodeBase* copiedNode, CPELFM_NodeBase* target);

    bool Execute() override;
    bool Unexecute() override;

    CPELFM_NodeBase* Copy() const { return m_copy; }

private:
    bool InsertPart();
    bool InsertSection();

    CPELFM_NodeBase* m_copy = nullptr;
    CPELFM_NodeBase* m_ownedCopy = nullptr;  // the copy while it is not in the profile
    CPELFM_NodeBase* m_target = nullptr;
    CPELFM_ProfileInfo* m_root = nullptr;
};
