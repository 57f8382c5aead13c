#include <gtest/gtest.h>

#include "ProfileInnerConst.h"

namespace {

TEST(ModelConstants, ItemTypeNamesByIdWithoutOffByOne) {
    const struct {
        int id;
        const char* name;
    } cases[] = {{0, ""},
                 {-1, ""},
                 {18, ""},
                 {1, "LABEL"},
                 {2, "LABEL2"},
                 {5, "DATATYPE"},
                 {8, "MIN_INC"},
                 {9, "ENG_UNIT"},
                 {13, "REF_MEMORY"},
                 {15, "COMMENT"},
                 {16, "READ_CONDITION"},
                 {17, "RELATION"}};
    for (const auto& c : cases) EXPECT_EQ(GetItemTypeName(c.id), QString::fromLatin1(c.name)) << c.id;
    // Position is id - 1 in the table itself.
    for (int i = 0; i < ProfileInnerConst::ItemTypeCount; ++i)
        EXPECT_EQ(ProfileInnerConst::ItemTypeNames[i].id, i + 1);
}

TEST(ModelConstants, SectionAndPartNamesAreSpelledAsStored) {
    EXPECT_STREQ(ProfileInnerConst::SectionTypeNames[SECTION_UNKNOW].name, "UNKNOW");
    EXPECT_STREQ(ProfileInnerConst::SectionTypeNames[SECTION_MAX].name, "MAX");
    EXPECT_STREQ(ProfileInnerConst::PartTypeNames[PART_UNKNOW].name, "UNKNOW_PART");
    EXPECT_STREQ(ProfileInnerConst::PartTypeNames[PART_COMM_IF_CONFIGURATION].name, "COMM_IF_CONFIGURATION");
    for (int i = 0; i < ProfileInnerConst::PartTypeCount; ++i)
        EXPECT_EQ(ProfileInnerConst::PartTypeNames[i].id, i);
}

TEST(ModelConstants, XmlTagTablesAreIndexedByTypeNumber) {
    using namespace ProfileInnerConst;
    const struct {
        const QStringList& table;
        int size;
        int index;
        const char* name;
    } cases[] = {
        {SectionTagNames(), 5, SECTION_BLOCK, "block"},
        {SectionTagNames(), 5, SECTION_UNKNOW, ""},
        {PartTagNames(), 11, PART_ENUM, "enum"},
        {PartTagNames(), 11, PART_BLOCK_PARAM, "blockParam"},
        {ItemTagNames(), 18, MIN_INC, "minInc"},
        {ItemTagNames(), 18, RELATION, "relation"},
        {ItemTagNames(), 18, READ_CONDITION, "readCondition"},
        {DataTagNames(), 3, DATA_ENUM_REF_ITEM, "enumRefItem"},
        {DataTagNames(), 3, DATA_ITEM, "item"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.table.size(), c.size);
        EXPECT_EQ(c.table.at(c.index), QString::fromLatin1(c.name));
    }
    // The reader has no name for MAX, so no document yields a section of that type.
    EXPECT_FALSE(SectionTagNames().contains("max"));
}

TEST(ModelConstants, OperatorsTryTwoCharacterFormsFirst) {
    const char* expected[] = {"==", "!=", "<=", ">=", "<", ">"};
    for (int i = 0; i < 6; ++i) EXPECT_STREQ(ProfileInnerConst::ComparisonOperators[i], expected[i]);
}

TEST(ModelConstants, SingleCharString) {
    EXPECT_TRUE(IsSingleCharString("*", '*'));
    EXPECT_FALSE(IsSingleCharString("**", '*'));
    EXPECT_FALSE(IsSingleCharString("", '*'));
    EXPECT_FALSE(IsSingleCharString("#", '*'));
}

}  // namespace
