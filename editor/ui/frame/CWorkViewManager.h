#pragma once
#include <QList>

#include "IWorkView.h"
#include "IWorkViewManager.h"

class CChildFrame;
class CPELFM_PartInfo;
class CPELFM_SectionInfo;
class IWorkViewFactory;
class QMdiArea;
class QMdiSubWindow;

// Opens, finds, retitles, refills and closes the part windows. It keeps no list of its own:
// the MDI area's windows are the only record, each keyed by the part node it shows, so two
// parts of the same name never share a window and a renamed part is still found.
class CWorkViewManager : public IWorkViewManager {
public:
    explicit CWorkViewManager(QMdiArea& area) : m_area(area) {}
    CWorkViewManager(const CWorkViewManager&) = delete;
    CWorkViewManager& operator=(const CWorkViewManager&) = delete;

    // Without a factory no part window can be opened.
    void SetViewFactory(IWorkViewFactory* factory) { m_factory = factory; }

    // The view of the part's window, activated; null when the part has no open window.
    IWorkView* FindPartViewOf(const CPELFM_PartInfo* part);
    // The first window whose part's current names are these (case matters). Names may repeat in
    // a loaded file; callers that hold the node use FindPartViewOf.
    IWorkView* FindPartView(const QString& sectionName, const QString& partName) override;
    // Brings the part's window forward (refilled unless refill is 0) or opens a new one.
    IWorkView* OpenPartView(int refill, CPELFM_PartInfo* part) override;
    // The window title follows the part's current name.
    void UpdatePartViewTitleOf(const CPELFM_PartInfo* part);
    void UpdatePartViewTitle(const QString& sectionName, const QString& partName) override;
    void ClosePartView(CPELFM_PartInfo* part) override;
    void CloseSectionViews(CPELFM_SectionInfo* section) override;
    CPELFM_PartInfo* FindPartOfFrame(const QMdiSubWindow* frame) const;
    // The open part windows that are not closing, in the area's order.
    QList<CChildFrame*> OpenFrames() const;

private:
    CChildFrame* FindFrame(const CPELFM_PartInfo* part) const;
    CChildFrame* FindFrameByNames(const QString& sectionName, const QString& partName) const;

    QMdiArea& m_area;
    IWorkViewFactory* m_factory = nullptr;
};
