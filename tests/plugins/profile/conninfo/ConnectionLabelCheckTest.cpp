// The label test of the detail dialogs against the real plug-in object's label rules.
#include <gtest/gtest.h>

#include "CConnectionInfoCheckDlgData.h"
#include "CConnectionInfoStringSource.h"
#include "CConnectionInfoWorkSet.h"
#include "CProfilePlugin.h"
#include "ConnectionInfoIds.h"
#include "ConnectionInfoTestData.h"
#include "ConnectionLabelCheck.h"
#include "FormatSettings.h"

using namespace ConnInfo;

namespace {

struct LabelCase {
    const char* label;
    const char* loaded;
    int code;
    int messageId;
};

class LabelCheck : public ::testing::TestWithParam<LabelCase> {
protected:
    LabelCheck() {
        CPELFM_SectionInfo* device = AddSection(root, SECTION_DEVICE, "DEVICE");
        AddPart(device, PART_DEVICE_INFO, "Info");
        ConnInfoTest::AddConnection(device, "conn1", "QDTX");
        ws.Load(root);
    }
    CPELFM_ProfileInfo root;
    CProfilePlugin plugin{PeloraFormat::Format30()};
    CConnectionInfoStringSource strings{PeloraFormat::Format30()};
    CConnectionInfoWorkSet ws{strings};
    CConnectionInfoCheckQDTXDlgData data{&plugin};
};

TEST_P(LabelCheck, GivesTheFirstFailingRule) {
    const LabelCase& c = GetParam();
    const int code = CheckConnectionLabel(&ws, QString::fromUtf8(c.label), data, QString::fromUtf8(c.loaded));
    EXPECT_EQ(code, c.code);
    EXPECT_EQ(ConnectionLabelMessageId(code), c.messageId);
}

const std::string k64(64, 'a');
const std::string k65(65, 'a');

INSTANTIATE_TEST_SUITE_P(
    Labels, LabelCheck,
    ::testing::Values(
        LabelCase{"", "", kLabelEmpty, IDS_LABEL_EMPTY}, LabelCase{k64.c_str(), "", kLabelOk, 0},
        LabelCase{k65.c_str(), "", kLabelTooLong, IDS_LABEL_TOO_LONG},
        // A full-width letter is refused before the plug-in's rules see the hyphen.
        LabelCase{"Ａ-b", "", kLabelNotAscii, IDS_LABEL_NOT_ASCII},
        LabelCase{"a\tb", "", kLabelNotAscii, IDS_LABEL_NOT_ASCII},
        LabelCase{"a-b", "", LABEL_PROHIBITED_CHARACTER, IDS_LABEL_PROHIBITED},
        LabelCase{"a b", "", LABEL_PROHIBITED_CHARACTER, IDS_LABEL_PROHIBITED},
        LabelCase{"1abc", "", LABEL_LEADING_DIGIT, IDS_LABEL_LEADING},
        LabelCase{"label2", "", LABEL_RESERVED_WORD, IDS_LABEL_RESERVED},
        LabelCase{"P_Value", "", kLabelOk, 0}, LabelCase{"INFO", "", kLabelUsed, IDS_LABEL_USED},
        LabelCase{"conn1", "", kLabelUsed, IDS_LABEL_USED}, LabelCase{"conn1", "conn1", kLabelOk, 0},
        // Only the exact loaded label is the connection's own.
        LabelCase{"CONN1", "conn1", kLabelUsed, IDS_LABEL_USED}, LabelCase{"conn2", "conn1", kLabelOk, 0}));

TEST(LabelCheckFailure, WithoutAWorkingSetTheCheckFails) {
    CProfilePlugin plugin{PeloraFormat::Format30()};
    CConnectionInfoCheckRDBDlgData data{&plugin};
    EXPECT_EQ(CheckConnectionLabel(nullptr, "x", data, ""), kLabelFailure);
    EXPECT_EQ(ConnectionLabelMessageId(kLabelFailure), IDS_FAILURE);
}

}  // namespace
