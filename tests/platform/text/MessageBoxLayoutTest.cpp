#include <gtest/gtest.h>

#include "MessageBoxLayout.h"
#include "MessageBoxStyle.h"

namespace {

struct LayoutCase {
    const char* name;
    unsigned style;
    QList<int> buttons;
    int defaultId;
    int escapeId;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.name;
}

class MessageBoxLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(MessageBoxLayoutTest, Layout) {
    const LayoutCase& c = GetParam();
    EXPECT_EQ(MessageBoxButtonIds(c.style), c.buttons);
    EXPECT_EQ(MessageBoxDefaultId(c.style), c.defaultId);
    EXPECT_EQ(MessageBoxEscapeId(c.style), c.escapeId);
}

const LayoutCase kCases[] = {
    {"Ok", MB_OK, {IDOK}, IDOK, IDOK},
    {"OkWithIcon", MB_OK | MB_ICONINFORMATION, {IDOK}, IDOK, IDOK},
    {"OkDefaultBeyondLast", MB_OK | MB_DEFBUTTON2, {IDOK}, IDOK, IDOK},
    {"OkCancel", MB_OKCANCEL | MB_ICONINFORMATION, {IDOK, IDCANCEL}, IDOK, IDCANCEL},
    {"OkCancelSecond", MB_OKCANCEL | MB_DEFBUTTON2, {IDOK, IDCANCEL}, IDCANCEL, IDCANCEL},
    {"YesNo", MB_YESNO | MB_ICONINFORMATION, {IDYES, IDNO}, IDYES, IDNO},
    {"YesNoSecond", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, {IDYES, IDNO}, IDNO, IDNO},
    {"YesNoThirdFallsBack", MB_YESNO | MB_DEFBUTTON3, {IDYES, IDNO}, IDYES, IDNO},
    {"YesNoCancel", MB_YESNOCANCEL | MB_ICONWARNING, {IDYES, IDNO, IDCANCEL}, IDYES, IDCANCEL},
    {"YesNoCancelThird", MB_YESNOCANCEL | MB_DEFBUTTON3, {IDYES, IDNO, IDCANCEL}, IDCANCEL, IDCANCEL},
};

INSTANTIATE_TEST_SUITE_P(Cases, MessageBoxLayoutTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
