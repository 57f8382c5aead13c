#pragma once
#include <QString>

class CPELFM_PartInfo;
class CPELFM_SectionInfo;
class IPartGridView;

// What the edit commands ask of the work-view manager. Windows are keyed by the current
// (section name, part name) of the part they show.
class IWorkViewManager {
public:
    virtual ~IWorkViewManager() = default;

    // Activates and returns the part's window, null when none is open.
    virtual IPartGridView* FindPartView(const QString& sectionName, const QString& partName) = 0;
    // Opens or activates the part's window; a non-zero refill fills an open grid again.
    virtual IPartGridView* OpenPartView(int refill, CPELFM_PartInfo* part) = 0;
    virtual void UpdatePartViewTitle(const QString& sectionName, const QString& partName) = 0;
    virtual void ClosePartView(CPELFM_PartInfo* part) = 0;
    virtual void CloseSectionViews(CPELFM_SectionInfo* section) = 0;
};
