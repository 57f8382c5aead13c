#include <gtest/gtest.h>

#include <QMap>
#include <functional>
#include <memory>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "InvalidArgumentError.h"
#include "ItemValueText.h"
#include "PELFMExceptions.h"

namespace {

using Data = ProfileInnerConst::_ST_PELFM_DATAINFO;
using ProfileInnerConst::DATA_ENUM_REF_ITEM;
using ProfileInnerConst::DATA_GENERATED;
using ProfileInnerConst::DATA_ITEM;

// A small profile in memory: section Dev with MemPart, ParamPart, BlockA and EnumPart; section S2 with PartX.
class ItemValueTest : public testing::Test {
protected:
    ItemValueTest() {
        dev = AddSection("Dev", SECTION_BLOCK);
        memPart = AddPart(dev, "MemPart", PART_BLOCK_MEMORY);
        AddElem(memPart, "Other");
        pValue = AddElem(memPart, "P_Value");
        paramPart = AddPart(dev, "ParamPart", PART_BLOCK_PARAM);
        row1 = AddElem(paramPart, "Row1");
        row1Type = AddItem(row1, DATATYPE, {"INT16"});
        row2 = AddElem(paramPart, "Row2");
        blockA = AddPart(dev, "BlockA", PART_BLOCK_PARAM);
        AddElem(blockA, "E1");
        AddElem(blockA, "E2");
        enumPart = AddPart(dev, "EnumPart", PART_ENUM);
        CPELFM_SectionInfo* s2 = AddSection("S2", SECTION_COMM_IF);
        partX = AddPart(s2, "PartX", PART_COMM_IF_VARIABLE);
        e1 = AddElem(partX, "E1");
        host = AddElem(memPart, "Host");
    }

    CPELFM_SectionInfo* AddSection(const char* name, int type) {
        auto* s = new CPELFM_SectionInfo;
        s->name = name;
        s->sectionType = type;
        s->parent = &root;
        root.sections.append(s);
        return s;
    }
    CPELFM_PartInfo* AddPart(CPELFM_SectionInfo* s, const char* name, int type) {
        auto* p = new CPELFM_PartInfo;
        p->name = name;
        p->partType = type;
        p->ownerSection = s;
        s->parts.append(p);
        return p;
    }
    CPELFM_ElemInfo* AddElem(CPELFM_PartInfo* p, const char* label) {
        auto* e = new CPELFM_ElemInfo;
        e->label = label;
        e->ownerPart = p;
        p->AddElem(e);
        return e;
    }
    CPELFM_ItemInfo* AddItem(CPELFM_ElemInfo* e, int type, std::initializer_list<const char*> texts,
                             int dataKind = DATA_ITEM) {
        auto* i = new CPELFM_ItemInfo;
        i->itemType = type;
        i->ownerElem = e;
        for (const char* t : texts) i->values.append(Data{dataKind, QString::fromUtf8(t)});
        e->AddItem(i);
        return i;
    }
    // An item in the Host element of MemPart.
    CPELFM_ItemInfo* Item(int type, std::initializer_list<const char*> texts, int dataKind = DATA_ITEM) {
        return AddItem(host, type, texts, dataKind);
    }

    static QStringList Texts(const QList<CPELFM_ItemInfo*>& items) {
        QStringList out;
        for (const CPELFM_ItemInfo* i : items) out << i->values[0].text;
        return out;
    }

    CPELFM_ProfileInfo root;
    CPELFM_SectionInfo* dev;
    CPELFM_PartInfo *memPart, *paramPart, *blockA, *enumPart, *partX;
    CPELFM_ElemInfo *pValue, *row1, *row2, *e1, *host;
    CPELFM_ItemInfo* row1Type;
};

struct AnalyzeCase {
    int itemType;
    std::vector<const char*> texts;
    int dataKind;
    int kind;
};

class AnalyzeValueTest : public ItemValueTest, public testing::WithParamInterface<AnalyzeCase> {};

TEST_P(AnalyzeValueTest, KindFollowsItemTypeThenText) {
    auto* item = Item(GetParam().itemType, {}, GetParam().dataKind);
    for (const char* t : GetParam().texts) item->values.append(Data{GetParam().dataKind, t});
    EXPECT_EQ(item->AnalyzeValue(), GetParam().kind);
    EXPECT_EQ(item->valueKind, GetParam().kind);
    if (GetParam().texts.size() == 1) {
        EXPECT_EQ(item->work.text, QString::fromUtf8(GetParam().texts[0]));
        EXPECT_EQ(item->work.dataKind, GetParam().itemType);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, AnalyzeValueTest,
    testing::Values(AnalyzeCase{NAME, {"a.b"}, DATA_ITEM, VALUE_TEXT},
                    AnalyzeCase{DATATYPE, {"a.b"}, DATA_ITEM, VALUE_DOTTED_REFERENCE},
                    AnalyzeCase{CATEGORY, {"<a>"}, DATA_ITEM, VALUE_TEXT},
                    AnalyzeCase{COMMENT, {"[1,2]"}, DATA_ITEM, VALUE_TEXT},
                    AnalyzeCase{DATA, {"x"}, DATA_ENUM_REF_ITEM, VALUE_TEXT},
                    AnalyzeCase{DATATYPE, {"Enum1"}, DATA_ENUM_REF_ITEM, VALUE_ENUM_REF},
                    AnalyzeCase{REF_PARAM, {"plain"}, DATA_ITEM, VALUE_REFERENCE},
                    AnalyzeCase{REF_MEMORY, {"<a>"}, DATA_ENUM_REF_ITEM, VALUE_REFERENCE},
                    AnalyzeCase{READ_CONDITION, {"a==1"}, DATA_ITEM, VALUE_CONDITION},
                    AnalyzeCase{READ_CONDITION, {"a<b>"}, DATA_ITEM, VALUE_CONDITION},
                    AnalyzeCase{READ_CONDITION, {"==1"}, DATA_ITEM, VALUE_TEXT},
                    AnalyzeCase{READ_CONDITION, {"a.b"}, DATA_ITEM, VALUE_DOTTED_REFERENCE},
                    AnalyzeCase{READ_CONDITION, {"x"}, DATA_ENUM_REF_ITEM, VALUE_ENUM_REF},
                    AnalyzeCase{CODE, {"<1><2>"}, DATA_ITEM, VALUE_ANGLE_LIST},
                    AnalyzeCase{RANGE, {"[0,10]"}, DATA_ITEM, VALUE_RANGE},
                    AnalyzeCase{ASSIGN, {"x\\<y\\>"}, DATA_ITEM, VALUE_TEXT},
                    AnalyzeCase{NAME, {"a", "b"}, DATA_ITEM, VALUE_LIST},
                    AnalyzeCase{DATATYPE, {"E"}, DATA_ENUM_REF_ITEM, VALUE_ENUM_REF}));

TEST_F(ItemValueTest, EveryValueChangeForgetsTheCachedKind) {
    CPELFM_ItemInfo* item = Item(DATATYPE, {"plain"});
    EXPECT_EQ(item->AnalyzeValue(), VALUE_TEXT);
    item->SetFirstValue("S2.PartX.E1");
    EXPECT_EQ(item->valueKind, VALUE_UNCLASSIFIED);
    EXPECT_EQ(item->GetReferencedElem(), e1);  // not refused as plain text
    item->AddDataInfo(Data{DATA_ITEM, "BlockA.*"});
    QList<CPELFM_ItemInfo*> out;
    item->SplitListItems(out);
    EXPECT_EQ(Texts(out), (QStringList{"S2.PartX.E1", "BlockA.E1", "BlockA.E2"}));
    DeleteItemArray(out);
}

TEST_F(ItemValueTest, AccessorsRefuseOtherKindsAndItemsWithoutValues) {
    const QList<QPair<const char*, std::function<void(CPELFM_ItemInfo*)>>> accessors{
        {"GetTextValue", [](CPELFM_ItemInfo* i) { i->GetTextValue(); }},
        {"GetRange",
         [](CPELFM_ItemInfo* i) {
             _ST_PELFM_RANGEINFO r;
             i->GetRange(r);
         }},
        {"SplitAngleItems",
         [](CPELFM_ItemInfo* i) {
             QList<CPELFM_ItemInfo*> o;
             i->SplitAngleItems(o);
             DeleteItemArray(o);
         }},
        {"SplitListItems",
         [](CPELFM_ItemInfo* i) {
             QList<CPELFM_ItemInfo*> o;
             i->SplitListItems(o);
             DeleteItemArray(o);
         }},
        {"ExpandListItems",
         [](CPELFM_ItemInfo* i) {
             QList<CPELFM_ItemInfo*> o;
             i->ExpandListItems(o);
             DeleteItemArray(o);
         }},
        {"GetReferencedElem", [](CPELFM_ItemInfo* i) { i->GetReferencedElem(); }},
        {"GetReferencedPart", [](CPELFM_ItemInfo* i) { i->GetReferencedPart(); }},
        {"GetEnumRefPart", [](CPELFM_ItemInfo* i) { i->GetEnumRefPart(); }},
        {"SplitConditionItems",
         [](CPELFM_ItemInfo* i) {
             QList<CPELFM_ItemInfo*> o;
             i->SplitConditionItems(o);
             DeleteItemArray(o);
         }},
        {"GetMemberTypeElem", [](CPELFM_ItemInfo* i) { i->GetMemberTypeElem(); }},
    };
    // One item per kind; each accessor accepts exactly its own kinds.
    const QList<QPair<int, CPELFM_ItemInfo*>> items{
        {VALUE_ENUM_REF, Item(DATATYPE, {"EnumPart"}, DATA_ENUM_REF_ITEM)},
        {VALUE_LIST, Item(DATATYPE, {"a", "b"})},
        {VALUE_ANGLE_LIST, Item(CODE, {"<a>"})},
        {VALUE_RANGE, Item(RANGE, {"[1,2]"})},
        {VALUE_TEXT, Item(NAME, {"n"})},
        {VALUE_REFERENCE, Item(REF_PARAM, {"ParamPart"})},
        {VALUE_DOTTED_REFERENCE, Item(DATATYPE, {"PartX.E1"})},
        {VALUE_CONDITION, Item(READ_CONDITION, {"a==1"})},
    };
    const QMap<QString, QList<int>> accepts{
        {"GetTextValue", {VALUE_TEXT}},
        {"GetRange", {VALUE_RANGE}},
        {"SplitAngleItems", {VALUE_ANGLE_LIST}},
        {"SplitListItems", {VALUE_LIST}},
        {"ExpandListItems", {VALUE_LIST}},
        {"GetReferencedElem", {VALUE_REFERENCE, VALUE_DOTTED_REFERENCE}},
        {"GetReferencedPart", {VALUE_REFERENCE}},
        {"GetEnumRefPart", {VALUE_ENUM_REF}},
        {"SplitConditionItems", {VALUE_CONDITION}},
        {"GetMemberTypeElem", {}},
    };
    for (const auto& [name, call] : accessors) {
        for (const auto& [kind, item] : items) {
            if (accepts[name].contains(kind))
                EXPECT_NO_THROW(call(item)) << name << " kind " << kind;
            else
                EXPECT_THROW(call(item), CPELFM_InvalidAPICallException) << name << " kind " << kind;
        }
        EXPECT_THROW(call(Item(NAME, {})), CPELFM_InvalidDescException) << name;
    }
    EXPECT_THROW(Item(NAME, {})->AnalyzeValue(), CPELFM_InvalidDescException);
    EXPECT_EQ(Item(REF_PARAM, {})->GetReferencedPartOfType(PART_BLOCK_PARAM), nullptr);
}

TEST_F(ItemValueTest, TextValueKeepsBackslashesOnlyForTextItemTypes) {
    EXPECT_EQ(Item(CODE, {"a\\<b"})->GetTextValue(), QStringLiteral("a<b"));
    EXPECT_EQ(Item(NAME, {"a\\b"})->GetTextValue(), QStringLiteral("a\\b"));
    EXPECT_EQ(Item(ASSIGN, {"a\\b"})->GetTextValue(), QStringLiteral("a\\b"));
    EXPECT_EQ(Item(ACCESS, {"R\\W"})->GetTextValue(), QStringLiteral("RW"));
}

TEST_F(ItemValueTest, RangeAngleAndConditionItems) {
    _ST_PELFM_RANGEINFO r;
    Item(RANGE, {"[ 0 , 100 )"})->GetRange(r);
    EXPECT_EQ(r.lowerText, QStringLiteral("0"));
    EXPECT_EQ(r.upperKind, 1);

    QList<CPELFM_ItemInfo*> out;
    CPELFM_ItemInfo* angles = Item(CODE, {"<a><b>"}, DATA_ENUM_REF_ITEM);
    angles->valueKind = VALUE_ANGLE_LIST;  // an enumeration value holding an angle list
    angles->SplitAngleItems(out);
    EXPECT_EQ(Texts(out), (QStringList{"a", "b"}));
    EXPECT_EQ(out[1]->values[0].dataKind, DATA_ENUM_REF_ITEM);
    EXPECT_EQ(out[1]->itemType, CODE);
    EXPECT_EQ(out[1]->ownerElem, host);
    DeleteItemArray(out);

    Item(READ_CONDITION, {"a==1 && b>=2"})->SplitConditionItems(out);
    EXPECT_EQ(Texts(out), (QStringList{"a", "1", "==", "b", "2", ">=", "&&"}));
    DeleteItemArray(out);
}

TEST_F(ItemValueTest, ListItemsExpandStarEntriesOnlyWhenSplit) {
    CPELFM_ItemInfo* list = Item(REF_PARAM, {"BlockA.*", "X"});
    QList<CPELFM_ItemInfo*> out;
    list->SplitListItems(out);
    ASSERT_EQ(out.size(), 3);
    EXPECT_EQ(Texts(out), (QStringList{"BlockA.E1", "BlockA.E2", "X"}));
    EXPECT_EQ(out[0]->values[0].dataKind, DATA_GENERATED);
    EXPECT_EQ(out[2]->values[0].dataKind, DATA_ITEM);
    EXPECT_EQ(out[0]->itemType, REF_PARAM);
    DeleteItemArray(out);

    list->ExpandListItems(out);
    EXPECT_EQ(Texts(out), (QStringList{"BlockA.*", "X"}));
    DeleteItemArray(out);

    for (const char* bad : {"Nope.*", "BlockA*"}) {
        out = {nullptr};
        EXPECT_THROW(Item(REF_PARAM, {"a", bad})->SplitListItems(out), CPELFM_InvalidDescException) << bad;
        EXPECT_TRUE(out.isEmpty());
    }
}

TEST_F(ItemValueTest, ExpandOfASingleStarValueListsThePartOrNothing) {
    QList<CPELFM_ItemInfo*> out;
    CPELFM_ItemInfo* one = Item(REF_PARAM, {"blocka.*"});
    one->valueKind = VALUE_LIST;
    one->ExpandListItems(out);
    EXPECT_EQ(Texts(out), (QStringList{"blocka.E1", "blocka.E2"}));
    DeleteItemArray(out);
    CPELFM_ItemInfo* unknown = Item(REF_PARAM, {"Nope.*"});
    unknown->valueKind = VALUE_LIST;
    EXPECT_NO_THROW(unknown->ExpandListItems(out));
    EXPECT_TRUE(out.isEmpty());
}

struct RefCase {
    int itemType;
    const char* text;
    const char* expected;  // "part.element", nullptr: none
};

class ReferencedElemTest : public ItemValueTest, public testing::WithParamInterface<RefCase> {};

TEST_P(ReferencedElemTest, ResolvesByNameIgnoringCase) {
    CPELFM_ElemInfo* found = Item(GetParam().itemType, {GetParam().text})->GetReferencedElem();
    if (!GetParam().expected) {
        EXPECT_EQ(found, nullptr);
    } else {
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->ownerPart->name + "." + found->label, QString::fromUtf8(GetParam().expected));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ReferencedElemTest,
                         testing::Values(RefCase{REF_MEMORY, "$(MemPart)", "MemPart.P_Value"},
                                         RefCase{REF_MEMORY, "mempart", "MemPart.P_Value"},
                                         RefCase{REF_PARAM, "$(ParamPart.Row1)", "ParamPart.Row1"},
                                         RefCase{REF_PARAM, "Other", "MemPart.Other"},
                                         RefCase{DATATYPE, "S2.PartX.E1", "PartX.E1"},
                                         RefCase{DATATYPE, "s2.partx.e1", "PartX.E1"},
                                         RefCase{DATATYPE, "Missing.E1", nullptr},
                                         RefCase{DATATYPE, "S2.PartX.Nope", nullptr},
                                         RefCase{DATATYPE, "A.B.C.D", nullptr},
                                         RefCase{REF_PARAM, "$()", nullptr}));

TEST_F(ItemValueTest, ReferencedPartsAndEnumerations) {
    EXPECT_EQ(Item(REF_PARAM, {"ParamPart"})->GetReferencedPart(), paramPart);
    EXPECT_EQ(Item(REF_PARAM, {"S2.PartX"})->GetReferencedPart(), partX);
    EXPECT_EQ(Item(REF_PARAM, {"$(ParamPart)"})->GetReferencedPart(), nullptr);  // no unwrapping here
    EXPECT_EQ(Item(REF_PARAM, {"a.b.c"})->GetReferencedPart(), nullptr);

    CPELFM_ItemInfo* enumRef = Item(DATATYPE, {"enumpart"}, DATA_ENUM_REF_ITEM);
    EXPECT_EQ(enumRef->GetEnumRefPart(), enumPart);
    EXPECT_EQ(enumRef->valueKind, VALUE_ENUM_REF);
    EXPECT_EQ(Item(DATATYPE, {"Nope"}, DATA_ENUM_REF_ITEM)->GetEnumRefPart(), nullptr);

    CPELFM_ItemInfo* any = Item(NAME, {"EnumPart"});
    EXPECT_EQ(any->GetReferencedPartOfType(PART_ENUM), enumPart);
    EXPECT_EQ(any->GetReferencedPartOfType(PART_BLOCK_PARAM), nullptr);
}

TEST_F(ItemValueTest, FindItemFollowsReferencesToTheGivenDepth) {
    AddItem(row2, REF_PARAM, {"$(ParamPart.Row1)"});
    EXPECT_EQ(row2->FindItem(DATATYPE, 0), nullptr);
    EXPECT_EQ(row2->FindItem(DATATYPE, 1), row1Type);
    EXPECT_EQ(row1->FindItem(DATATYPE, 0), row1Type);
    EXPECT_EQ(e1->FindItem(DATATYPE, 3), nullptr);  // no reference item at all

    CPELFM_ElemInfo* viaList = AddElem(partX, "ViaList");
    std::unique_ptr<CPELFM_ItemInfo> refMemory(
        AddItem(viaList, REF_MEMORY, {"x"}));  // REF_MEMORY is preferred, but resolves to nothing
    EXPECT_EQ(viaList->FindItem(DATATYPE, 1), nullptr);
    viaList->RemoveItem(REF_MEMORY);
    AddItem(viaList, REF_PARAM, {"Dev.ParamPart.*", "X"});
    // A list is split; "*" names the part in the item's own section.
    EXPECT_THROW(viaList->FindItem(DATATYPE, 1), CPELFM_InvalidDescException);

    CPELFM_ElemInfo* chainStart = AddElem(paramPart, "A");
    AddItem(chainStart, REF_PARAM, {"ParamPart.B"});
    CPELFM_ElemInfo* b = AddElem(paramPart, "B");
    AddItem(b, REF_PARAM, {"ParamPart.Row2"});
    EXPECT_EQ(chainStart->FindItem(DATATYPE, 2), nullptr);
    EXPECT_EQ(chainStart->FindItem(DATATYPE, 3), row1Type);
    EXPECT_EQ(chainStart->FindItem(DATATYPE, -1), row1Type);
    EXPECT_EQ(CPELFM_ItemInfo::FindItemByTypeName("DATATYPE", row1), row1Type);
    EXPECT_EQ(CPELFM_ItemInfo::FindItemByTypeName("datatype", row1), nullptr);
    EXPECT_EQ(CPELFM_ItemInfo::FindItemByTypeName("DATATYPE", row2), nullptr);  // depth 0
    EXPECT_EQ(CPELFM_ItemInfo::FindItemByTypeName("BOGUS", row1), nullptr);
}

TEST_F(ItemValueTest, FindItemEndsOnReferenceCycles) {
    CPELFM_ElemInfo* a = AddElem(paramPart, "CycA");
    CPELFM_ElemInfo* b = AddElem(paramPart, "CycB");
    AddItem(a, REF_PARAM, {"ParamPart.CycB"});
    AddItem(b, REF_PARAM, {"$(ParamPart.CycA)"});
    CPELFM_ElemInfo* self = AddElem(paramPart, "Self");
    AddItem(self, REF_PARAM, {"Self"});
    EXPECT_EQ(a->FindItem(DATATYPE, -1), nullptr);
    EXPECT_EQ(a->FindItem(DATATYPE, 1000000), nullptr);
    EXPECT_EQ(self->FindItem(DATATYPE, -5), nullptr);
    EXPECT_EQ(a->FindItem(REF_PARAM, -1)->values[0].text, QStringLiteral("ParamPart.CycB"));
}

TEST_F(ItemValueTest, FindItemThroughAListUsesItsFirstEntry) {
    CPELFM_ElemInfo* viaList = AddElem(paramPart, "ViaList");
    AddItem(viaList, REF_PARAM, {"ParamPart.Row1", "ParamPart.Row2"});
    EXPECT_EQ(viaList->FindItem(DATATYPE, 1), row1Type);
}

TEST_F(ItemValueTest, MemberTypeReferenceIsNeverClassifiedButResolvesWhenSet) {
    CPELFM_ItemInfo* member = Item(DATATYPE, {"PartX.E1#m.n"});
    EXPECT_THROW(member->GetMemberTypeElem(), CPELFM_InvalidAPICallException);
    member->valueKind = VALUE_MEMBER_TYPE_REFERENCE;
    EXPECT_EQ(member->GetMemberTypeElem(), nullptr);  // PartX lies in another section
    CPELFM_ItemInfo* local = Item(DATATYPE, {"S2.PartX.E1#m.n"});
    local->valueKind = VALUE_MEMBER_TYPE_REFERENCE;
    EXPECT_EQ(local->GetMemberTypeElem(), e1);
    CPELFM_ItemInfo* short_ = Item(DATATYPE, {"S2.PartX.E1#m"});
    short_->valueKind = VALUE_MEMBER_TYPE_REFERENCE;
    EXPECT_EQ(short_->GetMemberTypeElem(), nullptr);
}

}  // namespace
