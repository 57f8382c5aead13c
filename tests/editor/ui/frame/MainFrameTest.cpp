#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QHelpEvent>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QSettings>
#include <QTabBar>
#include <QTest>
#include <QToolBar>

#include "CMainFrame.h"
#include "COutputWnd.h"
#include "CWindowsDialog.h"
#include "CWorkViewManager.h"
#include "CommandIds.h"
#include "CommandManager.h"
#include "MessageBoxStyle.h"
#include "UiTestSupport.h"

using namespace UiTest;

namespace {

class MainFrameTest : public ::testing::Test {
protected:
    MainFrameTest() {
        QSettings().clear();
        frame = std::make_unique<CMainFrame>(host);
        EXPECT_TRUE(frame->Create());
        frame->WorkViewManager().SetViewFactory(&factory);
        frame->SetProfileTreePane(nullptr, nullptr, &tree);
        frame->resize(1000, 700);
        frame->show();
        CPELFM_SectionInfo* block = AddSection(*host.profile, "BlockA", SECTION_BLOCK);
        info = AddPart(*block, "Info", PART_BLOCK_INFO);
        param = AddPart(*block, "Param", PART_BLOCK_PARAM);
    }

    QStringList MenuTitles() {
        QStringList titles;
        for (QAction* action : frame->menuBar()->actions()) titles.append(action->text());
        return titles;
    }

    FakeFrameHost host;
    FakeWorkViewFactory factory;
    FakeTreePane tree;
    std::unique_ptr<CMainFrame> frame;
    CPELFM_PartInfo* info = nullptr;
    CPELFM_PartInfo* param = nullptr;
};

TEST_F(MainFrameTest, HasMenusToolbarDocksAndATabbedArea) {
    EXPECT_EQ(MenuTitles(), (QStringList{"&File", "&Edit", "&View", "&Settings", "&Window", "&Help"}));
    EXPECT_EQ(frame->ToolBar().windowTitle(), "Standard");
    EXPECT_EQ(frame->ProfileTreeDock().objectName(), "CProfileView");
    EXPECT_EQ(frame->ProfileTreeDock().windowTitle(), "Profile");
    EXPECT_EQ(frame->dockWidgetArea(&frame->ProfileTreeDock()), Qt::LeftDockWidgetArea);
    EXPECT_EQ(frame->dockWidgetArea(&frame->OutputPane()), Qt::BottomDockWidgetArea);
    EXPECT_EQ(frame->MdiArea().viewMode(), QMdiArea::TabbedView);
    EXPECT_EQ(frame->centralWidget(), &frame->MdiArea());
    EXPECT_EQ(frame->windowTitle(), "Test Editor");
}

TEST_F(MainFrameTest, CommandTextsComeFromTheStringTable) {
    QAction* newFile = frame->Action(ID_FILE_NEW);
    ASSERT_NE(newFile, nullptr);
    EXPECT_EQ(newFile->text(), "&New");
    EXPECT_EQ(newFile->statusTip(), "new");
    EXPECT_EQ(frame->Action(ID_FILE_CHECK)->statusTip(), "check the profile");
}

TEST_F(MainFrameTest, CommandsWithoutAHandlerStayDisabled) {
    frame->UpdateCommandUi();
    for (int id : {ID_FILE_NEW, ID_FILE_CHECK, ID_EDIT_UNDO, ID_SETTING_SYSTEM, ID_APP_ABOUT})
        EXPECT_FALSE(frame->Action(id)->isEnabled()) << id;
    EXPECT_TRUE(frame->Action(ID_VIEW_TOOLBAR)->isEnabled());
    EXPECT_TRUE(frame->Action(ID_VIEW_APPLOOK_OFF_2003)->isEnabled());
}

TEST_F(MainFrameTest, UpdateRoutineFollowsTheHandlersRule) {
    bool fileOpen = false;
    int runs = 0;
    frame->SetCommandHandler(
        ID_FILE_CHECK, [&] { ++runs; }, [&] { return fileOpen; });
    frame->UpdateCommandUi();
    EXPECT_FALSE(frame->Action(ID_FILE_CHECK)->isEnabled());
    fileOpen = true;
    frame->UpdateCommandUi();
    EXPECT_TRUE(frame->Action(ID_FILE_CHECK)->isEnabled());
    frame->Action(ID_FILE_CHECK)->trigger();
    EXPECT_EQ(runs, 1);
}

TEST_F(MainFrameTest, UpdateRoutineLeavesTheModelAloneWhileBusy) {
    int asked = 0;
    frame->SetCommandHandler(
        ID_EDIT_UNDO, [] {},
        [&] {
            ++asked;
            return true;
        });
    asked = 0;
    host.busy = true;
    frame->UpdateCommandUi();
    EXPECT_EQ(asked, 0);
    host.busy = false;
    frame->UpdateCommandUi();
    EXPECT_EQ(asked, 1);
}

TEST_F(MainFrameTest, HistoryChangesRunTheUpdateRoutine) {
    int asked = 0;
    frame->SetCommandHandler(
        ID_EDIT_UNDO, [] {},
        [&] {
            ++asked;
            return true;
        });
    asked = 0;
    GetCommandManager()->Notify(COMMAND_STATE_CHANGED, "1,0");
    EXPECT_EQ(asked, 1);
}

TEST_F(MainFrameTest, LookIsStoredAndRestored) {
    EXPECT_EQ(frame->ApplicationLook(), kDefaultApplicationLook);
    frame->UpdateCommandUi();
    EXPECT_TRUE(frame->Action(ID_VIEW_APPLOOK_VS_2005)->isChecked());
    frame->Action(ID_VIEW_APPLOOK_OFF_2007_BLACK)->trigger();
    EXPECT_EQ(QSettings().value("ApplicationLook").toInt(), ID_VIEW_APPLOOK_OFF_2007_BLACK);
    EXPECT_TRUE(frame->Action(ID_VIEW_APPLOOK_OFF_2007_BLACK)->isChecked());
    EXPECT_FALSE(frame->Action(ID_VIEW_APPLOOK_VS_2005)->isChecked());
    CMainFrame next(host);
    EXPECT_EQ(next.ApplicationLook(), ID_VIEW_APPLOOK_OFF_2007_BLACK);
}

TEST_F(MainFrameTest, ToolbarCommandTogglesTheToolbar) {
    frame->Action(ID_VIEW_TOOLBAR)->trigger();
    EXPECT_FALSE(frame->ToolBar().isVisible());
    EXPECT_FALSE(frame->Action(ID_VIEW_TOOLBAR)->isChecked());
    frame->Action(ID_VIEW_TOOLBAR)->trigger();
    EXPECT_TRUE(frame->ToolBar().isVisible());
}

struct DropCase {
    const char* name;
    QStringList paths;
    int askAnswer;
    QStringList opened;
    int asks;
    QStringList boxes;
};

void PrintTo(const DropCase& c, std::ostream* out) {
    *out << c.name;
}

class DropTest : public MainFrameTest, public ::testing::WithParamInterface<DropCase> {};

TEST_P(DropTest, OpensOnlyAnAcceptedFirstFile) {
    const DropCase& c = GetParam();
    host.askSaveAnswer = c.askAnswer;
    frame->OnDropFiles(c.paths);
    EXPECT_EQ(host.openedPaths, c.opened);
    EXPECT_EQ(host.askSaveCalls, c.asks);
    QStringList boxes;
    for (const auto& call : host.messages.Calls()) {
        boxes.append(call.text);
        EXPECT_EQ(call.style, MB_ICONINFORMATION);
    }
    EXPECT_EQ(boxes, c.boxes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DropTest,
    ::testing::Values(
        DropCase{"Profile", {"/d/a.pelp"}, 0, {"/d/a.pelp"}, 1, {}},
        DropCase{"ProjectInCapitals", {"/d/a.PELJ"}, 0, {"/d/a.PELJ"}, 1, {}},
        DropCase{"OnlyTheFirstOfSeveral", {"/d/a.pelj", "/d/b.pelp"}, 0, {"/d/a.pelj"}, 1, {}},
        DropCase{"FirstRejectedSecondIgnored", {"/d/a.txt", "/d/b.pelp"}, 0, {}, 0, {"cannot open /d/a.txt"}},
        DropCase{"NoExtension", {"/d.pelp/file"}, 0, {}, 0, {"cannot open /d.pelp/file"}},
        DropCase{"AlternateExtensionNotAccepted", {"/d/a.epelp"}, 0, {}, 0, {"cannot open /d/a.epelp"}},
        DropCase{"UserCancelsSaving", {"/d/a.pelp"}, 1, {}, 1, {}}, DropCase{"Nothing", {}, 0, {}, 0, {}}),
    [](const ::testing::TestParamInfo<DropCase>& info) { return std::string(info.param.name); });

TEST_F(MainFrameTest, AlternateExtensionsAreAcceptedWhenTheHostListsThem) {
    host.extensions.append("epelp");
    frame->OnDropFiles({"/d/a.epelp"});
    EXPECT_EQ(host.openedPaths, QStringList{"/d/a.epelp"});
}

TEST_F(MainFrameTest, CancelledSaveKeepsTheWindowOpen) {
    host.askSaveAnswer = 1;
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(host.closeFileCalls, 0);
    EXPECT_EQ(host.releaseCalls, 0);
}

TEST_F(MainFrameTest, RefusedFileCloseKeepsTheWindowOpen) {
    host.closeFileAnswer = 1;
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(host.releaseCalls, 0);
}

TEST_F(MainFrameTest, CloseReleasesSettingsAndPluginsAndStoresTheWindowState) {
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(host.releaseCalls, 1);
    EXPECT_FALSE(QSettings().value("MainFrame/State").toByteArray().isEmpty());
}

TEST_F(MainFrameTest, TabTooltipNamesSectionAndPart) {
    frame->WorkViewManager().OpenPartView(0, info);
    frame->WorkViewManager().OpenPartView(0, param);
    EXPECT_EQ(frame->TabToolTip(0), "BlockA::Info");
    EXPECT_EQ(frame->TabToolTip(1), "BlockA::Param");
    EXPECT_EQ(frame->TabToolTip(2), "");
    info->name = "Renamed";
    EXPECT_EQ(frame->TabToolTip(0), "BlockA::Renamed");
    host.busy = true;
    EXPECT_EQ(frame->TabToolTip(0), "");
}

TEST_F(MainFrameTest, LockedModelViewsNeitherRepaintNorShowTooltips) {
    frame->WorkViewManager().OpenPartView(0, info);
    FakeWorkView* view = factory.created[0];
    auto askTooltip = [view] {
        QHelpEvent help(QEvent::ToolTip, QPoint(1, 1), view->mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(view, &help);
    };
    frame->SetModelViewsLocked(true);
    EXPECT_FALSE(frame->MdiArea().updatesEnabled());
    askTooltip();
    EXPECT_EQ(view->toolTipEvents, 0);
    frame->SetModelViewsLocked(false);
    EXPECT_TRUE(frame->MdiArea().updatesEnabled());
    askTooltip();
    EXPECT_EQ(view->toolTipEvents, 1);
}

TEST_F(MainFrameTest, OnlyTheActiveTabHasACloseButton) {
    frame->WorkViewManager().OpenPartView(0, info);
    frame->WorkViewManager().OpenPartView(0, param);
    QTabBar* tabs = frame->MdiTabBar();
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 2);
    auto closeButton = [tabs](int i) {
        QWidget* button = tabs->tabButton(i, QTabBar::RightSide);
        return button ? button : tabs->tabButton(i, QTabBar::LeftSide);
    };
    ASSERT_NE(closeButton(0), nullptr);
    EXPECT_FALSE(closeButton(0)->isVisibleTo(tabs));
    EXPECT_TRUE(closeButton(1)->isVisibleTo(tabs));
    frame->WorkViewManager().OpenPartView(0, info);
    EXPECT_TRUE(closeButton(0)->isVisibleTo(tabs));
    EXPECT_FALSE(closeButton(1)->isVisibleTo(tabs));
}

TEST_F(MainFrameTest, JumpToAFindingOfAPartSelectsItAndScrollsToItsRow) {
    frame->JumpToNodeFromOutputLine("blocka", "PARAM", 5, DATA);
    ASSERT_EQ(tree.selected, QList<CPELFM_NodeBase*>{param});
    ASSERT_EQ(factory.created.size(), 1);
    FakeWorkView* view = factory.created[0];
    EXPECT_EQ(view->part, param);
    EXPECT_EQ(view->selectedElement, 5);
    EXPECT_EQ(view->selectedItemType, DATA);
    EXPECT_EQ(view->viewOptionResets, 1);
    EXPECT_EQ(view->topRow, 5);
    EXPECT_EQ(view->leftColumn, view->currentColumn);
    EXPECT_EQ(view->focusCalls, 1);
    EXPECT_EQ(tree.focusCalls, 0);
}

TEST_F(MainFrameTest, JumpToASectionFindingSelectsTheSectionAndOpensNoPart) {
    frame->JumpToNodeFromOutputLine("BlockA", "", 0, 0);
    ASSERT_EQ(tree.selected.size(), 1);
    EXPECT_EQ(tree.selected[0], host.profile->sections[0]);
    EXPECT_EQ(tree.focusCalls, 1);
    EXPECT_TRUE(factory.created.isEmpty());
}

struct MissedJumpCase {
    const char* name;
    QString section, part;
};

void PrintTo(const MissedJumpCase& c, std::ostream* out) {
    *out << c.name;
}

class MissedJumpTest : public MainFrameTest, public ::testing::WithParamInterface<MissedJumpCase> {};

TEST_P(MissedJumpTest, DoesNothing) {
    frame->JumpToNodeFromOutputLine(GetParam().section, GetParam().part, 1, 1);
    EXPECT_TRUE(tree.selected.isEmpty());
    EXPECT_TRUE(factory.created.isEmpty());
    EXPECT_EQ(tree.focusCalls, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, MissedJumpTest,
                         ::testing::Values(MissedJumpCase{"EmptySection", "", "Info"},
                                           MissedJumpCase{"UnknownSection", "Other", "Info"},
                                           MissedJumpCase{"UnknownPart", "BlockA", "Other"}),
                         [](const ::testing::TestParamInfo<MissedJumpCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(MainFrameTest, JumpWithoutAnOpenProfileDoesNothing) {
    host.profile.reset();
    frame->JumpToNodeFromOutputLine("BlockA", "Info", 1, 1);
    EXPECT_TRUE(tree.selected.isEmpty());
}

TEST_F(MainFrameTest, RecentFilesAreListedAndOpenedAfterAskingToSave) {
    frame->RecentFiles().Add("/d/old.pelj");
    frame->RecentFiles().Add("/d/new.pelp");
    frame->RefreshRecentFileMenu();
    QAction* first = nullptr;
    for (QAction* action : frame->findChildren<QAction*>())
        if (action->data().toInt() == ID_FILE_MRU_FILE1) first = action;
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->text(), "&1 /d/new.pelp");
    first->trigger();
    EXPECT_EQ(host.askSaveCalls, 1);
    EXPECT_EQ(host.openedPaths, QStringList{"/d/new.pelp"});
}

TEST(RecentFileList, KeepsTheNewestFourWithoutDoubles) {
    QSettings().clear();
    RecentFileList list(kRecentFileCount);
    for (const char* path : {"/a", "/b", "/c", "/d", "/b", "/e"}) list.Add(path);
    EXPECT_EQ(list.Files(), (QStringList{"/e", "/b", "/d", "/c"}));
    list.Save();
    RecentFileList loaded(kRecentFileCount);
    loaded.Load();
    EXPECT_EQ(loaded.Files(), list.Files());
    loaded.Remove(1);
    EXPECT_EQ(loaded.Files(), (QStringList{"/e", "/d", "/c"}));
}

TEST_F(MainFrameTest, WindowsCommandActivatesTheChosenWindow) {
    ScriptedDialogPresenter dialogs;
    frame->SetDialogPresenter(&dialogs);
    frame->WorkViewManager().OpenPartView(0, info);
    frame->WorkViewManager().OpenPartView(0, param);
    // A part of the same name in another section: the list names the sections, the tabs keep the parts'
    // names.
    frame->WorkViewManager().OpenPartView(0, AddPart(*AddSection(*host.profile, "BlockB", 4), "Param", 9));
    QStringList listed;
    dialogs.onRun = [&](QDialog& dialog) {
        auto& windows = static_cast<CWindowsDialog&>(dialog);
        for (int i = 0; i < windows.WindowList().count(); ++i)
            listed.append(windows.WindowList().item(i)->text());
        // Down from the active window's row.
        QTest::keyClick(&windows.WindowList(), Qt::Key_Down);
        windows.ActivateSelected();
        return QDialog::Accepted;
    };
    frame->MdiArea().setActiveSubWindow(frame->MdiArea().subWindowList()[1]);
    frame->Action(ID_WINDOW_MANAGER)->trigger();
    EXPECT_EQ(dialogs.runs, 1);
    EXPECT_EQ(listed, (QStringList{"BlockA::Info", "BlockA::Param", "BlockB::Param"}));
    EXPECT_EQ(frame->MdiArea().activeSubWindow(), frame->MdiArea().subWindowList()[2]);
}

}  // namespace

namespace {

// A profile whose items point at each other the ways a reference can.
class ReferenceTest : public MainFrameTest {
protected:
    ReferenceTest() {
        CPELFM_SectionInfo* other = AddSection(*host.profile, "Other", SECTION_BLOCK);
        CPELFM_PartInfo* otherParam = AddPart(*other, "Param", PART_BLOCK_PARAM);
        AddElem(*otherParam, "P1");
        target = AddElem(*otherParam, "P2");
        AddPart(*host.profile->sections[0], "Enum1", PART_ENUM);
        CPELFM_ElemInfo* source = AddElem(*param, "Source");
        dotted = AddItem(*source, ASSIGN, {"Other.Param.P2"});
        partRef = AddItem(*source, REF_PARAM, {"Param"});
        missing = AddItem(*source, REF_MEMORY, {"Missing"});
        plain = AddItem(*source, NAME, {"plain"});
        enumRef = new CPELFM_ItemInfo;
        enumRef->itemType = DATATYPE;
        enumRef->ownerElem = source;
        enumRef->AddDataInfo({ProfileInnerConst::DATA_ENUM_REF_ITEM, "Enum1"});
        source->AddItem(enumRef);
        empty = AddItem(*source, RANGE, {});
    }

    QStringList Boxes() {
        QStringList boxes;
        for (const auto& call : host.messages.Calls()) {
            boxes.append(call.text);
            EXPECT_EQ(call.style, MB_ICONERROR);
        }
        return boxes;
    }

    CPELFM_ElemInfo* target = nullptr;
    CPELFM_ItemInfo* dotted = nullptr;
    CPELFM_ItemInfo* partRef = nullptr;
    CPELFM_ItemInfo* missing = nullptr;
    CPELFM_ItemInfo* plain = nullptr;
    CPELFM_ItemInfo* enumRef = nullptr;
    CPELFM_ItemInfo* empty = nullptr;
};

TEST_F(ReferenceTest, PathNamesWhatTheReferencePointsAt) {
    EXPECT_EQ(frame->BuildNodePathName(dotted), "Other.Param.P2");
    EXPECT_EQ(frame->BuildNodePathName(partRef), "BlockA.Param");
    EXPECT_EQ(frame->BuildNodePathName(enumRef), "BlockA.Enum1");
    EXPECT_EQ(frame->BuildNodePathName(missing), "Missing");
    EXPECT_EQ(frame->BuildNodePathName(plain), "plain");
    EXPECT_EQ(frame->BuildNodePathName(empty), "");
}

TEST_F(ReferenceTest, ElementReferenceSelectsTheWholeRowAtTheTop) {
    EXPECT_EQ(frame->ShowReferenceTarget(dotted), 1);
    ASSERT_EQ(factory.created.size(), 1);
    FakeWorkView* view = factory.created[0];
    EXPECT_EQ(view->part, target->ownerPart);
    EXPECT_EQ(view->selected, (QList<int>{2, 0, 2, view->GetCols() - 1}));
    EXPECT_EQ(view->topRow, 2);
    EXPECT_EQ(view->leftColumn, 0);
    EXPECT_EQ(view->focusCalls, 1);
    EXPECT_EQ(tree.selected, QList<CPELFM_NodeBase*>{target->ownerPart});
    EXPECT_EQ(tree.focusCalls, 1);
    EXPECT_TRUE(Boxes().isEmpty());
}

TEST_F(ReferenceTest, PartReferenceOpensThePartWithoutSelectingCells) {
    EXPECT_EQ(frame->ShowReferenceTarget(enumRef), 1);
    ASSERT_EQ(factory.created.size(), 1);
    EXPECT_EQ(factory.created[0]->part->name, "Enum1");
    EXPECT_TRUE(factory.created[0]->selected.isEmpty());
    EXPECT_EQ(frame->ShowReferenceTarget(partRef), 1);
    EXPECT_EQ(factory.created[1]->part, param);
}

TEST_F(ReferenceTest, PlainValueIsNoReference) {
    EXPECT_EQ(frame->ShowReferenceTarget(plain), 0);
    EXPECT_EQ(Boxes(), QStringList{"not a reference"});
    EXPECT_TRUE(tree.selected.isEmpty());
    EXPECT_TRUE(factory.created.isEmpty());
}

TEST_F(ReferenceTest, UnresolvedOrEmptyReferenceIsReported) {
    EXPECT_EQ(frame->ShowReferenceTarget(missing), 0);
    EXPECT_EQ(frame->ShowReferenceTarget(empty), 0);
    EXPECT_EQ(Boxes(), (QStringList{"target of Missing not found", "target of  not found"}));
    EXPECT_TRUE(factory.created.isEmpty());
}

}  // namespace
