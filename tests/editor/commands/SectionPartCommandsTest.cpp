#include <gtest/gtest.h>

#include "CAddPartCommand.h"
#include "CAddSecCommand.h"
#include "CommandManager.h"
#include "CommandTestWorld.h"
#include "InvalidArgumentError.h"

using namespace CommandTest;

namespace {

QStringList ItemDump(CPELFM_ElemInfo* elem) {
    QStringList out;
    for (CPELFM_ItemInfo* item : elem->items) out << DumpItem(item);
    return out;
}

class SectionPartTest : public ::testing::Test {
protected:
    SectionPartTest() {
        file = AddSection(w.root(), "File", SECTION_FILE);
        AddPart(*file, "FileInfo", PART_FILE_INFO);
        comm = AddSection(w.root(), "Comm", SECTION_COMM_IF);
        AddPart(*comm, "CommInfo", PART_COMM_IF_INFO);
        w.plugin.commIfInfo = {Template("A", {"1", "2"}), Template("B")};
        w.plugin.blockInfo = {Template("BI", {"x"})};
        w.plugin.deviceIf = {Template("ProtocolVersion", {"v1", "v2"}), Template("Host", {"h"})};
        w.plugin.blockMemory = {Template("M1"), Template("M2")};
        w.plugin.blockParam = {Template("P1")};
        w.frame.tree.Show();
    }

    CAddSecCommand* NewSection(int type, const QString& name) {
        auto* command = new CAddSecCommand;
        command->Init(type, name, "comment", name + "Info", "l2", "part comment");
        return command;
    }

    World w;
    CPELFM_SectionInfo* file;
    CPELFM_SectionInfo* comm;
};

struct FirstPartCase {
    int sectionType;
    int partType;
    QStringList labels;
};

TEST_F(SectionPartTest, FirstPartKindAndTemplatesFollowTheSectionKind) {
    FakeDeviceModelPlugin deviceModelA, deviceModelB;
    deviceModelA.commIfInfo = {Template("DA")};
    deviceModelB.commIfInfo = {Template("DB1"), Template("DB2")};
    w.services.deviceModels = {&deviceModelA, &deviceModelB};
    const FirstPartCase cases[] = {
        {SECTION_COMM_IF, PART_COMM_IF_INFO, {"A", "B", "DA", "DB1", "DB2"}},
        {SECTION_BLOCK, PART_BLOCK_INFO, {"BI"}},
        {SECTION_DEVICE, PART_UNKNOW, {}},
        {SECTION_FILE, PART_UNKNOW, {}},
    };
    for (const FirstPartCase& c : cases) {
        std::unique_ptr<CAddSecCommand> command(NewSection(c.sectionType, "S"));
        CPELFM_SectionInfo* section = command->Section();
        ASSERT_EQ(section->parts.size(), 1);
        CPELFM_PartInfo* part = section->parts[0];
        EXPECT_EQ(section->sectionType, c.sectionType);
        EXPECT_EQ(section->comment, "comment");
        EXPECT_EQ(part->partType, c.partType) << c.sectionType;
        EXPECT_EQ(part->name, "SInfo");
        EXPECT_EQ(part->label2, "l2");
        EXPECT_EQ(part->comment, "part comment");
        EXPECT_EQ(part->ownerSection, section);
        EXPECT_EQ(ElemLabels(*part), c.labels) << c.sectionType;
    }
}

TEST_F(SectionPartTest, SectionTemplateItemsJoinAllData) {
    std::unique_ptr<CAddSecCommand> command(NewSection(SECTION_COMM_IF, "C2"));
    CPELFM_PartInfo* part = command->Section()->parts[0];
    CPELFM_ElemInfo* a = part->Elems()[0];
    EXPECT_EQ(a->ownerPart, part);
    EXPECT_EQ(ItemDump(a),
              QStringList({"2[1:A_l2]", "3[1:A_cat]", "4[1:A_name]", "5[1:A_type]", "6[1:1\n2]"}));
    EXPECT_EQ(ItemDump(part->Elems()[1]).last(), "6[1:]");
    for (CPELFM_ItemInfo* item : a->items) EXPECT_EQ(item->ownerElem, a);
}

TEST_F(SectionPartTest, TemplatePartsNeedAPlugin) {
    w.services.plugin = nullptr;
    for (int type : {SECTION_COMM_IF, SECTION_BLOCK}) {
        CAddSecCommand command;
        EXPECT_THROW(command.Init(type, "S", "", "P", "", ""), InvalidArgumentError);
        EXPECT_EQ(command.Section(), nullptr);
        EXPECT_FALSE(command.Execute());
    }
    for (int type : {PART_DEVICE_IF, PART_BLOCK_MEMORY, PART_BLOCK_PARAM}) {
        CAddPartCommand command;
        EXPECT_THROW(command.Init(type, comm, "P", "", "", 1), InvalidArgumentError);
        EXPECT_EQ(command.Part(), nullptr);
    }
    CAddSecCommand device;
    EXPECT_NO_THROW(device.Init(SECTION_DEVICE, "D", "", "DI", "", ""));
}

TEST_F(SectionPartTest, AddSectionExecutesUndoesAndRedoes) {
    const QString before = DumpProfile(w.root());
    CAddSecCommand* command = NewSection(SECTION_COMM_IF, "Comm2");
    CPELFM_SectionInfo* section = command->Section();
    ASSERT_TRUE(GetCommandManager()->Execute(command));
    EXPECT_EQ(SectionNames(w.root()), QStringList({"File", "Comm", "Comm2"}));
    EXPECT_EQ(section->parent, &w.root());
    EXPECT_EQ(w.frame.tree.log, QStringList({"expand:COMM_IF:0", "select:Comm2", "rebuild"}));
    const QString after = DumpProfile(w.root());

    w.frame.views.Open(section->parts[0]);
    w.ClearLogs();
    GetCommandManager()->Undo();
    EXPECT_EQ(DumpProfile(w.root()), before);
    EXPECT_EQ(w.frame.views.OpenPartNames(), QStringList());
    EXPECT_EQ(w.frame.views.log, QStringList({"closeSection:Comm2", "close:Comm2Info"}));
    // The only other COMM_IF section comes before it.
    EXPECT_EQ(w.frame.tree.log, QStringList({"select:Comm", "rebuild"}));

    GetCommandManager()->Redo();
    EXPECT_EQ(DumpProfile(w.root()), after);
    EXPECT_EQ(w.root().sections.last(), section) << "redo links the very same section";
}

struct SelectionCase {
    const char* name;
    QStringList blockSections;  // existing BLOCK sections, the new one is inserted at position
    int position;
    const char* expected;
};

TEST_F(SectionPartTest, UndoOfAnAddedSectionSelectsNextElsePreviousElseGroup) {
    const SelectionCase cases[] = {
        {"only one", {}, 0, "BLOCK"},
        {"last", {"B1"}, 1, "B1"},
        {"first of two", {"B1"}, 0, "B1"},
        {"middle", {"B1", "B2"}, 1, "B2"},
    };
    for (const SelectionCase& c : cases) {
        World world;
        world.plugin.blockInfo = {Template("BI")};
        for (const QString& name : c.blockSections) AddSection(world.root(), name, SECTION_BLOCK);
        auto* command = new CAddSecCommand;
        command->Init(SECTION_BLOCK, "New", "", "NewInfo", "", "");
        ASSERT_TRUE(GetCommandManager()->Execute(command));
        // Put it where the case wants it among its group, as a loaded file might have it.
        world.root().sections.removeLast();
        world.root().sections.insert(c.position, command->Section());
        world.frame.tree.Show();
        GetCommandManager()->Undo();
        EXPECT_EQ(world.frame.tree.remembered, c.expected) << c.name;
    }
}

TEST_F(SectionPartTest, UndoRemovesTheAddedSectionNotAnEarlierOneOfTheSameName) {
    CPELFM_SectionInfo* loaded = AddSection(w.root(), "Blk", SECTION_BLOCK);
    auto* command = new CAddSecCommand;
    command->Init(SECTION_BLOCK, "BLK", "", "BlkInfo", "", "");
    ASSERT_TRUE(GetCommandManager()->Execute(command));
    GetCommandManager()->Undo();
    EXPECT_EQ(w.root().sections.last(), loaded);
    EXPECT_EQ(SectionNames(w.root()), QStringList({"File", "Comm", "Blk"}));
}

TEST_F(SectionPartTest, AddSectionWithoutAnOpenProfileFails) {
    w.services.root = nullptr;
    auto* command = new CAddSecCommand;
    command->Init(SECTION_FILE, "F", "", "FI", "", "");
    EXPECT_FALSE(GetCommandManager()->Execute(command));
    EXPECT_FALSE(GetCommandManager()->CanUndo());
}

struct PartCase {
    const char* name;
    int partType;
    int emptyCount;
    QStringList labels;
    int itemsOfFirst;
};

TEST_F(SectionPartTest, PartElementsFollowThePartKind) {
    const PartCase cases[] = {
        {"connection gets only its templates", PART_DEVICE_IF, 5, {"ProtocolVersion", "Host"}, 5},
        {"memory labels then empty rows", PART_BLOCK_MEMORY, 2, {"M1", "M2", "", ""}, 0},
        {"param labels", PART_BLOCK_PARAM, 0, {"P1"}, 0},
        {"enum: empty rows only", PART_ENUM, 3, {"", "", ""}, 0},
        {"negative count adds nothing", PART_ENUM, -2, {}, 0},
    };
    for (const PartCase& c : cases) {
        CAddPartCommand command;
        command.Init(c.partType, comm, "New", "comment", "second", c.emptyCount);
        CPELFM_PartInfo* part = command.Part();
        EXPECT_EQ(part->partType, c.partType) << c.name;
        EXPECT_EQ(part->ownerSection, comm);
        EXPECT_EQ(part->comment, "comment");
        EXPECT_EQ(part->label2, "second");
        EXPECT_EQ(ElemLabels(*part), c.labels) << c.name;
        if (!c.labels.isEmpty()) {
            EXPECT_EQ(part->Elems()[0]->items.size(), c.itemsOfFirst) << c.name;
        }
        for (CPELFM_ElemInfo* e : part->Elems()) EXPECT_EQ(e->ownerPart, part);
    }
}

TEST_F(SectionPartTest, ConnectionDataKeepsOnlyTheProtocolVersion) {
    w.plugin.deviceIf = {Template("protocolversion", {"v1", "v2"}), Template("Host", {"h"}),
                         Template("ProtocolVersion", {})};
    CAddPartCommand command;
    command.Init(PART_DEVICE_IF, comm, "Conn", "", "", 0);
    const QList<CPELFM_ElemInfo*>& elems = command.Part()->Elems();
    EXPECT_EQ(ItemDump(elems[0]).last(), "6[1:v1]");
    EXPECT_EQ(ItemDump(elems[1]).last(), "6[1:]");
    EXPECT_EQ(ItemDump(elems[2]).last(), "6[1:]");
}

TEST_F(SectionPartTest, AddPartExecutesUndoesAndRedoes) {
    CPELFM_PartInfo* other = AddPart(*comm, "Var", PART_COMM_IF_VARIABLE);
    w.frame.tree.Show();
    auto* command = new CAddPartCommand;
    command->Init(PART_ENUM, comm, "Enum1", "", "", 1);
    CPELFM_PartInfo* part = command->Part();
    ASSERT_TRUE(GetCommandManager()->Execute(command));
    EXPECT_EQ(PartNames(*comm), QStringList({"CommInfo", "Var", "Enum1"}));
    EXPECT_EQ(w.frame.tree.log, QStringList({"expand:Comm:1", "select:Enum1", "rebuild"}));

    w.frame.views.Open(part);
    w.frame.views.Open(other);
    w.ClearLogs();
    GetCommandManager()->Undo();
    EXPECT_EQ(PartNames(*comm), QStringList({"CommInfo", "Var"}));
    EXPECT_EQ(w.frame.views.OpenPartNames(), QStringList({"Var"}));
    EXPECT_EQ(w.frame.tree.log, QStringList({"select:Var", "rebuild"}));

    GetCommandManager()->Redo();
    EXPECT_EQ(comm->parts.last(), part);
}

TEST_F(SectionPartTest, UndoOfTheOnlyPartSelectsItsSection) {
    CPELFM_SectionInfo* block = AddSection(w.root(), "Blk", SECTION_BLOCK);
    w.frame.tree.Show();
    auto* command = new CAddPartCommand;
    command->Init(PART_ENUM, block, "E", "", "", 0);
    ASSERT_TRUE(GetCommandManager()->Execute(command));
    GetCommandManager()->Undo();
    EXPECT_EQ(w.frame.tree.remembered, "Blk");
}

TEST_F(SectionPartTest, UndoRemovesTheAddedPartNotAnEarlierOneOfTheSameName) {
    CPELFM_PartInfo* loaded = AddPart(*comm, "Dup", PART_ENUM);
    auto* command = new CAddPartCommand;
    command->Init(PART_ENUM, comm, "dup", "", "", 0);
    ASSERT_TRUE(GetCommandManager()->Execute(command));
    GetCommandManager()->Undo();
    EXPECT_EQ(comm->parts.last(), loaded);
    EXPECT_EQ(comm->parts.size(), 2);
}

}  // namespace
