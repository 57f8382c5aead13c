// The part grid view inside the real application over the staged program folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "CChildFrame.h"
#include "CDialogEditDataEX.h"
#include "CDialogSelectReference.h"
#include "CDialogVersionSetting.h"
#include "CMainFrame.h"
#include "CProfileAttributeToolTip.h"
#include "CTessalyApp.h"
#include "CVsflexgridn.h"
#include "CWorkView.h"
#include "CWorkViewManager.h"
#include "CellText.h"
#include "CellTextEdit.h"
#include "CommandManager.h"
#include "CommandRegistry.h"
#include "GridTableModel.h"
#include "MessageBoxStyle.h"
#include "PrintQString.h"
#include "StagedProgramFolder.h"
#include "UiTestSupport.h"

using namespace UiTest;

namespace {

class WorkViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!StagedProgramFolder::IsStaged()) GTEST_SKIP() << "the program folder is not staged";
        Start();
    }

    // savedVersion empty: the version dialog is cancelled and the newest plug-in (3.0) is taken.
    void Start(const QString& language = {}, const QString& savedVersion = {}) {
        if (!savedVersion.isEmpty()) folder.WriteSettings(language, savedVersion);
        messages.QueueAnswer(IDNO);  // the file-type question
        dialogs.onRun = [this](QDialog& dialog) {
            if (dynamic_cast<CDialogVersionSetting*>(&dialog)) {
                dialog.reject();
                return int(QDialog::Rejected);
            }
            shown.append(dialog.metaObject()->className());
            return onDialog ? onDialog(dialog) : int(QDialog::Rejected);
        };
        app = std::make_unique<CTessalyApp>(folder.ExecutablePath(), messages, dialogs);
        ASSERT_TRUE(app->InitInstance());
        BuildProfile();
    }

    void TearDown() override {
        if (!app) return;
        for (CChildFrame* window : app->MainFrame()->WorkViewManager().OpenFrames()) delete window;
        GetCommandManager()->Clear();
        app.reset();
        QApplication::clipboard()->clear();
    }

    void BuildProfile() {
        auto* root = new CPELFM_ProfileInfo;
        root->deviceModelKind = 2;
        CPELFM_SectionInfo* block = AddSection(*root, "Block1", SECTION_BLOCK);
        param = AddPart(*block, "Param", PART_BLOCK_PARAM);
        CPELFM_ElemInfo* e1 = AddElem(*param, "E1");
        AddItem(*e1, NAME, {"Speed"});
        AddItem(*e1, DATATYPE, {"INT16"});
        AddItem(*e1, DATA, {"5"});
        CPELFM_ElemInfo* e2 = AddElem(*param, "E2");
        AddItem(*e2, DATATYPE, {"ARRAY()"});
        AddItem(*e2, DATA, {"a", "b"});
        CPELFM_ElemInfo* e3 = AddElem(*param, "E3");
        e3->items.append(new CPELFM_ItemInfo);
        e3->items.last()->itemType = DATATYPE;
        e3->items.last()->ownerElem = e3;
        e3->items.last()->AddDataInfo({ProfileInnerConst::DATA_ENUM_REF_ITEM, "Modes"});
        AddItem(*e3, NAME, {"Mode"});
        AddElem(*param, "E4");
        memory = AddPart(*block, "Memory", PART_BLOCK_MEMORY);
        CPELFM_ElemInfo* m1 = AddElem(*memory, "M1");
        AddItem(*m1, RANGE, {"[0,10]"});
        AddItem(*m1, ACCESS, {"R"});
        AddItem(*AddElem(*memory, "M2"), RANGE, {"[P.Min,P.Max]"});
        modes = AddPart(*block, "Modes", PART_ENUM);
        AddElem(*modes, "Off");
        AddElem(*modes, "On");
        CPELFM_SectionInfo* device = AddSection(*root, "Device", SECTION_DEVICE);
        deviceInfo = AddPart(*device, "DeviceInfo", PART_DEVICE_INFO);
        AddElem(*deviceInfo, "Owner");
        AddElem(*deviceInfo, "VendorName");
        app->Utility().openProfile = root;
        app->Utility().fileOpen = 1;
    }

    CWorkView* Open(CPELFM_PartInfo* part) {
        auto* view = dynamic_cast<CWorkView*>(app->MainFrame()->WorkViewManager().OpenPartView(0, part));
        if (view) {
            app->MainFrame()->resize(1800, 1000);
            if (auto* window = qobject_cast<QMdiSubWindow*>(view->Widget()->parentWidget()))
                window->showMaximized();
            QApplication::setActiveWindow(app->MainFrame());
            view->Grid().setFocus();
        }
        return view;
    }

    int Column(CWorkView* view, int kind) { return view->ItemTypeColumn(kind); }
    int Undos() { return GetCommandManager()->UndoCount(); }

    QString Value(CPELFM_ElemInfo* elem, int kind) {
        const int i = elem->FindItemIndex(kind);
        return i < 0 ? QString("<none>")
                     : QStringList([&] {
                           QStringList texts;
                           for (const auto& v : elem->items[i]->values) texts << v.text;
                           return texts;
                       }())
                           .join("|");
    }

    // Opens the cell editor with F2 and returns it.
    QWidget* EditCell(CWorkView* view, int row, int col) {
        view->Grid().Select(row, col, row, col);
        QTest::keyClick(&view->Grid(), Qt::Key_F2);
        return view->Grid().ActiveEditor();
    }

    QPoint CellCenter(CWorkView* view, int row, int col) {
        CVsflexgridn& grid = view->Grid();
        return QPoint(grid.columnViewportPosition(col - 1) + grid.columnWidth(col - 1) / 2,
                      grid.rowViewportPosition(row - 1) + grid.rowHeight(row - 1) / 2);
    }

    StagedProgramFolder folder;
    ScriptedMessagePresenter messages;
    ScriptedDialogPresenter dialogs;
    std::function<int(QDialog&)> onDialog;
    QStringList shown;
    std::unique_ptr<CTessalyApp> app;
    CPELFM_PartInfo* param = nullptr;
    CPELFM_PartInfo* memory = nullptr;
    CPELFM_PartInfo* modes = nullptr;
    CPELFM_PartInfo* deviceInfo = nullptr;
};

TEST_F(WorkViewTest, OpensAPartWindowWithRowsHeadersAndTexts) {
    CWorkView* view = Open(param);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(app->MainFrame()->MdiArea().subWindowList().size(), 1);
    CVsflexgridn& grid = view->Grid();
    const QStringList headers{"",         "LABEL", "LABEL2",   "CATEGORY", "NAME",
                              "DATATYPE", "DATA",  "ENG_UNIT", "COMMENT"};
    ASSERT_EQ(grid.GetCols(), headers.size());
    for (int c = 1; c < headers.size(); ++c) EXPECT_EQ(grid.GetTextMatrix(0, c), headers[c]);
    EXPECT_EQ(grid.model()->headerData(0, Qt::Horizontal).toString(), "LABEL");
    EXPECT_EQ(grid.GetRows(), 5);
    EXPECT_EQ(grid.model()->rowCount(), 4);
    EXPECT_EQ(grid.GetTextMatrix(3, 0), "3");
    EXPECT_EQ(grid.GetTextMatrix(1, Column(view, LABEL)), "E1");
    EXPECT_EQ(grid.GetTextMatrix(1, Column(view, NAME)), "Speed");
    EXPECT_EQ(grid.GetTextMatrix(2, Column(view, DATA)), "a,\r\nb");
    EXPECT_EQ(grid.GetTextMatrix(3, Column(view, DATATYPE)), "ENUM Modes");
    EXPECT_EQ(grid.GetTextMatrix(4, Column(view, NAME)), "");
    EXPECT_GT(grid.rowHeight(1), grid.rowHeight(0));  // two lines
    // Opening again brings the same window forward.
    EXPECT_EQ(app->MainFrame()->WorkViewManager().OpenPartView(0, param), view);
    EXPECT_EQ(app->MainFrame()->MdiArea().subWindowList().size(), 1);
}

// A large part: every row at its own height, most at the common one, and columns as wide as their widest
// text wherever it stands.
TEST_F(WorkViewTest, LargePartRowsTakeTheirHeightsAndColumnsTheirWidestText) {
    CPELFM_PartInfo* big = AddPart(*app->Utility().openProfile->sections[0], "Big", PART_BLOCK_PARAM);
    const int rows = 3000, longRow = 2500;
    for (int i = 0; i < rows; ++i) {
        CPELFM_ElemInfo* e = AddElem(*big, QString("B%1").arg(i));
        AddItem(*e, NAME, {i == longRow ? QString(120, QChar('W')) : QString("n%1").arg(i)});
        if (i % 7 == 3) continue;  // one line
        AddItem(*e, DATATYPE, {"ARRAY()"});
        AddItem(*e, DATA, i == 11 ? QStringList{"a", "b", "c"} : QStringList{"a", "b"});
    }
    CWorkView* view = Open(big);
    ASSERT_NE(view, nullptr);
    CVsflexgridn& grid = view->Grid();
    ASSERT_EQ(grid.GetRows(), rows + 1);
    EXPECT_EQ(grid.GetTextMatrix(rows, Column(view, LABEL)), QString("B%1").arg(rows - 1));
    EXPECT_EQ(grid.GetTextMatrix(13, Column(view, DATA)), "a,\r\nb");
    const int one = grid.rowHeight(3), two = grid.rowHeight(0), three = grid.rowHeight(11);
    EXPECT_LT(one, two);
    EXPECT_LT(two, three);
    for (int r : {1, 2, 501, 2998}) EXPECT_EQ(grid.rowHeight(r), two) << r;
    for (int r : {17, 1746, 2999}) EXPECT_EQ(grid.rowHeight(r), one) << r;
    const int name = Column(view, NAME) - 1;
    EXPECT_GE(grid.columnWidth(name), grid.sizeHintForIndex(grid.model()->index(longRow, name)).width());
    EXPECT_LT(grid.columnWidth(Column(view, LABEL) - 1), grid.columnWidth(name) / 4);
}

TEST_F(WorkViewTest, RowNumbersFitTheWidestNumber) {
    CPELFM_PartInfo* big = AddPart(*app->Utility().openProfile->sections[0], "Big", PART_BLOCK_PARAM);
    for (int i = 0; i < 100000; ++i) AddElem(*big, "E");
    CVsflexgridn& grid = Open(big)->Grid();
    grid.setFont(QFont(grid.font().family(), 20));  // numbers as wide as a large screen font makes them
    EXPECT_GE(grid.verticalHeader()->width(), grid.verticalHeader()->sizeHint().width());
}

TEST_F(WorkViewTest, TypedEditsBecomeOneUndoEntry) {
    CWorkView* view = Open(param);
    CPELFM_ElemInfo* e1 = param->Elems()[0];
    const int before = Undos();

    struct Case {
        const char* name;
        int kind;
        QString typed;  // replaces the cell's text
        QString stored;
        int newEntries;
    };
    const QList<Case> cases = {
        {"changed name", NAME, "Rate", "Rate", 1},
        {"unchanged text", NAME, "Rate", "Rate", 0},
        {"blanks trimmed to the same text", NAME, "  Rate ", "Rate", 0},
        {"label", LABEL, "E1x", "E1x", 1},
        {"emptied cell removes the item", NAME, "", "<none>", 1},
    };
    int expected = before;
    for (const Case& c : cases) {
        QWidget* editor = EditCell(view, 1, Column(view, c.kind));
        ASSERT_NE(qobject_cast<QPlainTextEdit*>(editor), nullptr) << c.name;
        EXPECT_TRUE(view->IsEditing()) << c.name;
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_Delete);
        if (!c.typed.isEmpty()) QTest::keyClicks(editor, c.typed);
        QTest::keyClick(editor, Qt::Key_Return);
        expected += c.newEntries;
        EXPECT_FALSE(view->IsEditing()) << c.name;
        EXPECT_EQ(Undos(), expected) << c.name;
        const QString model = c.kind == LABEL ? e1->label : Value(e1, c.kind);
        EXPECT_EQ(model, c.stored) << c.name;
    }
    EXPECT_EQ(view->Grid().GetTextMatrix(1, Column(view, NAME)), "");
    GetCommandManager()->Undo();
    GetCommandManager()->Undo();
    GetCommandManager()->Undo();
    EXPECT_EQ(Value(e1, NAME), "Speed");
    EXPECT_EQ(e1->label, "E1");
    EXPECT_EQ(view->Grid().GetTextMatrix(1, Column(view, NAME)), "Speed");
}

TEST_F(WorkViewTest, EscapeAbandonsTheEditAndEnterOnAListEndsItOnce) {
    CWorkView* view = Open(param);
    const int before = Undos();
    QWidget* editor = EditCell(view, 1, Column(view, NAME));
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "Other");
    ASSERT_TRUE(view->IsEditing());
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_FALSE(view->IsEditing());
    EXPECT_FALSE(view->Grid().IsEditing());
    EXPECT_EQ(Undos(), before);
    EXPECT_EQ(Value(param->Elems()[0], NAME), "Speed");
    EXPECT_EQ(view->Grid().GetTextMatrix(1, Column(view, NAME)), "Speed");
    static QStringList said;
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) { said << text; });
    QTest::keyClicks(editor = EditCell(view, 1, Column(view, DATATYPE)), "R");  // completes to REAL
    QTest::keyClick(editor, Qt::Key_Escape);  // which the list reports as chosen as it loses the focus
    // A choice typed whole and ended by Enter: the list and the Enter both end the edit, once in all.
    QTest::keyClicks(editor = EditCell(view, 1, Column(view, DATATYPE)), "UINT16");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    qInstallMessageHandler(nullptr);
    EXPECT_EQ(said, QStringList());
    EXPECT_EQ(Value(param->Elems()[0], DATATYPE), "UINT16");
    // Tab stores the typed choice before the next cell's edit begins.
    QTest::keyClicks(editor = EditCell(view, 1, Column(view, DATATYPE)), "INT32");
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(Value(param->Elems()[0], DATATYPE), "INT32");
    view->FinishCellEdit();
    // Opening the list keeps the edit open, whatever the cell holds; a choice from it ends the edit.
    auto* list = qobject_cast<QComboBox*>(EditCell(view, 1, Column(view, DATATYPE)));
    list->showPopup();
    EXPECT_EQ(view->Grid().ActiveEditor(), list);
    list->view()->setCurrentIndex(list->model()->index(list->findText("REAL"), 0));
    QTest::keyClick(list->view(), Qt::Key_Return);
    EXPECT_EQ(Value(param->Elems()[0], DATATYPE), "REAL");
}

TEST_F(WorkViewTest, LineBreaksKeptOnlyWhereTheKindKeepsThem) {
    CWorkView* view = Open(param);
    CPELFM_ElemInfo* e4 = param->Elems()[3];
    for (int kind : {NAME, LABEL2}) {
        QWidget* editor = EditCell(view, 4, Column(view, kind));
        QTest::keyClicks(editor, "a");
        QTest::keyClick(editor, Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClicks(editor, "b");
        QTest::keyClick(editor, Qt::Key_Return);
    }
    EXPECT_EQ(e4->items[e4->FindItemIndex(NAME)]->values.first().text, "a\r\nb");
    EXPECT_EQ(Value(e4, LABEL2), "ab");
}

TEST_F(WorkViewTest, DataTypeAndAccessDropDowns) {
    CWorkView* param3 = Open(param);
    auto* types = qobject_cast<QComboBox*>(EditCell(param3, 1, Column(param3, DATATYPE)));
    ASSERT_NE(types, nullptr);
    EXPECT_TRUE(types->isEditable());
    EXPECT_EQ(types->itemText(types->currentIndex()), "INT16");  // the list opens at the cell's value
    const int real = types->findText("REAL");
    ASSERT_GE(real, 0);
    EXPECT_EQ(types->itemText(0), "BOOL");
    types->setCurrentIndex(real);
    emit types->activated(real);
    EXPECT_EQ(Value(param->Elems()[0], DATATYPE), "REAL");
    EXPECT_FALSE(param3->IsEditing());

    CWorkView* mem = Open(memory);
    auto* access = qobject_cast<QComboBox*>(EditCell(mem, 1, Column(mem, ACCESS)));
    ASSERT_NE(access, nullptr);
    QStringList items;
    for (int i = 0; i < access->count(); ++i) items << access->itemText(i);
    EXPECT_EQ(items, QStringList({"R", "W", "RW", "NA", " "}));
    access->setCurrentIndex(4);
    emit access->activated(4);
    // The blank choice empties the cell, which removes the item.
    EXPECT_EQ(Value(memory->Elems()[0], ACCESS), "<none>");
}

TEST_F(WorkViewTest, DataIsAnEllipsisCellOnlyWhileItsDataTypeIsAList) {
    CWorkView* view = Open(param);
    const int data = Column(view, DATA);
    onDialog = [](QDialog& dialog) {
        auto& edit = dynamic_cast<CDialogEditDataEX&>(dialog);
        edit.NewButton()->click();
        edit.ValueField()->setText("c");
        edit.InsertButton()->click();
        edit.accept();
        return int(QDialog::Accepted);
    };
    // Scalar data: typed in the cell.
    EXPECT_NE(qobject_cast<QPlainTextEdit*>(EditCell(view, 1, data)), nullptr);
    EXPECT_EQ(view->Grid().ComboList(), "");
    QTest::keyClick(view->Grid().ActiveEditor(), Qt::Key_Escape);
    EXPECT_TRUE(shown.isEmpty());

    // List data: the dialog instead of the cell editor, one undo entry, the grid refilled.
    const int before = Undos();
    EXPECT_EQ(EditCell(view, 2, data), nullptr);
    EXPECT_EQ(shown, QStringList({"CDialogEditDataEX"}));
    EXPECT_FALSE(view->IsEditing());
    EXPECT_EQ(Undos(), before + 1);
    EXPECT_EQ(view->Grid().GetTextMatrix(2, data), "a,\r\nb,\r\nc");

    // The ellipsis button of the current cell opens it too.
    view->Grid().Select(2, data, 2, data);
    EXPECT_EQ(view->Grid().ComboList(), "|...");
    const QRect cell = view->Grid().visualRect(view->Grid().model()->index(1, data - 1));
    QTest::mouseClick(view->Grid().viewport(), Qt::LeftButton, {}, cell.topRight() + QPoint(-3, 3));
    EXPECT_EQ(shown.size(), 2);

    // Once its DATATYPE says list, the first element's DATA opens the dialog as well.
    QWidget* editor = EditCell(view, 1, Column(view, DATATYPE));
    auto* combo = qobject_cast<QComboBox*>(editor);
    ASSERT_NE(combo, nullptr);
    combo->setEditText("LIST()");
    view->FinishCellEdit();
    EXPECT_EQ(Value(param->Elems()[0], DATATYPE), "LIST()");
    onDialog = {};
    EXPECT_EQ(EditCell(view, 1, data), nullptr);
    EXPECT_EQ(shown.size(), 3);
}

TEST_F(WorkViewTest, RangeOpensTheDataDialog) {
    CWorkView* view = Open(memory);
    EXPECT_EQ(EditCell(view, 1, Column(view, RANGE)), nullptr);
    EXPECT_EQ(shown, QStringList({"CDialogEditDataEX"}));
    EXPECT_FALSE(view->IsEditing());
}

TEST_F(WorkViewTest, BlockCopyPasteAndClearUndoToTheSameItems) {
    CWorkView* view = Open(param);
    const int name = Column(view, NAME);
    const int type = Column(view, DATATYPE);
    QList<CPELFM_ElemInfo*> elems = param->Elems();
    const QList<CPELFM_ItemInfo*> itemsOf2 = elems[1]->items;
    const QList<CPELFM_ItemInfo*> itemsOf3 = elems[2]->items;

    view->Select(1, name, 2, type);
    view->OnCopy();
    EXPECT_EQ(QApplication::clipboard()->text(), "Speed\tINT16\r\n\tARRAY()\r\n");
    EXPECT_EQ(app->Utility().copiedBlockRows, 2);
    EXPECT_EQ(app->Utility().copiedBlockColumns, 2);

    const int before = Undos();
    view->Select(3, name, 3, name);
    view->OnPaste();
    EXPECT_EQ(Undos(), before + 1);
    EXPECT_EQ(Value(elems[2], NAME), "Speed");
    EXPECT_EQ(Value(elems[2], DATATYPE), "INT16");
    EXPECT_EQ(Value(elems[3], NAME), "<none>");
    EXPECT_EQ(Value(elems[3], DATATYPE), "ARRAY()");
    EXPECT_EQ(view->Grid().GetTextMatrix(4, type), "ARRAY()");
    GetCommandManager()->Undo();
    EXPECT_EQ(elems[2]->items, itemsOf3);
    EXPECT_EQ(Value(elems[2], DATATYPE), "Modes");
    EXPECT_EQ(elems[3]->items.size(), 0);
    EXPECT_EQ(view->Grid().GetTextMatrix(3, type), "ENUM Modes");

    view->Select(2, type, 3, Column(view, DATA));
    view->OnClear();
    EXPECT_EQ(elems[1]->items.size(), 0);
    EXPECT_EQ(view->Grid().GetTextMatrix(2, Column(view, DATA)), "");
    GetCommandManager()->Undo();
    EXPECT_EQ(elems[1]->items, itemsOf2);
    EXPECT_EQ(view->Grid().GetTextMatrix(2, Column(view, DATA)), "a,\r\nb");
}

TEST_F(WorkViewTest, ClipboardTextsFromOtherProgramsAndClamping) {
    CWorkView* view = Open(param);
    QList<CPELFM_ElemInfo*> elems = param->Elems();
    const int name = Column(view, NAME);
    // Rows separated by a bare line feed, a quoted cell holding a line break.
    QApplication::clipboard()->setText("x\n\"y1\ny2\"\n");
    view->Select(1, name, 1, name);
    view->OnPaste();
    EXPECT_EQ(Value(elems[0], NAME), "x");
    EXPECT_EQ(elems[1]->items[elems[1]->FindItemIndex(NAME)]->values.first().text, "y1\r\ny2");

    // With the header cell current a clear reaches nothing and a paste starts at the first cell.
    const int before = Undos();
    view->SelectGridCell(0, 0);
    EXPECT_EQ(view->Grid().GetRow(), 0);
    view->OnClear();
    EXPECT_EQ(Undos(), before);
    view->OnPaste();
    EXPECT_EQ(Undos(), before + 1);
    EXPECT_EQ(elems[0]->label, "x");
    EXPECT_EQ(elems[1]->label, "y1y2");
    EXPECT_EQ(view->Grid().GetTextMatrix(0, 1), "LABEL");

    // A whole row selected by its number clears from the first real column.
    QTest::mouseClick(view->Grid().verticalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(5, view->Grid().rowViewportPosition(2) + 3));
    EXPECT_EQ(view->SelectionMode(), 2);
    EXPECT_EQ(view->Grid().GetSelection(), (GridRange{3, 1, 3, view->GridColumnCount() - 1}));
    view->OnClear();
    EXPECT_EQ(elems[2]->label, "");
    EXPECT_TRUE(elems[2]->items.isEmpty());
    GetCommandManager()->Undo();
    EXPECT_EQ(elems[2]->label, "E3");
}

TEST_F(WorkViewTest, OneValueFillsASelectionAsOneUndoStep) {
    CWorkView* view = Open(param);
    QApplication::clipboard()->setText("v");
    const int name = Column(view, NAME);
    const int before = Undos();
    view->Select(1, name, 3, name + 1);
    view->OnPaste();
    EXPECT_EQ(Undos(), before + 1);
    for (int r = 1; r <= 3; ++r)
        for (int c = name; c <= name + 1; ++c)
            EXPECT_EQ(view->Grid().GetTextMatrix(r, c), "v") << r << "," << c;
    EXPECT_EQ(view->Grid().GetTextMatrix(4, name), "");
    GetCommandManager()->Undo();
    EXPECT_EQ(view->Grid().GetTextMatrix(2, name + 1), "ARRAY()");
    EXPECT_EQ(Value(param->Elems()[0], NAME), "Speed");
}

TEST_F(WorkViewTest, AddAndDeleteElements) {
    CWorkView* view = Open(param);
    CPELFM_ElemInfo* e2 = param->Elems()[1];
    view->Select(2, 1, 3, 2);
    view->OnAddElements();
    ASSERT_EQ(param->ElemCount(), 6);
    EXPECT_EQ(param->Elems()[3], e2);
    EXPECT_EQ(view->GridRowCount(), 7);
    EXPECT_EQ(view->Grid().GetTextMatrix(4, 1), "E2");

    messages.QueueAnswer(IDCANCEL);
    view->Select(2, 1, 3, 1);
    view->OnDeleteElements();
    EXPECT_EQ(param->ElemCount(), 6);
    messages.QueueAnswer(IDOK);
    view->OnDeleteElements();
    EXPECT_EQ(param->ElemCount(), 4);
    EXPECT_EQ(param->Elems()[1], e2);
    EXPECT_EQ(view->Grid().GetTextMatrix(2, 1), "E2");
    GetCommandManager()->Undo();
    GetCommandManager()->Undo();
    EXPECT_EQ(param->ElemCount(), 4);
    EXPECT_EQ(view->GridRowCount(), 5);

    // A fixed element stops the deletion before anything is asked.
    CWorkView* device = Open(deviceInfo);
    const qsizetype boxes = messages.Calls().size();
    device->Select(1, 1, 2, 1);
    device->OnDeleteElements();
    EXPECT_EQ(deviceInfo->ElemCount(), 2);
    ASSERT_EQ(messages.Calls().size(), boxes + 1);
    EXPECT_EQ(messages.Calls().last().text, app->Strings().LoadString(10045));
    EXPECT_EQ(messages.Calls().last().style & MB_ICONMASK, MB_ICONWARNING);
}

// Changes leave the current cell on the row they acted on. Edit values is run by its keys alone.
TEST_F(WorkViewTest, ChangesKeepTheCurrentCellOnTheRowTheyActedOn) {
    CWorkView* view = Open(param);
    const int name = Column(view, NAME), data = Column(view, DATA);
    onDialog = [](QDialog& dialog) {
        QLineEdit* value = dynamic_cast<CDialogEditDataEX&>(dialog).ValueField();
        EXPECT_TRUE((dialog.show(), dialog.activateWindow(), QTest::qWaitForWindowActive(&dialog)));
        QTest::keyClick(&dialog, Qt::Key_N, Qt::AltModifier);  // New clicks itself a moment later
        EXPECT_TRUE(QTest::qWaitFor([&] { return value->hasFocus(); }));
        QTest::keyClicks(value, "[0,100]\r\r");
        return dialog.result();
    };
    CommandManager& history = *GetCommandManager();
    messages.QueueAnswer(IDOK), messages.QueueAnswer(IDOK);  // the two deletions
    const auto rows = [&](int row, int col) {  // two rows clicked from the top: the current cell on the lower
        for (int r : {row, row + 1})
            QTest::mouseClick(view->Grid().viewport(), Qt::LeftButton,
                              r > row ? Qt::ShiftModifier : Qt::NoModifier, CellCenter(view, r, col));
    };
    const QList<std::tuple<std::function<void()>, int, int>> steps{
        {[&] { EditCell(view, 2, data); }, 2, data},
        {[&] { rows(2, name), view->OnAddElements(); }, 2, name},     // the first new row
        {[&] { rows(3, name), view->OnDeleteElements(); }, 3, name},  // the row after the deleted ones
        {[&] { history.Undo(); }, 3, name},
        {[&] { history.Redo(); }, 3, name},
        {[&] { rows(3, 1), view->OnDeleteElements(); }, 2, 1},  // the last rows deleted: the last row
        {[&] { history.Undo(), history.Undo(), history.Undo(), history.Undo(); }, 2, data}};
    for (const auto& [act, row, col] : steps) {
        act();
        EXPECT_EQ(view->Grid().GetSelection(), (GridRange{row, col, row, col})) << row << "," << col;
        QTest::keyClick(&view->Grid(), Qt::Key_Down);  // the keys go on from there, away from it
    }
}

TEST_F(WorkViewTest, FollowCopyAndPasteReferences) {
    CWorkView* view = Open(param);
    const int type = Column(view, DATATYPE);
    // An enumeration reference opens its part.
    view->Select(3, type, 3, type);
    view->OnSelectReference();
    auto* target = dynamic_cast<CWorkView*>(app->MainFrame()->ActiveWorkView());
    ASSERT_NE(target, nullptr);
    EXPECT_EQ(target->GridPart(), modes);

    // A range of two references offers both in the reference dialog.
    CWorkView* mem = Open(memory);
    mem->Select(2, Column(mem, RANGE), 2, Column(mem, RANGE));
    mem->OnSelectReference();
    EXPECT_EQ(shown, QStringList({"CDialogSelectReference"}));

    // Whole rows copy one reference per row.
    view = Open(param);
    QTest::mouseClick(view->Grid().verticalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(5, view->Grid().rowViewportPosition(0) + 3));
    EXPECT_EQ(view->SelectionMode(), 2);
    view->Select(1, 1, 2, view->GridColumnCount() - 1);
    EXPECT_TRUE(view->CanCopyReference());
    view->OnCopyReference();
    EXPECT_EQ(app->Utility().copiedReferences, QStringList({"Block1.Param.E1", "Block1.Param.E2"}));

    // A DATATYPE cell copies its element's data type reference; pasted into the same section it
    // loses the section name.
    QTest::mouseClick(view->Grid().viewport(), Qt::LeftButton, {}, CellCenter(view, 1, type));
    EXPECT_EQ(view->SelectionMode(), 1);
    view->OnCopyReference();
    EXPECT_EQ(app->Utility().copiedReferences, QStringList({"Block1.Param.E1.DATATYPE"}));
    mem = Open(memory);
    mem->Select(1, Column(mem, DATATYPE), 1, Column(mem, DATATYPE));
    EXPECT_TRUE(mem->CanPasteReference());
    mem->OnPasteReference();
    EXPECT_EQ(Value(memory->Elems()[0], DATATYPE), "Param.E1.DATATYPE");
    mem->Select(1, Column(mem, NAME), 1, Column(mem, NAME));
    EXPECT_FALSE(mem->CanPasteReference());
}

TEST_F(WorkViewTest, ContextMenuEnableRules) {
    CWorkView* view = Open(param);
    QList<bool> enabled;
    QString chosenText;
    view->SetMenuRunner([&](QMenu& menu, const QPoint&) -> QAction* {
        enabled.clear();
        for (QAction* action : menu.actions())
            if (!action->isSeparator()) enabled << action->isEnabled();
        return nullptr;
    });
    auto pattern = [&] {
        QString s;
        for (bool b : enabled) s += b ? '1' : '0';
        return s;
    };
    const int type = Column(view, DATATYPE);
    QTest::mouseClick(view->Grid().viewport(), Qt::RightButton, {}, CellCenter(view, 3, type));
    // copy, paste, delete, cut | add, delete elements, follow, copy references, paste references
    EXPECT_EQ(pattern(), "101111110");
    EXPECT_EQ(view->Grid().GetSelection(), (GridRange{3, type, 3, type}));

    QApplication::clipboard()->setText("x");
    QTest::mouseClick(view->Grid().horizontalHeader()->viewport(), Qt::RightButton, {},
                      QPoint(view->Grid().columnViewportPosition(type - 1) + 3, 3));
    EXPECT_EQ(view->SelectionMode(), 3);
    EXPECT_EQ(pattern(), "111101000");
    EXPECT_EQ(view->Grid().GetSelection(), (GridRange{1, type, 4, type}));

    // Chosen entries run their command.
    view->SetMenuRunner([](QMenu& menu, const QPoint&) { return menu.actions().first(); });
    QTest::mouseClick(view->Grid().viewport(), Qt::RightButton, {}, CellCenter(view, 1, Column(view, NAME)));
    EXPECT_EQ(QApplication::clipboard()->text(), "Speed\r\n");
}

TEST_F(WorkViewTest, ListsShowWholeChoicesColumnsFollowEditsAndAnEmptyPartTakesElements) {
    CWorkView* view = Open(param);
    auto* combo = qobject_cast<QComboBox*>(EditCell(view, 1, Column(view, DATATYPE)));
    combo->showPopup();
    EXPECT_GE(combo->view()->viewport()->width(), combo->view()->sizeHintForColumn(0));
    QTest::keyClicks(EditCell(view, 1, Column(view, NAME)), QString(80, 'n'));
    QTest::keyClick(view->Grid().ActiveEditor(), Qt::Key_Return);
    EXPECT_GT(view->Grid().columnWidth(Column(view, NAME) - 1),
              view->Grid().fontMetrics().horizontalAdvance(QString(80, 'n')));
    CPELFM_PartInfo* empty = AddPart(*param->ownerSection, "Empty", PART_ENUM);  // as after deleting all
    view = Open(empty);
    view->SetMenuRunner([](QMenu& menu, const QPoint&) { return menu.actions()[5]; });  // add elements
    QTest::mouseClick(view->Grid().viewport(), Qt::RightButton, {}, QPoint(20, 20));
    EXPECT_EQ(empty->ElemCount(), 1);
}

// A value of megabytes: the cell shows the piece of it a screen can show, from its start; a copy and an edit
// take it whole. In a narrow column the editor widens to show what is typed.
TEST_F(WorkViewTest, LongValuesAreShownInPartAndNarrowCellsEditedWide) {
    const QString value = QString("comment line of a long value\n").repeated(1 << 15);
    AddItem(*param->Elems()[0], COMMENT, {value});
    CWorkView* view = Open(param);
    CVsflexgridn& grid = view->Grid();
    const int comment = Column(view, COMMENT), data = Column(view, DATA);
    const QModelIndex cell = grid.model()->index(0, comment - 1);
    EXPECT_EQ(cell.data().toString(), CellText::ShownText(value));
    EXPECT_EQ(cell.data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignLeft | Qt::AlignTop);
    grid.Select(1, comment, 1, comment);
    view->OnCopy();
    EXPECT_EQ(QApplication::clipboard()->text(), "\"" + value + "\"\r\n");
    auto* longEditor = qobject_cast<CellTextEdit*>(EditCell(view, 1, comment));
    ASSERT_NE(longEditor, nullptr);
    EXPECT_EQ(longEditor->Text(), value);
    QTest::keyClick(longEditor, Qt::Key_Escape);

    grid.setColumnWidth(data - 1, 40);
    QPlainTextEdit* editor = nullptr;
    QTest::keyClicks(editor = qobject_cast<QPlainTextEdit*>(EditCell(view, 1, data)),
                     "1234567890.1234567890");
    EXPECT_EQ(editor->geometry().left(), grid.columnViewportPosition(data - 1));
    EXPECT_GE(editor->viewport()->width(), editor->fontMetrics().horizontalAdvance("1234567890.1234567890"));
}

// Presses keys separated by "|" ("Ctrl+Home|End"); a piece that begins with a quote is typed.
void Press(QWidget* widget, const QString& keys) {
    for (const QString& key : keys.split('|', Qt::SkipEmptyParts)) {
        if (key.startsWith('"'))
            QTest::keyClicks(widget, key.mid(1));
        else
            QTest::keySequence(widget, QKeySequence(key));
    }
}

// F2 on a COMMENT cell, keys, then the key that ends the edit: only what was typed is stored, with the
// value's own line breaks, and an edit left unchanged records nothing. Values no cell shows whole are edited
// in CellTextEdit, the others in the plain editor.
TEST_F(WorkViewTest, CellEditsStoreWhatWasTypedAndNothingElse) {
    const QString pad = QString("\nline of a long comment").repeated(800);  // more than a cell shows
    const QString lines = "ab\r\ncd\nef" + pad;
    using Act = std::function<void(QWidget*)>;
    struct Case {
        std::string name;
        QString value, keys;
        Act act;
        Qt::Key end;
        QString stored;
    };
    QList<Case> cases;
    for (const QString value : {"a\nb", "a\r\nb", "a\r\nb\nc", "a\rb"}) {
        for (const QString& tail : {QString(), pad})
            cases.append({"unchanged " + value.toUtf8().toPercentEncoding().toStdString(),
                          value + tail,
                          "",
                          {},
                          Qt::Key_Return,
                          value + tail});
        cases.append({"line break typed",
                      value + pad,
                      "Ctrl+Home|End|Shift+Return|\"x",
                      {},
                      Qt::Key_Return,
                      value.left(1) + "\r\nx" + value.mid(1) + pad});
    }
    CWorkView* view = nullptr;
    cases += QList<Case>{
        {"plain editor: line break typed",
         "a\nb",
         "Ctrl+Home|End|Ctrl+Return|\"x",
         {},
         Qt::Key_Return,
         "a\r\nx\nb"},
        {"\\r\\n is one character",
         lines,
         "Ctrl+Home|End|Delete|\"-|Down|Home|Backspace|\"+",
         {},
         Qt::Key_Return,
         "ab-cd+ef" + pad},
        {"Up and Down keep the column",
         lines,
         "Ctrl+Home|Right|Down|Down|Up|\"^",
         {},
         Qt::Key_Return,
         "ab\r\nc^d\nef" + pad},
        {"a page down and the end",
         lines,
         "Ctrl+Home|PgDown|\"#|Ctrl+End|\"!",
         {},
         Qt::Key_Return,
         "ab\r\n#cd\nef" + pad + "!"},
        {"Shift selects, typing replaces",
         lines,
         "Ctrl+Home|Shift+Down|Shift+End|\"X",
         {},
         Qt::Key_Return,
         "X\nef" + pad},
        {"all selected and typed over", lines, "Ctrl+A|\"x", {}, Qt::Key_Tab, "x"},
        {"copy and paste",
         lines,
         "Ctrl+Home|Shift+Down|Ctrl+C|Down|Ctrl+V|Ctrl+Home|Shift+End|Ctrl+X|Ctrl+V",
         {},
         Qt::Key_Return,
         "ab\r\ncd\nab\r\nef" + pad},
        {"the grid's cut, delete and paste", lines, "Ctrl+Home|Shift+Right|Shift+Right",
         [&](QWidget* editor) {
             view->OnCut();
             Press(editor, "Shift+Right");
             view->OnClear();
             view->OnPaste();
         },
         Qt::Key_Return, "abcd\nef" + pad},
        {"input method", lines, "Ctrl+Home",
         [](QWidget* editor) {
             QInputMethodEvent compose(QString::fromUtf8("に"), {});
             QApplication::sendEvent(editor, &compose);
             QInputMethodEvent commit;
             commit.setCommitString(QString::fromUtf8("日本"));
             QApplication::sendEvent(editor, &commit);
         },
         Qt::Key_Return, QString::fromUtf8("日本") + lines},
        {"mouse drag", lines, "Ctrl+Home",
         [](QWidget* editor) {
             const int y = editor->height() / 2, x = 4 + editor->fontMetrics().horizontalAdvance("ab");
             QTest::mousePress(editor, Qt::LeftButton, {}, QPoint(1, y));
             QMouseEvent drag(QEvent::MouseMove, QPointF(x, y), editor->mapToGlobal(QPointF(x, y)),
                              Qt::NoButton, Qt::LeftButton, {});
             QApplication::sendEvent(editor, &drag);
             QTest::mouseRelease(editor, Qt::LeftButton, {}, QPoint(x, y));
             QTest::keyClicks(editor, "Q");
         },
         Qt::Key_Return, "Q\r\ncd\nef" + pad},
        {"Escape drops what was typed", lines, "\"zz|Ctrl+Return", {}, Qt::Key_Escape, lines},
    };
    for (const Case& c : cases) AddItem(*AddElem(*param, "C"), COMMENT, {c.value});
    view = Open(param);
    const int comment = Column(view, COMMENT);
    for (int i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        CPELFM_ElemInfo* elem = param->Elems()[4 + i];
        const int before = Undos();
        QWidget* editor = EditCell(view, 5 + i, comment);
        ASSERT_NE(editor, nullptr) << c.name;
        EXPECT_EQ(qobject_cast<CellTextEdit*>(editor) != nullptr, c.value.size() > CellText::kShownChars)
            << c.name;
        Press(editor, c.keys);
        if (c.act) c.act(editor);
        QTest::keyClick(editor, c.end);
        const QString stored = Value(elem, COMMENT);
        EXPECT_TRUE(stored == c.stored)
            << c.name << ": " << stored.left(40).toUtf8().toPercentEncoding().data();
        EXPECT_EQ(Undos(), before + (c.stored != c.value)) << c.name;
    }
}

// A cell copied and pasted is its text byte for byte, whatever line breaks, tabs or quotes it holds, and so
// is a block; a text from another program is read by the clipboard's convention.
TEST_F(WorkViewTest, CopiedCellsPasteAsTheyWere) {
    const QStringList values = {"a\nb", "a\r\nb\nc\rd", "tab\there \"quoted\"\n", "\"quoted\"",
                                QString("x\n").repeated(9000)};
    for (const QString& value : values) AddItem(*AddElem(*param, "C"), COMMENT, {value});
    CWorkView* view = Open(param);
    const int comment = Column(view, COMMENT);
    const auto copy = [&](int row, int rows, int to) {
        view->Select(row, comment, row + rows - 1, comment);
        view->OnCopy();
        view->Select(to, comment, to, comment);
        view->OnPaste();
    };
    for (int i = 0; i < values.size(); ++i) {
        copy(5 + i, 1, 4);
        EXPECT_TRUE(Value(param->Elems()[3], COMMENT) == values[i]) << i;
    }
    copy(6, 2, 3);
    EXPECT_EQ(Value(param->Elems()[2], COMMENT), values[1]);
    EXPECT_EQ(Value(param->Elems()[3], COMMENT), values[2]);
    QApplication::clipboard()->setText("\"p\nq\tr\"\r\n");
    view->OnPaste();
    EXPECT_EQ(Value(param->Elems()[2], COMMENT), "p\r\nq\tr");
}

struct FormatCase {
    const char* name;
    QString language;
    QString savedVersion;
    bool hasReadCondition;
    QString readConditionTip;  // the key shown over READ_CONDITION
};

void PrintTo(const FormatCase& c, std::ostream* out) {
    *out << c.name;
}

class WorkViewFormatTest : public WorkViewTest, public ::testing::WithParamInterface<FormatCase> {
protected:
    void SetUp() override {
        if (!StagedProgramFolder::IsStaged()) GTEST_SKIP() << "the program folder is not staged";
        Start(GetParam().language, GetParam().savedVersion);
    }
};

TEST_P(WorkViewFormatTest, HeadersAndTheirTooltips) {
    const FormatCase& c = GetParam();
    auto* config =
        AddPart(*app->Utility().openProfile->sections.first(), "Config", PART_COMM_IF_CONFIGURATION);
    CPELFM_ElemInfo* c1 = AddElem(*config, "C1");
    AddItem(*c1, RANGE, {"[0,1]", "[5,9]"});
    AddItem(*c1, DATATYPE, {});
    c1->items.last()->AddDataInfo({ProfileInnerConst::DATA_ENUM_REF_ITEM, "Modes"});
    CWorkView* view = Open(config);
    CVsflexgridn& grid = view->Grid();
    EXPECT_EQ(grid.GetTextMatrix(1, view->ItemTypeColumn(LABEL)), "C1");
    EXPECT_EQ(grid.GetTextMatrix(1, view->ItemTypeColumn(RANGE)), "[0,1],\r\n[5,9]");
    EXPECT_EQ(grid.GetTextMatrix(1, view->ItemTypeColumn(DATATYPE)), "ENUM Modes");
    const int readCondition = view->ItemTypeColumn(READ_CONDITION);
    EXPECT_EQ(readCondition > 0, c.hasReadCondition);
    QWidget* header = grid.horizontalHeader()->viewport();
    auto hover = [&](int col) {
        QTest::mouseMove(header, QPoint(grid.columnViewportPosition(col - 1) + 4, 4));
        return view->AttributeToolTip()->ShownKey();
    };
    EXPECT_EQ(hover(view->ItemTypeColumn(NAME)), "NAME");
    if (readCondition > 0) {
        EXPECT_EQ(hover(readCondition), c.readConditionTip);
    }
    QTest::mouseMove(grid.viewport(), CellCenter(view, 1, 1));
    EXPECT_EQ(view->AttributeToolTip()->ShownKey(), "");
}

INSTANTIATE_TEST_SUITE_P(Formats, WorkViewFormatTest,
                         ::testing::Values(FormatCase{"Format30", "", "", true, ""},
                                           FormatCase{"Format20", "ja", "131072", true, "READ_CONDITION"},
                                           FormatCase{"Format11", "en", "65537", false, ""}));

}  // namespace
