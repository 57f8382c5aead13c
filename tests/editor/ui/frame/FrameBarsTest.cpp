// The main window's bars and the tree pane's toolbar, driven in the editor as its start-up builds it.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "CMainFrame.h"
#include "COutputList.h"
#include "COutputWnd.h"
#include "CProfileTree.h"
#include "CProfileView.h"
#include "CTessalyApp.h"
#include "CToolbarCustomizeDialog.h"
#include "CommandIds.h"
#include "DialogFocusCues.h"
#include "GridContextMenuRules.h"
#include "MainFrameCommandTable.h"
#include "MessageBoxStyle.h"
#include "PrintQString.h"
#include "StagedProgramFolder.h"
#include "ToolbarCustomizer.h"
#include "UiTestSupport.h"

using namespace UiTest;

namespace {

class FrameBarsTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!StagedProgramFolder::IsStaged()) GTEST_SKIP() << "the program folder is not staged";
    }
    void TearDown() override {
        app.reset();
        QSettings().remove(QStringLiteral("Toolbars/Layout"));
    }

    CMainFrame& Start(bool highColor = true) {
        if (app) app->MainFrame()->close();
        app.reset();
        messages.QueueAnswer(IDNO);  // the file types stay unregistered
        app = std::make_unique<CTessalyApp>(folder.ExecutablePath(), messages, dialogs);
        app->highColorIcons = highColor ? 1 : 0;
        EXPECT_TRUE(app->InitInstance());
        QApplication::processEvents();
        return *app->MainFrame();
    }

    // The command ids of a toolbar's buttons, 0 for a separator, without the customise button.
    static QList<int> Buttons(const QToolBar& bar) {
        QList<int> ids;
        for (const QAction* action : bar.actions())
            if (action->objectName() != "ToolbarCustomizeButton") ids << action->data().toInt();
        if (!ids.isEmpty() && ids.last() == 0) ids.removeLast();  // the one before the customise button
        return ids;
    }
    QToolBar* UserBar(const QString& title) {
        for (QToolBar* bar : app->MainFrame()->findChildren<QToolBar*>())
            if (bar->windowTitle() == title) return bar;
        return nullptr;
    }
    void Click(const char* button) {
        QTest::mouseClick(dialog()->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    CToolbarCustomizeDialog* dialog() { return app->MainFrame()->Toolbars().Dialog(); }
    void ChooseCommand(int category, const QString& text) {
        dialog()->Categories().setCurrentIndex(category);
        dialog()->Commands().setCurrentItem(dialog()->Commands().findItems(text, Qt::MatchExactly).value(0));
    }
    // Alt+drag of a toolbar button to a point of another widget, then the deferred rebuild.
    void AltDrag(QToolBar& bar, int command, QWidget& target, QPoint at) {
        QWidget* button = bar.widgetForAction(app->MainFrame()->Action(command));
        QTest::mousePress(button, Qt::LeftButton, Qt::AltModifier, button->rect().center());
        QTest::mouseMove(&target, at);
        QTest::mouseRelease(&target, Qt::LeftButton, Qt::AltModifier, at);
        QApplication::processEvents();
    }

    StagedProgramFolder folder;
    ScriptedMessagePresenter messages;
    ScriptedDialogPresenter dialogs;
    std::unique_ptr<CTessalyApp> app;
};

TEST_F(FrameBarsTest, CustomisedToolbarsComeBackAfterARestartAndACorruptLayoutGivesTheDefault) {
    const DialogFocusCues cues;
    CMainFrame* frame = &Start();
    frame->Action(ID_VIEW_CUSTOMIZE)->trigger();
    ASSERT_NE(dialog(), nullptr);
    ASSERT_TRUE(QTest::qWaitFor([this] { return dialog()->Categories().hasFocus(); }));  // shown at once
    const QImage focused = dialog()->Categories().grab().toImage();
    dialog()->Categories().clearFocus();
    EXPECT_NE(dialog()->Categories().grab().toImage(), focused);
    EXPECT_EQ(dialog()->Categories().count(), 6);  // the menus
    dialog()->Buttons().setCurrentRow(4);          // New, Open, Save, |, Cut
    Click("RemoveButton");
    ChooseCommand(1, "Delete");
    dialog()->Buttons().setCurrentRow(5);  // Paste
    Click("AddButton");
    Click("NewToolbarButton");
    dialog()->ToolbarName().setText("Mine");
    Click("RenameToolbarButton");
    ChooseCommand(5, "About...");
    Click("AddButton");
    QList<int> standard = MainFrameCommandTable::ToolbarButtons();
    standard.removeOne(ID_EDIT_CUT);
    standard.insert(standard.indexOf(ID_EDIT_PASTE) + 1, ID_EDIT_PASTE_LINK);
    EXPECT_EQ(Buttons(frame->ToolBar()), standard);
    dialog()->close();

    frame = &Start();
    EXPECT_EQ(Buttons(frame->ToolBar()), standard);
    QToolBar* mine = UserBar("Mine");
    ASSERT_NE(mine, nullptr);
    EXPECT_TRUE(mine->isVisible());
    EXPECT_EQ(Buttons(*mine), QList<int>{ID_APP_ABOUT});
    // The panes' context menu lists it with the other bars and panes.
    QMenu* paneMenu = frame->createPopupMenu();
    QStringList listed;
    for (const QAction* action : paneMenu->actions()) listed << action->text();
    delete paneMenu;
    EXPECT_TRUE(listed.contains("Mine") && listed.contains("Standard")) << listed.join(',').toStdString();
    // A new toolbar has the customise button too.
    QTest::mouseClick(mine->widgetForAction(mine->actions().last()), Qt::LeftButton);
    ASSERT_NE(dialog(), nullptr);
    EXPECT_TRUE(dialog()->isVisible());

    app->MainFrame()->close();
    QSettings().setValue("Toolbars/Layout", "{\"version\":1,\"toolbars\":[{\"key\":\"ToolBar\",");
    frame = &Start();
    EXPECT_EQ(Buttons(frame->ToolBar()), MainFrameCommandTable::ToolbarButtons());
    EXPECT_EQ(UserBar("Mine"), nullptr);
}

TEST_F(FrameBarsTest, AltDragMovesAButtonWithinOrBetweenToolbarsAndDroppedElsewhereRemovesIt) {
    CMainFrame& frame = Start();
    frame.Action(ID_VIEW_CUSTOMIZE)->trigger();
    Click("NewToolbarButton");
    dialog()->close();
    QApplication::processEvents();
    QToolBar& standard = frame.ToolBar();
    QToolBar* custom = UserBar("Custom 1");
    ASSERT_NE(custom, nullptr);

    QWidget* newButton = standard.widgetForAction(frame.Action(ID_FILE_NEW));
    AltDrag(standard, ID_FILE_SAVE, standard, newButton->geometry().topLeft() + QPoint(2, 2));
    AltDrag(standard, ID_FILE_OPEN, *custom, custom->rect().center());
    AltDrag(standard, ID_EDIT_CUT, frame.MdiArea(), frame.MdiArea().rect().center());
    EXPECT_EQ(Buttons(standard), (QList<int>{ID_FILE_SAVE, ID_FILE_NEW, 0, ID_EDIT_COPY, ID_EDIT_PASTE, 0,
                                             ID_EDIT_UNDO, ID_EDIT_REDO, 0, ID_FILE_CHECK, 0, ID_APP_ABOUT}));
    EXPECT_EQ(Buttons(*custom), QList<int>{ID_FILE_OPEN});
    // A plain click still runs the command.
    int asked = 0;
    app->chooseOpenFile = [&](const QString&, const QString&) { return ++asked, QString(); };
    QTest::mouseClick(custom->widgetForAction(frame.Action(ID_FILE_OPEN)), Qt::LeftButton);
    EXPECT_EQ(asked, 1);
}

TEST_F(FrameBarsTest, EveryToolbarButtonShowsAPictureOfTheChosenSetAndTheLockKeysShowOff) {
    QImage newImage[2];
    for (const bool highColor : {false, true}) {
        CMainFrame& frame = Start(highColor);
        for (const QAction* action : frame.ToolBar().actions())
            EXPECT_TRUE(action->isSeparator() || !action->icon().isNull()) << action->text().toStdString();
        newImage[highColor] = frame.Action(ID_FILE_NEW)->icon().pixmap(16).toImage();
        // Offscreen there is no keyboard state to show.
        for (const char* name : {"IndicatorCaps", "IndicatorNum", "IndicatorScroll"})
            EXPECT_TRUE(frame.findChild<QLabel*>(name)->text().isEmpty()) << name;
    }
    EXPECT_NE(newImage[0], newImage[1]);
}

TEST_F(FrameBarsTest, TreePaneToolbarOffersTheSortChoiceAndItsCommandsAndTheTreeHasFiveImages) {
    Start();
    auto* root = new CPELFM_ProfileInfo;
    AddPart(*AddSection(*root, "File", SECTION_FILE), "FileInfo", PART_FILE_INFO);
    CPELFM_SectionInfo* block = AddSection(*root, "Block", SECTION_BLOCK);
    AddPart(*block, "Memory", PART_BLOCK_MEMORY);
    AddPart(*block, "Enum", PART_ENUM);
    block->expanded = 1;
    app->Utility().openProfile = root;
    app->Utility().fileOpen = 1;
    CProfileView& view = *app->ProfileView();
    view.RebuildProfileTree();

    // Root, FILE group, section, part and a part foreign to its section.
    QTreeWidgetItem* rootItem = view.Tree().topLevelItem(0);
    QTreeWidgetItem* blockItem = rootItem->child(3)->child(0);
    QList<QImage> images;
    for (QTreeWidgetItem* item :
         {rootItem, rootItem->child(0), blockItem, blockItem->child(0), blockItem->child(1)})
        images << item->icon(0).pixmap(16).toImage();
    for (int i = 0; i < images.size(); ++i) {
        EXPECT_FALSE(images[i].isNull()) << i;
        for (int j = 0; j < i; ++j) EXPECT_NE(images[i], images[j]) << i << " " << j;
    }

    const QStringList order = {blockItem->child(0)->text(0), blockItem->child(1)->text(0)};
    QMenu* sortMenu = view.SortButton().menu();
    ASSERT_NE(sortMenu, nullptr);
    QObject::connect(sortMenu, &QMenu::aboutToShow, sortMenu, [&] {
        QTimer::singleShot(0, sortMenu, [&] {
            QTest::mouseClick(sortMenu, Qt::LeftButton, {},
                              sortMenu->actionGeometry(view.Action(147)).center());
            sortMenu->close();  // in case the click missed
        });
    });
    QTest::mouseClick(&view.SortButton(), Qt::LeftButton);
    EXPECT_EQ(view.SortChoice(), 147);
    for (int id = 145; id <= 148; ++id) EXPECT_EQ(view.Action(id)->isChecked(), id == 147) << id;
    EXPECT_EQ(view.SortButton().icon().cacheKey(), view.Action(147)->icon().cacheKey());
    EXPECT_EQ((QStringList{blockItem->child(0)->text(0), blockItem->child(1)->text(0)}), order);

    // 139 and 143 say which commands do the work; 140 to 142 do nothing.
    QStringList shown;
    for (int id = 139; id <= 143; ++id) {
        EXPECT_FALSE(view.Action(id)->icon().isNull()) << id;
        const qsizetype boxes = messages.Calls().size();
        QTest::mouseClick(view.ToolBar().widgetForAction(view.Action(id)), Qt::LeftButton);
        shown << (messages.Calls().size() > boxes ? messages.Calls().last().text : QString());
    }
    const QString add = app->Strings().LoadString(114), properties = app->Strings().LoadString(115);
    EXPECT_EQ(shown, (QStringList{add, {}, {}, {}, properties}));
    app->Utility().CloseProfile();
}

// Within each menu of the editor every entry has a letter of its own, so that one key runs it.
TEST_F(FrameBarsTest, EveryEntryOfAMenuHasALetterOfItsOwn) {
    CMainFrame& frame = Start();
    QMenu output, grid;  // the grid builds its menu from these texts when it shows it
    frame.OutputPane().List().FillContextMenu(output);
    for (int id : GridContextMenuRules::kTextIds) grid.addAction(app->Strings().LoadString(id));
    QList<QMenu*> menus{&app->ProfileView()->ContextMenu(), &output, &grid};
    for (QAction* title : frame.menuBar()->actions()) menus << title->menu();
    for (qsizetype m = 0; m < menus.size(); ++m) {
        QHash<int, QString> taken;
        for (QAction* entry : menus[m]->actions()) {
            if (entry->isSeparator() || !entry->isVisible()) continue;
            if (entry->menu()) menus << entry->menu();
            const QKeySequence letter = QKeySequence::mnemonic(entry->text());
            const int key = letter.isEmpty() ? 0 : letter[0].toCombined();
            const QString before = std::exchange(taken[key], entry->text());
            EXPECT_TRUE(key && before.isEmpty()) << (before + " / " + entry->text()).toStdString();
        }
    }
    EXPECT_EQ(menus.size(), 11);  // the tree's, the output pane's, the grid's, the bar's six and two submenus
}

}  // namespace
