#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include "COutputList.h"
#include "COutputWnd.h"
#include "CheckMessageMetaType.h"
#include "CommandIds.h"
#include "UiTestSupport.h"

using namespace UiTest;

namespace {

class OutputPaneTest : public ::testing::Test {
protected:
    OutputPaneTest() : pane(TestStrings()) {
        pane.resize(600, 300);
        pane.show();
        pane.ShowCheckResults("summary", {Finding(0, "first", "S1", "P1", 4, 6), Finding(1, "second", "S2"),
                                          Finding(0, "third", "S3", "P3")});
    }

    QList<_ST_PEL_CHECK_MESSAGE> Activations(const std::function<void()>& action) {
        QList<_ST_PEL_CHECK_MESSAGE> found;
        auto connection = QObject::connect(&pane, &COutputWnd::findingActivated,
                                           [&found](const _ST_PEL_CHECK_MESSAGE& f) { found.append(f); });
        action();
        QObject::disconnect(connection);
        return found;
    }

    // A real double click: press and release, then the double-click event.
    void DoubleClick(int line) {
        QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, LineCenter(line));
        QTest::mouseDClick(list().viewport(), Qt::LeftButton, {}, LineCenter(line));
    }

    QPoint LineCenter(int line) { return list().visualItemRect(list().item(line)).center(); }
    COutputList& list() { return pane.List(); }

    COutputWnd pane;
};

TEST_F(OutputPaneTest, SummaryFirstThenOneLinePerFinding) {
    ASSERT_EQ(list().count(), 4);
    EXPECT_EQ(list().item(0)->text(), "summary");
    EXPECT_EQ(list().item(2)->text(), "second");
    EXPECT_EQ(pane.windowTitle(), "Output");
    EXPECT_EQ(pane.Tabs().tabText(0), "Results");
    EXPECT_EQ(pane.Tabs().tabPosition(), QTabWidget::South);
}

TEST_F(OutputPaneTest, LinesKeepTheirFindingEvenAfterOthersAreRemoved) {
    delete list().takeItem(1);
    _ST_PEL_CHECK_MESSAGE finding;
    ASSERT_TRUE(list().FindingOfLine(1, finding));
    EXPECT_EQ(finding.text, "second");
    EXPECT_EQ(finding.sectionLabel, "S2");
    EXPECT_FALSE(list().FindingOfLine(0, finding));
    EXPECT_FALSE(list().FindingOfLine(7, finding));
}

TEST_F(OutputPaneTest, DoubleClickOnAFindingJumpsToIt) {
    const auto found = Activations([&] { DoubleClick(1); });
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].sectionLabel, "S1");
    EXPECT_EQ(found[0].partLabel, "P1");
    EXPECT_EQ(found[0].elementIndex, 4);
    EXPECT_EQ(found[0].itemKind, 6);
}

TEST_F(OutputPaneTest, DoubleClickOnTheSummaryDoesNothing) {
    const auto found = Activations([&] { DoubleClick(0); });
    EXPECT_TRUE(found.isEmpty());
}

TEST_F(OutputPaneTest, EnterJumpsToTheCurrentLine) {
    list().setCurrentRow(3);
    const auto found = Activations([&] { QTest::keyClick(&list(), Qt::Key_Return); });
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].text, "third");
}

TEST_F(OutputPaneTest, SelectAllThenCopyPutsEveryLineOnTheClipboard) {
    QTest::keyClick(&list(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&list(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "summary\r\nfirst\r\nsecond\r\nthird\r\n");
}

TEST_F(OutputPaneTest, CopyTakesTheSelectedLinesInOrder) {
    list().item(3)->setSelected(true);
    list().item(1)->setSelected(true);
    EXPECT_EQ(list().SelectedLinesText(), "first\r\nthird\r\n");
}

TEST_F(OutputPaneTest, ClickSelectsOneLineAndCtrlClickAddsOne) {
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, LineCenter(1));
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, LineCenter(2));
    EXPECT_EQ(list().SelectedLinesText(), "second\r\n");
    QTest::mouseClick(list().viewport(), Qt::LeftButton, Qt::ControlModifier, LineCenter(3));
    EXPECT_EQ(list().SelectedLinesText(), "second\r\nthird\r\n");
    QTest::mouseClick(list().viewport(), Qt::LeftButton, Qt::ShiftModifier, LineCenter(0));
    EXPECT_EQ(list().SelectedLinesText(), "summary\r\nfirst\r\nsecond\r\nthird\r\n");
}

TEST_F(OutputPaneTest, ContextMenuCopiesClearsAndHides) {
    QMenu menu;
    list().FillContextMenu(menu);
    QList<int> ids;
    QAction* clear = nullptr;
    QAction* hide = nullptr;
    for (QAction* action : menu.actions()) {
        if (action->isSeparator()) continue;
        ids.append(action->data().toInt());
        if (action->data().toInt() == ID_OUTPUT_CLEAR) clear = action;
        if (action->data().toInt() == ID_PANE_OUTPUT) hide = action;
    }
    EXPECT_EQ(ids, (QList<int>{ID_OUTPUT_COPY, ID_OUTPUT_CLEAR, ID_PANE_OUTPUT}));
    EXPECT_EQ(menu.actions().first()->text(), "&Copy");
    ASSERT_TRUE(clear && hide);
    clear->trigger();
    EXPECT_EQ(list().count(), 0);
    hide->trigger();
    EXPECT_FALSE(pane.isVisible());
}

TEST_F(OutputPaneTest, NewResultsReplaceTheOldLines) {
    pane.ShowCheckResults("again", {});
    ASSERT_EQ(list().count(), 1);
    EXPECT_EQ(list().item(0)->text(), "again");
}

}  // namespace
