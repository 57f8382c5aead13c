#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

#include "CCommonUtility.h"
#include "CProfileTree.h"
#include "CProfileView.h"
#include "CommandEnvironment.h"
#include "CommandManager.h"
#include "CommandRegistry.h"
#include "CommonUtilityCommandServices.h"
#include "ICommandFrame.h"
#include "IWorkViewManager.h"
#include "MessageBoxStyle.h"
#include "PrintQString.h"
#include "TreeTestStrings.h"
#include "UiTestSupport.h"

using namespace UiTest;
using namespace ProfileTreeRules;

namespace {

class NoWindows : public IWorkViewManager {
public:
    IPartGridView* FindPartView(const QString&, const QString&) override { return nullptr; }
    IPartGridView* OpenPartView(int, CPELFM_PartInfo*) override { return nullptr; }
    void UpdatePartViewTitle(const QString&, const QString&) override {}
    void ClosePartView(CPELFM_PartInfo*) override {}
    void CloseSectionViews(CPELFM_SectionInfo*) override {}
};

// The commands run for real against the view and a profile in memory.
class ProfileViewTest : public ::testing::Test, public ICommandFrame {
protected:
    void SetUp() override {
        utility.SetStringSource(&TreeTestStrings());
        utility.SetMessagePresenter(&messages);
        auto* root = new CPELFM_ProfileInfo;
        AddPart(*AddSection(*root, "File", SECTION_FILE), "FileInfo", PART_FILE_INFO);
        CPELFM_SectionInfo* device = AddSection(*root, "Dev", SECTION_DEVICE);
        AddPart(*device, "DevInfo", PART_DEVICE_INFO);
        AddPart(*device, "Stray", PART_ENUM);
        blockA = AddSection(*root, "A", SECTION_BLOCK);
        a1 = AddPart(*blockA, "a1", PART_BLOCK_MEMORY, "m");
        a2 = AddPart(*blockA, "a2", PART_BLOCK_PARAM);
        blockB = AddSection(*root, "B", SECTION_BLOCK);
        b1 = AddPart(*blockB, "b1", PART_ENUM);
        blockA->expanded = blockB->expanded = 1;
        utility.openProfile = root;
        utility.fileOpen = 1;
        RegisterAllCommands();
        SetCommandEnvironment({&services, this});
        view.resize(400, 600);
        view.show();
        view.RebuildProfileTree();
    }
    void TearDown() override {
        GetCommandManager()->Clear();
        SetCommandEnvironment({});
    }

    IWorkViewManager& WorkViews() override { return windows; }
    IProfileTreePane& ProfileTree() override { return view; }

    QTreeWidgetItem* Item(CPELFM_NodeBase* node) {
        return reinterpret_cast<QTreeWidgetItem*>(view.FindTreeItemOfNode(node));
    }
    QStringList Children(QTreeWidgetItem* item) {
        QStringList texts;
        for (int i = 0; item && i < item->childCount(); ++i) texts << item->child(i)->text(0);
        return texts;
    }
    QPoint Upper(QTreeWidgetItem* item) { return view.Tree().visualItemRect(item).center() - QPoint(0, 3); }
    QPoint Lower(QTreeWidgetItem* item) { return view.Tree().visualItemRect(item).center() + QPoint(0, 3); }
    void Select(CPELFM_NodeBase* node) { view.Tree().setCurrentItem(Item(node)); }

    ScriptedMessagePresenter messages;
    CCommonUtility utility{QStringLiteral("/nowhere")};
    CommonUtilityCommandServices services{utility};
    NoWindows windows;
    CProfileView view{utility};
    CPELFM_SectionInfo *blockA = nullptr, *blockB = nullptr;
    CPELFM_PartInfo *a1 = nullptr, *a2 = nullptr, *b1 = nullptr;
};

TEST_F(ProfileViewTest, ShowsGroupsSectionsAndTheirOwnParts) {
    QTreeWidgetItem* root = view.Tree().topLevelItem(0);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->text(0), " []()");
    EXPECT_TRUE(root->font(0).bold());
    EXPECT_EQ(Children(root), (QStringList{"FILE", "DEVICE", "COMM_IF", "BLOCK"}));
    // The DEVICE section hides its ENUM part.
    EXPECT_EQ(Children(root->child(1)->child(0)), QStringList{"DevInfo () [DEVICE_INFO]"});
    EXPECT_EQ(Children(root->child(3)), (QStringList{"A () [BLOCK]", "B () [BLOCK]"}));
    EXPECT_EQ(Children(Item(blockA)), (QStringList{"a1 (m) [BLOCK_MEMORY]", "a2 () [BLOCK_PARAM]"}));
    EXPECT_EQ(CProfileTree::ImageOf(Item(b1)), IMAGE_FOREIGN_PART);
    EXPECT_EQ(CProfileTree::ImageOf(Item(a1)), IMAGE_PART);
    EXPECT_EQ(CProfileTree::ImageOf(root->child(3)), IMAGE_GROUP);
    EXPECT_EQ(CProfileTree::NodeOf(Item(blockA)), blockA);
}

TEST_F(ProfileViewTest, ExpansionAndSelectionSurviveARebuild) {
    Item(blockA)->setExpanded(false);
    view.Tree().topLevelItem(0)->child(0)->setExpanded(false);  // FILE group
    view.RememberTreeSelection(b1);
    view.RebuildProfileTree();
    EXPECT_FALSE(Item(blockA)->isExpanded());
    EXPECT_TRUE(Item(blockB)->isExpanded());
    EXPECT_FALSE(view.Tree().topLevelItem(0)->child(0)->isExpanded());
    EXPECT_TRUE(view.Tree().topLevelItem(0)->child(3)->isExpanded());
    EXPECT_EQ(view.SelectedNode(), b1);
    // Nothing remembered that exists: the root is selected.
    view.RememberTreeSelection(nullptr);
    view.RebuildProfileTree();
    EXPECT_EQ(view.Tree().currentItem(), view.Tree().topLevelItem(0));
}

TEST_F(ProfileViewTest, PasteStopsOnceTheCopiedSectionIsDeleted) {
    Select(blockA);
    ASSERT_TRUE(view.Action(CProfileView::ID_COPY_NODE)->isEnabled());
    view.Action(CProfileView::ID_COPY_NODE)->trigger();
    EXPECT_EQ(utility.clipboardKind, 1);
    view.Tree().setCurrentItem(view.Tree().topLevelItem(0)->child(3));  // BLOCK group
    EXPECT_TRUE(view.Action(CProfileView::ID_PASTE_NODE)->isEnabled());
    view.Tree().setCurrentItem(view.Tree().topLevelItem(0)->child(2));  // COMM_IF group
    EXPECT_FALSE(view.Action(CProfileView::ID_PASTE_NODE)->isEnabled());

    messages.QueueAnswer(IDYES);
    Select(blockA);
    view.Action(CProfileView::ID_DELETE_NODE)->trigger();
    ASSERT_EQ(utility.openProfile->sections.size(), 3);
    EXPECT_EQ(messages.Calls().last().text, "Delete the section A?");
    EXPECT_EQ(utility.clipboardKind, 0);
    view.Tree().setCurrentItem(view.Tree().topLevelItem(0)->child(3));
    EXPECT_FALSE(view.Action(CProfileView::ID_PASTE_NODE)->isEnabled());
    view.PasteNode();
    EXPECT_EQ(utility.openProfile->sections.size(), 3);
    // The delete's undo brings the section back, but not the copy.
    GetCommandManager()->Undo();
    EXPECT_EQ(utility.openProfile->sections.size(), 4);
    EXPECT_FALSE(view.CanPasteNode());
}

TEST_F(ProfileViewTest, APastedPartIsACopyOfTheStateWhenCopied) {
    AddItem(*AddElem(*a1, "E1"), DATA, {"1"});
    Select(a1);
    view.CopySelectedNode();
    a1->name = "renamed";
    Select(blockB);
    ASSERT_TRUE(view.CanPasteNode());
    view.PasteNode();
    ASSERT_EQ(blockB->parts.size(), 2);
    EXPECT_EQ(blockB->parts.last()->name, "a1");
    EXPECT_EQ(blockB->parts.last()->ElemCount(), 1);
    EXPECT_EQ(view.SelectedNode(), blockB->parts.last());
    // The copy outlives the undone paste and the original's removal.
    GetCommandManager()->Undo();
    GetCommandManager()->Clear();
    EXPECT_TRUE(view.CanPasteNode());
    view.PasteNode();
    EXPECT_EQ(blockB->parts.size(), 2);
}

TEST_F(ProfileViewTest, DropsFollowTheRulesAndMoveThroughTheCommand) {
    CProfileTree& tree = view.Tree();
    // A part on the upper half of the first part of its own section becomes the first.
    ASSERT_TRUE(tree.BeginDrag(Item(a2)));
    tree.TrackDrag(Upper(Item(a1)));
    EXPECT_TRUE(tree.DropMarkerAllowed());
    EXPECT_TRUE(tree.EndDrag(Upper(Item(a1))));
    EXPECT_EQ(blockA->parts, (QList<CPELFM_PartInfo*>{a2, a1}));
    EXPECT_TRUE(GetCommandManager()->CanUndo());

    // A part on a part of another section is refused and nothing moves.
    ASSERT_TRUE(tree.BeginDrag(Item(a1)));
    tree.TrackDrag(Lower(Item(b1)));
    EXPECT_FALSE(tree.DropMarkerAllowed());
    EXPECT_FALSE(tree.EndDrag(Lower(Item(b1))));
    EXPECT_EQ(blockA->parts, (QList<CPELFM_PartInfo*>{a2, a1}));

    // A section above the first section of its group becomes the first.
    ASSERT_TRUE(tree.BeginDrag(Item(blockB)));
    EXPECT_TRUE(tree.EndDrag(Upper(Item(blockA))));
    QList<CPELFM_SectionInfo*> blocks;
    utility.openProfile->GetSectionsByType(blocks, SECTION_BLOCK);
    EXPECT_EQ(blocks, (QList<CPELFM_SectionInfo*>{blockB, blockA}));

    // The root and the groups are not dragged.
    EXPECT_FALSE(tree.BeginDrag(tree.topLevelItem(0)));
    EXPECT_FALSE(tree.BeginDrag(tree.topLevelItem(0)->child(3)));
}

TEST_F(ProfileViewTest, EnterOpensAPartAndDoubleClickTogglesASection) {
    QList<CPELFM_PartInfo*> opened;
    view.openPart = [&](CPELFM_PartInfo* part) { opened.append(part); };
    Select(a1);
    QTest::keyClick(&view.Tree(), Qt::Key_Return);
    EXPECT_EQ(opened, QList<CPELFM_PartInfo*>{a1});
    Select(blockA);
    QTreeWidgetItem* item = Item(blockA);
    ASSERT_TRUE(item->isExpanded());
    QTest::mouseDClick(view.Tree().viewport(), Qt::LeftButton, {}, view.Tree().visualItemRect(item).center());
    EXPECT_FALSE(item->isExpanded());
    EXPECT_EQ(opened.size(), 1);
}

TEST_F(ProfileViewTest, ToolTipsShowMarkupAsText) {
    blockA->name = "A<b>x</b>";
    view.RebuildProfileTree();
    QTreeWidgetItem* item = Item(blockA);
    EXPECT_EQ(item->text(0), "A<b>x</b> () [BLOCK]");
    const QPoint pos = view.Tree().visualItemRect(item).center();
    QHelpEvent help(QEvent::ToolTip, pos, view.Tree().viewport()->mapToGlobal(pos));
    QApplication::sendEvent(view.Tree().viewport(), &help);
    EXPECT_TRUE(QToolTip::text().contains("A&lt;b&gt;x&lt;/b&gt;")) << QToolTip::text().toStdString();
}

TEST_F(ProfileViewTest, TheSortChoiceIsMarkedAndLeavesTheOrder) {
    EXPECT_TRUE(view.Action(CProfileView::ID_SORT_FIRST)->isChecked());
    view.Action(147)->trigger();
    EXPECT_EQ(view.SortChoice(), 147);
    EXPECT_FALSE(view.Action(CProfileView::ID_SORT_FIRST)->isChecked());
    view.RebuildProfileTree();
    EXPECT_EQ(Children(Item(blockA)), (QStringList{"a1 (m) [BLOCK_MEMORY]", "a2 () [BLOCK_PARAM]"}));
}

TEST_F(ProfileViewTest, TheRootTextFollowsTheHeaderValues) {
    CPELFM_SectionInfo* device = utility.openProfile->sections[1];
    AddItem(*AddElem(*device->parts.first(), "DeviceModel"), DATA, {"M-2"});
    view.RefreshProfileRoot();
    EXPECT_EQ(view.Tree().topLevelItem(0)->text(0), "M-2 []()");
}

TEST_F(ProfileViewTest, ClosingTheFileForgetsTheCopy) {
    Select(a1);
    view.CopySelectedNode();
    view.ClearTree();
    EXPECT_EQ(view.CopiedNode(), nullptr);
    EXPECT_EQ(utility.clipboardKind, 0);
    EXPECT_EQ(view.Tree().topLevelItemCount(), 0);
}

}  // namespace
