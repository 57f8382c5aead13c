#include <gtest/gtest.h>

#include <memory>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "InvalidArgumentError.h"
#include "PELFMExceptions.h"

namespace {

using Data = ProfileInnerConst::_ST_PELFM_DATAINFO;

CPELFM_SectionInfo* AddSection(CPELFM_ProfileInfo& root, const QString& name, int type) {
    auto* s = new CPELFM_SectionInfo;
    s->name = name;
    s->sectionType = type;
    s->parent = &root;
    root.sections.append(s);
    return s;
}

CPELFM_PartInfo* AddPart(CPELFM_SectionInfo& section, const QString& name, int type) {
    auto* p = new CPELFM_PartInfo;
    p->name = name;
    p->partType = type;
    p->ownerSection = &section;
    section.parts.append(p);
    return p;
}

CPELFM_ItemInfo* MakeItem(int type, std::initializer_list<const char*> texts) {
    auto* item = new CPELFM_ItemInfo;
    item->itemType = type;
    for (const char* t : texts) item->values.append(Data{ProfileInnerConst::DATA_ITEM, QString::fromUtf8(t)});
    return item;
}

CPELFM_ElemInfo* AddElem(CPELFM_PartInfo& part, const QString& label) {
    auto* e = new CPELFM_ElemInfo;
    e->label = label;
    e->ownerPart = &part;
    part.AddElem(e);
    return e;
}

TEST(ModelTree, NameLookupsIgnoreCaseAndTakeTheFirstMatch) {
    CPELFM_ProfileInfo root;
    CPELFM_SectionInfo* file = AddSection(root, "File", SECTION_FILE);
    CPELFM_SectionInfo* blk = AddSection(root, "Blk1", SECTION_BLOCK);
    AddSection(root, "BLK1", SECTION_BLOCK);
    CPELFM_PartInfo* info = AddPart(*blk, "BlockInfo", PART_BLOCK_INFO);
    AddPart(*blk, "BLOCKINFO", PART_BLOCK_INFO);
    CPELFM_ElemInfo* first = AddElem(*info, "Row1");
    AddElem(*info, "ROW1");

    EXPECT_EQ(root.FindSectionByName("file"), file);
    EXPECT_EQ(root.FindSectionByName("blk1"), blk);
    EXPECT_EQ(root.FindSectionByName("nothing"), nullptr);
    EXPECT_EQ(blk->FindPartByName("blockinfo"), info);
    EXPECT_EQ(blk->FindPartByName(""), nullptr);
    EXPECT_EQ(info->FindElemByLabel("row1"), first);
    EXPECT_EQ(info->FindElemByLabel("Row2"), nullptr);
}

TEST(ModelTree, RemoveTakesOnlyTheFirstMatchAndNeverDeletes) {
    CPELFM_ProfileInfo root;
    CPELFM_SectionInfo* a = AddSection(root, "A", SECTION_BLOCK);
    CPELFM_SectionInfo* a2 = AddSection(root, "a", SECTION_BLOCK);
    CPELFM_SectionInfo* b = AddSection(root, "B", SECTION_BLOCK);
    CPELFM_PartInfo* p1 = AddPart(*b, "P", PART_ENUM);
    CPELFM_PartInfo* p2 = AddPart(*b, "p", PART_ENUM);

    root.RemoveSectionByName("A");
    ASSERT_EQ(root.sections.size(), 2);
    EXPECT_EQ(root.sections[0], a2);
    EXPECT_EQ(root.sections[1], b);
    std::unique_ptr<CPELFM_SectionInfo> removed(a);  // still alive: we own it now
    EXPECT_EQ(removed->name, "A");

    b->RemovePartByName("P");
    ASSERT_EQ(b->parts.size(), 1);
    EXPECT_EQ(b->parts[0], p2);
    delete p1;

    root.RemoveSectionByName("none");
    EXPECT_EQ(root.sections.size(), 2);
}

TEST(ModelTree, LastSectionIndexByTypeTakesTheLastMatch) {
    CPELFM_ProfileInfo root;
    const int types[] = {SECTION_FILE,    SECTION_DEVICE, SECTION_BLOCK,
                         SECTION_COMM_IF, SECTION_DEVICE, SECTION_BLOCK};
    for (int t : types) AddSection(root, QString::number(t), t);
    EXPECT_EQ(root.FindLastSectionIndexByType(SECTION_BLOCK), 5);
    EXPECT_EQ(root.FindLastSectionIndexByType(SECTION_DEVICE), 4);
    EXPECT_EQ(root.FindLastSectionIndexByType(SECTION_FILE), 0);
    EXPECT_EQ(root.FindLastSectionIndexByType(SECTION_UNKNOW), -1);

    QList<CPELFM_SectionInfo*> blocks;
    blocks.append(nullptr);  // the out array is emptied first
    root.GetSectionsByType(blocks, SECTION_BLOCK);
    ASSERT_EQ(blocks.size(), 2);
    EXPECT_EQ(blocks[0], root.sections[2]);
    EXPECT_EQ(blocks[1], root.sections[5]);
}

TEST(ModelTree, ItemLookupsSetAndRemoveByType) {
    CPELFM_ElemInfo elem;
    CPELFM_ItemInfo* name1 = MakeItem(NAME, {"a"});
    CPELFM_ItemInfo* data = MakeItem(DATA, {"1"});
    CPELFM_ItemInfo* name2 = MakeItem(NAME, {"b"});
    elem.AddItem(name1);
    elem.AddItem(data);
    elem.AddItem(name2);
    elem.AddItem(nullptr);
    EXPECT_EQ(elem.items.size(), 3);

    EXPECT_EQ(elem.FindItemIndex(NAME), 0);
    EXPECT_EQ(elem.FindItemIndex(DATA), 1);
    EXPECT_EQ(elem.FindItemIndex(RANGE), -1);

    // Same type: replaces the first entry, length unchanged, old item left to the caller.
    std::unique_ptr<CPELFM_ItemInfo> oldName(name1);
    CPELFM_ItemInfo* name3 = MakeItem(NAME, {"c"});
    elem.SetItem(name3);
    EXPECT_EQ(elem.items.size(), 3);
    EXPECT_EQ(elem.items[0], name3);
    EXPECT_EQ(elem.items[2], name2);
    // New type: appended.
    CPELFM_ItemInfo* range = MakeItem(RANGE, {"[0,1]"});
    elem.SetItem(range);
    EXPECT_EQ(elem.items.size(), 4);
    EXPECT_EQ(elem.items[3], range);

    std::unique_ptr<CPELFM_ItemInfo> removed(data);
    elem.RemoveItem(DATA);
    EXPECT_EQ(elem.items.size(), 3);
    EXPECT_EQ(elem.FindItemIndex(DATA), -1);
    elem.RemoveItem(DATA);  // nothing left of that type
    EXPECT_EQ(elem.items.size(), 3);
}

TEST(ModelTree, ValueAccessorsReportMisuse) {
    std::unique_ptr<CPELFM_ItemInfo> empty(MakeItem(DATA, {}));
    EXPECT_THROW(empty->GetFirstValue(), CPELFM_InvalidDescException);
    EXPECT_THROW(empty->SetFirstValue("x"), InvalidArgumentError);
    EXPECT_THROW(empty->GetDataInfoAt(0), InvalidArgumentError);

    std::unique_ptr<CPELFM_ItemInfo> item(MakeItem(DATA, {"a", "b"}));
    item->values[1].dataKind = ProfileInnerConst::DATA_ENUM_REF_ITEM;
    EXPECT_EQ(item->GetDataInfoAt(1), (Data{ProfileInnerConst::DATA_ENUM_REF_ITEM, "b"}));
    EXPECT_THROW(item->GetDataInfoAt(2), InvalidArgumentError);
    EXPECT_THROW(item->GetDataInfoAt(-1), InvalidArgumentError);

    // A changed value must not keep a stale classification.
    item->valueKind = VALUE_LIST;
    item->SetFirstValue("z");
    EXPECT_EQ(item->GetFirstValue(), "z");
    EXPECT_EQ(item->values[0].dataKind, ProfileInnerConst::DATA_ITEM);
    EXPECT_EQ(item->valueKind, VALUE_UNCLASSIFIED);
    item->valueKind = VALUE_TEXT;
    item->AddDataInfo(Data{ProfileInnerConst::DATA_ITEM, "c"});
    EXPECT_EQ(item->values.size(), 3);
    EXPECT_EQ(item->valueKind, VALUE_UNCLASSIFIED);
}

// Builds elements from a scripted list; can fail after a number of elements.
class ScriptedSource : public CPELFM_PartNodeSource {
public:
    ScriptedSource(QStringList labels, int failAfter) : m_labels(std::move(labels)), m_failAfter(failAfter) {}
    void LoadElems(CPELFM_PartInfo& part, QList<CPELFM_ElemInfo*>& out) const override {
        ++loads;
        for (int i = 0; i < m_labels.size(); ++i) {
            if (i == m_failAfter) throw CPELFM_MemoryRequestException();
            auto* e = new CPELFM_ElemInfo;
            e->label = m_labels[i];
            e->ownerPart = &part;
            e->AddItem(MakeItem(DATA, {"v"}));
            e->items[0]->ownerElem = e;
            out.append(e);
        }
    }
    mutable int loads = 0;

private:
    QStringList m_labels;
    int m_failAfter;
};

TEST(ModelTree, LazyLoadingHappensOnceOnFirstUse) {
    CPELFM_PartInfo part;
    auto source = std::make_shared<ScriptedSource>(QStringList{"A", "B"}, -1);
    part.xmlNode = source;
    EXPECT_EQ(source->loads, 0);
    EXPECT_EQ(part.loaded, 0);

    EXPECT_EQ(part.ElemCount(), 2);
    EXPECT_EQ(part.loaded, 1);
    EXPECT_EQ(part.xmlNode, nullptr);  // the node is released after loading
    EXPECT_EQ(part.FindElemByLabel("b")->ownerPart, &part);
    part.EnsureLoaded();
    EXPECT_EQ(source->loads, 1);
}

TEST(ModelTree, FailedLoadNeverLooksLikeACompletePart) {
    CPELFM_PartInfo part;
    part.xmlNode = std::make_shared<ScriptedSource>(QStringList{"A", "B", "C"}, 2);
    EXPECT_THROW(part.EnsureLoaded(), CPELFM_MemoryRequestException);
    EXPECT_EQ(part.loaded, 0);
    EXPECT_NE(part.xmlNode, nullptr);
    // Still incomplete on the next look: the error comes again instead of two elements.
    QList<CPELFM_ElemInfo*> elems;
    EXPECT_THROW(part.GetElems(elems), CPELFM_MemoryRequestException);
    EXPECT_TRUE(elems.isEmpty());
}

TEST(ModelTree, PartWithoutNodeLoadsEmpty) {
    CPELFM_PartInfo part;
    EXPECT_EQ(part.EnsureLoaded(), 1);
    EXPECT_EQ(part.loaded, 1);
    EXPECT_EQ(part.ElemCount(), 0);
}

TEST(ModelTree, CopiesAreDeepAndNameTheirNewParents) {
    CPELFM_ProfileInfo root;
    CPELFM_SectionInfo* source = AddSection(root, "Blk", SECTION_BLOCK);
    source->comment = "c";
    source->expanded = 1;
    CPELFM_PartInfo* loadedPart = AddPart(*source, "Mem", PART_BLOCK_MEMORY);
    loadedPart->label2 = "L2";
    CPELFM_ElemInfo* e = AddElem(*loadedPart, "Row1");
    e->rowIndex = 7;
    CPELFM_ItemInfo* item = MakeItem(DATA, {"1", "2"});
    item->ownerElem = e;
    e->AddItem(item);
    CPELFM_PartInfo* lazyPart = AddPart(*source, "Lazy", PART_BLOCK_PARAM);
    lazyPart->xmlNode = std::make_shared<ScriptedSource>(QStringList{"X", "Y"}, -1);
    source->parts.append(nullptr);  // null entries are skipped

    CPELFM_SectionInfo copy;
    copy.CopyFrom(*source);
    ASSERT_EQ(copy.parts.size(), 2);
    EXPECT_EQ(copy.name, "Blk");
    EXPECT_EQ(copy.comment, "c");
    EXPECT_EQ(copy.expanded, 1);
    EXPECT_EQ(copy.parent, &root);
    source->parts.removeLast();

    for (CPELFM_PartInfo* part : copy.parts) {
        EXPECT_EQ(part->ownerSection, &copy);
        EXPECT_EQ(part->loaded, 1);
        EXPECT_EQ(part->xmlNode, nullptr);
        for (CPELFM_ElemInfo* elem : part->Elems()) {
            EXPECT_EQ(elem->ownerPart, part);
            for (CPELFM_ItemInfo* it : elem->items) EXPECT_EQ(it->ownerElem, elem);
        }
    }
    // The never-looked-at part was loaded first, so the copy has all its elements.
    EXPECT_EQ(copy.parts[1]->ElemCount(), 2);
    EXPECT_EQ(lazyPart->loaded, 1);

    CPELFM_PartInfo* copiedMem = copy.parts[0];
    EXPECT_EQ(copiedMem->label2, "L2");
    ASSERT_EQ(copiedMem->ElemCount(), 1);
    CPELFM_ElemInfo* copiedElem = copiedMem->Elems()[0];
    EXPECT_NE(copiedElem, e);
    EXPECT_EQ(copiedElem->rowIndex, 7);
    ASSERT_EQ(copiedElem->items.size(), 1);
    EXPECT_NE(copiedElem->items[0], item);
    // Changing the source leaves the copy alone.
    item->values[0].text = "changed";
    EXPECT_EQ(copiedElem->items[0]->values[0].text, "1");
    EXPECT_EQ(copiedElem->items[0]->values.size(), 2);
}

TEST(ModelTree, NodeKindTagsTellTheClass) {
    CPELFM_ProfileInfo root;
    CPELFM_SectionInfo* s = AddSection(root, "S", SECTION_FILE);
    CPELFM_PartInfo* p = AddPart(*s, "P", PART_FILE_INFO);
    CPELFM_ElemInfo* e = AddElem(*p, "E");
    auto* i = MakeItem(DATA, {});
    e->AddItem(i);
    CPELFM_NodeBase* nodes[] = {s, p, e, i, &root};
    const int tags[] = {0, 1, 2, 3, 4};
    for (int k = 0; k < 5; ++k) EXPECT_EQ(nodes[k]->kindTag, tags[k]);
    EXPECT_EQ(NodeCast<CPELFM_PartInfo>(nodes[1]), p);
    EXPECT_EQ(NodeCast<CPELFM_PartInfo>(nodes[0]), nullptr);
    EXPECT_EQ(NodeCast<CPELFM_ItemInfo>(nullptr), nullptr);
}

}  // namespace
