#include "DelElemCommand.h"

#include "CPELFM_ElemInfo.h"
#include "CPELFM_PartInfo.h"
#include "ICommandFrame.h"
#include "IPartGridView.h"
#include "IProfileTreePane.h"
#include "IWorkViewManager.h"

DelElemCommand::~DelElemCommand() {
    if (m_ownsElems) qDeleteAll(m_elems);
}

bool DelElemCommand::Init(ICommandFrame* frame, int count, CPELFM_PartInfo* part, int firstIndex) {
    if (m_ownsElems) qDeleteAll(m_elems);
    m_ownsElems = false;
    m_elems.clear();
    m_frame = frame;
    m_part = part;
    m_index = firstIndex;
    m_count = count;
    if (!part || count <= 0 || firstIndex < 0) return false;
    const QList<CPELFM_ElemInfo*>& elems = part->Elems();
    if (firstIndex + count > elems.size()) return false;
    m_elems = elems.mid(firstIndex, count);
    return true;
}

bool DelElemCommand::Execute() {
    if (!m_frame || m_elems.isEmpty() || m_ownsElems) return false;
    QList<CPELFM_ElemInfo*>& elems = m_part->Elems();
    if (m_index + m_elems.size() > elems.size() || elems.mid(m_index, m_elems.size()) != m_elems)
        return false;
    elems.remove(m_index, m_elems.size());
    m_ownsElems = true;
    RefillAtFirstRow();
    m_frame->ProfileTree().RefreshProfileRoot();
    return true;
}

bool DelElemCommand::Unexecute() {
    if (!m_frame || !m_ownsElems) return false;
    QList<CPELFM_ElemInfo*>& elems = m_part->Elems();
    if (m_index > elems.size()) return false;
    for (int i = 0; i < m_elems.size(); ++i) {
        m_elems[i]->ownerPart = m_part;
        elems.insert(m_index + i, m_elems[i]);
    }
    m_ownsElems = false;
    RefillAtFirstRow();
    return true;
}

// The row that followed the deleted ones (the last row when they were last), or after an undo the first
// of them again.
void DelElemCommand::RefillAtFirstRow() {
    if (IPartGridView* view = m_frame->WorkViews().OpenPartView(1, m_part))
        view->MakeCellCurrent(m_index + 1, 0);
}
