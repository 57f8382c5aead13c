// The grid control's roles and events, without a part view.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTest>

#include "CVsflexgridn.h"
#include "GridTableModel.h"
#include "IGridEventSink.h"
#include "PrintQString.h"

namespace {

struct RecordingSink : IGridEventSink {
    void BeforeEdit(int row, int col, bool& cancel) override {
        log << QString("before %1,%2").arg(row).arg(col);
        cancel = cancelBefore;
    }
    void StartEdit(int row, int col, bool& cancel) override {
        log << QString("start %1,%2").arg(row).arg(col);
        cancel = cancelStart;
    }
    void AfterEdit(int row, int col, bool committed) override {
        log << QString("after %1,%2 %3").arg(row).arg(col).arg(committed ? "commit" : "revert");
    }
    void CellButtonClick(int row, int col) override { log << QString("button %1,%2").arg(row).arg(col); }
    void CellChanged(int row, int col) override { log << QString("changed %1,%2").arg(row).arg(col); }
    void KeyDown(int& key, Qt::KeyboardModifiers) override {
        if (key == Qt::Key_Delete) {
            log << "delete";
            key = 0;
        }
    }
    void MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, QPointF) override {}
    void MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, QPointF) override {}
    void ContextMenuKey() override { log << "menu key"; }
    QStringList log;
    bool cancelBefore = false;
    bool cancelStart = false;
};

class GridControlTest : public ::testing::Test {
protected:
    GridControlTest() {
        grid.SetCols(4);
        grid.SetRows(3);
        grid.SetEventSink(&sink);
        grid.resize(600, 300);
        grid.show();
    }
    void Edit(int row, int col, const QString& typed, Qt::Key end) {
        grid.Select(row, col, row, col);
        sink.log.clear();
        QTest::keyClick(&grid, Qt::Key_F2);
        if (QWidget* editor = grid.ActiveEditor()) {
            QTest::keyClicks(editor, typed);
            QTest::keyClick(editor, end);
        }
    }
    RecordingSink sink;  // outlives the grid
    CVsflexgridn grid;
};

TEST_F(GridControlTest, HeadersAreRowZeroAndColumnZero) {
    grid.SetTextMatrix(0, 2, "NAME");
    grid.SetTextMatrix(2, 3, "x");
    EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal).toString(), "NAME");
    EXPECT_EQ(grid.model()->index(1, 2).data().toString(), "x");
    EXPECT_EQ(grid.GetTextMatrix(2, 0), "2");
    EXPECT_EQ(grid.GetTextMatrix(3, 1), "");  // outside
    grid.SetTextMatrix(7, 1, "ignored");
    grid.SetCurrentCell(0, 0);
    EXPECT_EQ(grid.GetRow(), 0);
    EXPECT_EQ(grid.GetCol(), 0);
    EXPECT_FALSE(grid.GetSelection().Contains(1, 1));
    grid.Select(0, 0, 9, 9);
    EXPECT_EQ(grid.GetSelection(), (GridRange{1, 1, 2, 3}));
    EXPECT_EQ(grid.GetRow(), 1);
}

TEST_F(GridControlTest, EditEventsTellCommitFromRevert) {
    Edit(1, 2, "abc", Qt::Key_Return);
    EXPECT_EQ(sink.log, QStringList({"before 1,2", "start 1,2", "changed 1,2", "after 1,2 commit"}));
    EXPECT_EQ(grid.GetTextMatrix(1, 2), "abc");

    Edit(1, 2, "zzz", Qt::Key_Escape);
    EXPECT_EQ(sink.log, QStringList({"before 1,2", "start 1,2", "after 1,2 revert"}));
    EXPECT_EQ(grid.GetTextMatrix(1, 2), "abc");

    sink.cancelStart = true;
    Edit(2, 1, "q", Qt::Key_Return);
    EXPECT_EQ(sink.log, QStringList({"before 2,1", "start 2,1"}));
    EXPECT_FALSE(grid.IsEditing());
}

TEST_F(GridControlTest, CellChangedForWrittenTextsAndKeysGoToTheSink) {
    sink.log.clear();
    grid.SetTextMatrix(2, 2, "v");
    grid.SetRedraw(false);
    grid.SetTextMatrix(1, 1, "w");
    grid.SetRedraw(true);
    grid.Select(1, 1, 1, 1);
    sink.log.clear();
    QTest::keyClick(&grid, Qt::Key_Delete);
    EXPECT_EQ(sink.log, QStringList({"delete"}));
    EXPECT_EQ(grid.model()->index(0, 0).data().toString(), "w");

    grid.SetComboList("|...");
    const QRect cell = grid.visualRect(grid.model()->index(0, 0));
    sink.log.clear();
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.topRight() + QPoint(-2, 2));
    EXPECT_TRUE(sink.log.contains("button 1,1")) << sink.log.join(";").toStdString();
}

}  // namespace
