// The running editor under an X server with a window manager, driven through the server's test extension: the
// roads of a keyboard and mouse user, the main window active again with the focus where it was once modal
// windows close, and the grid's menu by key.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "COutputList.h"
#include "COutputWnd.h"
#include "CPELFM_PartInfo.h"
#include "CProfileProgressDlg.h"
#include "CProfileTree.h"
#include "CProfileView.h"
#include "CVsflexgridn.h"
#include "CWorkView.h"
#include "CommandIds.h"
#include "FileDialogFolder.h"
#include "MessageBoxStyle.h"
#include "PrintQString.h"
#include "QMessageBoxPresenter.h"
#include "RoadFixture.h"
#include "X11InputFocus.h"

// After Qt's headers: Xlib's macros.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

using namespace Road;
namespace {

// Input sent through the X server's test extension, routed by the server's grab, focus and activation rules.
Display* Server() {
    static Display* display = XOpenDisplay(nullptr);
    int event, error, major, minor;
    return display && XTestQueryExtension(display, &event, &error, &major, &minor) ? display : nullptr;
}
// Where the server has the window: Qt learns of the window manager's moves later.
void MoveTo(Window window, QPoint at) {
    int x = 0, y = 0;
    Window child;
    XTranslateCoordinates(Server(), window, DefaultRootWindow(Server()), at.x(), at.y(), &x, &y, &child);
    XTestFakeMotionEvent(Server(), -1, x, y, CurrentTime), XFlush(Server());
}
void MoveTo(const QWidget& widget, QPoint pos) {
    MoveTo(widget.window()->winId(), widget.mapTo(widget.window(), pos));
}
void Button(bool down, int button = 1) {
    XTestFakeButtonEvent(Server(), button, down, CurrentTime), XFlush(Server());
}
// Pressed in order, released in reverse.
void Keys(const std::vector<KeySym>& keys) {
    for (KeySym k : keys) XTestFakeKeyEvent(Server(), XKeysymToKeycode(Server(), k), True, CurrentTime);
    for (auto k = std::rbegin(keys); k != std::rend(keys); ++k)
        XTestFakeKeyEvent(Server(), XKeysymToKeycode(Server(), *k), False, CurrentTime);
    XFlush(Server());
}

bool WaitFor(const std::function<bool()>& condition) {
    return QTest::qWaitFor(condition, 15000);
}

// Asks the window manager to close the window, as its close button does.
void CloseByWindowManager(const QWidget& window) {
    XEvent close{};
    close.xclient.type = ClientMessage, close.xclient.window = window.winId(), close.xclient.format = 32;
    close.xclient.message_type = XInternAtom(Server(), "_NET_CLOSE_WINDOW", False);
    close.xclient.data.l[1] = 2;  // the user's request
    XSendEvent(Server(), DefaultRootWindow(Server()), False, SubstructureRedirectMask, &close),
        XFlush(Server());
}
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
            for (QChar c : name) Keys({c.unicode()});
            Keys({KeySym(name.isEmpty() ? XK_Escape : XK_Return)});
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
    ASSERT_NE(Server(), nullptr);
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

const Format kV30{"V30", 0x30000, "ja", "ver3", "3.0", true, true, true};

// Acts on the active modal window once it is of the class; false while it is not, or cannot act yet.
using Answer = std::function<bool(QWidget& modal)>;
Answer Key(const char* className, unsigned long key) {
    return [=](QWidget& modal) {
        return modal.inherits(className) && modal.isAncestorOf(QApplication::focusWidget()) &&
               (Keys({key}), true);
    };
}
// Sets properties of named widgets, then clicks the button of that text once it is enabled.
Answer Press(const char* className, const char* button,
             const QList<std::tuple<const char*, const char*, QVariant>>& properties = {}) {
    return [=](QWidget& modal) {
        if (!modal.inherits(className)) return false;
        for (const auto& [name, property, value] : properties)
            modal.findChild<QWidget*>(name)->setProperty(property, value);
        for (QPushButton* target : modal.findChildren<QPushButton*>())
            if (target->text() == button && target->isEnabled())
                return MoveTo(*target, target->rect().center()), Button(true), Button(false), true;
        return false;
    };
}

// Presses the keys, then gives each answer in turn to the active modal window until none is left (one that
// stays unanswered is closed after 15 s).
bool Drive(std::initializer_list<unsigned long> keys, const QList<Answer>& answers) {
    qsizetype next = 0, ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (next < answers.size() && modal && modal->isActiveWindow() && answers[next](*modal))
            ++next;
        else if (modal && ++ticks > 750)
            modal->close();
    });
    tick.start(20);
    Keys(keys);
    return WaitFor([&] { return next == answers.size() && !QApplication::activeModalWidget(); });
}

class XServerKeysTest : public ::testing::Test, public RoadFixture {
protected:
    // The main window is active for Qt and for the server with the focus on the widget, and Ctrl+O shows the
    // Open dialog (or first the question whether to save) at once.
    bool FocusCameBack(QWidget* focused) {
        const auto ready = [&] {
            return WaitFor([&] {
                return Frame().isActiveWindow() && QApplication::focusWidget() == focused &&
                       X11InputFocus::IsIn(Frame()).value_or(false);
            });
        };
        return ready() && Drive({XK_Control_L, XK_o}, {Key("QDialog", XK_Escape)}) && ready();
    }
    // With the focus on the widget, a command of the tree's menu or of the bar's File or Settings menu.
    void Command(QWidget* focused, unsigned long menu, unsigned long letter, const QList<Answer>& answers) {
        if (focused == Tree()) FocusTreeItem(TreeItem({"BLOCK", "Block0"}));
        focused->setFocus();
        menu == XK_Menu ? Keys({XK_Menu}) : Keys({XK_Alt_L, menu});
        ASSERT_TRUE(WaitFor([] { return QApplication::activePopupWidget(); }) && Drive({letter}, answers));
        ASSERT_TRUE(FocusCameBack(focused));
    }
    QWidget* Tree() { return app->ProfileView()->focusProxy(); }
    // Starts the editor on a 3.0 profile and shows Memory0's grid by Enter in the tree.
    void StartInGrid(const QByteArray& profile) {
        if (!StagedProgramFolder::IsStaged()) GTEST_SKIP() << "the program folder is not staged";
        ASSERT_NE(Server(), nullptr);
        ASSERT_TRUE(Start(kV30, Write("Clean.pelp", profile)));
        ASSERT_TRUE(FocusTreeItem(TreeItem({"BLOCK", "Block0", "Memory0"})));
        Keys({XK_Return});
        ASSERT_TRUE(WaitFor([&] { return ActiveView() && QApplication::focusWidget() != Tree(); }));
    }
};

// Again and again the archive wizard run to its end with the focus in a part's grid; now and then, with the
// focus in the tree, the profile export, the settings dialogs, a new section with its related one and a new
// part. The last box of the wizard and of the export is answered with Enter.
TEST_F(XServerKeysTest, KeysWorkAtOnceAfterEveryModalWindow) {
    ASSERT_NO_FATAL_FAILURE(StartInGrid(CheckCleanProfileText()));
    if (IsSkipped()) return;
    QMessageBoxPresenter realBoxes;
    messages.unanswered = &realBoxes;
    app->chooseOpenFile = nullptr;                                  // the real Open dialog
    dialogs.onRun = [](QDialog& dialog) { return dialog.exec(); };  // and the real dialogs
    chooser.files = {Write("Acme_Bench-1_1.0_ja.pelp", ProfileText(kV30))};
    chooser.save = work.filePath("Road.zip");
    saver.answer = work.filePath("Exported.pelp");
    QWidget* grid = QApplication::focusWidget();
    ASSERT_TRUE(FocusCameBack(grid));
    // The wizard's three windows closing one right after the other lost the activation in about one round of
    // a hundred, more often on a busy machine.
    for (int round = 0; round < 200 && !HasFatalFailure(); ++round) {
        const QString n = QString::number(round);
        Command(grid, XK_s, XK_a,
                {Press("CDialogCreateArchiveFile", "Add Profiles..."),
                 Press("CDialogCreateArchiveFile", "&Next >"), Press("CDialogSelectArchiveFile", "Browse..."),
                 Press("CDialogSelectArchiveFile", "Create"), Key("QMessageBox", XK_Return)});
        if (round % 20) continue;
        Command(Tree(), XK_f, XK_p, {Key("QMessageBox", XK_Return)});
        Command(Tree(), XK_s, XK_v, {Key("CDialogVersionSetting", XK_Return)});
        Command(Tree(), XK_s, XK_s, {Key("CDialogSystemSetting", XK_Escape)});
        Command(Tree(), XK_Menu, XK_s,
                {Press("CDialogNewSection", "Create",
                       {{"918", "text", "S" + n}, {"913", "text", "P" + n}, {"1084", "checked", true}}),
                 Key("CDialogRelateSection", XK_space), Press("CDialogRelateSection", "OK")});
        Command(Tree(), XK_Menu, XK_a,  // a memory part
                {Press("CDialogNewPart", "Create", {{"933", "currentRow", 0}, {"927", "text", "N" + n}})});
    }
}

// Shift+F10 and the Menu key open the grid's menu at the current cell as a right click on it does: the same
// entries and selection, one menu per key; Add Elements is then chosen by its key.
TEST_F(XServerKeysTest, MenuKeysOpenTheRightClickMenuAtTheCurrentCell) {
    ASSERT_NO_FATAL_FAILURE(StartInGrid(CheckCleanProfileText()));
    if (IsSkipped()) return;
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
    for (const bool menuKey : {false, true}) {
        grid.Select(1, 1, 1, 1);
        grid.SetCurrentCell(2, 1);  // the menu selects the current cell as the click did
        const auto press = [menuKey] { menuKey ? Keys({XK_Menu}) : Keys({XK_Shift_L, XK_F10}); };
        EXPECT_EQ(menuOf(press, XK_Escape), clicked);
        EXPECT_EQ(grid.GetSelection(), (GridRange{2, 1, 2, 1}));
    }
    EXPECT_EQ(menuOf([] { Keys({XK_Menu}); }, XK_a), clicked);
    EXPECT_EQ(part->ElemCount(), elements + 1);
}

// F6 and Shift+F6 go round the shown panes, Ctrl+Tab and Ctrl+F6 (Shift: backwards) round the part windows
// from any pane, Tab stays in the grid; a list that takes the focus shows it on a current line.
TEST_F(XServerKeysTest, DesktopKeysGoBetweenThePanesAndThePartWindows) {
    ASSERT_NO_FATAL_FAILURE(StartInGrid(CheckCleanProfileText()));
    if (IsSkipped()) return;
    ASSERT_TRUE(FocusTreeItem(TreeItem({"BLOCK", "Block0", "Param0"})));
    Keys({XK_Return});  // a second part window
    COutputList& output = Frame().OutputPane().List();
    Frame().OutputPane().ShowCheckResults("summary", {});
    const auto where = [&]() -> QString {
        const QWidget* focus = QApplication::focusWidget();
        if (focus == &output) return output.currentIndex().isValid() ? "output" : "no current line";
        return focus == Tree() ? "tree"
                               : (ActiveView()->isAncestorOf(focus) ? ActiveView()->GridPart()->name : "?");
    };
    const KeySym ctrl = XK_Control_L, shift = XK_Shift_L;
    // clang-format off
    const QList<std::pair<std::vector<KeySym>, QString>> rounds = {  // no keys: the output pane hidden
        {{XK_F6}, "output"}, {{XK_F6}, "tree"}, {{XK_F6}, "Param0"}, {{shift, XK_F6}, "tree"},
        {{shift, XK_F6}, "output"}, {{ctrl, XK_Tab}, "Memory0"}, {{ctrl, XK_Tab}, "Param0"},
        {{ctrl, shift, XK_Tab}, "Memory0"}, {{ctrl, XK_F6}, "Param0"}, {{shift, XK_F6}, "tree"},
        {{ctrl, shift, XK_F6}, "Memory0"}, {{XK_Tab}, "Memory0"}, {{}, "Memory0"}, {{XK_F6}, "tree"},
        {{shift, XK_F6}, "Memory0"}};
    // clang-format on
    QStringList expected, seen;
    for (const auto& [keys, at] : rounds) {
        if (keys.empty()) Frame().OutputPane().hide();
        Keys(keys), expected << at;
        seen << (QTest::qWaitFor([&] { return where() == at; }, 2000) ? at : where());
    }
    EXPECT_EQ(seen, expected);
}

// The window manager's close of the main window during an open or a check (their dialog blocks the window):
// the open stops, the check ends without its report, the usual question for a changed file, the editor ends.
TEST_F(XServerKeysTest, TheWindowManagersCloseEndsTheEditorDuringLongWork) {
    if (!StagedProgramFolder::IsStaged()) GTEST_SKIP() << "the program folder is not staged";
    const QString profile = Write("Clean.pelp", CheckCleanProfileText());
    const auto threadStart =
        CProfileProgressDlg::SetThreadStart([](std::function<void()> run) {  // 1 s at least
            return std::thread([run] { std::this_thread::sleep_for(std::chrono::seconds(1)), run(); });
        });
    for (const auto& [command, commandLine, changed] :
         {std::tuple(ID_FILE_OPEN, QString(), false), std::tuple(ID_FILE_CHECK, profile, true)}) {
        ASSERT_TRUE(Start(kV30, commandLine) && QTest::qWaitForWindowActive(&Frame()));
        openAnswer = profile, app->connectionInfoModified = changed, messages.QueueAnswer(IDNO);
        const qsizetype before = messages.Calls().size();
        QTimer::singleShot(0, [&, command = command] { Trigger(command); });
        const Answer closeMainWindow = [&](QWidget& modal) {
            return modal.inherits("CProfileProgressDlg") && (CloseByWindowManager(Frame()), true);
        };
        EXPECT_TRUE(Drive({}, {closeMainWindow}) && !Frame().isVisible()) << command;
        EXPECT_TRUE(app->Utility().profilePlugins.isEmpty() && app->Utility().fileOpen == 0) << command;
        EXPECT_EQ(messages.Calls().size() - before, changed ? 1 : 0) << command;  // no report
    }
    CProfileProgressDlg::SetThreadStart(threadStart);
}

// After a box closed by Escape (or by itself, meanwhile) the activation is handed back only while the focus
// is nowhere: never from another program's or another editor window the user chose, nor to a minimised
// window.
TEST_F(XServerKeysTest, TheHandBackLeavesTheFocusWhereTheUserPutIt) {
    if (!StagedProgramFolder::IsStaged()) GTEST_SKIP() << "the program folder is not staged";
    ASSERT_TRUE(Start(kV30, {}));
    // Another program's plain window and another window of the editor, placed below the main window.
    const Window other =
        XCreateSimpleWindow(Server(), DefaultRootWindow(Server()), 1200, 1080, 300, 80, 0, 0, 0);
    XSizeHints place{};
    place.flags = USPosition, XSetWMNormalHints(Server(), other, &place), XMapWindow(Server(), other);
    QWidget second;
    second.setGeometry(200, 1080, 300, 80), second.show();
    const auto focused = [] {
        Window focus = None;
        int revertTo = 0;
        return XGetInputFocus(Server(), &focus, &revertTo), focus;
    };
    const auto click = [](Window window) { MoveTo(window, {9, 9}), Button(true), Button(false); };
    const std::tuple<const char*, bool, std::function<void()>, Window> rounds[] = {
        {"another program clicked", false, [&] { QTest::qWait(200), click(other); }, other},
        {"another editor window clicked", false, [&] { QTest::qWait(60), click(second.winId()); },
         second.winId()},
        {"minimised", false, [&] { XIconifyWindow(Server(), Frame().winId(), 0), XFlush(Server()); }, None},
        {"closing by itself", true, [&] { click(other); }, other}};
    for (const auto& [name, closesItself, then, holder] : rounds) {
        Frame().showNormal(), Frame().setGeometry(0, 0, 1600, 900), Frame().activateWindow();  // above them
        ASSERT_TRUE(WaitFor([&] { return Frame().isActiveWindow() && focused() == Frame().winId(); }));
        QTimer::singleShot(0, &Frame(), [&, closesItself = closesItself] {
            QMessageBox box(QMessageBox::Information, "Box", "Box", QMessageBox::Ok, &Frame());
            if (closesItself) QTimer::singleShot(800, &box, &QDialog::reject);
            box.exec();
        });
        ASSERT_TRUE(Drive({}, {closesItself ? Answer([&](QWidget&) { return then(), true; })
                                            : Key("QMessageBox", XK_Escape)}));
        if (!closesItself) then();
        QTest::qWait(700);
        EXPECT_TRUE(holder ? focused() == holder : Frame().isMinimized()) << name;
    }
}

}  // namespace
