// The staged device-model plug-in, loaded with dlopen and driven through IDeviceModelPlugin.
#include <gtest/gtest.h>

#include <memory>

#include "LoadedPlugin.h"
#include "PluginApi.h"
#include "QtPrinters.h"

namespace {

class DeviceModelPluginTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(lib.IsOpen()) << lib.Error();
        plugin = lib.Instance<IDeviceModelPlugin>();
        ASSERT_NE(plugin, nullptr);
    }
    void TearDown() override { lib.DeleteInstance(); }

    LoadedPlugin lib{"PublicPlugin/Corvix.so"};
    IDeviceModelPlugin* plugin = nullptr;
};

TEST_F(DeviceModelPluginTest, ExportsCategoryAndSingleInstance) {
    EXPECT_EQ(lib.Category(), "DeviceModelPlugin");
    EXPECT_EQ(lib.Instance<IDeviceModelPlugin>(), plugin);
    lib.DeleteInstance();
    lib.DeleteInstance();
    // A dangling instance would show in the sanitizer build when it is used below.
    IDeviceModelPlugin* fresh = lib.Instance<IDeviceModelPlugin>();
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->IsOwnDeviceModelName("PELFMDevice"), 1);
}

TEST_F(DeviceModelPluginTest, InformationRecord) {
    _ST_CT_PLUGININFO info;
    info.strings = {"left over"};
    plugin->GetPluginInfo(info);
    EXPECT_EQ(info.version, 0x10000u);
    EXPECT_EQ(info.name, "PELFMDevice");
    EXPECT_EQ(info.nameVersion, 0x10000u);
    EXPECT_EQ(info.displayName, "Pelora for Dazeziv");
    EXPECT_TRUE(info.strings.empty());
    EXPECT_EQ(info.kind, 2);
}

TEST_F(DeviceModelPluginTest, ServesTheProfilePluginsOfVersion1And2Only) {
    struct Row {
        const char* name;
        int version;
        int served;
    };
    const Row rows[] = {
        {"PeloraMachine", 0x20000, 1},
        {"PeloraMachine", 0x10000, 1},
        {"PeloraMachine", 0x30000, 0},
        {"PeloraMachine", 0x10001, 0},
        {"peloramachine", 0x20000, 0},
        {"PeloraMachine ", 0x20000, 0},
        {"", 0x20000, 0},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(plugin->IsSupportedProfilePlugin(r.name, r.version), r.served)
            << r.name << " " << r.version;
    }
}

TEST_F(DeviceModelPluginTest, OwnNameIsExact) {
    EXPECT_EQ(plugin->IsOwnDeviceModelName("PELFMDevice"), 1);
    EXPECT_EQ(plugin->IsOwnDeviceModelName("pelfmdevice"), 0);
    EXPECT_EQ(plugin->IsOwnDeviceModelName(""), 0);
}

// The hooks add nothing and leave what the caller's arrays already held.
TEST_F(DeviceModelPluginTest, HooksAddNothing) {
    QList<_ST_CT_PLUGININFO> selection(2);
    EXPECT_EQ(plugin->AcceptsPluginSelection(&selection), 1);
    EXPECT_EQ(plugin->AcceptsPluginSelection(nullptr), 1);

    const QList<_ST_CT_ELEM_INFO> held = {_ST_CT_ELEM_INFO{"VendorName", "", "", "", "", {}}};
    QList<_ST_CT_ELEM_INFO> commIf = held, device = held;
    plugin->GetCommIfInfoTemplates(&commIf);
    plugin->GetDeviceInfoTemplates(&device);
    EXPECT_EQ(commIf, held);
    EXPECT_EQ(device, held);

    QList<_ST_PEL_CHECK_MESSAGE> messages(1);
    messages[0].messageId = 40001;
    plugin->CheckProfile(messages, nullptr);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].messageId, 40001);
}

}  // namespace
