#pragma once
// Table-driven check cases: a change to the valid profile of a format, and the findings it must give.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "CheckFormat.h"
#include "CheckTestProfile.h"

namespace CheckTest {

struct CheckCase {
    const char* name;
    const CheckFormat& (*format)();
    std::function<void(TestProfile&)> change;
    std::vector<Finding> expected;
};

inline void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class CheckCaseTest : public testing::TestWithParam<CheckCase> {
protected:
    void Verify() {
        const CheckCase& c = GetParam();
        auto t = TestProfile::Valid(c.format());
        c.change(*t);
        EXPECT_EQ(Findings(RunCheck(c.format(), t->Root())), c.expected);
    }
};

inline std::string CaseName(const testing::TestParamInfo<CheckCase>& info) {
    return info.param.name;
}

inline const CheckFormat& F30() {
    return CheckFormat::Format30();
}
inline const CheckFormat& F20() {
    return CheckFormat::Format20();
}
inline const CheckFormat& F11() {
    return CheckFormat::Format11();
}

// A COMM_IF_VARIABLE element of COMM1/Vars (index 1 and on) with its mandatory items and more.
inline CPELFM_ElemInfo* AddVar(TestProfile& t, const char* label, std::vector<ItemSpec> items = {},
                               const char* dataType = "INT16") {
    std::vector<ItemSpec> all{{NAME, "n"}, {DATATYPE, dataType}};
    all.insert(all.end(), items.begin(), items.end());
    return t.AddElem(t.Part("COMM1", "Vars"), QString::fromUtf8(label), all);
}

// A BLOCK_MEMORY element of BLOCK1/Mem (index 1 and on).
inline CPELFM_ElemInfo* AddMem(TestProfile& t, const char* label, std::vector<ItemSpec> items = {},
                               const char* dataType = "INT16") {
    std::vector<ItemSpec> all{{NAME, "n"}, {DATATYPE, dataType}};
    all.insert(all.end(), items.begin(), items.end());
    return t.AddElem(t.Part("BLOCK1", "Mem"), QString::fromUtf8(label), all);
}

// Sets an item of an element of the valid profile.
inline void Set(TestProfile& t, const char* section, const char* part, const char* label, ItemSpec item) {
    t.SetItem(t.Elem(section, part, label), item);
}

}  // namespace CheckTest
