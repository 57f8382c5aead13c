#pragma once
#include <QList>

#include "BaseCommand.h"

class CPELFM_ElemInfo;
class CPELFM_PartInfo;
class ICommandFrame;

// Removes consecutive elements (grid rows) from a part.
class DelElemCommand : public BaseCommand {
public:
    DelElemCommand() = default;
    ~DelElemCommand() override;

    // The range is checked here, before anything changes: false (and an Execute that reports
    // failure) when it does not lie inside the part.
    bool Init(ICommandFrame* frame, int count, CPELFM_PartInfo* part, int firstIndex);

    bool Execute() override;
    bool Unexecute() override;

    const QList<CPELFM_ElemInfo*>& RemovedElems() const { return m_elems; }

private:
    // Fills the part's grid again with the current cell on the row the change acted on.
    void RefillAtFirstRow();

    CPELFM_PartInfo* m_part = nullptr;
    QList<CPELFM_ElemInfo*> m_elems;  // owned while removed
    int m_index = 0;
    ICommandFrame* m_frame = nullptr;
    int m_count = 0;
    bool m_ownsElems = false;
};
