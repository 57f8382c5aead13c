// The connection list and its grid driven offscreen.
#include <gmock/gmock.h>

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include "CConnectionInfoListDlg.h"
#include "CVsflexgridn2.h"
#include "ConnInfoSessionFixture.h"

using namespace ConnInfoTest;
using namespace ConnInfo;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

struct Selection {
    int row, col, endRow, endCol;
    bool operator==(const Selection&) const = default;
};

Selection SelectionOf(CVsflexgridn2& grid) {
    Selection s{};
    grid.GetSelection(s.row, s.col, s.endRow, s.endCol);
    return s;
}

void PressCell(CVsflexgridn2& grid, int row, int col, Qt::MouseButton button = Qt::LeftButton) {
    const QRect cell = grid.visualRect(grid.model()->index(row - 1, col - 1));
    QTest::mousePress(grid.viewport(), button, {}, cell.center());
    QTest::mouseRelease(grid.viewport(), button, {}, cell.center());
}

class ListDlgTest : public SessionFixture {
protected:
    // Runs the list with the step; the result of the list's run.
    int RunList(std::function<void(CConnectionInfoListDlg&)> step) {
        presenter.OnNextDialog([step](QDialog& d) { step(static_cast<CConnectionInfoListDlg&>(d)); });
        list = std::make_unique<CConnectionInfoListDlg>(nullptr, session);
        return list->Run();
    }
    void AddThree() {
        AddConnection(device, "Conn1", "QDTX", "1", {}, "first");
        AddConnection(device, "Conn2", "RDB", "1");
        AddConnection(device, "Conn3", "LOG_CSV", "2");
        Load();
    }
    std::unique_ptr<CConnectionInfoListDlg> list;
};

TEST_F(ListDlgTest, TheGridShowsOneRowPerConnection) {
    AddPart(device, PART_DEVICE_INFO, "Info");
    AddThree();
    RunList([](CConnectionInfoListDlg& d) {
        CVsflexgridn2& g = *d.Grid();
        EXPECT_EQ(d.windowTitle(), U("接続情報設定"));
        EXPECT_EQ(g.Rows(), 4);
        EXPECT_EQ(g.Cols(), 6);
        QStringList headers;
        for (int c = 1; c < 6; ++c) headers.append(g.TextMatrix(0, c));
        EXPECT_THAT(headers, ElementsAre(U("接続ラベル名"), U("コメント"), U("プロトコル種別"),
                                         U("プロトコルバージョン"), U("詳細")));
        QStringList row1, row3;
        for (int c = 0; c < 5; ++c) {
            row1.append(g.TextMatrix(1, c));
            row3.append(g.TextMatrix(3, c));
        }
        EXPECT_THAT(row1, ElementsAre("1", "Conn1", "first", "QDTX", "1"));
        EXPECT_THAT(row3, ElementsAre("3", "Conn3", "", "LOG_CSV", "2"));
        EXPECT_EQ(g.ColWidth(1), 1500);
        EXPECT_EQ(g.ColWidth(0), 600);
        EXPECT_EQ(SelectionOf(g), (Selection{1, 1, 1, 5}));
        EXPECT_EQ(d.size(), QSize(600, 345));
        d.reject();
    });
}

TEST_F(ListDlgTest, AnEmptyListHasNothingToDeleteSelectOrOpen) {
    Load();
    RunList([this](CConnectionInfoListDlg& d) {
        EXPECT_EQ(d.Grid()->Rows(), 1);
        d.DeleteSelected();
        d.SelectAll();
        d.OpenSelected();
        QTest::mousePress(d.Grid()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        d.reject();
        EXPECT_THAT(presenter.boxes, IsEmpty());
        ASSERT_EQ(presenter.menus.size(), 1);
        const QList<PopupMenuEntry>& menu = presenter.menus[0];
        ASSERT_EQ(menu.size(), 2);
        EXPECT_EQ(menu[0].id, ID_EDIT_CLEAR);
        EXPECT_EQ(menu[0].text, U("削除(&D)"));
        EXPECT_FALSE(menu[0].enabled);
        EXPECT_EQ(menu[1].text, U("全選択(&A)"));
        EXPECT_FALSE(menu[1].enabled);
    });
}

TEST_F(ListDlgTest, OkWithoutAChangeEndsAsCancelled) {
    AddThree();
    presenter.OnDialog([](QDialog& d) { Click(d, IDC_OK); });  // the detail dialog
    EXPECT_EQ(RunList([](CConnectionInfoListDlg& d) {
                  d.OpenSelected();
                  EXPECT_EQ(d.IsModified(), 0);
                  Click(d, IDC_OK);
              }),
              kNothing);
    EXPECT_THAT(presenter.dialogs, ElementsAre("8165", "8173"));
}

TEST_F(ListDlgTest, CancelAfterAChangeAsksFirst) {
    AddThree();
    presenter.Answer(IDYES);  // delete
    presenter.Answer(IDNO);   // discard?
    presenter.Answer(IDYES);  // discard?
    EXPECT_EQ(RunList([](CConnectionInfoListDlg& d) {
                  d.DeleteSelected();
                  Click(d, IDC_CANCEL);
                  EXPECT_TRUE(d.isVisible());
                  Click(d, IDC_CANCEL);
              }),
              kNothing);
    EXPECT_EQ(presenter.boxes.size(), 3);
    EXPECT_EQ(presenter.boxes[1].text, Str(IDS_CONFIRM_DISCARD));
    EXPECT_EQ(presenter.boxes[1].style, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
}

TEST_F(ListDlgTest, MarkedConnectionsStartTheListModified) {
    AddThree();
    WorkSet().MarkChanged(Copy(0));
    EXPECT_EQ(RunList([](CConnectionInfoListDlg& d) { Click(d, IDC_OK); }), kDone);
}

TEST_F(ListDlgTest, AddingIsRefusedAtTheLimit) {
    for (int i = 0; i < kMaxConnections; ++i) AddPart(device, PART_DEVICE_IF, QString::number(i));
    Load();
    RunList([](CConnectionInfoListDlg& d) {
        Click(d, IDC_LIST_ADD);
        EXPECT_EQ(d.IsModified(), 0);
        d.reject();
    });
    EXPECT_THAT(presenter.BoxTexts(), ElementsAre(Str(IDS_ADD_LIMIT)));
    EXPECT_EQ(presenter.boxes[0].style, MB_ICONINFORMATION);
}

TEST_F(ListDlgTest, AddingRefillsTheGridEvenWhenTheDetailWasCancelled) {
    AddThree();
    presenter.OnDialog([](QDialog& d) { Click(d, IDC_OK); });
    presenter.OnDialog([](QDialog& d) {
        Type(d, IDC_QDTX_LABEL, "Added");
        Click(d, IDC_OK);
    });
    presenter.OnDialog([](QDialog& d) { Click(d, IDC_OK); });
    presenter.OnDialog([](QDialog& d) { Click(d, IDC_CANCEL); });
    RunList([](CConnectionInfoListDlg& d) {
        Click(d, IDC_LIST_ADD);
        EXPECT_EQ(d.Grid()->TextMatrix(4, 1), "Added");
        EXPECT_EQ(d.Grid()->TextMatrix(4, 3), "QDTX");
        Click(d, IDC_LIST_ADD);
        EXPECT_EQ(d.Grid()->Rows(), 5);
        EXPECT_EQ(d.IsModified(), 1);
        d.QDialog::reject();
    });
}

TEST_F(ListDlgTest, UnsupportedProtocolsCannotBeOpened) {
    AddThree();
    CPELFM_PartInfo* bare = AddPart(device, PART_DEVICE_IF, "Bare");
    AddParameter(bare, "ProtocolVersion", "1");
    Load();
    RunList([](CConnectionInfoListDlg& d) {
        d.Grid()->Select(3, 1, 3, 5);
        d.OpenSelected();
        d.Grid()->Select(4, 1, 4, 5);
        d.OpenSelected();
        d.reject();
    });
    EXPECT_THAT(presenter.BoxTexts(),
                ElementsAre(Str(IDS_UNSUPPORTED_PROTOCOL), Str(IDS_UNSUPPORTED_PROTOCOL)));
    EXPECT_THAT(presenter.dialogs, ElementsAre("8165"));
}

TEST_F(ListDlgTest, OpeningAndChangingAConnectionRefillsItsRow) {
    AddThree();
    presenter.OnDialog([](QDialog& d) {
        Type(d, IDC_RDB_LABEL, "Database");
        Click(d, IDC_OK);
    });
    RunList([](CConnectionInfoListDlg& d) {
        d.Grid()->Select(2, 1, 2, 5);
        d.OpenSelected();
        EXPECT_EQ(d.Grid()->TextMatrix(2, 1), "Database");
        EXPECT_EQ(d.IsModified(), 1);
        d.QDialog::reject();
    });
}

TEST_F(ListDlgTest, DeletingRemovesEverySelectedRowAfterConfirmation) {
    AddThree();
    presenter.Answer(IDNO);
    presenter.Answer(IDYES);
    RunList([this](CConnectionInfoListDlg& d) {
        d.Grid()->Select(1, 1, 2, 5);
        d.DeleteSelected();
        EXPECT_EQ(d.Grid()->Rows(), 4);
        d.DeleteSelected();
        EXPECT_EQ(d.Grid()->Rows(), 2);
        EXPECT_EQ(d.Grid()->TextMatrix(1, 1), "Conn3");
        EXPECT_EQ(d.Grid()->TextMatrix(1, 0), "1");
        EXPECT_EQ(d.IsModified(), 1);
        EXPECT_EQ(WorkSet().ConnectionCount(), 1);
        d.QDialog::reject();
    });
    EXPECT_EQ(presenter.boxes[0].text, Str(IDS_CONFIRM_DELETE));
    EXPECT_EQ(presenter.boxes[0].style, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
}

// Removing the last row leaves the grid a current row that nobody selected: Delete does not take it.
TEST_F(ListDlgTest, DeleteTakesOnlySelectedRows) {
    AddThree();
    presenter.Answer(IDYES);
    RunList([this](CConnectionInfoListDlg& d) {
        CVsflexgridn2& g = *d.Grid();
        PressCell(g, 3, 1);
        QTest::keyClick(&g, Qt::Key_Delete);
        EXPECT_EQ(g.Rows(), 3);
        QTest::keyClick(&g, Qt::Key_Delete);
        EXPECT_EQ(g.Rows(), 3);
        EXPECT_EQ(presenter.boxes.size(), 1);
        d.QDialog::reject();
    });
    EXPECT_EQ(WorkSet().ConnectionCount(), 2);
}

TEST_F(ListDlgTest, MouseAndKeysSelectDeleteAndOpen) {
    AddThree();
    presenter.Menu(ID_EDIT_SELECT_ALL);
    presenter.Menu(0);
    presenter.Menu(0);
    presenter.Menu(ID_EDIT_CLEAR);
    presenter.Answer(IDNO);
    RunList([this](CConnectionInfoListDlg& d) {
        CVsflexgridn2& g = *d.Grid();
        // A click on the header row selects all rows.
        QTest::mousePress(g.horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(SelectionOf(g), (Selection{1, 1, 3, 5}));
        g.Select(1, 1, 1, 5);
        PressCell(g, 2, 1, Qt::RightButton);  // menu: select all
        EXPECT_EQ(SelectionOf(g), (Selection{1, 1, 3, 5}));
        PressCell(g, 3, 2, Qt::RightButton);  // inside the selection: kept
        EXPECT_EQ(SelectionOf(g), (Selection{1, 1, 3, 5}));
        g.Select(1, 1, 2, 5);
        PressCell(g, 3, 2, Qt::RightButton);  // outside: that row alone
        EXPECT_EQ(SelectionOf(g), (Selection{3, 1, 3, 5}));
        PressCell(g, 1, 1, Qt::RightButton);  // menu: delete, then No
        ASSERT_EQ(presenter.menus.size(), 4);
        EXPECT_TRUE(presenter.menus[0][0].enabled);
        EXPECT_EQ(presenter.boxes.size(), 1);
        QTest::keyClick(&g, Qt::Key_Delete);
        EXPECT_EQ(presenter.boxes.size(), 2);
        g.Select(1, 1, 1, 1);
        QTest::keyClick(&g, Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(SelectionOf(g), (Selection{1, 1, 3, 5}));
        d.reject();
    });
}

TEST_F(ListDlgTest, EnterDoubleClickAndTheDetailButtonOpenTheConnection) {
    AddThree();
    for (int i = 0; i < 3; ++i) presenter.OnDialog([](QDialog& d) { d.reject(); });
    RunList([this](CConnectionInfoListDlg& d) {
        CVsflexgridn2& g = *d.Grid();
        QTest::keyClick(&g, Qt::Key_Return);
        EXPECT_TRUE(d.isVisible());  // the default button did not take the key
        g.Select(1, 5, 1, 5);
        QTest::keyClick(&g, Qt::Key_Return);  // not from the detail column
        const QRect cell = g.visualRect(g.model()->index(1, 1));
        QTest::mouseDClick(g.viewport(), Qt::LeftButton, {}, cell.center());
        const QRect button = g.CellButtonRect(1, 5);
        ASSERT_FALSE(button.isEmpty());
        QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, button.center());
        d.reject();
    });
    EXPECT_THAT(presenter.dialogs, ElementsAre("8165", "8173", "8175", "8173"));
}

TEST_F(ListDlgTest, ResizingKeepsTheMarginsOfTheTemplate) {
    Load();
    RunList([](CConnectionInfoListDlg& d) {
        d.resize(800, 500);
        QWidget* grid = d.Grid();
        EXPECT_EQ(grid->geometry().right() + 1, 800 - 18);
        EXPECT_EQ(grid->geometry().bottom() + 1, 500 - 85);
        QWidget* frame = Control<QWidget>(d, IDC_LIST_FRAME);
        EXPECT_EQ(frame->geometry().right() + 1, 800 - 9);
        EXPECT_EQ(frame->geometry().bottom() + 1, 500 - 40);
        QWidget* add = Control<QWidget>(d, IDC_LIST_ADD);
        EXPECT_EQ(add->x(), 27);
        EXPECT_EQ(add->geometry().bottom() + 1, 500 - 50);
        EXPECT_EQ(Control<QWidget>(d, IDC_LIST_DELETE)->x(), 118);
        EXPECT_EQ(Control<QWidget>(d, IDC_OK)->geometry().right() + 1, 800 - 100);
        EXPECT_EQ(Control<QWidget>(d, IDC_CANCEL)->geometry().right() + 1, 800 - 9);
        EXPECT_EQ(Control<QWidget>(d, IDC_CANCEL)->geometry().bottom() + 1, 500 - 9);
        EXPECT_EQ(d.minimumSize(), QSize(600, 190));
        d.reject();
    });
}

// ---- The grid alone ------------------------------------------------------------------------

TEST(CVsflexgridn2Test, NumbersRowsAndColumnsFromTheFixedHeaders) {
    CVsflexgridn2 grid;
    grid.SetCols(3);
    grid.SetRows(3);
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.columnCount(), 2);
    grid.SetTextMatrix(0, 1, "head");
    grid.SetTextMatrix(2, 0, "2");
    grid.SetTextMatrix(2, 2, "cell");
    grid.SetTextMatrix(5, 5, "ignored");
    EXPECT_EQ(grid.horizontalHeaderItem(0)->text(), "head");
    EXPECT_EQ(grid.verticalHeaderItem(1)->text(), "2");
    EXPECT_EQ(grid.item(1, 1)->text(), "cell");
    EXPECT_EQ(grid.TextMatrix(2, 2), "cell");
    EXPECT_EQ(grid.TextMatrix(1, 1), "");
    EXPECT_EQ(grid.TextMatrix(-1, 1), "");
    int r, c, er, ec;
    grid.GetSelection(r, c, er, ec);
    EXPECT_EQ(r, -1);
    grid.Select(0, 0, 9, 9);  // clamped to the data cells
    grid.GetSelection(r, c, er, ec);
    EXPECT_EQ((std::vector<int>{r, c, er, ec}), (std::vector<int>{1, 1, 2, 2}));
    EXPECT_EQ(grid.Col(), 1);
}

TEST(CVsflexgridn2Test, OnlyColumnsWithTheEllipsisListHaveButtons) {
    CVsflexgridn2 grid;
    grid.SetCols(3);
    grid.SetRows(2);
    grid.SetColComboList(2, "|...");
    grid.resize(400, 200);
    grid.show();
    EXPECT_TRUE(grid.CellButtonRect(1, 1).isEmpty());
    const QRect button = grid.CellButtonRect(1, 2);
    ASSERT_FALSE(button.isEmpty());
    QSignalSpy clicks(&grid, &CVsflexgridn2::CellButtonClick);
    const QRect cell = grid.visualRect(grid.model()->index(0, 1));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(cell.left() + 2, cell.center().y()));
    EXPECT_EQ(clicks.count(), 0);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, button.center());
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks[0][0].toInt(), 1);
    EXPECT_EQ(clicks[0][1].toInt(), 2);
}

}  // namespace
