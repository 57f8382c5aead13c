// The cell rules of the part grid, without any window.
#include <gtest/gtest.h>

#include <memory>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CellEditRules.h"
#include "CellLineBreaks.h"
#include "CellText.h"
#include "CellTextDocument.h"
#include "CellTextValues.h"
#include "ClipBlock.h"
#include "GridContextMenuRules.h"
#include "PrintQString.h"
#include "ReferenceRules.h"
#include "SelectionModeMachine.h"

namespace {

using ProfileInnerConst::DATA_ENUM_REF_ITEM;
using ProfileInnerConst::DATA_ITEM;

// One section, one part, one element; items are added per case.
struct Elem {
    Elem(const QString& label = "E1", int partType = PART_BLOCK_PARAM, const QString& partName = "P1") {
        section.name = "S1";
        part.name = partName;
        part.partType = partType;
        part.ownerSection = &section;
        part.loaded = 1;
        elem = new CPELFM_ElemInfo;
        elem->label = label;
        elem->ownerPart = &part;
        part.AddElem(elem);
    }
    CPELFM_ItemInfo* Add(int itemType, QList<ProfileInnerConst::_ST_PELFM_DATAINFO> values) {
        auto* item = new CPELFM_ItemInfo;
        item->itemType = itemType;
        item->ownerElem = elem;
        item->values = values;
        elem->AddItem(item);
        return item;
    }
    CPELFM_SectionInfo section;
    CPELFM_PartInfo part;
    CPELFM_ElemInfo* elem;
};

TEST(CellTextTest, ShowsEachValueKind) {
    struct Case {
        const char* name;
        int itemType;
        QList<ProfileInnerConst::_ST_PELFM_DATAINFO> values;  // empty: no item
        QString expected;
    };
    const QList<Case> cases = {
        {"label", LABEL, {}, "E1"},
        {"missing item", NAME, {}, ""},
        {"plain text", NAME, {{DATA_ITEM, "Speed"}}, "Speed"},
        {"enumeration reference", DATATYPE, {{DATA_ENUM_REF_ITEM, "Modes"}}, "ENUM Modes"},
        {"list joined",
         DATA,
         {{DATA_ITEM, "a"}, {DATA_ENUM_REF_ITEM, "b"}, {DATA_ITEM, "c"}},
         "a,\r\nENUM b,\r\nc"},
        {"empty value kept", DATA, {{DATA_ITEM, "a"}, {DATA_ITEM, ""}, {DATA_ITEM, "c"}}, "a,\r\n,\r\nc"},
        {"range as stored", RANGE, {{DATA_ITEM, "[0,10]"}}, "[0,10]"},
        {"enumeration kind on a name stays plain", NAME, {{DATA_ENUM_REF_ITEM, "X"}}, "X"},
        {"reference as stored", REF_MEMORY, {{DATA_ITEM, "S.P.E"}}, "S.P.E"},
    };
    for (const Case& c : cases) {
        Elem e;
        if (!c.values.isEmpty()) e.Add(c.itemType, c.values);
        EXPECT_EQ(CellText::CellTextOfItem(*e.elem, c.itemType), c.expected) << c.name;
    }
}

TEST(CellTextTest, ListTextReadsBackAsTheSameValues) {
    Elem e;
    e.Add(DATATYPE, {{DATA_ITEM, "ARRAY()"}});
    CPELFM_ItemInfo* data = e.Add(DATA, {{DATA_ITEM, "x"}, {DATA_ITEM, ""}, {DATA_ITEM, "ENUM y"}});
    const QString shown = CellText::CellTextOfItem(*e.elem, DATA);
    EXPECT_EQ(CellTextToValues(DATA, *e.elem, shown), data->values);
}

TEST(CellTextTest, LinesAndRowHeight) {
    EXPECT_EQ(CellText::CellLineCount(""), 1);
    EXPECT_EQ(CellText::CellLineCount("a,\r\nb,\r\nc"), 3);
    EXPECT_EQ(CellText::CellLineCount("a\r\nb"), 1);  // only list separators count
    // Only the shown part of a long list is read.
    EXPECT_EQ(CellText::CellLineCount(QString("a,\r\n").repeated(1 << 20)), CellText::kShownChars / 4 + 1);
    EXPECT_EQ(CellText::RowHeightTwips(9.0, 1), 198);
    EXPECT_EQ(CellText::RowHeightTwips(9.5, 3), 627);
    EXPECT_EQ(CellText::RowHeightTwips(9.0, 0), 198);
    EXPECT_EQ(CellText::RowHeightTwips(0.0, 3), 0);
}

TEST(CellTextTest, ShownTextIsBoundedAndWholeWithinTheBounds) {
    using CellText::kShownChars, CellText::kShownLineChars;
    const QString line(kShownLineChars, 'x'), cut(QChar(0x2026)), lines = QString("1234567\n").repeated(4096);
    const QList<std::tuple<QString, QString, bool>> cases = {
        {"a\r\nb\rc", "a\nb\rc", false},
        {line + "\r\n" + line, line + "\n" + line, false},
        {line + "yz\nnext", line + cut + "\nnext", true},
        {lines, lines.first(kShownChars) + cut, true},
        {line.chopped(1) + QString::fromUtf16(u"\U0001F600"), line.chopped(1) + cut,
         true},  // no half character
    };
    for (const auto& [text, shown, wasCut] : cases) {
        bool cutOff = !wasCut;
        EXPECT_EQ(CellText::ShownText(text, &cutOff), shown);
        EXPECT_EQ(cutOff, wasCut) << shown.first(20).toStdString();
    }
}

TEST(CellEditRulesTest, ComboListPerKind) {
    struct Case {
        const char* name;
        int itemType;
        QString dataType;  // the element's DATATYPE, empty for none
        QString expected;
    };
    const QString types = "|INT|ARRAY()|";
    const QList<Case> cases = {
        {"data types offered", DATATYPE, "", types},
        {"list data opens the dialog", DATA, "ARRAY()", "|..."},
        {"scalar data is typed", DATA, "INT16", ""},
        {"data without a type is typed", DATA, "", ""},
        {"range always opens the dialog", RANGE, "INT16", "|..."},
        {"access choices", ACCESS, "", "|R|W|RW|NA| |"},
        {"name is typed", NAME, "ARRAY()", ""},
        {"label is typed", LABEL, "", ""},
    };
    for (const Case& c : cases) {
        Elem e;
        if (!c.dataType.isEmpty()) e.Add(DATATYPE, {{DATA_ITEM, c.dataType}});
        EXPECT_EQ(CellEditRules::ComboListFor(c.itemType, e.elem, types), c.expected) << c.name;
        EXPECT_EQ(CellEditRules::OpensDataDialog(c.itemType, e.elem), c.expected == "|...") << c.name;
    }
    EXPECT_FALSE(CellEditRules::OpensDataDialog(DATA, nullptr));
}

TEST(CellEditRulesTest, ComboChoices) {
    EXPECT_EQ(CellEditRules::ComboChoices("|R|W|RW|NA| |"), QStringList({"R", "W", "RW", "NA", " "}));
    EXPECT_EQ(CellEditRules::ComboChoices("|INT|REAL"), QStringList({"INT", "REAL"}));
    EXPECT_TRUE(CellEditRules::ComboChoices("|...").isEmpty());
    EXPECT_TRUE(CellEditRules::ComboChoices("|").isEmpty());
    EXPECT_TRUE(CellEditRules::ComboChoices("").isEmpty());
    const QStringList types{"BOOL", "INT?", "UINT16", "STRING(?)", "STRING_U(?)"};  // "?": a size
    for (const auto& [v, at] : QList<std::pair<QString, int>>{{"uint16", 2}, {"INT24", 1}, {"STRING()", -1}})
        EXPECT_EQ(CellEditRules::ChoiceOfValue(types, v), at) << v.toStdString();
}

TEST(CellEditRulesTest, CleaningIsThePastedTextsRule) {
    struct Case {
        int itemType;
        QString typed;
        QString stored;
    };
    const QList<Case> cases = {
        {NAME, " a\r\nb ", "a\r\nb"},      {LABEL2, "a\r\nb", "ab"},     {COMMENT, "x\r\ny", "x\r\ny"},
        {RANGE, "a,\r\nb", "a,\r\nb"},     {DATATYPE, "IN\r\nT", "INT"}, {LABEL, "  L1 ", "L1"},
        {REF_PARAM, "a,\r\nb", "a,\r\nb"}, {CATEGORY, "c\r\nd", "cd"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CellEditRules::CleanEditedText(c.itemType, c.typed), c.stored) << c.itemType;
        // A pasted text of the cleaned form gives the values a typed one does.
        Elem e;
        EXPECT_EQ(CellTextToValues(c.itemType, *e.elem, c.typed.trimmed()),
                  CellTextToValues(c.itemType, *e.elem, c.stored))
            << c.itemType;
    }
}

// What the plain cell editor's text (line breaks as "\n") stores: the value's own line breaks wherever its
// text was left as it was, "\r\n" for the ones typed.
TEST(CellLineBreaksTest, TheEditedTextKeepsTheValuesLineBreaks) {
    struct Case {
        const char* name;
        QString value, edited, stored;
        qsizetype changedFrom = -1, unchangedTail = -1;  // where the editor saw the changes
    };
    const QList<Case> cases = {
        {"unchanged", "a\nb\r\nc\rd", "a\nb\nc\nd", "a\nb\r\nc\rd"},
        {"typed at the end", "a\nb", "a\nbc", "a\nbc"},
        {"line typed between", "a\nb\r\nc", "a\nb\nx\nc", "a\nb\r\nx\r\nc"},
        {"line break typed", "ab\nc", "a\nb\nc", "a\r\nb\nc"},
        {"line typed after a line, as the text reads", "a\nb", "a\nx\nb", "a\nx\r\nb"},
        {"line typed after a line, as the editor saw it", "a\nb", "a\nx\nb", "a\r\nx\nb", 1, 2},
        {"line break deleted", "a\r\nb\nc", "ab\nc", "ab\nc"},
        {"everything replaced", "a\nb", "x\ny", "x\r\ny"},
        {"a separator the editor takes for a line break", QString("a") + QChar(0x2029) + "b", "a\nb",
         QString("a") + QChar(0x2029) + "b"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CellLineBreaks::Restore(c.value, c.edited, c.changedFrom, c.unchangedTail), c.stored)
            << c.name;
        if (c.value == c.stored) {
            EXPECT_EQ(CellLineBreaks::AsLineFeeds(c.value), c.edited) << c.name;
        }
    }
    EXPECT_EQ(CellLineBreaks::AsCrLf(u"a\nb\r\nc\rd"), "a\r\nb\r\nc\r\nd");
}

// The long-value editor's text through one edit: its text and its lines, whatever ends them.
TEST(CellTextDocumentTest, LinesFollowTheirOwnLineBreaksThroughEdits) {
    struct Case {
        const char* name;
        QString value;
        qsizetype pos, length;
        QString typed, text;
        QStringList lines;
    };
    const QList<Case> cases = {
        {"unchanged", "a\r\nb\nc\rd\n", 0, 0, "", "a\r\nb\nc\rd\n", {"a", "b", "c", "d", ""}},
        {"typed", "ab\ncd", 1, 0, "x", "axb\ncd", {"axb", "cd"}},
        {"typed line break", "ab\ncd", 1, 0, "\r\n", "a\r\nb\ncd", {"a", "b", "cd"}},
        {"line break removed", "a\r\nb\rc", 1, 2, "", "ab\rc", {"ab", "c"}},
        {"a lone CR and a LF brought together", "a\rx\nb", 2, 1, "", "a\r\nb", {"a", "b"}},
        {"typed before a LF after a typed CR", "a\nb", 1, 0, "\r", "a\r\nb", {"a", "b"}},
        {"replaced whole", "a\nb", 0, 3, "z\r\n", "z\r\n", {"z", ""}},
        {"emptied", "a\nb", 0, 3, "", "", {""}},
        {"surrogates",
         QString::fromUtf16(u"\U0001F600\n"),
         2,
         0,
         "!",
         QString::fromUtf16(u"\U0001F600!\n"),
         {QString::fromUtf16(u"\U0001F600!"), ""}},
    };
    for (const Case& c : cases) {
        CellTextDocument text(c.value);
        text.Replace(c.pos, c.length, c.typed);
        EXPECT_EQ(text.Text(), c.text) << c.name;
        EXPECT_EQ(text.IsUnchanged(), c.text == c.value && c.pos == 0 && c.length == 0) << c.name;
        QStringList lines;
        for (qsizetype line = 0; line < text.LineCount(); ++line) {
            const qsizetype start = text.LineStart(line), end = text.LineEnd(line);
            lines << text.Mid(start, end - start);
            EXPECT_EQ(text.LineOf(start), line) << c.name;
            EXPECT_EQ(text.LineOf(end), line) << c.name;
            if (line == 0) continue;
            // Moving over a line's end steps over its whole line break.
            EXPECT_EQ(text.Next(text.LineEnd(line - 1)), start) << c.name;
            EXPECT_EQ(text.Previous(start), text.LineEnd(line - 1)) << c.name;
        }
        EXPECT_EQ(lines, c.lines) << c.name;
        // Typed and taken back, the value is the one it came as again.
        text.Replace(0, text.Length(), c.value);
        EXPECT_EQ(text.Text(), c.value) << c.name;
    }
    CellTextDocument typed(QStringLiteral("abc"));
    typed.Replace(1, 0, QStringLiteral("x"));
    typed.Replace(1, 1, {});
    EXPECT_TRUE(typed.IsUnchanged());
    EXPECT_EQ(typed.Valid(1), 1);
    CellTextDocument pair(QString::fromUtf16(u"\U0001F600\r\n"));
    EXPECT_EQ(pair.Valid(1), 0);
    EXPECT_EQ(pair.Valid(3), 2);
    EXPECT_EQ(pair.Next(0), 2);
}

TEST(ClipBlockTest, ParsesClipboardTexts) {
    using ClipBlock::Block;
    struct Case {
        const char* name;
        QString text;
        Block expected;
    };
    const QList<Case> cases = {
        {"windows rows", "a\tb\r\nc\td\r\n", {{"a", "b"}, {"c", "d"}}},
        {"linux rows", "a\tb\nc\td\n", {{"a", "b"}, {"c", "d"}}},
        {"no final line end", "a\nb", {{"a"}, {"b"}}},
        {"one cell", "x", {{"x"}}},
        {"short rows padded", "a\tb\tc\r\nd\r\n", {{"a", "b", "c"}, {"d", "", ""}}},
        {"trailing tab is an empty cell", "a\t\r\n", {{"a", ""}}},
        {"quoted line break", "\"a\nb\"\tc\r\n", {{"a\r\nb", "c"}}},
        {"quoted tab and quotes", "\"x\ty \"\"q\"\"\"\r\n", {{"x\ty \"q\""}}},
        {"lone quote stays", "\"\r\n", {{"\""}}},
        {"two quotes are empty", "\"\"\tz", {{"", "z"}}},
        {"quote not closing the cell stays", "\"a\"b\tc", {{"\"a\"b", "c"}}},
        {"unclosed quote stays", "\"abc", {{"\"abc"}}},
        {"vertical tab is a line break", "a\vb\tc", {{"a\r\nb", "c"}}},
        {"empty", "", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(ClipBlock::ParseClipText(c.text), c.expected) << c.name;
}

TEST(ClipBlockTest, CopiedBlocksReadBackUnchanged) {
    const QList<ClipBlock::Block> blocks = {
        {{"a", "b"}, {"c", "d"}},
        {{"ENUM x,\r\ny", "\"quoted\""}, {"tab\there", ""}},
        {{"single"}},
        {{"", ""}},
    };
    for (const ClipBlock::Block& block : blocks) {
        const QString text = ClipBlock::FormatCopyText(block);
        EXPECT_TRUE(text.endsWith("\r\n"));
        EXPECT_EQ(ClipBlock::ParseClipText(text), block) << text.toStdString();
    }
    EXPECT_EQ(ClipBlock::FormatCopyText({{"a,\r\nb", "c"}}), QString("\"a,\nb\"\tc\r\n"));
}

TEST(ClipBlockTest, FillAndCommandText) {
    EXPECT_EQ(ClipBlock::FillSelection({{"v"}}, 3, 2), ClipBlock::Block(3, QStringList{"v", "v"}));
    EXPECT_EQ(ClipBlock::FillSelection({{"v"}}, 1, 1), ClipBlock::Block({{"v"}}));
    const ClipBlock::Block two{{"a", "b"}};
    EXPECT_EQ(ClipBlock::FillSelection(two, 3, 2), two);
}

TEST(GridRangeTest, ClampsToDataCells) {
    EXPECT_EQ((GridRange{0, 0, 3, 4}.ClampedToCells(5, 5)), (GridRange{1, 1, 3, 4}));
    EXPECT_EQ((GridRange{2, 1, 9, 9}.ClampedToCells(5, 4)), (GridRange{2, 1, 4, 3}));
    EXPECT_FALSE((GridRange{0, 0, 0, 3}.ClampedToCells(5, 5)).IsValid());
    EXPECT_FALSE((GridRange{-1, -1, -1, -1}.ClampedToCells(5, 5)).IsValid());
    EXPECT_FALSE((GridRange{1, 1, 1, 1}.ClampedToCells(1, 5)).IsValid());
}

TEST(ReferenceRulesTest, FollowableKinds) {
    QList<int> followable;
    for (int kind = 0; kind <= RELATION; ++kind)
        if (ReferenceRules::IsFollowableKind(kind)) followable << kind;
    EXPECT_EQ(followable,
              QList<int>({NAME, DATATYPE, RANGE, MIN_INC, ENG_UNIT, ACCESS, REF_MEMORY, REF_PARAM}));
}

TEST(ReferenceRulesTest, CopyOffered) {
    EXPECT_TRUE(ReferenceRules::CanCopyReference(1, 1, 2, {LABEL, NAME}));
    EXPECT_TRUE(ReferenceRules::CanCopyReference(2, 5, 1, {DATATYPE}));
    EXPECT_TRUE(ReferenceRules::CanCopyReference(2, 5, 1, {DATATYPE, ASSIGN}));
    EXPECT_FALSE(ReferenceRules::CanCopyReference(2, 5, 1, {DATATYPE, NAME}));
    EXPECT_FALSE(ReferenceRules::CanCopyReference(0, 5, 2, {DATATYPE}));
    EXPECT_FALSE(ReferenceRules::CanCopyReference(1, 0, 2, {DATATYPE}));
    EXPECT_FALSE(ReferenceRules::CanCopyReference(1, 1, 3, {DATATYPE, NAME}));
}

TEST(ReferenceRulesTest, PasteOffered) {
    struct Case {
        const char* name;
        QString reference;
        int itemType;
        QString label;
        int partType;
        QString partName;
        bool expected;
    };
    const QList<Case> cases = {
        {"datatype", "S.P.E.DATATYPE", DATATYPE, "E", PART_BLOCK_MEMORY, "P", true},
        {"ref memory", "S.P.E", REF_MEMORY, "E", PART_BLOCK_MEMORY, "P", true},
        {"read condition", "S.P.E", READ_CONDITION, "E", PART_BLOCK_MEMORY, "P", true},
        {"name refused", "S.P.E", NAME, "E", PART_BLOCK_MEMORY, "P", false},
        {"data refused", "S.P.E", DATA, "E", PART_BLOCK_PARAM, "P", false},
        {"data of ReadVersionType", "S.P.E", DATA, "readversiontype", PART_BLOCK_PARAM, "P", true},
        {"data of a special tool function", "S.P.E", DATA, "FunctionRunType2", PART_DEVICE_INFO,
         "p_specialtoolinfo", true},
        {"special tool label elsewhere", "S.P.E", DATA, "FunctionRunType2", PART_BLOCK_PARAM,
         "P_SpecialToolInfo", false},
        {"condition into name", "CONDITION S.P.E", NAME, "E", PART_BLOCK_MEMORY, "P", true},
        {"condition into access", "CONDITION S.P.E", ACCESS, "E", PART_BLOCK_MEMORY, "P", true},
        {"condition into ref memory", "CONDITION S.P.E", REF_MEMORY, "E", PART_BLOCK_MEMORY, "P", false},
    };
    for (const Case& c : cases) {
        Elem e(c.label, c.partType, c.partName);
        EXPECT_EQ(ReferenceRules::CanPasteReference(c.reference, c.itemType, *e.elem), c.expected) << c.name;
    }
}

TEST(ReferenceRulesTest, ReferenceTexts) {
    Elem e("Speed");
    EXPECT_EQ(ReferenceRules::CopyReferenceText(e.part, *e.elem, 2, "DATATYPE"), QString("S1.P1.Speed"));
    EXPECT_EQ(ReferenceRules::CopyReferenceText(e.part, *e.elem, 1, "DATATYPE"),
              QString("S1.P1.Speed.DATATYPE"));
    EXPECT_EQ(ReferenceRules::CopyReferenceText(e.part, *e.elem, 3, "DATATYPE"), QString());

    EXPECT_EQ(ReferenceRules::ConditionPasteText("CONDITION S1.P1.E", "s1", "S1"), QString("CONDITION P1.E"));
    EXPECT_EQ(ReferenceRules::ConditionPasteText("CONDITION S1.P1.E", "S2", "S1"),
              QString("CONDITION S1.P1.E"));
    EXPECT_EQ(ReferenceRules::ConditionPasteText("S1.P1.E", "S1", "S1"), QString("S1.P1.E"));
    EXPECT_EQ(ReferenceRules::ConditionPasteText("CONDITION S1.P1.E", "S1", ""),
              QString("CONDITION S1.P1.E"));

    EXPECT_TRUE(ReferenceRules::RangeBoundsAreReferences("P.Min", "P.Max"));
    EXPECT_FALSE(ReferenceRules::RangeBoundsAreReferences("0", "P.Max"));
    EXPECT_FALSE(ReferenceRules::RangeBoundsAreReferences("P.Min", ""));
}

TEST(SelectionModeMachineTest, PressesMoveBetweenModes) {
    using M = SelectionModeMachine;
    struct Step {
        const char* name;
        bool right;
        int row;
        int col;
        GridRange selection;
        int mode;
        std::optional<GridRange> select;
        bool menu;
    };
    // A grid of 5 elements and 4 item kinds.
    const QList<Step> steps = {
        {"left on a cell", false, 2, 2, {2, 2, 2, 2}, M::Cells, std::nullopt, false},
        {"left on a row number", false, 3, 0, {2, 2, 2, 2}, M::Rows, GridRange{3, 1, 3, 4}, false},
        {"right inside the rows keeps them", true, 3, 2, {2, 1, 3, 4}, M::Rows, GridRange{2, 1, 3, 4}, true},
        {"right outside the rows takes the cell",
         true,
         5,
         2,
         {2, 1, 3, 4},
         M::Cells,
         GridRange{5, 2, 5, 2},
         true},
        {"left on a header", false, 0, 3, {5, 2, 5, 2}, M::Columns, GridRange{1, 3, 5, 3}, false},
        {"right on another header", true, 0, 4, {1, 3, 5, 3}, M::Columns, GridRange{1, 4, 5, 4}, true},
        {"right on a row number from columns",
         true,
         4,
         0,
         {1, 4, 5, 4},
         M::Rows,
         GridRange{4, 1, 4, 4},
         true},
        {"right inside keeps the rows mode", true, 2, 2, {1, 1, 3, 3}, M::Rows, GridRange{1, 1, 3, 4}, true},
        {"right on the corner", true, 0, 0, {1, 1, 3, 3}, M::Rows, GridRange{1, 1, 5, 4}, true},
        {"left on the corner", false, 0, 0, {1, 1, 1, 1}, M::Rows, GridRange{1, 1, 5, 4}, false},
        {"outside the cells", true, -1, -1, {1, 1, 1, 1}, M::Outside, std::nullopt, true},
    };
    SelectionModeMachine machine;
    int previous = machine.CurrentMode();
    for (const Step& s : steps) {
        const M::Outcome out = machine.OnPress({s.right, s.row, s.col, s.selection, 6, 5});
        EXPECT_EQ(machine.CurrentMode(), s.mode) << s.name;
        EXPECT_EQ(machine.PreviousMode(), previous) << s.name;
        EXPECT_EQ(out.select, s.select) << s.name;
        EXPECT_EQ(out.showMenu, s.menu) << s.name;
        previous = machine.CurrentMode();
    }
}

TEST(GridContextMenuRulesTest, EnableRules) {
    using namespace GridContextMenuRules;
    struct Case {
        const char* name;
        Inputs in;
        QString expected;  // one letter per entry: 1 enabled, 0 greyed
    };
    auto inputs = [](int row, int col, int mode, bool clip = true, bool refs = true) {
        Inputs in;
        in.clipboardHasText = clip;
        in.hasCellSelection = false;
        in.canSelectReference = refs;
        in.canCopyReference = refs;
        in.canPasteReference = refs;
        in.currentRow = row;
        in.currentCol = col;
        in.selectionMode = mode;
        return in;
    };
    const QList<Case> cases = {
        {"a cell", inputs(2, 3, 1), "111111111"},
        {"a cell without clipboard or references", inputs(2, 3, 1, false, false), "101111000"},
        {"header row current", inputs(0, 3, 1), "111100101"},
        {"whole columns", inputs(2, 3, 3), "111101101"},
        {"no current cell", inputs(-1, -1, 4), "000000101"},
        {"no current column on a row", inputs(3, -1, 4), "000010101"},
    };
    for (const Case& c : cases) {
        const auto on = EnabledEntries(c.in);
        QString got;
        for (bool b : on) got += b ? '1' : '0';
        EXPECT_EQ(got, c.expected) << c.name;
    }
}

}  // namespace
