// The grid control's roles and events, without a part view.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QStyledItemDelegate>
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

// Notes the longest text a cell gives the style to lay out.
struct CellTextStyle : QProxyStyle {
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (auto* cell = qstyleoption_cast<const QStyleOptionViewItem*>(option);
            cell && element == CE_ItemViewItem)
            longest = std::max(longest, cell->text.size());
        QProxyStyle::drawControl(element, option, painter, widget);
    }
    mutable qsizetype longest = 0;
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
    CellTextStyle style;
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

// A cell lays out what fits in it, and looks as Qt's own delegate draws its whole text.
TEST_F(GridControlTest, CellsLayOutWhatFitsAndLookAsBefore) {
    const QString comment = ("コメント 12 / 0 " + QString(40, '.') + "\n").repeated(900);
    const struct {
        QString text;
        int lines, width, atMost;  // lines of the row, pixels of the column, characters given to the style
    } cases[] = {{"Speed", 1, 100, 5},
                 {"a,\r\nb,\r\nc", 3, 100, 7},
                 {"one\ntwo\nthree\nfour\nfive\nsix", 1, 100, 19},
                 {QString(60, 'n') + "\n" + QString(60, 'm'), 2, 80, 121},
                 {comment, 1, 150, 1000},
                 {comment, 3, 400, 1000},
                 {QString(100000, 'W'), 2, 120, 1000},
                 {QString::fromUtf16(u"\U0001F600").repeated(3000), 1, 100, 1000},
                 {"a\rb\tc\n" + QString(5000, 'x'), 3, 100, 1000}};
    grid.setStyle(&style);
    QStyledItemDelegate qtOwn;
    QAbstractItemDelegate* own = grid.itemDelegate();
    for (const auto& c : cases) {
        grid.SetTextMatrix(1, 1, c.text);
        grid.setRowHeight(0, c.lines * grid.fontMetrics().lineSpacing() + 4);
        grid.setColumnWidth(0, c.width);
        style.longest = 0;
        const QImage drawn = grid.viewport()->grab().toImage();
        EXPECT_LE(style.longest, c.atMost) << c.text.first(20).toStdString();
        grid.setItemDelegate(&qtOwn);
        EXPECT_TRUE(drawn == grid.viewport()->grab().toImage()) << c.text.first(20).toStdString();
        grid.setItemDelegate(own);
    }
}

// After the focus comes and goes the grid shows what it draws afresh, whatever its palette.
TEST_F(GridControlTest, FocusChangesShowAsDrawnAfresh) {
    grid.Select(1, 2, 2, 3);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
    for (const QColor& inactive : {grid.palette().color(QPalette::Highlight), QColor(Qt::red)}) {
        QPalette palette = grid.palette();
        palette.setColor(QPalette::Inactive, QPalette::Highlight, inactive);
        grid.setPalette(palette);
        for (bool focus : {true, false, true}) {
            focus ? grid.setFocus() : grid.clearFocus();
            QApplication::processEvents();
            EXPECT_TRUE(grid.screen()->grabWindow(grid.winId()).toImage() == grid.grab().toImage()) << focus;
        }
    }
}

// As the grid is resized, a long value's column and every editor stay within the visible area; a short
// value's column keeps its width, and one widened by hand stays as wide.
TEST_F(GridControlTest, ColumnsAndEditorsStayWithinTheVisibleArea) {
    const QString texts[] = {"short", QString(20000, 'L'), "widened"};
    for (int c = 1; c <= 3; ++c) grid.SetTextMatrix(1, c, texts[c - 1]);
    grid.AutoSize(1, 3);
    const int fitted[] = {grid.columnWidth(0), 0, 5000};
    grid.horizontalHeader()->resizeSection(2, 5000);
    for (int width : {600, 300, 900}) {
        grid.resize(width, 300);
        const QRect visible = grid.viewport()->rect();
        for (int c = 1; c <= 3; ++c) {
            EXPECT_EQ(grid.columnWidth(c - 1), fitted[c - 1] ? fitted[c - 1] : visible.width()) << width;
            grid.Select(1, c, 1, c);
            QTest::keyClick(&grid, Qt::Key_F2);
            ASSERT_NE(grid.ActiveEditor(), nullptr);
            EXPECT_TRUE(visible.contains(grid.ActiveEditor()->geometry())) << width << " " << c;
            QTest::keyClick(grid.ActiveEditor(), Qt::Key_Escape);
        }
    }
    grid.resizeColumnToContents(1);  // a double click on its edge
    EXPECT_EQ(grid.columnWidth(1), grid.viewport()->width());
}

}  // namespace
