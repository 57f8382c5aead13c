#include "PartWindowSetup.h"

#include "CMainFrame.h"
#include "CWorkViewManager.h"
#include "IProfileTreeNavigation.h"

PartWindowSetup::PartWindowSetup(CMainFrame& frame, CCommonUtility& utility, IDialogPresenter& dialogs)
    : m_frame(frame), m_factory(WorkViewContext{&utility, &dialogs, &frame, this, [&frame] {
                                                    if (IProfileTreeNavigation* tree = frame.TreeNavigation())
                                                        tree->FocusTree();
                                                }}) {
    m_frame.WorkViewManager().SetViewFactory(&m_factory);
}

QString PartWindowSetup::BuildNodePathName(CPELFM_ItemInfo* item) {
    return m_frame.BuildNodePathName(item);
}

int PartWindowSetup::ShowReferenceTarget(CPELFM_ItemInfo* item) {
    return m_frame.ShowReferenceTarget(item);
}
