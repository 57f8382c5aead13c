#include <gtest/gtest.h>

#include "OutputListRangeSelection.h"

namespace {

struct Step {
    enum Kind { Press, Move } kind;
    int line;
    bool ctrl = false;
    bool shift = false;
};

struct SelectionCase {
    const char* name;
    QList<bool> before;
    QList<Step> steps;
    QList<int> selected;
};

void PrintTo(const SelectionCase& c, std::ostream* out) {
    *out << c.name;
}

QList<int> SelectedLines(const QList<bool>& flags) {
    QList<int> lines;
    for (int i = 0; i < flags.size(); ++i)
        if (flags[i]) lines.append(i);
    return lines;
}

class RangeSelectionTest : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(RangeSelectionTest, LeavesTheExpectedLinesSelected) {
    const SelectionCase& c = GetParam();
    QList<bool> flags = c.before;
    OutputListRangeSelection selection;
    for (const Step& step : c.steps) {
        if (step.kind == Step::Press)
            selection.Press(step.line, step.ctrl, step.shift, flags);
        else
            selection.Move(step.line, flags);
    }
    EXPECT_EQ(SelectedLines(flags), c.selected);
}

const QList<bool> kTen(10, false);

INSTANTIATE_TEST_SUITE_P(
    Cases, RangeSelectionTest,
    ::testing::Values(
        SelectionCase{
            "ClickSelectsOnlyTheLine", QList<bool>{true, false, true, false, false}, {{Step::Press, 3}}, {3}},
        SelectionCase{"CtrlClickAddsToTheSelection",
                      QList<bool>{true, false, true, false, false},
                      {{Step::Press, 3, true}},
                      {0, 2, 3}},
        SelectionCase{"CtrlClickOnSelectedLineDeselectsIt",
                      QList<bool>{true, false, true, false, false},
                      {{Step::Press, 2, true}},
                      {0}},
        SelectionCase{"ShiftClickSelectsFromTheAnchor",
                      kTen,
                      {{Step::Press, 2}, {Step::Press, 6, false, true}},
                      {2, 3, 4, 5, 6}},
        SelectionCase{"ShiftClickUpwardsSelectsFromTheAnchor",
                      kTen,
                      {{Step::Press, 6}, {Step::Press, 2, false, true}},
                      {2, 3, 4, 5, 6}},
        SelectionCase{"ShiftClickWithoutAnchorMakesTheAnchor",
                      kTen,
                      {{Step::Press, 4, false, true}, {Step::Press, 6, false, true}},
                      {4, 5, 6}},
        SelectionCase{"DragDownAndBackKeepsAnchorToEnd",
                      kTen,
                      {{Step::Press, 3}, {Step::Move, 7}, {Step::Move, 5}},
                      {3, 4, 5}},
        SelectionCase{"DragAcrossTheAnchorFlipsTheRange",
                      kTen,
                      {{Step::Press, 5}, {Step::Move, 8}, {Step::Move, 2}},
                      {2, 3, 4, 5}},
        SelectionCase{"DragLeavesLinesOutsideTheSpanAlone",
                      QList<bool>{false, false, false, false, false, false, false, false, false, true},
                      {{Step::Press, 1, true}, {Step::Move, 4}, {Step::Move, 2}},
                      {1, 2, 9}},
        SelectionCase{"PressOutsideTheLinesChangesNothing",
                      QList<bool>{true, false, false},
                      {{Step::Press, 7}, {Step::Move, 1}},
                      {0}}),
    [](const ::testing::TestParamInfo<SelectionCase>& info) { return std::string(info.param.name); });

TEST(RangeSelection, MoveWithoutAnchorDoesNothing) {
    QList<bool> flags(5, false);
    OutputListRangeSelection selection;
    selection.Move(3, flags);
    EXPECT_TRUE(SelectedLines(flags).isEmpty());
}

}  // namespace
