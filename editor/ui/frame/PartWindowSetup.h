#pragma once
#include "CWorkViewFactory.h"
#include "IReferenceTargets.h"

class CCommonUtility;
class CMainFrame;
class IDialogPresenter;

// Gives the main frame's work-view manager the part grid views, and the views the frame's reference
// navigation. Every view tells the frame when what the edit commands offer may have changed. Must
// outlive the main frame's windows.
class PartWindowSetup : private IReferenceTargets, private IWorkViewFactory {
public:
    PartWindowSetup(CMainFrame& frame, CCommonUtility& utility, IDialogPresenter& dialogs);
    PartWindowSetup(const PartWindowSetup&) = delete;
    PartWindowSetup& operator=(const PartWindowSetup&) = delete;

private:
    QString BuildNodePathName(CPELFM_ItemInfo* item) override;
    int ShowReferenceTarget(CPELFM_ItemInfo* item) override;
    IWorkView* CreateWorkView(QWidget* parent) override;

    CMainFrame& m_frame;
    CWorkViewFactory m_factory;
};
