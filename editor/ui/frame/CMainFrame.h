#pragma once
#include <QHash>
#include <QMainWindow>
#include <atomic>
#include <functional>
#include <memory>

#include "ICheckRunFrame.h"
#include "ICommandFrame.h"
#include "RecentFileList.h"

class CPELFM_ItemInfo;
class CPELFM_SectionInfo;
class BlockedCloseRequests;
class CoalescedUpdate;
class COutputWnd;
class CWorkViewManager;
class IDialogPresenter;
class IMainFrameHost;
class IProfileTreeNavigation;
class IProfileTreePane;
class IWorkView;
class MdiDocumentMenu;
class ModalHandBack;
class QAction;
class QDockWidget;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTabBar;
class QToolBar;
class ToolbarCustomizer;

// The editor's top-level window: menus and toolbar from one command table, the profile tree
// pane on the left, the output pane at the bottom and the part windows as tabs.
class CMainFrame : public QMainWindow, public ICommandFrame, public ICheckRunFrame {
    Q_OBJECT
public:
    using Handler = std::function<void()>;
    // Whether the command is available right now.
    using UpdateHandler = std::function<bool()>;

    explicit CMainFrame(IMainFrameHost& host, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Builds bars, panes and the tab area and restores the stored look and window state.
    bool Create();

    void SetDialogPresenter(IDialogPresenter* presenter) { m_dialogs = presenter; }
    QAction* Action(int id) const { return m_actions.value(id); }
    // A command without a handler stays disabled.
    void SetCommandHandler(int id, Handler handler, UpdateHandler update = {});
    // Sets every command's enabled and checked state; skipped while the model is busy.
    void UpdateCommandUi();
    // Something a command's rule reads has changed: the update runs once this turn of the event loop
    // is over, however many changes ask for it, or earlier when a key or a mouse press comes first.
    void RequestCommandUiUpdate();

    CWorkViewManager& WorkViewManager() { return *m_workViews; }
    // The windows the edit commands refresh; without a tree pane the tree requests go nowhere.
    IWorkViewManager& WorkViews() override;
    IProfileTreePane& ProfileTree() override;
    COutputWnd& OutputPane() override { return *m_output; }
    QDockWidget& ProfileTreeDock() { return *m_treeDock; }
    QMdiArea& MdiArea() { return *m_mdi; }
    QToolBar& ToolBar() { return *m_toolBar; }
    ToolbarCustomizer& Toolbars() { return *m_toolbars; }
    // The tree pane's widget goes into the left dock: the commands rebuild it, the frame tells it
    // what to select.
    void SetProfileTreePane(QWidget* content, IProfileTreePane* commandTree,
                            IProfileTreeNavigation* navigation);
    IProfileTreeNavigation* TreeNavigation() const { return m_treePane; }
    // The view of the active part window, null when none.
    IWorkView* ActiveWorkView() const;

    RecentFileList& RecentFiles() { return m_recentFiles; }
    void RefreshRecentFileMenu();

    int ApplicationLook() const { return m_look; }
    void OnApplicationLook(int id);

    void CloseSectionViews(CPELFM_SectionInfo* section);
    // The dotted path of what a reference item points at; its first value when that cannot be said.
    QString BuildNodePathName(CPELFM_ItemInfo* item);
    // Brings the target of a reference item into view: 1 shown, 0 not (a message says why).
    int ShowReferenceTarget(CPELFM_ItemInfo* item);
    void JumpToNodeFromOutputLine(const QString& sectionName, const QString& partName, int elementNumber,
                                  int itemType);
    // Opens the first dropped file when its extension is one the editor opens.
    void OnDropFiles(const QStringList& paths);
    // "section::part" of the part shown in the tab; empty for other tabs or while the model is busy.
    QString TabToolTip(int tabIndex) const;
    // How the window lists name a window: "section::part" as the tooltip says it, so that parts of
    // one name in two sections stay apart; the window's title when that cannot be said.
    QString WindowListName(const QMdiSubWindow* window) const;
    QTabBar* MdiTabBar() const { return m_tabBar; }
    // The button at the tab bar's edge that lists the open part windows.
    MdiDocumentMenu* DocumentMenu() const { return m_documentMenu; }

    // While the check worker owns the model: the tree pane and the part windows neither repaint
    // nor show tooltips, since both would read the model.
    void SetModelViewsLocked(bool locked) override;
    // A close asked for while a worker holds the model waits until the host's work is done (work that can
    // stop early stops); the window manager's close counts too, though the work's dialog blocks the window.
    void CloseIfDeferred();
    // Once the user's answer lets the close go on, no command, menu entry, recent entry or drop runs and
    // no input reaches the editor's windows; the host's open refuses as well.
    bool ExitAccepted() const { return m_exitAccepted; }
    // Makes the main window the active window again, with the focus in the tree, after modal work.
    void TakeBackFocus();
    bool ModelViewsLocked() const { return m_modelViewsLocked; }
    // ICheckRunFrame
    QWidget* CheckDialogParent() override { return this; }
    void FinishActiveCellEdit() override;
    bool CloseWaiting() const override { return m_closeDeferred; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class HistoryWatcher;

    struct Command {
        Handler handler;
        UpdateHandler update;
    };

    // "section::part" of the window's part; empty without one or while the model is busy.
    QString PartPathOfWindow(const QMdiSubWindow* window) const;
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreatePanes();
    void CreateTabArea();
    void ConnectUpdateTriggers();
    void ShowCloseButtonOnActiveTabOnly();
    void OnCommand(int id);
    void OnWindowManager();
    void OpenRecentFile(int index);
    void SetExitAccepted(bool accepted);
    // The window's arrangement and the recent files; a failed write says which file and why.
    void KeepWindowSettings();

    IMainFrameHost& m_host;
    IDialogPresenter* m_dialogs = nullptr;
    QHash<int, QAction*> m_actions;
    QHash<int, Command> m_commands;
    QMenu* m_fileMenu = nullptr;
    QAction* m_recentAnchor = nullptr;
    QMenu* m_toggleMenu = nullptr;
    QAction* m_toggleAnchor = nullptr;
    QList<QAction*> m_recentActions;
    QToolBar* m_toolBar = nullptr;
    ToolbarCustomizer* m_toolbars = nullptr;  // owned by the frame
    QDockWidget* m_treeDock = nullptr;
    COutputWnd* m_output = nullptr;
    QMdiArea* m_mdi = nullptr;
    QTabBar* m_tabBar = nullptr;
    MdiDocumentMenu* m_documentMenu = nullptr;
    IProfileTreeNavigation* m_treePane = nullptr;
    IProfileTreePane* m_commandTree = nullptr;
    std::unique_ptr<CWorkViewManager> m_workViews;
    std::unique_ptr<HistoryWatcher> m_historyWatcher;
    std::unique_ptr<CoalescedUpdate> m_commandUiUpdate;
    std::unique_ptr<QObject> m_exitInputBlock;
    std::unique_ptr<ModalHandBack> m_modalHandBack;
    std::unique_ptr<BlockedCloseRequests> m_blockedCloses;
    RecentFileList m_recentFiles;
    int m_look;
    std::atomic<bool> m_modelViewsLocked{false};
    bool m_closeDeferred = false;
    bool m_exitAccepted = false;
};
