#include "CMainFrame.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHelpEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QSettings>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QToolTip>
#include <QUrl>
#include <utility>

#include "ApplicationLook.h"
#include "BlockedCloseRequests.h"
#include "CChildFrame.h"
#include "COutputList.h"
#include "COutputWnd.h"
#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CWindowsDialog.h"
#include "CWorkViewManager.h"
#include "CheckMessageMetaType.h"
#include "CoalescedUpdate.h"
#include "CommandFailure.h"
#include "CommandIds.h"
#include "CommandManager.h"
#include "IDialogPresenter.h"
#include "IMainFrameHost.h"
#include "IProfileTreeNavigation.h"
#include "IProfileTreePane.h"
#include "IStringSource.h"
#include "IWorkView.h"
#include "LockKeyIndicators.h"
#include "MainFrameCommandTable.h"
#include "MdiDocumentMenu.h"
#include "MenuText.h"
#include "ModalHandBack.h"
#include "Observer.h"
#include "PELFMExceptions.h"
#include "PaneFocusLook.h"
#include "PaneKeys.h"
#include "ResourceImages.h"
#include "ResourceMessage.h"
#include "ToolbarCustomizer.h"
#include "WorkFocus.h"
#include "X11KeyboardIndicators.h"

namespace {

// Stands in for the tree pane until one is set: the commands' tree requests have no effect.
class NoProfileTree final : public IProfileTreePane {
public:
    void ExpandSectionTreeItem(CPELFM_SectionInfo*, int) override {}
    void RememberTreeSelection(CPELFM_NodeBase*) override {}
    TreeItem FindTreeItemOfNode(CPELFM_NodeBase*) override { return 0; }
    TreeItem GetRelatedTreeItem(TreeItem, TreeRelation) override { return 0; }
    void RememberTreeItemSelection(TreeItem) override {}
    void RebuildProfileTree() override {}
    void RefreshProfileRoot() override {}
};

const QString kLookKey = QStringLiteral("ApplicationLook");
const QString kGeometryKey = QStringLiteral("MainFrame/Geometry");
const QString kStateKey = QStringLiteral("MainFrame/State");
constexpr int kDropRejectedMessage = 62080;
constexpr int kNotAReference = 10013;
constexpr int kReferenceTargetMissing = 10014;
constexpr int kMainTitle = 2203;
constexpr int kSavingSettings = 62172;

// What a reference item points at: the part always, the element and the DATATYPE item where the
// value names them.
struct ReferenceTarget {
    int kind = VALUE_UNCLASSIFIED;
    CPELFM_PartInfo* part = nullptr;
    CPELFM_ElemInfo* elem = nullptr;
    CPELFM_ItemInfo* dataType = nullptr;
};

bool IsReferenceKind(int kind) {
    return kind == VALUE_ENUM_REF || kind == VALUE_REFERENCE || kind == VALUE_DOTTED_REFERENCE ||
           kind == VALUE_MEMBER_TYPE_REFERENCE;
}

// Throws what the model throws; a target that does not resolve leaves the part null.
ReferenceTarget ResolveReference(CPELFM_ItemInfo& item) {
    ReferenceTarget target;
    target.kind = item.AnalyzeValue();
    switch (target.kind) {
        case VALUE_ENUM_REF:
            target.part = item.GetEnumRefPart();
            break;
        case VALUE_REFERENCE:
            target.part = item.GetReferencedPart();
            break;
        case VALUE_DOTTED_REFERENCE:
            target.elem = item.GetReferencedElem();
            break;
        case VALUE_MEMBER_TYPE_REFERENCE:
            target.elem = item.GetMemberTypeElem();
            target.dataType = CPELFM_ItemInfo::FindItemByTypeName(QStringLiteral("DATATYPE"), target.elem);
            if (!target.dataType) target.elem = nullptr;
            break;
        default:
            break;
    }
    if (target.elem) target.part = target.elem->ownerPart;
    if (target.part && !target.part->ownerSection) target.part = nullptr;
    return target;
}

QString FirstValueOf(const CPELFM_ItemInfo& item) {
    return item.values.isEmpty() ? QString() : item.values.first().text;
}

QString ExtensionOf(const QString& path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : path.mid(dot + 1);
}

// Once Exit is accepted the user's input reaches none of the editor's windows, popups included, only the
// boxes the exit itself shows.
class ExitInputBlock final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType() || !IsInput(event->type())) return false;
        if (static_cast<QWidget*>(watched)->window()->isModal()) return false;
        // Claimed, so that no shortcut is looked for either.
        if (event->type() == QEvent::ShortcutOverride) event->accept();
        return true;
    }

private:
    static bool IsInput(QEvent::Type type) {
        switch (type) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::ShortcutOverride:
            case QEvent::Shortcut:
            case QEvent::ContextMenu:
            case QEvent::Wheel:
            case QEvent::DragEnter:
            case QEvent::DragMove:
            case QEvent::Drop:
            case QEvent::TouchBegin:
            case QEvent::TabletPress:
                return true;
            default:
                return false;
        }
    }
};

}  // namespace

// A change of the undo or redo history changes what the edit commands offer.
class CMainFrame::HistoryWatcher : public Observer {
public:
    explicit HistoryWatcher(CMainFrame& frame) : m_frame(frame) {
        GetCommandManager()->Attach(COMMAND_STATE_CHANGED, this);
    }
    void Update(Subject*, int, int, const QString&) override { m_frame.UpdateCommandUi(); }

private:
    CMainFrame& m_frame;
};

CMainFrame::CMainFrame(IMainFrameHost& host, QWidget* parent)
    : QMainWindow(parent), m_host(host), m_recentFiles(kRecentFileCount) {
    setObjectName(QStringLiteral("CMainFrame"));
    m_look = QSettings().value(kLookKey, kDefaultApplicationLook).toInt();
    if (!ApplicationLook::IsLookCommand(m_look)) m_look = kDefaultApplicationLook;
    m_mdi = new QMdiArea(this);
    m_workViews = std::make_unique<CWorkViewManager>(*m_mdi);
}

// The part windows go before the manager that keys them.
CMainFrame::~CMainFrame() {
    // Destroying an active window moves the focus, and the update must not run on a half-destroyed frame.
    m_commandUiUpdate.reset();
    m_modalHandBack.reset();
    m_blockedCloses.reset();
    disconnect(qApp, nullptr, this, nullptr);
    if (QClipboard* clipboard = QApplication::clipboard()) disconnect(clipboard, nullptr, this, nullptr);
    m_historyWatcher.reset();
    // Closed windows wait for their deferred deletion and are no longer listed; their grids still
    // report their end to this frame, which must happen before the frame is only a QWidget.
    QList<QPointer<QMdiSubWindow>> windows;
    for (QMdiSubWindow* window : m_mdi->findChildren<QMdiSubWindow*>()) windows << window;
    for (const QPointer<QMdiSubWindow>& window : windows) delete window.data();
}

bool CMainFrame::Create() {
    ApplicationLook::Apply(m_look);
    CreateTabArea();
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    CreatePanes();
    m_recentFiles.Load();
    RefreshRecentFileMenu();
    ConnectUpdateTriggers();
    m_modalHandBack = std::make_unique<ModalHandBack>(*this, [this] {
        if (m_treePane) m_treePane->FocusTree();
    });
    // The long work's progress dialog blocks this window, so Qt would drop the window manager's close.
    m_blockedCloses = std::make_unique<BlockedCloseRequests>(*this, [this] {
        if (!m_host.IsModelBusy()) return false;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        return true;
    });
    setAcceptDrops(true);
    setWindowTitle(m_host.Strings().LoadString(kMainTitle));

    QSettings settings;
    restoreGeometry(settings.value(kGeometryKey).toByteArray());
    restoreState(settings.value(kStateKey).toByteArray());
    UpdateCommandUi();
    return true;
}

void CMainFrame::CreateTabArea() {
    m_mdi->setObjectName(QStringLiteral("MdiArea"));
    m_mdi->setViewMode(QMdiArea::TabbedView);
    m_mdi->setTabsClosable(true);
    m_mdi->setDocumentMode(true);
    setCentralWidget(m_mdi);
    m_tabBar = m_mdi->findChild<QTabBar*>();
    if (m_tabBar) {
        m_tabBar->setDrawBase(true);
        // The tabs are reached by Ctrl+Tab; as a stop of Tab's walk the bar would hold a focus that shows
        // nowhere while it has no tabs, the first focus of an editor without a file.
        m_tabBar->setFocusPolicy(Qt::NoFocus);
        m_tabBar->installEventFilter(this);
        m_documentMenu = new MdiDocumentMenu(
            *m_mdi, *m_tabBar, [this](const QMdiSubWindow* window) { return WindowListName(window); });
    }
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &CMainFrame::ShowCloseButtonOnActiveTabOnly);
}

void CMainFrame::ShowCloseButtonOnActiveTabOnly() {
    if (!m_tabBar) return;
    for (int i = 0; i < m_tabBar->count(); ++i)
        for (QTabBar::ButtonPosition side : {QTabBar::LeftSide, QTabBar::RightSide})
            if (QWidget* button = m_tabBar->tabButton(i, side))
                button->setVisible(i == m_tabBar->currentIndex());
}

void CMainFrame::CreateActions() {
    const IStringSource& strings = m_host.Strings();
    const ResourceImages::ImageSet images = ResourceImages::SetFor(m_host.HighColorIcons());
    auto* looks = new QActionGroup(this);
    for (const MainFrameCommandTable::Command& command : MainFrameCommandTable::Commands()) {
        const QString text = strings.LoadString(command.id);
        auto* action = new QAction(MenuText::Label(text), this);
        action->setObjectName(QStringLiteral("Command%1").arg(command.id));
        action->setData(command.id);
        action->setStatusTip(MenuText::StatusTip(text));
        action->setCheckable(command.checkable);
        if (command.key != QKeySequence::UnknownKey) action->setShortcuts(command.key);
        action->setIcon(
            ResourceImages::ThemedImage(command.themeIcon, QString::fromLatin1(command.image), images));
        if (ApplicationLook::IsLookCommand(command.id)) looks->addAction(action);
        connect(action, &QAction::triggered, this, [this, id = command.id] { OnCommand(id); });
        m_actions.insert(command.id, action);
    }

    for (int id = ID_VIEW_APPLOOK_FIRST; id <= ID_VIEW_APPLOOK_LAST; ++id)
        SetCommandHandler(id, [this, id] { OnApplicationLook(id); });
    SetCommandHandler(ID_VIEW_TOOLBAR, [this] { m_toolBar->setVisible(!m_toolBar->isVisible()); });
    SetCommandHandler(ID_WINDOW_MANAGER, [this] { OnWindowManager(); });
}

void CMainFrame::CreateMenus() {
    menuBar()->setObjectName(QStringLiteral("MenuBar"));
    for (const MainFrameCommandTable::Menu& definition : MainFrameCommandTable::Menus()) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(definition.title));
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUi);
        for (int entry : definition.entries) {
            switch (entry) {
                case MainFrameCommandTable::kSeparator:
                    menu->addSeparator();
                    break;
                case MainFrameCommandTable::kRecentFiles:
                    m_fileMenu = menu;
                    m_recentAnchor = menu->addSeparator();
                    m_recentAnchor->setVisible(false);
                    break;
                case MainFrameCommandTable::kPaneToggles:
                    m_toggleMenu = menu;
                    m_toggleAnchor = menu->addSeparator();
                    m_toggleAnchor->setVisible(false);
                    break;
                case MainFrameCommandTable::kLookSubmenu: {
                    QMenu* looks = menu->addMenu(tr("Application &Look"));
                    connect(looks, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUi);
                    for (int id = ID_VIEW_APPLOOK_FIRST; id <= ID_VIEW_APPLOOK_LAST; ++id)
                        looks->addAction(m_actions.value(id));
                    break;
                }
                default:
                    if (QAction* action = m_actions.value(entry)) menu->addAction(action);
            }
        }
    }
}

void CMainFrame::CreateToolBar() {
    const IStringSource& strings = m_host.Strings();
    m_toolBar = addToolBar(strings.LoadString(IDS_TOOLBAR_STANDARD));
    auto* customize = new QAction(m_actions.value(ID_VIEW_CUSTOMIZE)->icon(),
                                  strings.LoadString(IDS_TOOLBAR_CUSTOMIZE), this);
    customize->setObjectName(QStringLiteral("ToolbarCustomizeButton"));
    connect(customize, &QAction::triggered, this, [this] { OnCommand(ID_VIEW_CUSTOMIZE); });
    m_toolbars = new ToolbarCustomizer(
        *this, *m_toolBar, *customize, [this](int id) { return m_actions.value(id); },
        MainFrameCommandTable::ToolbarButtons());
    m_toolbars->Restore();
    SetCommandHandler(ID_VIEW_CUSTOMIZE, [this] { m_toolbars->ShowDialog(); });
}

void CMainFrame::CreateStatusBar() {
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    // Owned by the status bar.
    new LockKeyIndicators(*statusBar(), m_host.Strings(), std::make_unique<X11KeyboardIndicators>());
}

void CMainFrame::CreatePanes() {
    const IStringSource& strings = m_host.Strings();
    m_treeDock = new QDockWidget(strings.LoadString(IDS_PROFILE_TREE_PANE), this);
    m_treeDock->setObjectName(QStringLiteral("CProfileView"));
    const int highColor = m_host.HighColorIcons() ? 1 : 0;
    m_treeDock->setWindowIcon(ResourceImages::Icon(IDI_PROFILE_TREE_PANE + highColor));
    m_treeDock->setAllowedAreas(Qt::AllDockWidgetAreas);
    addDockWidget(Qt::LeftDockWidgetArea, m_treeDock);

    m_output = new COutputWnd(strings, this);
    m_output->setAllowedAreas(Qt::AllDockWidgetAreas);
    m_output->setWindowIcon(ResourceImages::Icon(IDI_OUTPUT_PANE + highColor));
    addDockWidget(Qt::BottomDockWidgetArea, m_output);
    resizeDocks({m_treeDock}, {200}, Qt::Horizontal);
    resizeDocks({m_output}, {100}, Qt::Vertical);
    connect(m_output, &COutputWnd::findingActivated, this, [this](const _ST_PEL_CHECK_MESSAGE& finding) {
        JumpToNodeFromOutputLine(finding.sectionLabel, finding.partLabel, finding.elementIndex,
                                 finding.itemKind);
    });

    new PaneKeys(*this, *m_treeDock, *m_mdi, *m_output, m_output->List());  // owned by the frame
    new PaneFocusLook(*this);

    if (m_toggleMenu) {
        for (QDockWidget* pane : {m_treeDock, static_cast<QDockWidget*>(m_output)}) {
            // The captions carry no mnemonic; in the menu each pane is chosen by its first letter.
            pane->toggleViewAction()->setText(QLatin1Char('&') + pane->windowTitle());
            m_toggleMenu->insertAction(m_toggleAnchor, pane->toggleViewAction());
        }
    }
}

// The panes and the file commands ask for an update themselves when their state changes.
void CMainFrame::ConnectUpdateTriggers() {
    m_commandUiUpdate = std::make_unique<CoalescedUpdate>([this] { UpdateCommandUi(); });
    WorkFocus::Follow();
    connect(qApp, &QApplication::focusChanged, this, &CMainFrame::RequestCommandUiUpdate);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &CMainFrame::RequestCommandUiUpdate);
    if (QClipboard* clipboard = QApplication::clipboard())
        connect(clipboard, &QClipboard::dataChanged, this, &CMainFrame::RequestCommandUiUpdate);
    m_historyWatcher = std::make_unique<HistoryWatcher>(*this);
}

void CMainFrame::RequestCommandUiUpdate() {
    if (m_commandUiUpdate) m_commandUiUpdate->Request();
}

void CMainFrame::SetCommandHandler(int id, Handler handler, UpdateHandler update) {
    m_commands.insert(id, Command{std::move(handler), std::move(update)});
    if (QAction* action = m_actions.value(id)) action->setEnabled(!update || update());
}

void CMainFrame::UpdateCommandUi() {
    if (m_host.IsModelBusy()) return;
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        const auto command = m_commands.constFind(it.key());
        const bool available = !m_exitAccepted && command != m_commands.cend() && command->handler &&
                               (!command->update || command->update());
        it.value()->setEnabled(available);
    }
    for (QAction* recent : std::as_const(m_recentActions)) recent->setEnabled(!m_exitAccepted);
    if (QAction* look = m_actions.value(m_look)) look->setChecked(true);
    if (QAction* toolbar = m_actions.value(ID_VIEW_TOOLBAR); toolbar && m_toolBar)
        toolbar->setChecked(m_toolBar->isVisible());
}

void CMainFrame::OnCommand(int id) {
    if (m_exitAccepted) return;
    const auto command = m_commands.constFind(id);
    if (command == m_commands.cend() || !command->handler) return;
    if (command->update && !command->update()) return;
    try {
        command->handler();
    } catch (...) {
        // A command that failed says so under its own name; the editor goes on.
        CommandFailure::Report(m_host.Strings(), m_host.Messages(),
                               MenuText::Name(m_host.Strings().LoadString(id)), std::current_exception());
    }
    UpdateCommandUi();
}

void CMainFrame::OnApplicationLook(int id) {
    if (!ApplicationLook::IsLookCommand(id)) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_look = id;
    ApplicationLook::Apply(id);
    update();
    QSettings().setValue(kLookKey, id);
    QApplication::restoreOverrideCursor();
}

void CMainFrame::OnWindowManager() {
    if (!m_dialogs) return;
    CWindowsDialog dialog(
        *m_mdi, [this](const QMdiSubWindow* window) { return WindowListName(window); }, this);
    m_dialogs->RunModal(dialog);
}

void CMainFrame::SetProfileTreePane(QWidget* content, IProfileTreePane* commandTree,
                                    IProfileTreeNavigation* navigation) {
    m_treeDock->setWidget(content);
    m_commandTree = commandTree;
    m_treePane = navigation;
}

IWorkViewManager& CMainFrame::WorkViews() {
    return *m_workViews;
}

IProfileTreePane& CMainFrame::ProfileTree() {
    static NoProfileTree none;
    return m_commandTree ? *m_commandTree : none;
}

void CMainFrame::FinishActiveCellEdit() {
    if (IWorkView* view = ActiveWorkView()) view->FinishCellEdit();
}

IWorkView* CMainFrame::ActiveWorkView() const {
    auto* frame = qobject_cast<CChildFrame*>(m_mdi->activeSubWindow());
    return frame && !frame->IsClosing() ? frame->View() : nullptr;
}

void CMainFrame::RefreshRecentFileMenu() {
    if (!m_fileMenu) return;
    for (QAction* action : m_recentActions) {
        m_fileMenu->removeAction(action);
        delete action;
    }
    m_recentActions.clear();
    const QStringList& files = m_recentFiles.Files();
    for (int i = 0; i < files.size(); ++i) {
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(files[i]), this);
        action->setData(ID_FILE_MRU_FILE1 + i);
        connect(action, &QAction::triggered, this, [this, i] { OpenRecentFile(i); });
        m_fileMenu->insertAction(m_recentAnchor, action);
        m_recentActions.append(action);
    }
    m_recentAnchor->setVisible(!files.isEmpty());
}

void CMainFrame::OpenRecentFile(int index) {
    if (m_exitAccepted || index < 0 || index >= m_recentFiles.Files().size()) return;
    const QString path = m_recentFiles.Files()[index];
    if (m_host.AskSaveModified() == 1) return;
    m_host.OpenProfileFile(path);
}

void CMainFrame::CloseSectionViews(CPELFM_SectionInfo* section) {
    m_workViews->CloseSectionViews(section);
}

QString CMainFrame::BuildNodePathName(CPELFM_ItemInfo* item) {
    if (!item) return {};
    const QString firstValue = FirstValueOf(*item);
    try {
        const ReferenceTarget target = ResolveReference(*item);
        if (!IsReferenceKind(target.kind) || !target.part) return firstValue;
        const QChar dot = QLatin1Char('.');
        QString path = target.part->ownerSection->name + dot + target.part->name;
        if (target.elem) path += dot + target.elem->label;
        if (target.dataType) path += dot + FirstValueOf(*target.dataType);
        return path;
    } catch (const CPELFM_ExceptionBase&) {
        return firstValue;
    }
}

int CMainFrame::ShowReferenceTarget(CPELFM_ItemInfo* item) {
    if (!item) return 0;
    const auto missing = [&] {
        ShowResourceMessage(m_host.Strings(), m_host.Messages(), {FirstValueOf(*item)},
                            kReferenceTargetMissing, MB_ICONERROR);
        return 0;
    };
    ReferenceTarget target;
    try {
        target = ResolveReference(*item);
    } catch (const CPELFM_ExceptionBase&) {
        return missing();
    }
    if (!IsReferenceKind(target.kind)) {
        ShowResourceMessage(m_host.Strings(), m_host.Messages(), {}, kNotAReference, MB_ICONERROR);
        return 0;
    }
    if (!target.part) return missing();

    if (m_treePane) m_treePane->SelectNodeItem(target.part);
    IWorkView* view = m_workViews->OpenPartView(0, target.part);
    if (m_treePane) m_treePane->FocusTree();
    if (!view || !target.elem) return 1;
    const int row = static_cast<int>(target.part->Elems().indexOf(target.elem)) + 1;
    const int column = target.dataType ? view->ItemTypeColumn(target.dataType->itemType) : 0;
    const int lastColumn = target.dataType ? column : view->GetCols() - 1;
    view->Select(row, column, row, lastColumn);
    view->FocusGrid();
    view->SetTopRow(row);
    view->SetLeftCol(column);
    return 1;
}

void CMainFrame::JumpToNodeFromOutputLine(const QString& sectionName, const QString& partName,
                                          int elementNumber, int itemType) {
    if (sectionName.isEmpty()) return;
    CPELFM_ProfileInfo* root = m_host.OpenProfile();
    if (!root) return;
    CPELFM_SectionInfo* section = root->FindSectionByName(sectionName);
    if (!section) return;
    CPELFM_PartInfo* part = nullptr;
    if (!partName.isEmpty()) {
        part = section->FindPartByName(partName);
        if (!part) return;
    }
    if (m_treePane) m_treePane->SelectNodeItem(part ? static_cast<CPELFM_NodeBase*>(part) : section);
    if (!part) {
        if (m_treePane) m_treePane->FocusTree();
        return;
    }
    IWorkView* view = m_workViews->OpenPartView(0, part);
    if (!view) return;
    view->SelectGridCell(elementNumber, itemType);
    view->FocusGrid();
    view->ResetViewOption();
    view->SetTopRow(elementNumber);
    view->SetLeftCol(view->GetCol());
}

void CMainFrame::OnDropFiles(const QStringList& paths) {
    if (m_exitAccepted || paths.isEmpty()) return;
    const QString& path = paths.first();
    const QString extension = ExtensionOf(path);
    bool accepted = false;
    for (const QString& known : m_host.AcceptedFileExtensions())
        accepted = accepted || (!known.isEmpty() && extension.compare(known, Qt::CaseInsensitive) == 0);
    if (!accepted) {
        ShowResourceMessage(m_host.Strings(), m_host.Messages(), {path}, kDropRejectedMessage,
                            MB_ICONINFORMATION);
        return;
    }
    if (m_host.AskSaveModified() == 1) return;
    m_host.OpenProfileFile(path);
}

QString CMainFrame::TabToolTip(int tabIndex) const {
    if (tabIndex < 0) return {};
    const QList<QMdiSubWindow*> windows = m_mdi->subWindowList(QMdiArea::CreationOrder);
    if (tabIndex >= windows.size()) return {};
    return PartPathOfWindow(windows[tabIndex]);
}

QString CMainFrame::PartPathOfWindow(const QMdiSubWindow* window) const {
    if (m_host.IsModelBusy()) return {};
    const CPELFM_PartInfo* part = m_workViews->FindPartOfFrame(window);
    if (!part || !part->ownerSection) return {};
    return part->ownerSection->name + QStringLiteral("::") + part->name;
}

QString CMainFrame::WindowListName(const QMdiSubWindow* window) const {
    const QString path = PartPathOfWindow(window);
    return path.isEmpty() ? window->windowTitle() : path;
}

void CMainFrame::SetModelViewsLocked(bool locked) {
    if (m_modelViewsLocked == locked) return;
    m_modelViewsLocked = locked;
    m_mdi->setUpdatesEnabled(!locked);
    if (QWidget* tree = m_treeDock->widget()) tree->setUpdatesEnabled(!locked);
    if (locked)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (m_modelViewsLocked && (event->type() == QEvent::ToolTip || event->type() == QEvent::WhatsThis) &&
        watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget == m_mdi || m_mdi->isAncestorOf(widget) || m_treeDock->isAncestorOf(widget)) return true;
    }
    if (watched == m_tabBar && event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = TabToolTip(m_tabBar->tabAt(help->pos()));
        if (!text.isEmpty()) {
            QToolTip::showText(help->globalPos(), text.toHtmlEscaped(), m_tabBar);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!m_exitAccepted && event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) paths.append(url.toLocalFile());
    event->acceptProposedAction();
    OnDropFiles(paths);
}

void CMainFrame::CloseIfDeferred() {
    if (std::exchange(m_closeDeferred, false)) close();
}

// An opened file is worked on in the tree, wherever the focus was before.
void CMainFrame::TakeBackFocus() {
    if (!isVisible()) return;
    ModalHandBack::Activate(*this);
    if (m_treePane) m_treePane->FocusTree();
}

void CMainFrame::SetExitAccepted(bool accepted) {
    m_exitAccepted = accepted;
    if (accepted) {
        m_exitInputBlock = std::make_unique<ExitInputBlock>();
        qApp->installEventFilter(m_exitInputBlock.get());
    } else {
        m_exitInputBlock.reset();
    }
    UpdateCommandUi();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // The worker still reads the model and the plug-ins that closing would free.
    if (m_host.IsModelBusy()) {
        m_closeDeferred = true;
        event->ignore();
        return;
    }
    // Closed already; a late close changes nothing.
    if (m_exitAccepted) {
        event->accept();
        return;
    }
    if (m_host.AskSaveModified() == 1) {
        event->ignore();
        return;
    }
    // Anything that ran from here on would find the file closing and then the plug-ins unloaded.
    SetExitAccepted(true);
    if (m_host.CloseCurrentFile() == 1) {
        SetExitAccepted(false);
        event->ignore();
        return;
    }
    KeepWindowSettings();
    m_host.ReleaseAtClose();
    event->accept();
}

void CMainFrame::KeepWindowSettings() {
    QSettings settings;
    settings.setValue(kGeometryKey, saveGeometry());
    settings.setValue(kStateKey, saveState());
    m_recentFiles.Save();
    // The recent files, the toolbars and the window's arrangement are kept only once written.
    settings.sync();
    if (settings.status() == QSettings::NoError) return;
    // QSettings says only that it failed.
    const QString file = settings.fileName();
    CommandFailure::Report(
        m_host.Strings(), m_host.Messages(), m_host.Strings().LoadString(kSavingSettings),
        std::make_exception_ptr(CPELFM_WriteFileException(CommandFailure::WriteFailureReason(file))), file);
}
