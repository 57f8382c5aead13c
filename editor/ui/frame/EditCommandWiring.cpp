#include "EditCommandWiring.h"

#include <QApplication>
#include <QClipboard>
#include <QDockWidget>
#include <QMimeData>

#include "CCommonUtility.h"
#include "CMainFrame.h"
#include "COutputList.h"
#include "COutputWnd.h"
#include "CWorkViewManager.h"
#include "CommandIds.h"
#include "CommandManager.h"
#include "ConnectionInfoEdit.h"
#include "EditCommandRouting.h"
#include "IProfilePlugin.h"
#include "IProfileTreePane.h"
#include "IWorkView.h"
#include "WorkFocus.h"

namespace {

IRoutedTreePane* RoutedTree(CMainFrame& frame) {
    return dynamic_cast<IRoutedTreePane*>(&frame.ProfileTree());
}

EditRoute CurrentRoute(CMainFrame& frame, CCommonUtility& utility) {
    EditRoute route;
    QWidget* focus = WorkFocus::Widget();
    route.treeFocus = focus && frame.ProfileTreeDock().isAncestorOf(focus);
    route.tree = RoutedTree(frame);
    route.view = dynamic_cast<IRoutedPartView*>(frame.ActiveWorkView());
    route.history = GetCommandManager();
    if (const QMimeData* mime = QApplication::clipboard()->mimeData(); mime && mime->hasText())
        route.clipboardText = mime->text();
    route.copiedReferences = &utility.copiedReferences;
    return route;
}

class ConnectionInfoHost final : public IConnectionInfoHost {
public:
    ConnectionInfoHost(CMainFrame& frame, int& modified) : m_frame(frame), m_modified(modified) {}

    CPELFM_NodeBase* SelectedTreeNode() override {
        IRoutedTreePane* tree = RoutedTree(m_frame);
        return tree ? tree->SelectedNode() : nullptr;
    }
    void RememberTreeSelection(CPELFM_NodeBase* node) override { m_frame.ProfileTree().RememberTreeSelection(node); }
    void ClosePartView(CPELFM_PartInfo* part) override { m_frame.WorkViewManager().ClosePartView(part); }
    void ReloadPartView(const QString& sectionName, const QString& partName) override {
        if (IWorkView* view = m_frame.WorkViewManager().FindPartView(sectionName, partName)) {
            view->ReloadPartGrid();
            m_frame.WorkViewManager().UpdatePartViewTitle(sectionName, partName);
        }
    }
    void RebuildProfileTree() override { m_frame.ProfileTree().RebuildProfileTree(); }
    void ClearOutput() override { m_frame.OutputPane().List().clear(); }
    void ClearHistory() override { GetCommandManager()->Clear(); }
    void SetConnectionInfoModified() override { m_modified = 1; }

private:
    CMainFrame& m_frame;
    int& m_modified;
};

}  // namespace

void RegisterEditCommandHandlers(CMainFrame& frame, CCommonUtility& utility, int& connectionInfoModified) {
    for (int id : {ID_EDIT_UNDO, ID_EDIT_REDO, ID_EDIT_COPY, ID_EDIT_CUT, ID_EDIT_PASTE, ID_EDIT_PASTE_LINK,
                   ID_EDIT_FOLLOW_REFERENCE, ID_EDIT_COPY_REFERENCE, ID_EDIT_PASTE_REFERENCE}) {
        frame.SetCommandHandler(
            id,
            [&frame, &utility, id] {
                EditRoute route = CurrentRoute(frame, utility);
                RunEditCommand(id, route);
            },
            [&frame, &utility, id] { return IsEditCommandEnabled(id, CurrentRoute(frame, utility)); });
    }
    frame.SetCommandHandler(
        ID_EDIT_CONNECTION_INFO,
        [&frame, &utility, &connectionInfoModified] {
            ConnectionInfoHost host(frame, connectionInfoModified);
            EditConnectionInfo(*utility.profilePlugins.first().instance, &frame, *utility.openProfile, host);
        },
        [&utility] {
            return utility.fileOpen && utility.openProfile && !utility.profilePlugins.isEmpty() &&
                   utility.profilePlugins.first().instance && utility.FirstProfilePluginMajorVersion() >= 3;
        });
}
