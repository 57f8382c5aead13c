#include <gtest/gtest.h>

#include "AddElemCommand.h"
#include "CChgItemCommand.h"
#include "CChgProCommand.h"
#include "CellTextValues.h"
#include "CommandManager.h"
#include "CommandTestWorld.h"
#include "DelElemCommand.h"
#include "InvalidArgumentError.h"

using namespace CommandTest;

namespace {

class ElemItemTest : public ::testing::Test {
protected:
    ElemItemTest() {
        device = AddSection(w.root(), "Dev", SECTION_DEVICE);
        info = AddPart(*device, "DevInfo", PART_DEVICE_INFO);
        for (const char* label : {"E1", "E2", "E3", "E4"}) AddElem(*info, label);
        w.frame.tree.Show();
    }
    CommandManager& manager() { return *GetCommandManager(); }

    World w;
    CPELFM_SectionInfo* device;
    CPELFM_PartInfo* info;
};

TEST_F(ElemItemTest, AddElementsInsertsBeforeTheRowAndUndoRemovesExactlyThem) {
    auto* command = new AddElemCommand;
    command->Init(info, 3, &w.frame, 2);
    const QList<CPELFM_ElemInfo*> added = command->NewElems();
    ASSERT_TRUE(manager().Execute(command));
    const QList<CPELFM_ElemInfo*>& elems = info->Elems();
    ASSERT_EQ(elems.size(), 7);
    EXPECT_EQ(elems.mid(1, 3), added);
    EXPECT_EQ(ElemLabels(*info), QStringList({"E1", "", "", "", "E2", "E3", "E4"}));
    for (CPELFM_ElemInfo* e : added) EXPECT_EQ(e->ownerPart, info);
    manager().Undo();
    EXPECT_EQ(ElemLabels(*info), QStringList({"E1", "E2", "E3", "E4"}));
    manager().Redo();
    EXPECT_EQ(info->Elems().mid(1, 3), added);
    EXPECT_EQ(w.frame.views.log, QStringList({"open:DevInfo:1", "open:DevInfo:1", "open:DevInfo:1"}));
}

TEST_F(ElemItemTest, AddElementsAtCountPlusOneAppends) {
    auto* command = new AddElemCommand;
    command->Init(info, 1, &w.frame, 5);
    ASSERT_TRUE(manager().Execute(command));
    EXPECT_EQ(ElemLabels(*info), QStringList({"E1", "E2", "E3", "E4", ""}));
}

TEST_F(ElemItemTest, AddElementsOutsideThePartThrowsAndChangesNothing) {
    for (int row : {0, 6, -3}) {
        auto* command = new AddElemCommand;
        command->Init(info, 2, &w.frame, row);
        EXPECT_THROW(manager().Execute(command), InvalidArgumentError) << row;
        EXPECT_EQ(info->ElemCount(), 4);
    }
    auto* noFrame = new AddElemCommand;
    noFrame->Init(info, 1, nullptr, 1);
    EXPECT_FALSE(manager().Execute(noFrame));
    EXPECT_FALSE(manager().CanUndo());
}

TEST_F(ElemItemTest, FailedAddUndoNeverFreesElementsStillInThePart) {
    auto* command = new AddElemCommand;
    command->Init(info, 2, &w.frame, 1);
    const QList<CPELFM_ElemInfo*> added = command->NewElems();
    ASSERT_TRUE(manager().Execute(command));
    // Something outside the history put an element where the command expects its own.
    auto* stranger = new CPELFM_ElemInfo;
    stranger->ownerPart = info;
    info->Elems().insert(0, stranger);
    manager().Undo();
    EXPECT_FALSE(manager().CanUndo());
    EXPECT_FALSE(manager().CanRedo()) << "the command that could not undo is dropped";
    EXPECT_EQ(info->ElemCount(), 7);
    EXPECT_EQ(info->Elems().mid(1, 2), added);
    // Reading them proves they are alive (the sanitizer build checks it).
    for (CPELFM_ElemInfo* e : added) EXPECT_EQ(e->ownerPart, info);
}

TEST_F(ElemItemTest, DeleteElementsAndUndoRestoresOrderAndIndexes) {
    const QList<CPELFM_ElemInfo*> before = info->Elems();
    auto* command = new DelElemCommand;
    ASSERT_TRUE(command->Init(&w.frame, 2, info, 1));
    ASSERT_TRUE(manager().Execute(command));
    EXPECT_EQ(ElemLabels(*info), QStringList({"E1", "E4"}));
    EXPECT_EQ(w.frame.views.log, QStringList({"open:DevInfo:1"}));
    EXPECT_EQ(w.frame.tree.log, QStringList({"refreshRoot"}));
    w.ClearLogs();
    manager().Undo();
    EXPECT_EQ(info->Elems(), before);
    EXPECT_EQ(w.frame.views.log, QStringList({"open:DevInfo:1"}));
    EXPECT_TRUE(w.frame.tree.log.isEmpty()) << "undo of a deletion does not refresh the root text";
    manager().Redo();
    EXPECT_EQ(ElemLabels(*info), QStringList({"E1", "E4"}));
}

struct DeleteRangeCase {
    int count;
    int first;
    bool valid;
};

TEST_F(ElemItemTest, DeleteRangeIsCheckedBeforeAnythingChanges) {
    const DeleteRangeCase cases[] = {{1, 3, true},  {4, 0, true},   {2, 3, false}, {1, 4, false},
                                     {0, 0, false}, {1, -1, false}, {5, 0, false}};
    for (const DeleteRangeCase& c : cases) {
        auto* command = new DelElemCommand;
        EXPECT_EQ(command->Init(&w.frame, c.count, info, c.first), c.valid) << c.count << "@" << c.first;
        EXPECT_EQ(manager().Execute(command), c.valid);
        if (c.valid) manager().Undo();
        EXPECT_EQ(ElemLabels(*info), QStringList({"E1", "E2", "E3", "E4"}));
    }
}

struct CellCase {
    const char* name;
    int itemType;
    QString text;
    QString dataType;  // of the element, "" for none
    QString expected;  // DumpItem of the new item
};

TEST(CellTextValues, TextBecomesValuesByTheItemKind) {
    const CellCase cases[] = {
        {"enum reference on RANGE", RANGE, "ENUM Colors", "", "7[2:Colors]"},
        {"enum prefix on NAME stays text", NAME, "ENUM Colors", "", "4[1:ENUM Colors]"},
        {"any case, blanks after prefix", ACCESS, "enum   Mode", "", "10[2:Mode]"},
        {"too short for the prefix", RANGE, "ENUM", "", "7[1:ENUM]"},
        {"enum on CATEGORY stays text", CATEGORY, "enum X", "", "3[1:enum X]"},
        {"list on RANGE", RANGE, "a,\r\nENUM b", "", "7[1:a|2:b]"},
        {"NAME is never split", NAME, "a,\r\nb", "", "4[1:a,\r\nb]"},
        {"DATA of a list type is split", DATA, "1,\r\n2", "Arr()", "6[1:1|1:2]"},
        {"DATA of a plain type is not", DATA, "1,\r\n2", "Int", "6[1:1,\r\n2]"},
        {"line breaks leave LABEL2", LABEL2, "a\r\nb", "", "2[1:ab]"},
        {"COMMENT keeps them", COMMENT, "a\r\nb", "", "15[1:a\r\nb]"},
        {"plain", ENG_UNIT, "mm", "", "9[1:mm]"},
    };
    for (const CellCase& c : cases) {
        CPELFM_ElemInfo elem;
        if (!c.dataType.isEmpty()) AddItem(elem, DATATYPE, c.dataType);
        CPELFM_ItemInfo item;
        item.itemType = c.itemType;
        item.values = CellTextToValues(c.itemType, elem, c.text);
        EXPECT_EQ(DumpItem(&item), c.expected) << c.name;
    }
    CPELFM_ElemInfo elem;
    EXPECT_TRUE(CellTextToValues(LABEL2, elem, "").isEmpty());
    EXPECT_TRUE(CellTextToValues(LABEL2, elem, "\r\n").isEmpty());
    AddItem(elem, DATATYPE, QList<Data>{});  // a DATATYPE without values is no list type
    EXPECT_EQ(CellTextToValues(DATA, elem, "1,\r\n2").size(), 1);
}

TEST_F(ElemItemTest, ChangeItemFromTextUndoRedo) {
    CPELFM_ElemInfo* e1 = info->Elems()[0];
    AddItem(*e1, NAME, "n");
    CPELFM_ItemInfo* range = AddItem(*e1, RANGE, {Data{1, "[0,1]"}, Data{2, "Lim"}});
    AddItem(*e1, COMMENT, "c");
    auto* command = new CChgItemCommand;
    command->InitFromText(&w.frame, RANGE, e1, "ENUM Colors");
    ASSERT_TRUE(manager().Execute(command));
    EXPECT_EQ(e1->items[1], command->NewItem());
    EXPECT_EQ(DumpItem(e1->items[1]), "7[2:Colors]");
    EXPECT_EQ(e1->items[1]->ownerElem, e1);
    manager().Undo();
    EXPECT_EQ(e1->items[1], range) << "undo puts back the very item";
    EXPECT_EQ(DumpItem(range), "7[1:[0,1]|2:Lim]");
    manager().Redo();
    EXPECT_EQ(DumpItem(e1->items[1]), "7[2:Colors]");
    EXPECT_EQ(w.frame.views.log, QStringList({"open:DevInfo:0", "open:DevInfo:1", "open:DevInfo:1"}));
}

TEST_F(ElemItemTest, EmptyTextRemovesAndUndoReinsertsAtTheOldPosition) {
    CPELFM_ElemInfo* e1 = info->Elems()[0];
    AddItem(*e1, NAME, "n");
    CPELFM_ItemInfo* unit = AddItem(*e1, ENG_UNIT, "mm");
    AddItem(*e1, COMMENT, "c");
    const QString before = DumpProfile(w.root());
    auto* command = new CChgItemCommand;
    command->InitFromText(&w.frame, ENG_UNIT, e1, "");
    ASSERT_TRUE(manager().Execute(command));
    EXPECT_EQ(e1->FindItemIndex(ENG_UNIT), -1);
    manager().Undo();
    EXPECT_EQ(e1->items[1], unit);
    EXPECT_EQ(DumpProfile(w.root()), before);
}

TEST_F(ElemItemTest, DuplicateItemTypesChangeTheFirstAndUndoRestoresBoth) {
    CPELFM_ElemInfo* e1 = info->Elems()[0];
    CPELFM_ItemInfo* first = AddItem(*e1, RANGE, "a");
    CPELFM_ItemInfo* second = AddItem(*e1, RANGE, "b");
    auto* command = new CChgItemCommand;
    command->InitFromText(&w.frame, RANGE, e1, "");
    ASSERT_TRUE(manager().Execute(command));
    EXPECT_EQ(e1->items, QList<CPELFM_ItemInfo*>({second}));
    manager().Undo();
    EXPECT_EQ(e1->items, QList<CPELFM_ItemInfo*>({first, second}));
}

TEST_F(ElemItemTest, LabelChangeUndoRedoIsExact) {
    CPELFM_ElemInfo* e2 = info->Elems()[1];
    auto* command = new CChgItemCommand;
    command->InitFromText(&w.frame, LABEL, e2, "Renamed");
    ASSERT_TRUE(manager().Execute(command));
    EXPECT_EQ(e2->label, "Renamed");
    manager().Undo();
    EXPECT_EQ(e2->label, "E2");
    manager().Redo();
    EXPECT_EQ(e2->label, "Renamed");
}

TEST_F(ElemItemTest, DataListMakesOneValuePerEntryAndAlwaysRefills) {
    CPELFM_ElemInfo* e1 = info->Elems()[0];
    auto* command = new CChgItemCommand;
    command->InitFromDataList(&w.frame, DATA, e1, {"enum Colors", "2", "3"});
    ASSERT_TRUE(manager().Execute(command));
    EXPECT_EQ(DumpItem(e1->items[0]), "6[2:Colors|1:2|1:3]");
    manager().Undo();
    EXPECT_TRUE(e1->items.isEmpty());
    EXPECT_EQ(w.frame.views.log, QStringList({"open:DevInfo:1", "open:DevInfo:1"}));

    auto* clear = new CChgItemCommand;
    AddItem(*e1, DATA, "x");
    clear->InitFromDataList(&w.frame, DATA, e1, {});
    ASSERT_TRUE(manager().Execute(clear));
    EXPECT_TRUE(e1->items.isEmpty());
}

TEST_F(ElemItemTest, ChangeWithoutAFrameFailsAndLeavesTheModel) {
    CPELFM_ElemInfo* e1 = info->Elems()[0];
    AddItem(*e1, NAME, "n");
    const QString before = DumpProfile(w.root());
    for (int type : {NAME, LABEL}) {
        auto* command = new CChgItemCommand;
        command->InitFromText(nullptr, type, e1, "other");
        EXPECT_FALSE(manager().Execute(command));
        EXPECT_EQ(DumpProfile(w.root()), before);
    }
}

struct HeaderCase {
    int partType;
    const char* label;
    int itemType;
    bool refresh;
};

TEST_F(ElemItemTest, HeaderValuesRefreshTheRootTextOnEveryStep) {
    const HeaderCase cases[] = {
        {PART_DEVICE_INFO, "Version", DATA, true},
        {PART_DEVICE_INFO, "devicemodel", DATA, true},
        {PART_DEVICE_INFO, "DisplayVersionValue", DATA, true},
        {PART_FILE_INFO, "LANGUAGE", DATA, true},
        {PART_DEVICE_INFO, "Vendor", DATA, false},
        {PART_DEVICE_INFO, "Version", NAME, false},
        {PART_FILE_INFO, "Version", DATA, false},
        {PART_DEVICE_IF, "Version", DATA, false},
    };
    for (const HeaderCase& c : cases) {
        World world;
        CPELFM_SectionInfo* s = AddSection(world.root(), "S", SECTION_DEVICE);
        CPELFM_PartInfo* p = AddPart(*s, "P", c.partType);
        CPELFM_ElemInfo* e = AddElem(*p, c.label);
        auto* command = new CChgItemCommand;
        command->InitFromText(&world.frame, c.itemType, e, "1.0");
        ASSERT_TRUE(GetCommandManager()->Execute(command));
        GetCommandManager()->Undo();
        GetCommandManager()->Redo();
        EXPECT_EQ(world.frame.tree.log.count("refreshRoot"), c.refresh ? 3 : 0)
            << c.label << " " << c.partType;
    }
}

TEST_F(ElemItemTest, PropertiesOfASectionSwapBackAndForth) {
    device->comment = "old comment";
    auto* command = new CChgProCommand;
    command->Init(device, "Device2", "ignored", "new comment");
    ASSERT_TRUE(manager().Execute(command));
    EXPECT_EQ(device->name, "Device2");
    EXPECT_EQ(device->comment, "new comment");
    EXPECT_EQ(w.frame.tree.log, QStringList({"select:Device2", "rebuild"}));
    manager().Undo();
    EXPECT_EQ(device->name, "Dev");
    EXPECT_EQ(device->comment, "old comment");
    manager().Redo();
    EXPECT_EQ(device->name, "Device2");
}

TEST_F(ElemItemTest, PropertiesOfAPartRetitleItsWindow) {
    info->label2 = "l2";
    auto* command = new CChgProCommand;
    command->Init(info, "Info2", "second", "comment");
    ASSERT_TRUE(manager().Execute(command));
    EXPECT_EQ(info->name, "Info2");
    EXPECT_EQ(info->label2, "second");
    EXPECT_EQ(info->comment, "comment");
    manager().Undo();
    EXPECT_EQ(info->label2, "l2");
    EXPECT_EQ(w.frame.views.log, QStringList({"title:Dev/Info2", "title:Dev/DevInfo"}));
    EXPECT_EQ(w.frame.tree.log, QStringList({"select:Info2", "rebuild", "select:DevInfo", "rebuild"}));
}

}  // namespace
