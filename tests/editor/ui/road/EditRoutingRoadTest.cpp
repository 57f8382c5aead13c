// Where the edit menu goes in the running editor: the tree with the focus or the active part grid.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHelpEvent>
#include <QMdiArea>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include "CDialogRelatePart.h"
#include "CDialogRelateSection.h"
#include "CProfileTree.h"
#include "CProfileView.h"
#include "CVsflexgridn.h"
#include "CWorkView.h"
#include "CWorkViewManager.h"
#include "CommandIds.h"
#include "CommandManager.h"
#include "MdiDocumentMenu.h"
#include "MessageBoxStyle.h"
#include "PaneFocusLook.h"
#include "PrintQString.h"
#include "ProfileInnerConst.h"
#include "RoadFixture.h"

using namespace Road;

namespace {

const Format kV30{"V30", 0x30000, "ja", "ver3", "3.0", true, true, true};

class EditRoutingRoadTest : public ::testing::Test, public RoadFixture {
protected:
    void SetUp() override {
        if (!StagedProgramFolder::IsStaged()) GTEST_SKIP() << "the program folder is not staged";
        QByteArray text = ProfileText(kV30);
        // A second connection after the first, so removing the first leaves a next sibling.
        const qsizetype from = text.indexOf("<p:deviceIf ");
        QByteArray second = text.mid(from, text.indexOf("</p:deviceIf>", from) + 13 - from);
        second.replace("label=\"DEVICE_IF\"", "label=\"DEVICE_IF2\"");
        text.insert(text.indexOf("</p:device>"), second);
        ASSERT_TRUE(Start(kV30, Write("Routing.pelp", text)));
        QTreeWidgetItem* memory = TreeItem({"BLOCK", "Block0", "Memory0"});
        ASSERT_NE(memory, nullptr);
        if (!FocusTreeItem(memory)) GTEST_SKIP() << "no keyboard focus on this platform";
        QTest::keyClick(&app->ProfileView()->Tree(), Qt::Key_Return);
        view = ActiveView();
        ASSERT_NE(view, nullptr);
        nameCol = view->ItemTypeColumn(NAME);
        ASSERT_TRUE(TypeIntoCell(view, 1, nameCol, "Edited"));
    }
    void TearDown() override { QApplication::clipboard()->clear(); }

    CWorkView* view = nullptr;
    int nameCol = 0;
};

// Answers the connection plug-in's own modal windows: deletes the selected connection, then OK. Clicks
// are queued, so the timer is free again while the window they open runs.
void DeleteFirstConnectionWhenShown(QObject* owner) {
    auto* timer = new QTimer(owner);  // gone with the window should the list never show
    auto deleted = std::make_shared<bool>(false);
    const auto click = [](QAbstractButton* button) {
        QTimer::singleShot(0, button, &QAbstractButton::click);
    };
    QObject::connect(timer, &QTimer::timeout, [timer, deleted, click] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            if (QAbstractButton* yes = box->button(QMessageBox::Yes))
                click(yes);
            else if (QAbstractButton* ok = box->button(QMessageBox::Ok))
                click(ok);
        } else if (modal && !*deleted && modal->findChild<QPushButton*>("8002")) {
            *deleted = true;
            click(modal->findChild<QPushButton*>("8002"));
        } else if (modal && *deleted && modal->findChild<QPushButton*>("1")) {
            click(modal->findChild<QPushButton*>("1"));
            timer->deleteLater();
        }
    });
    timer->start(20);
}

// The pane with the focus draws its selection in the highlight colour, the others theirs muted; a cell being
// edited keeps its grid's look.
TEST_F(EditRoutingRoadTest, OnlyThePaneWithTheFocusLooksFocused) {
    CProfileTree& tree = app->ProfileView()->Tree();
    CVsflexgridn& grid = view->Grid();
    grid.Select(2, 1, 2, 2);
    // The colour drawn at the top left of the selected tree item or grid cell.
    const auto muted = [](QAbstractItemView& pane, QRect selected) {
        const QColor drawn = pane.viewport()->grab().toImage().pixelColor(selected.topLeft() + QPoint(2, 2));
        return drawn == PaneFocusLook::MutedHighlight(pane);
    };
    const struct {
        QWidget* focus;
        bool edit;
    } rounds[] = {{&grid, false}, {&tree, false}, {&grid, true}, {&tree, false}};
    for (const auto& round : rounds) {
        round.focus->setFocus();
        if (round.edit) QTest::keyClick(&grid, Qt::Key_F2);
        ASSERT_EQ(round.edit, grid.IsEditing());
        EXPECT_EQ(muted(tree, tree.visualItemRect(tree.currentItem())), round.focus != &tree);
        EXPECT_EQ(muted(grid, grid.visualRect(grid.model()->index(1, 0))), round.focus != &grid);
        if (round.edit) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    }
    // Shift+Tab walks from the tree to the output list and on to the grid, never stopping on a tab bar.
    QStringList walk;
    for (tree.setFocus(); walk.size() < 8; QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab))
        walk << QApplication::focusWidget()->metaObject()->className();
    EXPECT_FALSE(walk.contains("QTabBar")) << walk.join(' ').toStdString();
}

TEST_F(EditRoutingRoadTest, EachCommandReachesThePaneItsRuleNames) {
    CProfileTree& tree = app->ProfileView()->Tree();
    int clipboardKind = -1;
    struct Case {
        const char* name;
        std::function<void()> act;
        std::function<void()> expect;
    };
    const QList<Case> cases = {
        {"undo disabled during a cell edit",
         [&] {
             ClickCell(view, 2, nameCol);
             QTest::keyClick(&view->Grid(), Qt::Key_F2);
         },
         [&] {
             ASSERT_NE(view->Grid().ActiveEditor(), nullptr);
             EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
             QTest::keyClick(view->Grid().ActiveEditor(), Qt::Key_Escape);
             EXPECT_TRUE(Enabled(ID_EDIT_UNDO));
         }},
        {"copy on a FILE section copies nothing",
         [&] {
             QApplication::clipboard()->setText("untouched");
             clipboardKind = app->Utility().clipboardKind;
             ASSERT_TRUE(FocusTreeItem(TreeItem({"FILE", "FILE"})));
             ASSERT_TRUE(Trigger(ID_EDIT_COPY));
         },
         [&] {
             EXPECT_EQ(app->ProfileView()->CopiedNode(), nullptr);
             EXPECT_EQ(QApplication::clipboard()->text(), "untouched");
             EXPECT_EQ(app->Utility().clipboardKind, clipboardKind);
         }},
        {"paste with the tree focus falls through to the cells",
         [&] {
             ClickCell(view, 4, nameCol);
             QApplication::clipboard()->setText("Pasted");
             ASSERT_TRUE(FocusTreeItem(TreeItem({"BLOCK", "Block0"})));
             ASSERT_TRUE(Trigger(ID_EDIT_PASTE));
         },
         [&] {
             EXPECT_EQ(ValueOf(view->GridPart()->Elems()[3], NAME), "Pasted");
             EXPECT_EQ(TreeItem({"BLOCK"})->childCount(), 1);
         }},
        {"a connection edit empties the history, keeps the file modified and selects the next sibling",
         [&] {
             ASSERT_TRUE(FocusTreeItem(TreeItem({"DEVICE", "DEVICE", "DEVICE_IF "})));
             ASSERT_GT(GetCommandManager()->UndoCount(), 0);
             DeleteFirstConnectionWhenShown(&Frame());
             ASSERT_TRUE(Trigger(ID_EDIT_CONNECTION_INFO));
         },
         [&] {
             EXPECT_EQ(app->OpenProfile()->FindSectionByName("DEVICE")->FindPartByName("DEVICE_IF"), nullptr);
             EXPECT_EQ(GetCommandManager()->UndoCount(), 0);
             EXPECT_EQ(GetCommandManager()->RedoCount(), 0);
             EXPECT_TRUE(app->IsModified());
             ASSERT_NE(tree.currentItem(), nullptr);
             EXPECT_TRUE(tree.currentItem()->text(0).startsWith("DEVICE_IF2"))
                 << tree.currentItem()->text(0).toStdString();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.act();
        c.expect();
    }
}

// Each case leaves the command off where the last update saw it (as a menu opened there would), moves by
// mouse or arrow keys to where it applies, then presses its key at once or, without a key, clicks it.
TEST_F(EditRoutingRoadTest, CommandsFollowTheSelectionWithoutAMenu) {
    CProfileTree& tree = app->ProfileView()->Tree();
    const QStringList info{"BLOCK", "Block0", "BLOCK_INFO"}, param{"BLOCK", "Block0", "Param0"},
        file{"FILE", "FILE"}, link{"DEVICE", "DEVICE", "DEVICE_IF "};
    const auto pick = [&](const QStringList& path) {
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(TreeItem(path)).center());
    };
    const auto key = [](Qt::Key k) { return [k] { QTest::keyClick(QApplication::focusWidget(), k); }; };
    const auto col = [&](int kind) { return ActiveView()->ItemTypeColumn(kind); };
    const auto cell = [&](int row, int kind) { return ActiveView()->Grid().GetTextMatrix(row, col(kind)); };
    const auto openMemory = [&] {
        FocusTreeItem(TreeItem({"BLOCK", "Block0", "Memory0"}));
        QTest::keyClick(&tree, Qt::Key_Return);
        ActiveView()->Grid().SetCurrentCell(-1, -1);
    };
    const auto click = [&](int id) { QApplication::processEvents(), Frame().Action(id)->trigger(); };
    const auto none = QKeySequence::UnknownKey;
    using Step = std::function<void()>;
    using Case = std::tuple<const char*, int, Step, Step, QKeySequence::StandardKey, std::function<bool()>>;
    const QList<Case> cases = {
        // name, command, from, move, key (none: clicked), done
        {"delete: the root, then a part by mouse", ID_EDIT_PASTE_LINK, [&] { FocusTreeItem(RootItem()); },
         [&] { pick(param); }, QKeySequence::Delete,
         [&] { return messages.Calls().last().text.contains("Param0"); }},
        {"copy: no part window, arrow onto a copyable part", ID_EDIT_COPY,
         [&] { Frame().MdiArea().closeAllSubWindows(), FocusTreeItem(TreeItem(info)); }, key(Qt::Key_Down),
         QKeySequence::Copy, [&] { return app->Utility().clipboardKind == 1; }},
        {"copy reference: arrow onto a memory part", ID_EDIT_COPY_REFERENCE,
         [&] { FocusTreeItem(TreeItem(info)); }, key(Qt::Key_Down), none,
         [&] { return app->Utility().copiedReferences == QStringList{"Block0.Memory0"}; }},
        {"paste: a FILE section, then a part by mouse", ID_EDIT_PASTE, [&] { FocusTreeItem(TreeItem(file)); },
         [&] { pick(param); }, QKeySequence::Paste,
         [&] { return TreeItem(param)->parent()->childCount() == 5; }},
        {"cut: no current cell, then a cell by mouse", ID_EDIT_CUT, openMemory,
         [&] { ClickCell(ActiveView(), 3, nameCol); }, QKeySequence::Cut,
         [&] { return QApplication::clipboard()->text() == "メモリ値 2\r\n"; }},
        {"select reference: arrow from a range onto one data type", ID_EDIT_FOLLOW_REFERENCE,
         [&] { ClickCell(ActiveView(), 1, col(RANGE), Qt::ShiftModifier); }, key(Qt::Key_Left), none,
         [&] { return tree.currentItem()->text(0).startsWith("Enum0"); }},
        {"paste reference (shortened in its section): a data type by mouse", ID_EDIT_PASTE_REFERENCE,
         openMemory, [&] { ClickCell(ActiveView(), 2, col(DATATYPE)); }, none,
         [&] { return cell(2, DATATYPE) == "Memory0"; }},
        {"undo: a cell edit ends", ID_EDIT_UNDO, key(Qt::Key_F2), key(Qt::Key_Escape), QKeySequence::Undo,
         [&] { return cell(2, DATATYPE) == "INT16"; }},
        {"redo: a cell edit ends", ID_EDIT_REDO, key(Qt::Key_F2), key(Qt::Key_Escape), QKeySequence::Redo,
         [&] { return cell(2, DATATYPE) == "Memory0"; }},
        {"connection information: a file dropped after closing", ID_EDIT_CONNECTION_INFO,
         [&] { DeleteFirstConnectionWhenShown(&Frame()), Frame().Action(ID_FILE_CLOSE)->trigger(); },
         [&] { Frame().OnDropFiles({work.filePath("Routing.pelp")}); }, none,
         [&] { return !TreeItem(link); }},
    };
    for (int i = 0; i < 2; ++i) messages.QueueAnswer(IDNO);  // keep the part; close without saving
    for (const auto& [name, id, from, move, shortcut, done] : cases) {
        SCOPED_TRACE(name);
        from();
        Frame().UpdateCommandUi();
        ASSERT_FALSE(Frame().Action(id)->isEnabled());
        move();
        shortcut == none ? click(id) : QTest::keySequence(QApplication::focusWidget(), shortcut);
        EXPECT_TRUE(done());
    }
}

TEST_F(EditRoutingRoadTest, RenamedConnectionWindowIsRefilledWithItsFirstCellCurrent) {
    CPELFM_PartInfo* link = app->OpenProfile()->FindSectionByName("DEVICE")->FindPartByName("DEVICE_IF");
    Frame().WorkViewManager().OpenPartView(0, link);
    UiTest::FakeProfilePlugin renaming;  // in place of the plug-in's own dialogs
    renaming.editConnections = [&](auto, auto, auto changed) {
        return link->name = "Renamed", changed->append(link), CONNECTION_EDIT_APPLIED;
    };
    IProfilePlugin* plugin = std::exchange(app->Utility().profilePlugins.first().instance, &renaming);
    EXPECT_TRUE(Trigger(ID_EDIT_CONNECTION_INFO));
    app->Utility().profilePlugins.first().instance = plugin;
    EXPECT_EQ(std::pair(ActiveView()->Grid().GetRow(), ActiveView()->Grid().GetCol()), std::pair(1, 1));
}

// The tabs' section names, the document menu, the main title and every dialog's caption say what they show.
TEST_F(EditRoutingRoadTest, TabsTitleAndCaptionsSayWhatTheyShow) {
    FocusTreeItem(TreeItem({"BLOCK", "Block0", "Param0"}));
    QTest::keyClick(&app->ProfileView()->Tree(), Qt::Key_Return);
    QTabBar* tabs = Frame().MdiTabBar();
    QHelpEvent help(QEvent::ToolTip, tabs->tabRect(1).center(), tabs->mapToGlobal(tabs->tabRect(1).center()));
    QApplication::sendEvent(tabs, &help);
    EXPECT_EQ(QToolTip::text(), "Block0::Param0");
    MdiDocumentMenu* documents = Frame().DocumentMenu();
    EXPECT_TRUE(documents->isVisible() && !documents->geometry().intersects(tabs->geometry()));
    QTimer::singleShot(0, [&] { documents->Menu().actions().first()->trigger(), documents->Menu().close(); });
    QTest::mouseClick(documents, Qt::LeftButton);
    EXPECT_EQ(documents->Menu().actions().last()->text(), "Block0::Param0");
    EXPECT_EQ(ActiveView()->GridPart()->name, "Memory0");
    // Qt appends a display name, once one is set, to every title that does not end with it.
    const QString name = app->Strings().LoadString(2203);
    QCoreApplication::setApplicationName("probe");
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "probe");
    QCoreApplication::setApplicationName(name);
    EXPECT_EQ(Frame().windowTitle().count(name), 1 + work.path().count(name));
    QStringList boxes, captions{CDialogRelatePart(app->Utility(), PART_COMM_IF_CONFIGURATION).windowTitle(),
                                CDialogRelateSection(app->Utility(), SECTION_BLOCK).windowTitle()};
    dialogs.onRun = [&, run = dialogs.onRun](QDialog& dialog) {
        captions << dialog.windowTitle();
        for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) boxes << box->text();
        return run(dialog);
    };
    FocusTreeItem(TreeItem({"BLOCK", "Block0"}));
    for (int id : {1105, 1106}) app->ProfileView()->Action(id)->trigger();  // new section, new part
    messages.QueueAnswer(IDNO);                                             // leave the edit unsaved
    for (int id : {ID_FILE_NEW, ID_FILE_CHECK}) ASSERT_TRUE(Trigger(id));
    EXPECT_EQ(QSet<QString>(captions.begin(), captions.end()).size(), 6) << captions.join('|').toStdString();
    EXPECT_FALSE(captions.contains(name) || captions.contains("") || boxes.size() != 2 || boxes.contains(""));
}

TEST_F(EditRoutingRoadTest, EveryBuiltCommandIsOfferedWithAFileAndAGridOpen) {
    // The grid's current cell holds an edited name: everything but Redo and the reference pasting applies.
    QStringList greyed;
    const QList<int> offered{ID_FILE_NEW,
                             ID_FILE_OPEN,
                             ID_FILE_CLOSE,
                             ID_FILE_SAVE,
                             ID_FILE_SAVE_AS,
                             ID_FILE_CREATE_PROFILE,
                             ID_FILE_CHECK,
                             ID_APP_EXIT,
                             ID_EDIT_UNDO,
                             ID_EDIT_COPY,
                             ID_EDIT_CUT,
                             ID_EDIT_PASTE_LINK,
                             ID_EDIT_CONNECTION_INFO,
                             ID_SETTING_SYSTEM,
                             ID_SETTING_CREATE_ARCHIVE,
                             ID_SETTING_VERSION,
                             ID_APP_ABOUT,
                             ID_VIEW_TOOLBAR,
                             ID_WINDOW_MANAGER,
                             ID_VIEW_APPLOOK_FIRST,
                             ID_VIEW_APPLOOK_LAST};
    for (int id : offered)
        if (!Frame().Action(id) || !Enabled(id)) greyed << QString::number(id);
    EXPECT_TRUE(greyed.isEmpty()) << greyed.join(",").toStdString();
    for (int id : {ID_EDIT_REDO, ID_EDIT_PASTE_REFERENCE}) EXPECT_FALSE(Enabled(id)) << id;
}

}  // namespace
