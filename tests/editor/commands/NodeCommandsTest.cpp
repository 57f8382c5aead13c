#include <gtest/gtest.h>

#include <set>

#include "CDeleteNodeCommand.h"
#include "CMoveNodeCommand.h"
#include "CPasteNodeCommand.h"
#include "CommandManager.h"
#include "CommandTestWorld.h"
#include "PasteNodeName.h"

using namespace CommandTest;

namespace {

class NodeTest : public ::testing::Test {
protected:
    NodeTest() {
        file = AddSection(w.root(), "File", SECTION_FILE);
        AddPart(*file, "FileInfo", PART_FILE_INFO);
        b1 = AddSection(w.root(), "B1", SECTION_BLOCK);
        b2 = AddSection(w.root(), "B2", SECTION_BLOCK);
        b3 = AddSection(w.root(), "B3", SECTION_BLOCK);
        b4 = AddSection(w.root(), "B4", SECTION_BLOCK);
        info = AddPart(*b1, "Info", PART_BLOCK_INFO);
        mem = AddPart(*b1, "Mem", PART_BLOCK_MEMORY);
        param = AddPart(*b1, "Param", PART_BLOCK_PARAM);
        AddItem(*AddElem(*mem, "Row"), NAME, "n");
        w.frame.tree.Show();
    }
    CommandManager& manager() { return *GetCommandManager(); }

    bool Delete(CPELFM_NodeBase* node) {
        auto* command = new CDeleteNodeCommand;
        command->SetNode(node);
        return manager().Execute(command);
    }
    bool Move(CPELFM_NodeBase* node, CPELFM_NodeBase* target) {
        auto* command = new CMoveNodeCommand;
        command->Init(node, target);
        return manager().Execute(command);
    }
    bool Paste(CPELFM_NodeBase* copied, CPELFM_NodeBase* target) {
        auto* command = new CPasteNodeCommand;
        command->Init(copied, target);
        return manager().Execute(command);
    }

    World w;
    CPELFM_SectionInfo *file, *b1, *b2, *b3, *b4;
    CPELFM_PartInfo *info, *mem, *param;
};

struct DeleteSelectionCase {
    const char* name;
    int partIndex;  // in B1 after the setup below; -1 deletes section B2
    QStringList remainingParts;
    const char* selected;
};

TEST_F(NodeTest, DeleteSelectsNextElsePreviousElseParent) {
    const DeleteSelectionCase cases[] = {
        {"first part selects the next", 0, {"Mem", "Param"}, "Mem"},
        {"last part selects the previous", 2, {"Info", "Mem"}, "Mem"},
        {"a middle section selects the next section", -1, {"Info", "Mem", "Param"}, "B3"},
    };
    for (const DeleteSelectionCase& c : cases) {
        CPELFM_NodeBase* node = c.partIndex >= 0 ? static_cast<CPELFM_NodeBase*>(b1->parts[c.partIndex]) : b2;
        ASSERT_TRUE(Delete(node)) << c.name;
        EXPECT_EQ(PartNames(*b1), c.remainingParts) << c.name;
        EXPECT_EQ(w.frame.tree.remembered, c.selected) << c.name;
        manager().Undo();
        EXPECT_EQ(PartNames(*b1), QStringList({"Info", "Mem", "Param"}));
        EXPECT_EQ(SectionNames(w.root()), QStringList({"File", "B1", "B2", "B3", "B4"}));
        EXPECT_EQ(w.frame.tree.remembered, c.partIndex >= 0 ? b1->parts[c.partIndex]->name : QString("B2"));
    }
}

TEST_F(NodeTest, DeletingTheOnlyPartSelectsTheSection) {
    CPELFM_PartInfo* only = AddPart(*b4, "Only", PART_ENUM);
    w.frame.tree.Show();
    ASSERT_TRUE(Delete(only));
    EXPECT_EQ(w.frame.tree.remembered, "B4");
}

TEST_F(NodeTest, DeleteClosesViewsAndUndoReturnsTheSameNodeToItsIndex) {
    w.frame.views.Open(info);
    w.frame.views.Open(mem);
    CPELFM_PartInfo* other = AddPart(*b2, "Mem", PART_BLOCK_MEMORY);
    w.frame.views.Open(other);
    ASSERT_TRUE(Delete(b1));
    EXPECT_EQ(w.frame.views.OpenPartNames(), QStringList({"Mem"}));
    EXPECT_EQ(w.frame.views.ViewOf(other)->part, other);
    manager().Undo();
    EXPECT_EQ(w.root().sections[1], b1);
    ASSERT_TRUE(Delete(mem));
    EXPECT_EQ(w.frame.views.OpenPartNames(), QStringList({"Mem"})) << "only B1's Mem closes";
    manager().Undo();
    EXPECT_EQ(b1->parts[1], mem);
}

TEST_F(NodeTest, DeleteOfADuplicateNameRemovesThatNode) {
    CPELFM_SectionInfo* twin = AddSection(w.root(), "b1", SECTION_BLOCK);
    ASSERT_TRUE(Delete(twin));
    EXPECT_EQ(w.root().sections[1], b1);
    EXPECT_EQ(w.root().sections.size(), 5);
    manager().Undo();
    EXPECT_EQ(w.root().sections.last(), twin);

    CPELFM_PartInfo* twinPart = AddPart(*b1, "INFO", PART_ENUM);
    ASSERT_TRUE(Delete(twinPart));
    EXPECT_EQ(b1->parts[0], info);
    manager().Undo();
    EXPECT_EQ(b1->parts.last(), twinPart);
}

TEST_F(NodeTest, DeleteRefusesOtherNodes) {
    CPELFM_ElemInfo* row = mem->Elems()[0];
    EXPECT_FALSE(Delete(nullptr));
    EXPECT_FALSE(Delete(row));
    EXPECT_FALSE(Delete(&w.root()));
    CPELFM_SectionInfo loose;  // in no profile
    EXPECT_FALSE(Delete(&loose));
    EXPECT_FALSE(manager().CanUndo());
}

struct MoveCase {
    const char* name;
    int node;    // index into the five sections
    int target;  // index, or -1 for the group item
    QStringList order;
};

TEST_F(NodeTest, MovingSectionsAmongTheirGroup) {
    const MoveCase cases[] = {
        {"third onto first", 3, 1, {"File", "B1", "B3", "B2", "B4"}},
        {"first onto third", 1, 3, {"File", "B2", "B3", "B1", "B4"}},
        {"last onto its group becomes first", 4, -1, {"File", "B4", "B1", "B2", "B3"}},
        {"onto the one before stays", 2, 1, {"File", "B1", "B2", "B3", "B4"}},
    };
    for (const MoveCase& c : cases) {
        CPELFM_SectionInfo* node = w.root().sections[c.node];
        CPELFM_SectionInfo* target = c.target >= 0 ? w.root().sections[c.target] : nullptr;
        ASSERT_TRUE(Move(node, target)) << c.name;
        EXPECT_EQ(SectionNames(w.root()), c.order) << c.name;
        EXPECT_EQ(node->parent, &w.root());
        EXPECT_EQ(w.frame.tree.remembered, node->name);
        manager().Undo();
        EXPECT_EQ(SectionNames(w.root()), QStringList({"File", "B1", "B2", "B3", "B4"})) << c.name;
        manager().Redo();
        EXPECT_EQ(SectionNames(w.root()), c.order) << c.name;
        manager().Undo();
    }
}

TEST_F(NodeTest, MovingPartsWithinTheirSection) {
    ASSERT_TRUE(Move(param, b1));
    EXPECT_EQ(PartNames(*b1), QStringList({"Param", "Info", "Mem"}));
    manager().Undo();
    ASSERT_TRUE(Move(info, mem));
    EXPECT_EQ(PartNames(*b1), QStringList({"Mem", "Info", "Param"}));
    manager().Undo();
    EXPECT_EQ(PartNames(*b1), QStringList({"Info", "Mem", "Param"}));
    ASSERT_TRUE(Move(param, AddPart(*b2, "Else", PART_ENUM)));
    EXPECT_EQ(PartNames(*b1), QStringList({"Param", "Info", "Mem"})) << "a part never leaves its section";
}

TEST_F(NodeTest, RefusedMovesLeaveNoHistory) {
    EXPECT_FALSE(Move(b2, info)) << "a section dropped on a part";
    EXPECT_FALSE(Move(mem->Elems()[0], nullptr));
    EXPECT_FALSE(Move(nullptr, b1));
    EXPECT_FALSE(manager().CanUndo());
    EXPECT_EQ(SectionNames(w.root()), QStringList({"File", "B1", "B2", "B3", "B4"}));
}

TEST_F(NodeTest, MoveUndoOfADuplicateNameMovesThatSection) {
    w.root().sections[2]->name = "B1";  // B2 now shares B1's name
    CPELFM_SectionInfo* second = w.root().sections[2];
    ASSERT_TRUE(Move(second, b4));
    EXPECT_EQ(w.root().sections.last(), second);
    manager().Undo();
    EXPECT_EQ(w.root().sections[1], b1);
    EXPECT_EQ(w.root().sections[2], second);
}

struct NameCase {
    QString name;
    QStringList taken;
    QString expected;
};

TEST(PasteNodeName, CountsUpWithoutCuttingOrOverflowing) {
    const NameCase cases[] = {
        {"Block", {}, "Block"},
        {"Block", {"Block"}, "Block1"},
        {"Block", {"block", "BLOCK1"}, "Block2"},
        {"Block01", {"Block01"}, "Block02"},
        {"Block09", {"Block09"}, "Block10"},
        {"Param9", {"Param9"}, "Param10"},
        {"P001", {"P001", "P002"}, "P003"},
        {"X99", {"X99"}, "X100"},
        {"N18446744073709551615", {"N18446744073709551615"}, "N18446744073709551616"},
        {"V000000000000000000000000009", {"V000000000000000000000000009"}, "V000000000000000000000000010"},
        {"7", {"7"}, "8"},
    };
    for (const NameCase& c : cases) {
        auto exists = [&c](const QString& name) {
            for (const QString& t : c.taken)
                if (t.compare(name, Qt::CaseInsensitive) == 0) return true;
            return false;
        };
        EXPECT_EQ(Internal::MakePasteName(c.name, exists), c.expected) << c.name.toStdString();
    }
}

TEST(PasteNodeName, DecimalTextAddition) {
    EXPECT_EQ(Internal::AddToDecimalText("007", 1), "8");
    EXPECT_EQ(Internal::AddToDecimalText("999", 1), "1000");
    EXPECT_EQ(Internal::AddToDecimalText("0", 0), "0");
    EXPECT_EQ(Internal::AddToDecimalText("5", 123), "128");
    EXPECT_EQ(Internal::AddToDecimalText("99999999999999999999", 18446744073709551615ull),
              "118446744073709551614");
}

TEST_F(NodeTest, PastingAPartTwiceIntoItsSectionNumbersTheCopies) {
    ASSERT_TRUE(Paste(mem, b1));
    ASSERT_TRUE(Paste(mem, b1));
    EXPECT_EQ(PartNames(*b1), QStringList({"Info", "Mem", "Param", "Mem1", "Mem2"}));
    CPELFM_PartInfo* copy = b1->parts[3];
    EXPECT_NE(copy, mem);
    EXPECT_EQ(copy->ownerSection, b1);
    EXPECT_EQ(copy->Elems()[0]->ownerPart, copy);
    EXPECT_NE(copy->Elems()[0], mem->Elems()[0]);
    EXPECT_EQ(DumpItem(copy->Elems()[0]->items[0]), "4[1:n]");
    EXPECT_TRUE(w.frame.tree.log.contains("expand:B1:1"));
    manager().Undo();
    manager().Undo();
    EXPECT_EQ(PartNames(*b1), QStringList({"Info", "Mem", "Param"}));
}

TEST_F(NodeTest, PastingOntoAPartInsertsAfterIt) {
    ASSERT_TRUE(Paste(param, info));
    EXPECT_EQ(PartNames(*b1), QStringList({"Info", "Param1", "Mem", "Param"}));
    ASSERT_TRUE(Paste(param, b2));
    EXPECT_EQ(PartNames(*b2), QStringList({"Param"})) << "the name is free in another section";
    EXPECT_EQ(w.frame.tree.remembered, "Param");
}

TEST_F(NodeTest, PastingSections) {
    ASSERT_TRUE(Paste(b2, b1));
    EXPECT_EQ(SectionNames(w.root()), QStringList({"File", "B5", "B1", "B2", "B3", "B4"}))
        << "before the target";
    manager().Undo();
    ASSERT_TRUE(Paste(b1, nullptr));
    EXPECT_EQ(SectionNames(w.root()), QStringList({"File", "B1", "B2", "B3", "B4", "B5"}))
        << "after the last section of its kind";
    CPELFM_SectionInfo* copy = w.root().sections.last();
    EXPECT_EQ(copy->parent, &w.root());
    EXPECT_EQ(PartNames(*copy), PartNames(*b1));
    for (CPELFM_PartInfo* p : copy->parts) EXPECT_EQ(p->ownerSection, copy);
    EXPECT_TRUE(w.frame.tree.log.contains("expand:BLOCK:0"));
    EXPECT_EQ(w.frame.tree.remembered, "B5");
}

TEST_F(NodeTest, PasteUndoClosesTheCopysViewsAndSelectsANeighbour) {
    ASSERT_TRUE(Paste(b2, nullptr));
    CPELFM_SectionInfo* copy = w.root().sections.last();
    ASSERT_TRUE(Paste(mem, copy));
    CPELFM_PartInfo* partCopy = copy->parts.last();
    w.frame.views.Open(partCopy);
    manager().Undo();
    EXPECT_EQ(w.frame.views.OpenPartNames(), QStringList());
    EXPECT_EQ(w.frame.tree.remembered, "B5") << "the only part: its section";
    manager().Undo();
    EXPECT_EQ(w.frame.tree.remembered, "B4");
    manager().Redo();
    manager().Redo();
    EXPECT_EQ(w.root().sections.last(), copy);
    EXPECT_EQ(copy->parts.last(), partCopy);
}

TEST_F(NodeTest, PasteRefusesMismatchedTargets) {
    EXPECT_FALSE(Paste(mem, nullptr)) << "a part needs a section or part";
    EXPECT_FALSE(Paste(b1, info)) << "a section is not pasted onto a part";
    EXPECT_FALSE(Paste(mem->Elems()[0], b1)) << "elements are not pasted as nodes";
    EXPECT_FALSE(manager().CanUndo());
}

TEST_F(NodeTest, PasteOfAPartWhoseSourceWasDeleted) {
    // The copy is made at Init, so deleting the source afterwards does not matter.
    auto* command = new CPasteNodeCommand;
    command->Init(param, b2);
    ASSERT_TRUE(Delete(param));
    ASSERT_TRUE(manager().Execute(command));
    EXPECT_EQ(PartNames(*b2), QStringList({"Param"}));
}

}  // namespace
