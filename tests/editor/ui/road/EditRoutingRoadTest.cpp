// Where the edit menu goes in the running editor: the tree with the focus or the active part grid.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "CProfileTree.h"
#include "CProfileView.h"
#include "CVsflexgridn.h"
#include "CWorkView.h"
#include "CommandIds.h"
#include "CommandManager.h"
#include "MessageBoxStyle.h"
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
