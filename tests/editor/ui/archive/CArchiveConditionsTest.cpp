#include <gtest/gtest.h>

#include "CArchiveConditions.h"
#include "CCommonUtility.h"

namespace {

TEST(CArchiveConditionsTest, FormatAndDeviceModelKindDecide) {
    const struct {
        bool withProfile;
        quint32 version;
        int deviceKind;  // 0: no device-model plug-in
        bool tools, deviceModelTools;
    } cases[] = {
        {true, 0x30000, 0, true, false},  {true, 0x20000, 11, true, true},  {true, 0x10001, 12, false, true},
        {true, 0x10001, 9, false, false}, {true, 0x20000, 13, true, false}, {false, 0, 11, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        CCommonUtility utility("/opt/pel");
        utility.profileExtension = "pelp";
        if (c.withProfile) {
            _ST_DLL_PROFILE p;
            p.version = c.version;
            utility.profilePlugins.append(p);
        }
        if (c.deviceKind) {
            _ST_DLL_DEVICE_MODEL d;
            d.kind = c.deviceKind;
            utility.deviceModelPlugins.append(d);
        }
        const CArchiveCollection::Conditions got = CArchiveConditions::From(utility);
        EXPECT_EQ(got.tools, c.tools);
        EXPECT_EQ(got.deviceModelTools, c.deviceModelTools);
        EXPECT_EQ(got.profileExtension, "pelp");
        EXPECT_EQ(CArchiveConditions::ArchiveWriter(utility), nullptr);
        EXPECT_EQ(CArchiveConditions::WorkBase(utility), "/opt/pel/Temp");
    }
}

}  // namespace
