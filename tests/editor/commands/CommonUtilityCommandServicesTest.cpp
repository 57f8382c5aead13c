#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "CAddSecCommand.h"
#include "CCommonUtility.h"
#include "CommandTestWorld.h"
#include "CommonUtilityCommandServices.h"

using namespace CommandTest;

namespace {

TEST(CommonUtilityCommandServices, HandsOutTheOpenProfileAndTheListedPlugins) {
    QTemporaryDir folder;
    CCommonUtility utility(folder.path());
    CommonUtilityCommandServices services(utility);
    EXPECT_EQ(services.OpenProfile(), nullptr);
    EXPECT_EQ(services.FirstProfilePlugin(), nullptr);
    EXPECT_TRUE(services.DeviceModelPlugins().isEmpty());

    utility.openProfile = new CPELFM_ProfileInfo;
    FakeProfilePlugin first, second;
    FakeDeviceModelPlugin modelA, modelB;
    utility.profilePlugins.append(_ST_DLL_PROFILE{});
    utility.profilePlugins.append(_ST_DLL_PROFILE{});
    utility.profilePlugins[0].instance = &first;
    utility.profilePlugins[1].instance = &second;
    for (IDeviceModelPlugin* instance :
         {static_cast<IDeviceModelPlugin*>(&modelA), static_cast<IDeviceModelPlugin*>(nullptr),
          static_cast<IDeviceModelPlugin*>(&modelB)}) {
        _ST_DLL_DEVICE_MODEL record;
        record.instance = instance;
        utility.deviceModelPlugins.append(record);
    }
    EXPECT_EQ(services.OpenProfile(), utility.openProfile);
    EXPECT_EQ(services.FirstProfilePlugin(), &first);
    EXPECT_EQ(services.DeviceModelPlugins(), QList<IDeviceModelPlugin*>({&modelA, &modelB}));

    // A command created for the open file reaches its plug-ins through the service object.
    first.commIfInfo = {Template("T")};
    modelB.commIfInfo = {Template("M")};
    SetCommandEnvironment({&services, nullptr});
    CAddSecCommand command;
    command.Init(SECTION_COMM_IF, "Comm", "", "Info", "", "");
    EXPECT_EQ(ElemLabels(*command.Section()->parts[0]), QStringList({"T", "M"}));
    EXPECT_TRUE(command.Execute());
    EXPECT_EQ(utility.openProfile->sections.size(), 1);
    SetCommandEnvironment({});
}

}  // namespace
