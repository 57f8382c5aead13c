#include "AddElemCommand.h"

#include "CPELFM_ElemInfo.h"
#include "CPELFM_PartInfo.h"
#include "ICommandFrame.h"
#include "IPartGridView.h"
#include "IWorkViewManager.h"
#include "InvalidArgumentError.h"
#include "TemplateElements.h"

AddElemCommand::~AddElemCommand() {
    if (!m_applied) qDeleteAll(m_newElems);
}

void AddElemCommand::Init(CPELFM_PartInfo* part, int count, ICommandFrame* frame, int row) {
    if (!m_applied) qDeleteAll(m_newElems);
    m_newElems.clear();
    m_applied = 0;
    m_part = part;
    m_frame = frame;
    m_row = row;
    m_count = count > 0 ? count : 0;
    for (int i = 0; i < m_count; ++i) m_newElems.append(Internal::MakeEmptyElement(part).release());
}

bool AddElemCommand::Execute() {
    if (!m_frame || !m_part || m_applied) return false;
    QList<CPELFM_ElemInfo*>& elems = m_part->Elems();
    const int index = m_row - 1;
    if (index < 0 || index > elems.size()) throw InvalidArgumentError("element row outside the part");
    for (int i = 0; i < m_newElems.size(); ++i) {
        m_newElems[i]->ownerPart = m_part;
        elems.insert(index + i, m_newElems[i]);
    }
    m_applied = 1;
    RefillAtFirstRow();
    return true;
}

bool AddElemCommand::Unexecute() {
    // Nothing changes, the applied flag included, until the elements are known to be in place:
    // a failed undo must not let the destructor free elements the part still holds.
    if (!m_frame || !m_part || !m_applied) return false;
    QList<CPELFM_ElemInfo*>& elems = m_part->Elems();
    const int index = m_row - 1;
    if (index < 0 || index + m_newElems.size() > elems.size()) return false;
    for (int i = 0; i < m_newElems.size(); ++i) {
        if (elems[index + i] != m_newElems[i]) return false;
    }
    elems.remove(index, m_newElems.size());
    m_applied = 0;
    RefillAtFirstRow();
    return true;
}

// The first new row, or after an undo the row that followed the removed ones.
void AddElemCommand::RefillAtFirstRow() {
    if (IPartGridView* view = m_frame->WorkViews().OpenPartView(1, m_part)) view->MakeCellCurrent(m_row, 0);
}
