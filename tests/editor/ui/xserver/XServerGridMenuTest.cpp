// The part grid's context menu from the keyboard, in the running editor under an X server.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "CPELFM_PartInfo.h"
#include "CVsflexgridn.h"
#include "CWorkView.h"
#include "PrintQString.h"
#include "RoadFixture.h"
#include "XTestInput.h"

// After Qt's headers: Xlib's macros.
#include <X11/keysym.h>

using namespace Road;
using namespace XInput;
namespace {

class XServerGridMenuTest : public ::testing::Test, public RoadFixture {};

// Shift+F10 and the Menu key open the grid's menu at the current cell as a right click on it does: the same
// entries and selection, one menu per key; Add Elements is then chosen by its key.
TEST_F(XServerGridMenuTest, MenuKeysOpenTheRightClickMenuAtTheCurrentCell) {
    if (!StagedProgramFolder::IsStaged()) GTEST_SKIP() << "the program folder is not staged";
    ASSERT_TRUE(Available());
    const Format v30{"V30", 0x30000, "ja", "ver3", "3.0", true, true, true};
    ASSERT_TRUE(Start(v30, Write("sample.pelp", ProfileText(v30))));
    ASSERT_TRUE(FocusTreeItem(TreeItem({"BLOCK", "Block0", "Memory0"})));
    Keys({XK_Return});
    ASSERT_TRUE(
        WaitFor([&] { return ActiveView() && QApplication::focusWidget() == &ActiveView()->Grid(); }));
    CVsflexgridn& grid = ActiveView()->Grid();
    CPELFM_PartInfo* part = ActiveView()->GridPart();
    const int elements = part->ElemCount();
    const QRect cell = grid.visualRect(grid.model()->index(1, 0));  // row 2, column 1

    // The entries of the menu that open() shows ("+" enabled, "-" not, a lone "-" a separator) and whether it
    // opened inside the cell; the answer key goes to the menu.
    const auto menuOf = [&](const std::function<void()>& open, unsigned long answer) {
        QStringList entries;
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!entries.isEmpty() || !menu || !menu->isVisible()) return;
            for (QAction* action : menu->actions())
                entries << (action->isSeparator() ? "-" : (action->isEnabled() ? "+" : "-") + action->text());
            entries << (cell.contains(grid.viewport()->mapFromGlobal(menu->pos())) ? "at the cell"
                                                                                   : "elsewhere");
            Keys({answer});
        });
        watcher.start(20);
        open();
        WaitFor([&] { return !entries.isEmpty() && !QApplication::activePopupWidget(); });
        QTest::qWait(200);
        if (QApplication::activePopupWidget()) entries << "another menu";
        return entries;
    };
    const QStringList clicked = menuOf(
        [&] { MoveTo(*grid.viewport(), cell.center() - QPoint(0, 1)), Button(true, 3), Button(false, 3); },
        XK_Escape);
    ASSERT_EQ(clicked.size(), 11);
    EXPECT_EQ(clicked.mid(4), QStringList({"-", "+&Add Elements", "+D&elete Elements"}) + clicked.mid(7, 3) +
                                  QStringList("at the cell"));
    for (const std::function<void()>& press : {std::function<void()>([] {
                                                   Keys({XK_Shift_L, XK_F10});
                                               }),
                                               std::function<void()>([] { Keys({XK_Menu}); })}) {
        grid.Select(1, 1, 1, 1);
        grid.SetCurrentCell(2, 1);  // the menu selects the current cell as the click did
        EXPECT_EQ(menuOf(press, XK_Escape), clicked);
        EXPECT_EQ(grid.GetSelection(), (GridRange{2, 1, 2, 1}));
    }
    EXPECT_EQ(menuOf([] { Keys({XK_Shift_L, XK_F10}); }, XK_a).size(), 11);
    EXPECT_EQ(part->ElemCount(), elements + 1);
}

}  // namespace
