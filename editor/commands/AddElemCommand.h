#pragma once
#include <QList>

#include "BaseCommand.h"

class CPELFM_ElemInfo;
class CPELFM_PartInfo;
class ICommandFrame;

// Inserts empty elements (grid rows) into a part before a grid row.
class AddElemCommand : public BaseCommand {
public:
    AddElemCommand() = default;
    ~AddElemCommand() override;

    // row is the grid row before which the elements go: 1 or more, element count + 1 appends.
    void Init(CPELFM_PartInfo* part, int count, ICommandFrame* frame, int row);

    // Throws InvalidArgumentError, changing nothing, when the row lies outside the part.
    bool Execute() override;
    bool Unexecute() override;

    const QList<CPELFM_ElemInfo*>& NewElems() const { return m_newElems; }

private:
    // Fills the part's grid again with the current cell on the row the change acted on.
    void RefillAtFirstRow();

    CPELFM_PartInfo* m_part = nullptr;
    QList<CPELFM_ElemInfo*> m_newElems;  // owned while not applied
    int m_applied = 0;
    ICommandFrame* m_frame = nullptr;
    int m_row = 0;
    int m_count = 0;
};
