#pragma once
#include <QList>

class CChildFrame;
class CPELFM_PartInfo;
class CPELFM_SectionInfo;
class IWorkView;
class IWorkViewFactory;
class QMdiArea;
class QMdiSubWindow;

// Opens, finds, retitles, refills and closes the part windows. It keeps no list of its own:
// the MDI area's windows are the only record, each keyed by the part node it shows, so two
// parts of the same name never share a window and a renamed part is still found.
class CWorkViewManager {
public:
    explicit CWorkViewManager(QMdiArea& area) : m_area(area) {}
    CWorkViewManager(const CWorkViewManager&) = delete;
    CWorkViewManager& operator=(const CWorkViewManager&) = delete;

    // Without a factory no part window can be opened.
    void SetViewFactory(IWorkViewFactory* factory) { m_factory = factory; }

    // The view of the part's window, activated; null when the part has no open window.
    IWorkView* FindPartView(const CPELFM_PartInfo* part);
    // Brings the part's window forward (refilled unless refill is 0) or opens a new one.
    IWorkView* OpenPartView(int refill, CPELFM_PartInfo* part);
    void UpdatePartViewTitle(const CPELFM_PartInfo* part);
    void ClosePartView(const CPELFM_PartInfo* part);
    void CloseSectionViews(const CPELFM_SectionInfo* section);
    CPELFM_PartInfo* FindPartOfFrame(const QMdiSubWindow* frame) const;
    // The open part windows that are not closing, in the area's order.
    QList<CChildFrame*> OpenFrames() const;

private:
    CChildFrame* FindFrame(const CPELFM_PartInfo* part) const;

    QMdiArea& m_area;
    IWorkViewFactory* m_factory = nullptr;
};
