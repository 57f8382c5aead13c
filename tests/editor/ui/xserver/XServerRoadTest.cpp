// The running editor under an X server with a window manager, driven through the server's test
// extension: the server's grab, focus and activation rules apply as in a desktop session.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "CProfileTree.h"
#include "CProfileView.h"
#include "CommandManager.h"
#include "RoadFixture.h"
#include "XTestInput.h"

#include <X11/keysym.h>

using namespace Road;
using namespace XTestInput;

namespace {

const Format kV30{"V30", 0x30000, "ja", "ver3", "3.0", true, true, true};

class XServerRoadTest : public ::testing::Test, public RoadFixture {
protected:
    void SetUp() override {
        if (!StagedProgramFolder::IsStaged()) GTEST_SKIP() << "the program folder is not staged";
        ASSERT_EQ(QGuiApplication::platformName(), "xcb");
        ASSERT_TRUE(Open());
        profile = Write("Sample.pelp", ProfileText(kV30));
    }
    // The editor with the real file dialog, once the window manager has made its window the active one.
    void StartEditor(const QString& commandLine) {
        GetCommandManager()->Clear();  // the last test's edits
        ASSERT_TRUE(Start(kV30, commandLine));
        app->chooseOpenFile = nullptr;
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    }
    CProfileTree& Tree() { return app->ProfileView()->Tree(); }
    static QFileDialog* ActiveFileDialog() {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        return dialog && dialog->isActiveWindow() ? dialog : nullptr;
    }
    // Ctrl+O shows the Open dialog, which Escape closes again.
    bool OpenDialogComesWithCtrlO() {
        bool shown = false;
        WhenReady(Frame(), ActiveFileDialog, [&shown] { shown = true, Keys({XK_Escape}); });
        Keys({XK_Control_L, XK_o});
        return WaitFor([&] { return shown && !QApplication::activeModalWidget(); });
    }

    QString profile;
};

// A part pressed and dragged onto the upper half of another item: moved before a sibling (and back by
// Undo), refused elsewhere; either way the mouse is free again, and a click opens a menu of the menu bar.
TEST_F(XServerRoadTest, DraggingAPartDropsItAndFreesTheMouse) {
    StartEditor(profile);
    const QStringList block{"BLOCK", "Block0"};
    const QStringList before = ChildTexts(TreeItem(block));
    ASSERT_EQ(before, QStringList({"BLOCK_INFO", "Memory0", "Param0", "Enum0"}));
    const QList<std::pair<QStringList, QStringList>> cases = {
        {{"BLOCK", "Block0", "Memory0"}, {"BLOCK_INFO", "Param0", "Memory0", "Enum0"}},
        {{"FILE", "FILE", "FILE_INFO"}, before},
    };
    for (const auto& [onto, after] : cases) {
        SCOPED_TRACE(onto.join('/').toStdString());
        QWidget& viewport = *Tree().viewport();
        TreeItem(block)->setExpanded(true);
        TreeItem(onto.mid(0, 2))->setExpanded(true);
        const QPoint from = Tree().visualItemRect(TreeItem({"BLOCK", "Block0", "Param0"})).center();
        const QRect target = Tree().visualItemRect(TreeItem(onto));
        MoveTo(viewport, from);
        LeftButton(true);
        MoveTo(viewport, from + QPoint(0, QApplication::startDragDistance() + 2));
        MoveTo(viewport, QPoint(target.center().x(), target.top() + 2));
        LeftButton(false);
        EXPECT_TRUE(WaitFor([&] { return ChildTexts(TreeItem(block)) == after && !Tree().IsDragging(); }));
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
        Keys({XK_Control_L, XK_z});
        EXPECT_EQ(ChildTexts(TreeItem(block)), before);
        QMenuBar& bar = *Frame().menuBar();
        QAction* edit = bar.actions().value(1);
        Click(bar, bar.actionGeometry(edit).center());
        EXPECT_TRUE(WaitFor([&] { return QApplication::activePopupWidget() == edit->menu(); }));
        Keys({XK_Escape});
        Keys({XK_Escape});
    }
}

// Opening from the Open dialog, from the recent list by keyboard and from the command line leaves the main
// window active with the tree focused: the next Ctrl+O shows the Open dialog at once.
TEST_F(XServerRoadTest, ShortcutsWorkAtOnceAfterEachWayOfOpening) {
    const QList<std::tuple<const char*, QString, std::function<void()>>> cases = {
        {"Open dialog", QString(),
         [&] {
             WhenReady(Frame(), ActiveFileDialog, [&] { Type(profile), Keys({XK_Return}); });
             Keys({XK_Control_L, XK_o});
         }},
        {"recent list", QString(),
         [&] {
             Frame().RecentFiles().Add(profile);
             Frame().RefreshRecentFileMenu();
             Keys({XK_Alt_L, XK_f});
             Keys({XK_1});
         }},
        {"command line", profile, [] {}},
    };
    for (const auto& [name, commandLine, open] : cases) {
        SCOPED_TRACE(name);
        StartEditor(commandLine);
        Click(*Tree().viewport(), {4, 4});
        open();
        ASSERT_TRUE(WaitFor([&] { return app->Utility().fileOpen == 1; }));
        EXPECT_TRUE(
            WaitFor([&] { return QApplication::focusWidget() == &Tree() && Frame().isActiveWindow(); }));
        EXPECT_TRUE(OpenDialogComesWithCtrlO());
    }
}

}  // namespace
