#include <gtest/gtest.h>

#include <functional>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "DataListEditor.h"
#include "PrintQString.h"

namespace {

using namespace ProfileInnerConst;

TEST(DataListEditorTest, EntriesAreNumberedFromOneAndGiveBackTheirValues) {
    DataListEditor editor;
    editor.SetValues({"A", "[x]y", "ENUM Colours"});
    EXPECT_EQ(editor.Entries(), QStringList({"[1]A", "[2][x]y", "[3]ENUM Colours"}));
    EXPECT_EQ(editor.Values(), QStringList({"A", "[x]y", "ENUM Colours"}));
}

TEST(DataListEditorTest, EditingKeepsTheNumberingDense) {
    struct Case {
        const char* what;
        std::function<int(DataListEditor&)> edit;
        int selected;
        QStringList entries;
    };
    const QList<Case> cases = {
        {"delete the first of three",
         [](DataListEditor& e) { return e.Remove(0) ? 0 : -1; },
         0,
         {"[1]B", "[2]C"}},
        {"insert at the front",
         [](DataListEditor& e) { return e.Insert(0, "Z"); },
         0,
         {"[1]Z", "[2]A", "[3]B", "[4]C"}},
        {"append after the last",
         [](DataListEditor& e) { return e.Insert(3, "Z"); },
         3,
         {"[1]A", "[2]B", "[3]C", "[4]Z"}},
        {"replace the middle",
         [](DataListEditor& e) { return e.Replace(1, "Z"); },
         1,
         {"[1]A", "[2]Z", "[3]C"}},
        {"insert past the end",
         [](DataListEditor& e) { return e.Insert(5, "Z"); },
         -1,
         {"[1]A", "[2]B", "[3]C"}},
        {"replace after the last",
         [](DataListEditor& e) { return e.Replace(3, "Z"); },
         -1,
         {"[1]A", "[2]B", "[3]C"}},
        {"delete outside",
         [](DataListEditor& e) { return e.Remove(-1) ? 0 : -1; },
         -1,
         {"[1]A", "[2]B", "[3]C"}},
    };
    for (const Case& c : cases) {
        DataListEditor editor;
        editor.SetValues({"A", "B", "C"});
        EXPECT_EQ(c.edit(editor), c.selected) << c.what;
        EXPECT_EQ(editor.Entries(), c.entries) << c.what;
    }
}

TEST(DataListEditorTest, PositionsOfferOneMoreForANewEntry) {
    EXPECT_EQ(DataListEditor::Positions(2, false), QStringList({"1", "2"}));
    EXPECT_EQ(DataListEditor::Positions(2, true), QStringList({"1", "2", "3"}));
    EXPECT_EQ(DataListEditor::Positions(0, true), QStringList({"1"}));
}

TEST(DataListEditorTest, OnlyAValueWithANonBlankIsUsable) {
    EXPECT_FALSE(DataListEditor::IsUsableValue(""));
    EXPECT_FALSE(DataListEditor::IsUsableValue("   "));
    EXPECT_TRUE(DataListEditor::IsUsableValue(" a "));
}

TEST(DataListEditorTest, AnyChangedValueCountsNotOnlyTheLast) {
    EXPECT_FALSE(DataListEditor::HasChanged({"A"}, {"A"}));
    EXPECT_TRUE(DataListEditor::HasChanged({"A", "B"}, {"X", "B"}));
    EXPECT_TRUE(DataListEditor::HasChanged({"A", "B"}, {"B", "A"}));
    EXPECT_TRUE(DataListEditor::HasChanged({"A"}, {"A", "A"}));
}

TEST(DataListEditorTest, ItemValuesShowEnumerationReferencesWithTheirPrefix) {
    CPELFM_ElemInfo elem;
    auto* item = new CPELFM_ItemInfo;
    item->itemType = 6;
    item->ownerElem = &elem;
    item->values = {{DATA_ITEM, "1"}, {DATA_ENUM_REF_ITEM, "Colours"}};
    elem.items.append(item);
    EXPECT_EQ(DataListEditor::ValuesOfItem(&elem, 6), QStringList({"1", "ENUM Colours"}));
    EXPECT_TRUE(DataListEditor::ValuesOfItem(&elem, 7).isEmpty());
    EXPECT_TRUE(DataListEditor::ValuesOfItem(nullptr, 6).isEmpty());
}

}  // namespace
