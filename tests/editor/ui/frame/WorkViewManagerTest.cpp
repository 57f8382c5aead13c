#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "CChildFrame.h"
#include "CWorkViewManager.h"
#include "InvalidArgumentError.h"
#include "NodeMoveHelpers.h"
#include "UiTestSupport.h"

using namespace UiTest;

namespace {

class WorkViewManagerTest : public ::testing::Test {
protected:
    WorkViewManagerTest() : manager(area) {
        area.setViewMode(QMdiArea::TabbedView);
        area.resize(800, 600);
        area.show();
        manager.SetViewFactory(&factory);
        blockA = AddSection(root, "BlockA", SECTION_BLOCK);
        blockB = AddSection(root, "BlockB", SECTION_BLOCK);
        infoA = AddPart(*blockA, "Info", PART_BLOCK_INFO);
        paramA = AddPart(*blockA, "Param", PART_BLOCK_PARAM);
        infoB = AddPart(*blockB, "Info", PART_BLOCK_INFO);
    }

    // Lets closed windows go, as the event loop does between user actions.
    static void Settle() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    QStringList OpenTitles() {
        QStringList titles;
        for (CChildFrame* frame : manager.OpenFrames()) titles.append(frame->windowTitle());
        return titles;
    }

    QMdiArea area;
    CWorkViewManager manager;
    FakeWorkViewFactory factory;
    CPELFM_ProfileInfo root;
    CPELFM_SectionInfo* blockA;
    CPELFM_SectionInfo* blockB;
    CPELFM_PartInfo* infoA;
    CPELFM_PartInfo* paramA;
    CPELFM_PartInfo* infoB;
};

TEST_F(WorkViewManagerTest, OpeningAnOpenPartBringsItForwardWithoutASecondWindow) {
    IWorkView* first = manager.OpenPartView(0, infoA);
    manager.OpenPartView(0, paramA);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(manager.OpenPartView(0, infoA), first);
    EXPECT_EQ(factory.created.size(), 2);
    EXPECT_EQ(area.activeSubWindow(), first->Widget()->parentWidget());
    EXPECT_EQ(factory.created[0]->part, infoA);
}

TEST_F(WorkViewManagerTest, RefillFlagDecidesWhetherAnOpenGridIsFilledAgain) {
    manager.OpenPartView(0, infoA);
    FakeWorkView* view = factory.created[0];
    EXPECT_EQ(view->fills, 1);
    manager.OpenPartView(0, infoA);
    EXPECT_EQ(view->fills, 1);
    manager.OpenPartView(1, infoA);
    EXPECT_EQ(view->fills, 2);
}

TEST_F(WorkViewManagerTest, PartsOfTheSameNameGetTheirOwnWindows) {
    CPELFM_PartInfo* twin = AddPart(*blockA, "Info", PART_BLOCK_INFO);
    IWorkView* a = manager.OpenPartView(0, infoA);
    IWorkView* b = manager.OpenPartView(0, infoB);
    IWorkView* c = manager.OpenPartView(0, twin);
    EXPECT_NE(a, b);
    EXPECT_NE(a, c);
    EXPECT_EQ(factory.created.size(), 3);
    EXPECT_EQ(manager.FindPartViewOf(infoA), a);
    EXPECT_EQ(manager.FindPartViewOf(twin), c);
}

TEST_F(WorkViewManagerTest, RenamedPartKeepsItsWindowAndShowsTheNewName) {
    IWorkView* view = manager.OpenPartView(0, infoA);
    infoA->name = "Renamed";
    blockA->name = "BlockRenamed";
    manager.UpdatePartViewTitleOf(infoA);
    EXPECT_EQ(view->Widget()->parentWidget()->windowTitle(), "Renamed");
    EXPECT_EQ(manager.FindPartViewOf(infoA), view);
    EXPECT_EQ(manager.OpenPartView(0, infoA), view);
    EXPECT_EQ(factory.created.size(), 1);
}

TEST_F(WorkViewManagerTest, CommandsFindWindowsByTheCurrentNamesWithCase) {
    IWorkView* a = manager.OpenPartView(0, infoA);
    IWorkView* b = manager.OpenPartView(0, infoB);
    EXPECT_EQ(manager.FindPartView("BlockA", "Info"), a);
    EXPECT_EQ(manager.FindPartView("BlockB", "Info"), b);
    EXPECT_EQ(manager.FindPartView("blocka", "Info"), nullptr);
    infoA->name = "Renamed";
    manager.UpdatePartViewTitle("BlockA", "Renamed");
    EXPECT_EQ(a->Widget()->parentWidget()->windowTitle(), "Renamed");
    EXPECT_EQ(manager.FindPartView("BlockA", "Renamed"), a);
    EXPECT_EQ(manager.FindPartView("BlockA", "Info"), nullptr);
}

TEST_F(WorkViewManagerTest, ClosingASectionsViewsClosesOnlyThose) {
    manager.OpenPartView(0, infoA);
    manager.OpenPartView(0, infoB);
    manager.OpenPartView(0, paramA);
    manager.CloseSectionViews(blockA);
    EXPECT_EQ(manager.FindPartViewOf(infoA), nullptr);
    EXPECT_EQ(manager.FindPartViewOf(paramA), nullptr);
    EXPECT_NE(manager.FindPartViewOf(infoB), nullptr);
    Settle();
    EXPECT_EQ(area.subWindowList().size(), 1);
    EXPECT_EQ(OpenTitles(), QStringList{"Info"});
}

TEST_F(WorkViewManagerTest, ClosingWindowIsNotFoundWhileItLingers) {
    manager.OpenPartView(0, infoA);
    manager.ClosePartView(infoA);
    // Not yet deleted, but a new open must give a fresh window.
    IWorkView* reopened = manager.OpenPartView(0, infoA);
    EXPECT_EQ(factory.created.size(), 2);
    EXPECT_EQ(reopened, factory.created[1]);
    Settle();
    EXPECT_EQ(manager.OpenFrames().size(), 1);
}

TEST_F(WorkViewManagerTest, NothingToDoForNullOrUnopenedNodes) {
    manager.ClosePartView(infoA);
    manager.CloseSectionViews(nullptr);
    EXPECT_EQ(manager.OpenPartView(0, nullptr), nullptr);
    EXPECT_EQ(manager.FindPartViewOf(infoA), nullptr);
}

TEST_F(WorkViewManagerTest, FindsThePartOfAFrame) {
    IWorkView* view = manager.OpenPartView(0, paramA);
    auto* frame = qobject_cast<QMdiSubWindow*>(view->Widget()->parentWidget());
    EXPECT_EQ(manager.FindPartOfFrame(frame), paramA);
    QMdiSubWindow other;
    EXPECT_EQ(manager.FindPartOfFrame(&other), nullptr);
}

TEST_F(WorkViewManagerTest, WithoutAViewFactoryNoWindowOpens) {
    manager.SetViewFactory(nullptr);
    EXPECT_EQ(manager.OpenPartView(0, infoA), nullptr);
    EXPECT_TRUE(area.subWindowList().isEmpty());
}

TEST(NodeMoveHelpers, RemovePartAtTakesOutWithoutDeleting) {
    CPELFM_ProfileInfo root;
    CPELFM_SectionInfo* section = AddSection(root, "S", SECTION_BLOCK);
    CPELFM_PartInfo* first = AddPart(*section, "A", PART_BLOCK_INFO);
    CPELFM_PartInfo* second = AddPart(*section, "B", PART_BLOCK_INFO);
    RemovePartAt(0, *section);
    EXPECT_EQ(section->parts, QList<CPELFM_PartInfo*>{second});
    EXPECT_THROW(RemovePartAt(1, *section), InvalidArgumentError);
    EXPECT_THROW(RemovePartAt(-1, *section), InvalidArgumentError);
    delete first;
}

TEST(NodeMoveHelpers, FindSectionIndexByTypeTakesTheFirst) {
    CPELFM_ProfileInfo root;
    AddSection(root, "F", SECTION_FILE);
    AddSection(root, "B1", SECTION_BLOCK);
    AddSection(root, "B2", SECTION_BLOCK);
    EXPECT_EQ(FindSectionIndexByType(root, SECTION_BLOCK), 1);
    EXPECT_EQ(FindSectionIndexByType(root, SECTION_FILE), 0);
    EXPECT_EQ(FindSectionIndexByType(root, SECTION_COMM_IF), -1);
}

}  // namespace
