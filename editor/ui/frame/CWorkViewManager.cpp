#include "CWorkViewManager.h"

#include <QMdiArea>

#include "CChildFrame.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_SectionInfo.h"
#include "IWorkView.h"
#include "IWorkViewFactory.h"

QList<CChildFrame*> CWorkViewManager::OpenFrames() const {
    QList<CChildFrame*> frames;
    for (QMdiSubWindow* window : m_area.subWindowList()) {
        auto* frame = qobject_cast<CChildFrame*>(window);
        if (frame && !frame->IsClosing()) frames.append(frame);
    }
    return frames;
}

CChildFrame* CWorkViewManager::FindFrame(const CPELFM_PartInfo* part) const {
    if (!part) return nullptr;
    for (CChildFrame* frame : OpenFrames())
        if (frame->Document().part == part) return frame;
    return nullptr;
}

CChildFrame* CWorkViewManager::FindFrameByNames(const QString& sectionName, const QString& partName) const {
    for (CChildFrame* frame : OpenFrames()) {
        const CPELFM_PartInfo* part = frame->Document().part;
        if (part && part->ownerSection && part->ownerSection->name == sectionName && part->name == partName)
            return frame;
    }
    return nullptr;
}

IWorkView* CWorkViewManager::FindPartViewOf(const CPELFM_PartInfo* part) {
    CChildFrame* frame = FindFrame(part);
    if (!frame) return nullptr;
    m_area.setActiveSubWindow(frame);
    return frame->View();
}

IWorkView* CWorkViewManager::FindPartView(const QString& sectionName, const QString& partName) {
    CChildFrame* frame = FindFrameByNames(sectionName, partName);
    if (!frame) return nullptr;
    m_area.setActiveSubWindow(frame);
    return frame->View();
}

IWorkView* CWorkViewManager::OpenPartView(int refill, CPELFM_PartInfo* part) {
    if (!part) return nullptr;
    if (IWorkView* view = FindPartViewOf(part)) {
        if (refill != 0) view->FillPartGrid();
        return view;
    }
    if (!m_factory) return nullptr;
    auto* frame = new CChildFrame;
    IWorkView* view = m_factory->CreateWorkView(frame);
    if (!view) {
        delete frame;
        return nullptr;
    }
    frame->Document().manager = this;
    frame->Document().part = part;
    frame->SetTitle(part->name);
    frame->SetView(view);
    view->SetWorkViewPart(part);
    view->FillPartGrid();
    m_area.addSubWindow(frame);
    frame->show();
    m_area.setActiveSubWindow(frame);
    return view;
}

void CWorkViewManager::UpdatePartViewTitleOf(const CPELFM_PartInfo* part) {
    if (CChildFrame* frame = FindFrame(part)) frame->SetTitle(part->name);
}

void CWorkViewManager::UpdatePartViewTitle(const QString& sectionName, const QString& partName) {
    if (CChildFrame* frame = FindFrameByNames(sectionName, partName)) frame->SetTitle(partName);
}

void CWorkViewManager::ClosePartView(CPELFM_PartInfo* part) {
    CChildFrame* frame = FindFrame(part);
    if (!frame) return;
    m_area.setActiveSubWindow(frame);
    frame->close();
}

void CWorkViewManager::CloseSectionViews(CPELFM_SectionInfo* section) {
    if (!section) return;
    for (CPELFM_PartInfo* part : section->parts) ClosePartView(part);
}

CPELFM_PartInfo* CWorkViewManager::FindPartOfFrame(const QMdiSubWindow* frame) const {
    for (CChildFrame* open : OpenFrames())
        if (open == frame) return open->Document().part;
    return nullptr;
}
