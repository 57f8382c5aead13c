#include <gtest/gtest.h>

#include "CPasteCellCommand.h"
#include "CommandManager.h"
#include "CommandTestWorld.h"
#include "PasteCellText.h"

using namespace CommandTest;

namespace {

// Columns: 1 LABEL, 2 NAME, 3 DATATYPE, 4 DATA, 5 RANGE.
class PasteCellTest : public ::testing::Test {
protected:
    PasteCellTest() {
        block = AddSection(w.root(), "Blk", SECTION_BLOCK);
        part = AddPart(*block, "Mem", PART_BLOCK_MEMORY);
        e1 = AddElem(*part, "E1");
        AddItem(*e1, NAME, "n1");
        AddItem(*e1, DATA, {Data{1, "1"}, Data{1, "2"}, Data{2, "Colors"}});
        AddItem(*e1, RANGE, {Data{2, "Lim"}});
        e2 = AddElem(*part, "E2");
        AddItem(*e2, COMMENT, "keep");
        AddItem(*e2, NAME, "n2");
        e3 = AddElem(*part, "E3");
        w.frame.views.columnKinds = {LABEL, NAME, DATATYPE, DATA, RANGE};
        view = w.frame.views.Open(part);
    }
    CommandManager& manager() { return *GetCommandManager(); }

    bool PasteBlock(int row, int column, int rows, int columns, const QString& text) {
        auto* command = new CPasteCellCommand;
        command->Init(view, row, column, rows, columns, text);
        return manager().Execute(command);
    }
    bool PasteList(int row, int column, const QStringList& texts) {
        auto* command = new CPasteCellCommand;
        command->InitWithValues(view, static_cast<int>(texts.size()), row, column, texts);
        return manager().Execute(command);
    }

    World w;
    CPELFM_SectionInfo* block;
    CPELFM_PartInfo* part;
    CPELFM_ElemInfo *e1, *e2, *e3;
    FakeGridView* view;
};

TEST_F(PasteCellTest, BlockPasteWritesTheCellsAndUndoRestoresTheItemsExactly) {
    const QString before = DumpProfile(w.root());
    ASSERT_TRUE(PasteBlock(1, 1, 2, 2, "A\tnA\fB\tnB\f"));
    EXPECT_EQ(ElemLabels(*part), QStringList({"A", "B", "E3"}));
    EXPECT_EQ(DumpItem(e1->items[0]), "4[1:nA]");
    EXPECT_EQ(DumpItem(e2->items[1]), "4[1:nB]") << "the item keeps its place among the element's items";
    EXPECT_EQ(view->log, QStringList({"refresh:1,1-2,2", "select:1,1-2,2", "focus"}));
    EXPECT_EQ(w.frame.tree.log, QStringList({"refreshRoot"}));
    const QString after = DumpProfile(w.root());
    manager().Undo();
    EXPECT_EQ(DumpProfile(w.root()), before);
    manager().Redo();
    EXPECT_EQ(DumpProfile(w.root()), after);
}

TEST_F(PasteCellTest, ClearingABlockAndUndoKeepKindsOrderAndAllValues) {
    CPELFM_ItemInfo* data = e1->items[1];
    const QString before = DumpProfile(w.root());
    ASSERT_TRUE(PasteBlock(1, 1, 3, 5, ""));
    EXPECT_EQ(ElemLabels(*part), QStringList({"", "", ""}));
    EXPECT_TRUE(e1->items.isEmpty());
    EXPECT_EQ(DumpItem(e2->items[0]), "15[1:keep]") << "columns the grid does not show stay";
    manager().Undo();
    EXPECT_EQ(DumpProfile(w.root()), before);
    EXPECT_EQ(e1->items[1], data) << "the very item, not one parsed back from its text";
}

TEST_F(PasteCellTest, AShortRowNeverTakesTheNextRowsText) {
    ASSERT_TRUE(PasteBlock(1, 1, 2, 2, "A\fB\tnB\f"));
    EXPECT_EQ(ElemLabels(*part), QStringList({"A", "B", "E3"}));
    EXPECT_EQ(e1->FindItemIndex(NAME), -1) << "the missing cell is cleared";
    EXPECT_EQ(DumpItem(e2->items[1]), "4[1:nB]");
}

TEST_F(PasteCellTest, BlockIsClippedToTheGrid) {
    ASSERT_TRUE(PasteBlock(3, 4, 5, 5, "x\ty\tz\fq\f"));
    EXPECT_EQ(DumpItem(e3->items[0]), "6[1:x]");
    EXPECT_EQ(DumpItem(e3->items[1]), "7[1:y]");
    EXPECT_EQ(view->log.first(), "refresh:3,4-3,5");
}

TEST_F(PasteCellTest, CellLineBreaksMakeListsAndADataTypeSetInTheSameBlockCounts) {
    ASSERT_TRUE(PasteBlock(3, 3, 1, 3, "Arr()\t1,\v2\tENUM a,\vb"));
    EXPECT_EQ(DumpItem(e3->items[0]), "5[1:Arr()]");
    EXPECT_EQ(DumpItem(e3->items[1]), "6[1:1|1:2]");
    EXPECT_EQ(DumpItem(e3->items[2]), "7[2:a|1:b]");
}

TEST_F(PasteCellTest, OpensTheViewWhenNoneIsOpenAndFailsWithoutOne) {
    // The command works on the part's window as it finds it when it runs.
    FakeGridView initial(part, w.frame.views.columnKinds);
    w.frame.views.ClosePartView(part);
    w.ClearLogs();
    auto* command = new CPasteCellCommand;
    command->Init(&initial, 1, 1, 1, 1, "A");
    ASSERT_TRUE(manager().Execute(command));
    EXPECT_EQ(w.frame.views.log, QStringList({"open:Mem:0"}));
    EXPECT_EQ(e1->label, "A");
    EXPECT_TRUE(initial.log.isEmpty());
    EXPECT_EQ(w.frame.views.ViewOf(part)->log.first(), "refresh:1,1-1,1");
    manager().Undo();

    w.frame.views.ClosePartView(part);
    w.frame.views.canOpen = false;
    const QString before = DumpProfile(w.root());
    auto* failing = new CPasteCellCommand;
    failing->Init(&initial, 1, 1, 1, 1, "B");
    EXPECT_FALSE(manager().Execute(failing));
    EXPECT_EQ(DumpProfile(w.root()), before);
    EXPECT_TRUE(manager().CanRedo()) << "the failed paste left the redo history alone";
}

TEST_F(PasteCellTest, TheWindowOfANamesakePartIsNeverWritten) {
    // A loaded file may repeat names; windows are found by them.
    CPELFM_SectionInfo* twin = AddSection(w.root(), "Blk", SECTION_BLOCK);
    CPELFM_PartInfo* namesake = AddPart(*twin, "Mem", PART_BLOCK_MEMORY);
    AddElem(*namesake, "N1");
    FakeGridView initial(part, w.frame.views.columnKinds);
    w.frame.views.ClosePartView(part);
    w.frame.views.Open(namesake);
    const QString before = DumpProfile(w.root());
    auto* command = new CPasteCellCommand;
    command->Init(&initial, 1, 1, 1, 1, "X");
    EXPECT_FALSE(manager().Execute(command));
    EXPECT_EQ(DumpProfile(w.root()), before);
}

TEST_F(PasteCellTest, AColumnTheGridCannotNameThrowsBeforeAnyCellChanges) {
    view->extraColumns = 1;
    const QString before = DumpProfile(w.root());
    EXPECT_THROW(PasteBlock(1, 5, 1, 2, "a\tb"), std::out_of_range);
    EXPECT_EQ(DumpProfile(w.root()), before);
    EXPECT_FALSE(manager().CanUndo());
}

TEST_F(PasteCellTest, ReferencesArePastedRelativeToEachCell) {
    ASSERT_TRUE(PasteList(1, 5, {"Blk.Mem.E1.Lim", "ENUM Blk.Mem.E2.x", "Other.Mem.E3.y"}));
    EXPECT_EQ(DumpItem(e1->items[2]), "7[1:Lim]");
    EXPECT_EQ(DumpItem(e2->items.last()), "7[2:x]");
    EXPECT_EQ(DumpItem(e3->items[0]), "7[1:Other.Mem.E3.y]");
    EXPECT_EQ(view->log, QStringList({"refresh:1,5-3,5", "select:1,5-3,5", "focus"}));
    manager().Undo();
    EXPECT_EQ(DumpItem(e1->items[2]), "7[2:Lim]");
    EXPECT_EQ(e3->items.size(), 0);
}

TEST_F(PasteCellTest, ListRowsWithoutAnElementAreSkipped) {
    ASSERT_TRUE(PasteList(3, 2, {"a", "b", "c"}));
    EXPECT_EQ(DumpItem(e3->items[0]), "4[1:a]");
    EXPECT_EQ(part->ElemCount(), 3);
}

struct ShortenCase {
    const char* text;
    const char* elemLabel;  // null: no element in the row
    const char* expected;
};

TEST(PasteCellText, ReferencesLoseTheLeadingNamesOfTheirTarget) {
    const ShortenCase cases[] = {
        {"blk.MEM.e1.Item", "E1", "Item"},
        {"ENUM Blk.Mem.E1.Item", "E1", "ENUM Item"},
        {"Blk.Mem.Other.Item", "E1", "Other.Item"},
        {"Blk.Mem.E1.Item", nullptr, "E1.Item"},
        {"Blk.Other.E1.Item", "E1", "Other.E1.Item"},
        {"Mem.E1.Item", "E1", "Mem.E1.Item"},  // a part name is dropped only after its section
        {"ENUM Blk.Mem", "E1", "ENUM Mem"},    // never down to nothing
        {"Blk", "E1", "Blk"},
        {"enum Blk.Mem.E1.x", "E1", "enum Blk.Mem.E1.x"},
    };
    CPELFM_SectionInfo section;
    section.name = "Blk";
    CPELFM_PartInfo part;
    part.name = "Mem";
    part.ownerSection = &section;
    for (const ShortenCase& c : cases) {
        CPELFM_ElemInfo elem;
        elem.label = c.elemLabel ? c.elemLabel : "";
        EXPECT_EQ(Internal::ShortenReferenceForCell(c.text, part, c.elemLabel ? &elem : nullptr), c.expected)
            << c.text;
    }
}

TEST(PasteCellText, BlocksSplitRowsFirstAndPad) {
    using Block = QList<QStringList>;
    EXPECT_EQ(Internal::SplitCellBlock("a\tb\fc\f", 2, 2), Block({{"a", "b"}, {"c", ""}}));
    EXPECT_EQ(Internal::SplitCellBlock("", 1, 2), Block({{"", ""}}));
    EXPECT_EQ(Internal::SplitCellBlock("x\vy\tz", 2, 1), Block({{"x\r\ny"}, {""}}));
    EXPECT_EQ(Internal::SplitCellBlock("a\tb\tc", 1, 2), Block({{"a", "b"}}));
}

}  // namespace
