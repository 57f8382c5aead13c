// The running editor under an X server with a window manager, driven through the server's test extension.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include "CProfileTree.h"
#include "CProfileView.h"
#include "CommandIds.h"
#include "FileDialogFolder.h"
#include "RoadFixture.h"
#include "XTestInput.h"

// After Qt's headers: Xlib's macros.
#include <X11/keysym.h>

using namespace Road;
using namespace XInput;
namespace {

class XServerRoadTest : public ::testing::Test, public RoadFixture {
protected:
    CProfileTree& Tree() { return app->ProfileView()->Tree(); }
    // Ctrl+O; once the Open dialog is active, types the name and Enter into it, or Escape for none.
    bool OpenDialogTakes(const QString& name) {
        bool shown = false;
        QTimer typist;
        QObject::connect(&typist, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (shown || !dialog || !dialog->isActiveWindow()) return;
            shown = true;
            Type(name);
            Keys({static_cast<unsigned long>(name.isEmpty() ? XK_Escape : XK_Return)});
        });
        typist.start(20);
        Keys({XK_Control_L, XK_o});
        return WaitFor([&] { return shown && !QApplication::activeModalWidget(); });
    }
};

// Opening from the Open dialog, from the recent list by keyboard or from the command line leaves the main
// window active with the tree focused: the next Ctrl+O shows the Open dialog at once. A part dragged onto the
// upper half of a sibling moves before it (and back by Undo), and the mouse is free again. With a grid cell
// current, the Edit menu offers the same opened by the mouse and by Alt+E.
TEST_F(XServerRoadTest, KeysAndMouseWorkAfterOpeningAndDragging) {
    if (!StagedProgramFolder::IsStaged()) GTEST_SKIP() << "the program folder is not staged";
    ASSERT_TRUE(Available());
    const Format v30{"V30", 0x30000, "ja", "ver3", "3.0", true, true, true};
    const QString profile = Write("sample.pelp", ProfileText(v30));
    const QList<std::pair<QString, std::function<void()>>> ways = {
        {{},
         [&] {
             FileDialogFolder::Remember(profile);
             EXPECT_TRUE(OpenDialogTakes("sample.pelp"));
         }},
        {{},
         [&] {
             Frame().RecentFiles().Add(profile), Frame().RefreshRecentFileMenu();
             Keys({XK_Alt_L, XK_f}), Keys({XK_1});
         }},
        {profile, [] {}},
    };
    for (const auto& [commandLine, open] : ways) {
        ASSERT_TRUE(Start(v30, commandLine));
        app->chooseOpenFile = nullptr;  // the real dialog
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
        Tree().setFocus();
        open();
        ASSERT_TRUE(WaitFor([&] { return app->Utility().fileOpen == 1; }));
        EXPECT_TRUE(
            WaitFor([&] { return Frame().isActiveWindow() && QApplication::focusWidget() == &Tree(); }));
        EXPECT_TRUE(OpenDialogTakes({}));
    }
    const QStringList block{"BLOCK", "Block0"}, parts = ChildTexts(TreeItem(block));
    TreeItem(block)->setExpanded(true);
    const QRect from = Tree().visualItemRect(TreeItem(block + QStringList("Param0")));
    const QRect onto = Tree().visualItemRect(TreeItem(block + QStringList("Memory0")));
    MoveTo(*Tree().viewport(), from.center()), Button(true);
    MoveTo(*Tree().viewport(), onto.topLeft() + QPoint(9, 2)), Button(false);
    EXPECT_TRUE(WaitFor([&] {
        return ChildTexts(TreeItem(block)) == QStringList({parts[0], "Param0", "Memory0", parts[3]});
    }));
    Keys({XK_Control_L, XK_z});
    EXPECT_TRUE(WaitFor([&] { return ChildTexts(TreeItem(block)) == parts; }));

    QMenuBar& bar = *Frame().menuBar();
    const auto editMenuOffersCutAndDelete = [&] {
        const bool open =
            WaitFor([&] { return QApplication::activePopupWidget() == bar.actions()[1]->menu(); });
        QApplication::processEvents();  // the updates the opening asked for
        return open && Frame().Action(ID_EDIT_CUT)->isEnabled() &&
               Frame().Action(ID_EDIT_PASTE_LINK)->isEnabled();
    };
    Keys({XK_Return}), Keys({XK_Alt_L, XK_e});  // the selected part's grid, with a current cell
    EXPECT_TRUE(editMenuOffersCutAndDelete());
    Keys({XK_Escape}), Keys({XK_Escape});
    EXPECT_TRUE(WaitFor([] { return !QApplication::activePopupWidget(); }));
    MoveTo(bar, bar.actionGeometry(bar.actions()[1]).center()), Button(true), Button(false);
    EXPECT_TRUE(editMenuOffersCutAndDelete());
}

}  // namespace
