#pragma once
#include <QString>

#include "BaseCommand.h"

struct CPELFM_NodeBase;

// Changes the name, comment and (for a part) second name of a section or part. Execute and
// Unexecute are the same swap of the node's texts with the command's.
class CChgProCommand : public BaseCommand {
public:
    CChgProCommand() = default;

    void Init(CPELFM_NodeBase* node, const QString& name, const QString& label2, const QString& comment);

    bool Execute() override { return Swap(); }
    bool Unexecute() override { return Swap(); }

private:
    bool Swap();

    CPELFM_NodeBase* m_node = nullptr;
    QString m_name;
    QString m_label2;
    QString m_comment;
};
