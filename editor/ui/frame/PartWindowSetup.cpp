#include "PartWindowSetup.h"

#include "CMainFrame.h"
#include "CWorkView.h"
#include "CWorkViewManager.h"
#include "IProfileTreeNavigation.h"

PartWindowSetup::PartWindowSetup(CMainFrame& frame, CCommonUtility& utility, IDialogPresenter& dialogs)
    : m_frame(frame), m_factory(WorkViewContext{&utility, &dialogs, &frame, this, [&frame] {
                                                    if (IProfileTreeNavigation* tree = frame.TreeNavigation())
                                                        tree->FocusTree();
                                                }}) {
    m_frame.WorkViewManager().SetViewFactory(this);
}

QString PartWindowSetup::BuildNodePathName(CPELFM_ItemInfo* item) {
    return m_frame.BuildNodePathName(item);
}

int PartWindowSetup::ShowReferenceTarget(CPELFM_ItemInfo* item) {
    return m_frame.ShowReferenceTarget(item);
}

IWorkView* PartWindowSetup::CreateWorkView(QWidget* parent) {
    IWorkView* view = m_factory.CreateWorkView(parent);
    if (auto* grid = dynamic_cast<CWorkView*>(view)) {
        QObject::connect(grid, &CWorkView::commandStateChanged, &m_frame,
                         &CMainFrame::RequestCommandUiUpdate);
        // A closed window takes its view along; the active view is another one or none then.
        QObject::connect(grid, &QObject::destroyed, &m_frame, &CMainFrame::RequestCommandUiUpdate);
    }
    return view;
}
