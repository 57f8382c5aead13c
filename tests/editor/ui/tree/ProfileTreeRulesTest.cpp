#include <gtest/gtest.h>

#include "CCommonUtility.h"
#include "PrintQString.h"
#include "ProfileTreeRules.h"
#include "TreeTestStrings.h"
#include "UiTestSupport.h"

using namespace ProfileTreeRules;
using namespace UiTest;

namespace {

class TreeRules : public ::testing::Test {
protected:
    void SetUp() override { utility.SetStringSource(&TreeTestStrings()); }

    CCommonUtility utility{QStringLiteral("/nowhere")};
    CPELFM_ProfileInfo root;
};

TEST_F(TreeRules, ItemTextsNameTheNodeItsSecondNameAndKind) {
    CPELFM_SectionInfo* block = AddSection(root, "Blk<1>", SECTION_BLOCK);
    block->comment = "first block";
    CPELFM_PartInfo* memory = AddPart(*block, "Mem", PART_BLOCK_MEMORY, "memory");
    CPELFM_PartInfo* commIf = AddPart(*block, "If", PART_COMM_IF_INFO);
    EXPECT_EQ(FormatSectionNodeText(*block), "Blk<1> (first block) [BLOCK]");
    EXPECT_EQ(FormatPartNodeText(*memory), "Mem (memory) [BLOCK_MEMORY]");
    // The tree's own keys, not the model's type names.
    EXPECT_EQ(FormatPartNodeText(*commIf), "If () [COMMIF_INFO]");
    EXPECT_EQ(SectionKey(SECTION_COMM_IF), "COMM_IF");
}

TEST_F(TreeRules, RootTextTakesTheDisplayVersionBeforeTheVersion) {
    EXPECT_EQ(FormatRootNodeText(utility, &root), " []()");
    CPELFM_PartInfo* device = AddPart(*AddSection(root, "Dev", SECTION_DEVICE), "DevInfo", PART_DEVICE_INFO);
    AddItem(*AddElem(*device, "devicemodel"), DATA, {"M-1"});
    AddItem(*AddElem(*device, "Version"), DATA, {"2.0"});
    CPELFM_PartInfo* file = AddPart(*AddSection(root, "File", SECTION_FILE), "FileInfo", PART_FILE_INFO);
    AddItem(*AddElem(*file, "Language"), DATA, {"ja"});
    EXPECT_EQ(FormatRootNodeText(utility, &root), "M-1 [2.0](ja)");
    CPELFM_ItemInfo* display = AddItem(*AddElem(*device, "DisplayVersionValue"), DATA, {""});
    EXPECT_EQ(FormatRootNodeText(utility, &root), "M-1 [2.0](ja)");
    display->values.first().text = "2.0 SP1";
    EXPECT_EQ(FormatRootNodeText(utility, &root), "M-1 [2.0 SP1](ja)");
}

TEST_F(TreeRules, ToolTipsNameKindAndTexts) {
    CPELFM_SectionInfo* section = AddSection(root, "Comm", SECTION_COMM_IF);
    section->comment = "c";
    CPELFM_PartInfo* part = AddPart(*section, "E", PART_ENUM, "l2");
    part->comment = "about";
    EXPECT_EQ(NodeToolTip(utility, section), "Section: Comm / c / COMM_IF");
    EXPECT_EQ(NodeToolTip(utility, part), "Part: E / about / l2 / ENUM");
    EXPECT_EQ(NodeToolTip(utility, &root), "");
}

TEST(TreeImages, ASectionShowsItsOwnPartsAndMarksForeignOnes) {
    const struct {
        int section, part, image;
    } cases[] = {
        {SECTION_FILE, PART_FILE_INFO, IMAGE_PART},
        {SECTION_FILE, PART_ENUM, IMAGE_PART},
        {SECTION_DEVICE, PART_DEVICE_INFO, IMAGE_PART},
        {SECTION_DEVICE, PART_DEVICE_IF, IMAGE_PART},
        {SECTION_DEVICE, PART_ENUM, IMAGE_NONE},
        {SECTION_DEVICE, PART_COMM_IF_INFO, IMAGE_NONE},
        {SECTION_COMM_IF, PART_COMM_IF_VARIABLE, IMAGE_PART},
        {SECTION_COMM_IF, PART_ENUM, IMAGE_FOREIGN_PART},
        {SECTION_COMM_IF, PART_BLOCK_MEMORY, IMAGE_FOREIGN_PART},
        {SECTION_BLOCK, PART_BLOCK_PARAM, IMAGE_PART},
        {SECTION_BLOCK, PART_ENUM, IMAGE_FOREIGN_PART},
        {SECTION_UNKNOW, PART_ENUM, IMAGE_NONE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PartImage(c.section, c.part), c.image) << c.section << "/" << c.part;
}

TEST_F(TreeRules, CopyAndDeleteSpareTheHeaderNodes) {
    CPELFM_SectionInfo* file = AddSection(root, "File", SECTION_FILE);
    CPELFM_SectionInfo* device = AddSection(root, "Dev", SECTION_DEVICE);
    CPELFM_SectionInfo* block = AddSection(root, "Blk", SECTION_BLOCK);
    CPELFM_PartInfo* deviceInfo = AddPart(*device, "DevInfo", PART_DEVICE_INFO);
    const struct {
        CPELFM_NodeBase* node;
        bool copy, remove, reference;
    } cases[] = {
        {file, false, false, false},
        {device, false, false, false},
        {block, true, true, false},
        {AddPart(*file, "FileInfo", PART_FILE_INFO), false, false, false},
        {deviceInfo, false, false, false},
        {AddPart(*device, "If", PART_DEVICE_IF), true, true, false},
        {AddPart(*block, "Info", PART_BLOCK_INFO), false, false, false},
        {AddPart(*block, "Mem", PART_BLOCK_MEMORY), true, true, true},
        {AddPart(*block, "Par", PART_BLOCK_PARAM), true, true, true},
        {AddPart(*block, "En", PART_ENUM), true, true, true},
        {AddPart(*AddSection(root, "C", SECTION_COMM_IF), "CI", PART_COMM_IF_INFO), false, false, false},
        {&root, false, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CanCopyNode(c.node), c.copy);
        EXPECT_EQ(CanDeleteNode(utility, c.node), c.remove);
        EXPECT_EQ(CanCopyReference(c.node), c.reference);
    }
    // The extra DEVICE_INFO part may go, the main one never.
    CPELFM_PartInfo* extra = AddPart(*device, "ExtDeviceInfo", PART_DEVICE_INFO);
    EXPECT_TRUE(CanDeleteNode(utility, extra));
    EXPECT_FALSE(CanDeleteNode(utility, deviceInfo));
}

TEST_F(TreeRules, PasteGoesOnlyWhereTheCopyBelongs) {
    CPELFM_SectionInfo* file = AddSection(root, "File", SECTION_FILE);
    CPELFM_SectionInfo* device = AddSection(root, "Dev", SECTION_DEVICE);
    CPELFM_SectionInfo* comm = AddSection(root, "Comm", SECTION_COMM_IF);
    CPELFM_SectionInfo* block = AddSection(root, "Blk", SECTION_BLOCK);
    CPELFM_PartInfo* memory = AddPart(*block, "Mem", PART_BLOCK_MEMORY);
    CPELFM_PartInfo* enumPart = AddPart(*block, "En", PART_ENUM);
    CPELFM_PartInfo* deviceIf = AddPart(*device, "If", PART_DEVICE_IF);
    CPELFM_PartInfo* variable = AddPart(*comm, "Var", PART_COMM_IF_VARIABLE);
    CPELFM_PartInfo* fileInfo = AddPart(*file, "FileInfo", PART_FILE_INFO);
    const auto node = [](CPELFM_NodeBase* n) { return Selection{n, {}, true}; };
    const auto group = [](const char* text) { return Selection{nullptr, text, true}; };
    const struct {
        CPELFM_NodeBase* copied;
        Selection target;
        bool allowed;
    } cases[] = {
        {memory, node(block), true},    {memory, node(enumPart), true},   {memory, node(comm), false},
        {memory, Selection{}, false},   {enumPart, node(variable), true}, {enumPart, node(device), false},
        {deviceIf, node(device), true}, {deviceIf, node(block), false},   {variable, node(comm), true},
        {fileInfo, node(file), false},  {block, group("BLOCK"), true},    {block, group("COMM_IF"), false},
        {block, node(block), false},    {comm, group("COMM_IF"), true},   {file, group("FILE"), false},
        {nullptr, node(block), false},
    };
    for (const auto& c : cases) EXPECT_EQ(CanPasteNode(c.copied, c.target), c.allowed);
}

TEST_F(TreeRules, NewPartNeedsASectionThatTakesParts) {
    CPELFM_SectionInfo* device = AddSection(root, "Dev", SECTION_DEVICE);
    CPELFM_SectionInfo* block = AddSection(root, "Blk", SECTION_BLOCK);
    CPELFM_PartInfo* memory = AddPart(*block, "Mem", PART_BLOCK_MEMORY);
    EXPECT_EQ(NewPartRule(utility, block), NewPart::Enabled);
    EXPECT_EQ(NewPartRule(utility, memory), NewPart::Enabled);
    EXPECT_EQ(NewPartRule(utility, AddSection(root, "File", SECTION_FILE)), NewPart::Disabled);
    EXPECT_EQ(NewPartRule(utility, nullptr), NewPart::Disabled);
    EXPECT_EQ(NewPartRule(utility, device), NewPart::Disabled);
    _ST_DLL_DEVICE_MODEL model;
    model.kind = 2;
    utility.deviceModelPlugins.append(model);
    EXPECT_EQ(NewPartRule(utility, device), NewPart::EnabledInDeviceSection);
    utility.deviceModelPlugins.first().kind = 9;
    EXPECT_EQ(NewPartRule(utility, device), NewPart::Disabled);
    utility.deviceModelPlugins.clear();
}

TEST_F(TreeRules, DropsMoveWithinTheGroupOrSectionOnly) {
    CPELFM_SectionInfo* blockA = AddSection(root, "A", SECTION_BLOCK);
    CPELFM_SectionInfo* blockB = AddSection(root, "B", SECTION_BLOCK);
    CPELFM_SectionInfo* comm = AddSection(root, "C", SECTION_COMM_IF);
    CPELFM_PartInfo* a1 = AddPart(*blockA, "a1", PART_BLOCK_MEMORY);
    CPELFM_PartInfo* a2 = AddPart(*blockA, "a2", PART_BLOCK_PARAM);
    CPELFM_PartInfo* b1 = AddPart(*blockB, "b1", PART_BLOCK_MEMORY);
    const auto on = [](CPELFM_NodeBase* n) { return DropTarget{n, {}}; };
    const auto onGroup = [](const char* text) { return DropTarget{nullptr, text}; };
    const struct {
        CPELFM_NodeBase* dragged;
        DropTarget target;
        bool above, allowed;
    } cases[] = {
        {blockA, on(blockB), false, true},        // (1)
        {blockA, on(blockB), true, true},         // (1) above
        {blockA, on(comm), false, false},         // another group
        {blockB, onGroup("BLOCK"), false, true},  // (2)
        {blockB, onGroup("BLOCK"), true, false},
        {blockB, onGroup("COMM_IF"), false, false},
        {a2, on(a1), true, true},       // (3)
        {a1, on(b1), false, false},     // part of another section
        {a2, on(blockA), false, true},  // (4)
        {a2, on(blockA), true, false},
        {a2, on(blockB), false, false},
        {blockA, on(a1), false, false},
        {&root, on(blockA), false, false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsDropAllowed(c.dragged, c.target, c.above), c.allowed);

    // Above an item the node goes after the one before it, or first.
    EXPECT_EQ(MoveTarget(on(a2), true, a1), a1);
    EXPECT_EQ(MoveTarget(on(a1), true, nullptr), blockA);
    EXPECT_EQ(MoveTarget(on(blockA), true, nullptr), nullptr);
    EXPECT_EQ(MoveTarget(on(a1), false, nullptr), a1);
    EXPECT_EQ(MoveTarget(onGroup("BLOCK"), false, nullptr), nullptr);
}

}  // namespace
