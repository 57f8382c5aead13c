#include <dlfcn.h>
#include <gtest/gtest.h>

#include "CCommonUtility.h"
#include "IDeviceModelPlugin.h"
#include "IProfilePlugin.h"
#include "InvalidArgumentError.h"
#include "MessageBoxStyle.h"
#include "ProgramFolder.h"
#include "ScriptedMessagePresenter.h"

namespace {

bool IsLoaded(const QString& path) {
    void* handle = dlopen(path.toLocal8Bit().constData(), RTLD_NOW | RTLD_NOLOAD);
    if (handle == nullptr) return false;
    dlclose(handle);
    return true;
}

QStringList FileNames(const QList<_ST_DLL_PROFILE>& records) {
    QStringList names;
    for (const auto& r : records) names << r.fileName;
    return names;
}

QStringList DisplayNames(const QList<_ST_DLL_DEVICE_MODEL>& records) {
    QStringList names;
    for (const auto& r : records) names << r.displayName;
    return names;
}

class PluginHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        utility.SetStringSource(&folder.strings);
        utility.SetMessagePresenter(&presenter);
    }
    ProgramFolder folder;
    ScriptedMessagePresenter presenter;
    CCommonUtility utility{folder.Path()};
};

TEST_F(PluginHostTest, BindsBothFoldersPrivateFirstInNameOrder) {
    folder.Place("fake_profile_30", "PublicPlugin", QStringLiteral("b_profile.so"));
    folder.Place("fake_profile_20", "PublicPlugin", QStringLiteral("a_profile.so"));
    folder.Place("fake_profile_20", "PrivatePlugin", QStringLiteral("z_profile.so"));
    folder.Place("fake_profile_20", "PrivatePlugin", QStringLiteral("a_profile.so"));
    folder.Place("fake_device_corvix", "PublicPlugin", QStringLiteral("device.so"));
    utility.LoadPlugins();
    EXPECT_EQ(FileNames(utility.profilePlugins),
              (QStringList{"a_profile.so", "z_profile.so", "a_profile.so", "b_profile.so"}));
    // The same library in both folders is two libraries with two instances.
    EXPECT_NE(utility.profilePlugins[0].instance, utility.profilePlugins[2].instance);
    const _ST_DLL_PROFILE& first = utility.profilePlugins.first();
    EXPECT_EQ(first.version, 0x20000u);
    EXPECT_EQ(first.internalName, QStringLiteral("PeloraMachine"));
    EXPECT_EQ(first.nameVersion, 0x20000u);
    EXPECT_EQ(first.displayName, QStringLiteral("Fake Profile[2.0]"));
    EXPECT_EQ(first.kind, 1);
    ASSERT_EQ(utility.deviceModelPlugins.size(), 1);
    EXPECT_EQ(utility.deviceModelPlugins[0].internalName, QStringLiteral("FakeDevice"));
    EXPECT_EQ(utility.deviceModelPlugins[0].kind, 2);
}

TEST_F(PluginHostTest, LibrariesThatAreNoPluginsAreClosedWithoutACall) {
    const char* const rejected[] = {"fake_other_category", "fake_lowercase_category", "fake_no_exports",
                                    "fake_no_instance", "fake_null_instance"};
    for (const char* fixture : rejected)
        folder.Place(fixture, "PublicPlugin", QString::fromLatin1(fixture) + ".so");
    folder.WriteFile(QStringLiteral("PublicPlugin/broken.so"), "not an ELF file");
    folder.WriteFile(QStringLiteral("PublicPlugin/readme.txt"), "ignored");
    folder.Place("fake_profile_20", "PublicPlugin", QStringLiteral("upper.SO"));
    utility.LoadPlugins();
    EXPECT_TRUE(utility.profilePlugins.isEmpty());
    EXPECT_TRUE(utility.deviceModelPlugins.isEmpty());
    for (const char* fixture : rejected) {
        EXPECT_FALSE(IsLoaded(folder.File(QStringLiteral("PublicPlugin/%1.so").arg(QLatin1String(fixture)))))
            << fixture;
    }
    // Only the library whose GetInstance was called got so far; none was asked for its record.
    EXPECT_EQ(folder.Log(), QStringList{"GetInstance NullInstance"});
}

TEST_F(PluginHostTest, UnloadingDeletesInstancesAndFreesLibraries) {
    folder.Place("fake_profile_20", "PublicPlugin", QStringLiteral("profile.so"));
    folder.Place("fake_device_corvix", "PublicPlugin", QStringLiteral("device.so"));
    folder.Place("fake_device_zeta", "PrivatePlugin", QStringLiteral("zeta.so"));
    utility.LoadPlugins();
    ASSERT_EQ(utility.deviceModelPlugins.size(), 2);
    folder.ClearLog();
    utility.UnloadPlugins();
    EXPECT_TRUE(utility.profilePlugins.isEmpty());
    EXPECT_TRUE(utility.deviceModelPlugins.isEmpty());
    EXPECT_EQ(folder.Log(), (QStringList{"DeleteInstance Fake Profile[2.0]", "DeleteInstance Corvix",
                                         "DeleteInstance Zeta"}));
    EXPECT_FALSE(IsLoaded(folder.File(QStringLiteral("PublicPlugin/profile.so"))));
    EXPECT_FALSE(IsLoaded(folder.File(QStringLiteral("PrivatePlugin/zeta.so"))));
}

TEST_F(PluginHostTest, RebindingStartsFromScratch) {
    folder.Place("fake_profile_20", "PublicPlugin", QStringLiteral("profile.so"));
    utility.LoadPlugins();
    utility.LoadPlugins();
    EXPECT_EQ(utility.profilePlugins.size(), 1);
    EXPECT_EQ(folder.Log().count(QStringLiteral("DeleteInstance Fake Profile[2.0]")), 1);
}

TEST_F(PluginHostTest, DeviceModelsFollowThePreferredOrder) {
    folder.Place("fake_device_zeta", "PrivatePlugin", QStringLiteral("a.so"));
    folder.Place("fake_device_dravik", "PrivatePlugin", QStringLiteral("b.so"));
    folder.Place("fake_device_corvix", "PublicPlugin", QStringLiteral("c.so"));
    utility.LoadPlugins();
    // Corvix and Dravik are in the preferred table; Zeta keeps its load position after them.
    EXPECT_EQ(DisplayNames(utility.deviceModelPlugins), (QStringList{"Corvix", "Dravik", "Zeta"}));
    EXPECT_EQ(utility.GetDeviceModelPluginType(), 2);
    EXPECT_EQ(utility.FindDeviceModelPluginIndex(QStringLiteral("Dravik [2.0]"), 1), 1);
    EXPECT_EQ(utility.FindDeviceModelPluginIndex(QStringLiteral("Dravik [1.0]"), 1), -1);
    EXPECT_EQ(utility.FindDeviceModelPluginIndex(QStringLiteral("Dravik [1.0]"), 0), 1);
    EXPECT_EQ(utility.FindDeviceModelPluginIndex(QStringLiteral("Nobody"), 0), -1);
}

TEST_F(PluginHostTest, ProfileTypesPairOnlyServedPlugins) {
    folder.Place("fake_profile_30", "PublicPlugin", QStringLiteral("p30.so"));
    folder.Place("fake_profile_20", "PublicPlugin", QStringLiteral("p20.so"));
    folder.Place("fake_profile_unavailable", "PublicPlugin", QStringLiteral("p10.so"));
    folder.Place("fake_device_corvix", "PublicPlugin", QStringLiteral("device.so"));
    folder.Place("fake_device_zeta", "PrivatePlugin", QStringLiteral("zeta.so"));
    ASSERT_EQ(utility.BuildProfileTypeList(), 1);
    EXPECT_TRUE(presenter.Calls().isEmpty());
    ASSERT_EQ(utility.profileTypes.size(), 2u);
    // The 3.0 stand-in is served by no device model and gets no entry.
    // In library name order: p10.so, then p20.so.
    const _PROFILE_TYPE& served = *utility.profileTypes[1];
    EXPECT_EQ(served.value, QStringLiteral("p20.so"));
    EXPECT_EQ(served.displayName, QStringLiteral("Fake Profile[2.0]"));
    ASSERT_EQ(served.contents.size(), 2);
    EXPECT_EQ(served.contents[0].fileName, QStringLiteral("device.so"));
    EXPECT_EQ(served.contents[0].displayName, QStringLiteral("Corvix [1.2]"));
    EXPECT_EQ(served.contents[0].version, 0x10002u);
    EXPECT_EQ(served.contents[1].displayName, QStringLiteral("Zeta [1.0]"));
    // A plug-in that is not available keeps its device models without the version tag.
    const _PROFILE_TYPE& unavailable = *utility.profileTypes[0];
    EXPECT_EQ(unavailable.value, QStringLiteral("p10.so"));
    EXPECT_EQ(unavailable.contents[0].displayName, QStringLiteral("Corvix"));
}

TEST_F(PluginHostTest, MissingKindsAndUnservedPluginsStopTheList) {
    struct Case {
        const char* name;
        QList<std::pair<const char*, const char*>> plugins;
        int message;
        QString text;
    };
    const Case cases[] = {
        {"nothing", {}, 10003, {}},
        {"no device model", {{"fake_profile_20", "p.so"}}, 10003, {}},
        {"no profile plug-in", {{"fake_device_corvix", "d.so"}}, 10003, {}},
        {"unserved",
         {{"fake_profile_30", "a.so"}, {"fake_profile_30", "b.so"}, {"fake_device_corvix", "d.so"}},
         10004,
         QStringLiteral("No device-model plug-in serves the profile plug-ins.\n\nProfile plug-ins:\n"
                        "PeloraMachine\n  PeloraMachine\n\nDevice-model plug-ins:\nFakeDevice\n")},
    };
    for (const Case& c : cases) {
        ProgramFolder local;
        ScriptedMessagePresenter boxes;
        CCommonUtility host(local.Path());
        host.SetStringSource(&local.strings);
        host.SetMessagePresenter(&boxes);
        host.profileTypes.push_back(std::make_unique<_PROFILE_TYPE>());
        for (const auto& [fixture, file] : c.plugins)
            local.Place(fixture, "PublicPlugin", QString::fromLatin1(file));
        EXPECT_EQ(host.BuildProfileTypeList(), 0) << c.name;
        ASSERT_EQ(boxes.Calls().size(), 1) << c.name;
        EXPECT_EQ(boxes.Calls()[0].style, MB_ICONERROR) << c.name;
        if (c.message == 10003) {
            EXPECT_EQ(boxes.Calls()[0].text, local.strings.LoadString(10003)) << c.name;
            EXPECT_EQ(host.profileTypes.size(), 1u) << c.name;  // the old list is left as it was
        } else {
            EXPECT_EQ(boxes.Calls()[0].text, c.text) << c.name;
            EXPECT_TRUE(host.profileTypes.empty()) << c.name;
        }
    }
}

TEST_F(PluginHostTest, SelectionKeepsOneRecordAndReleasesTheRestLater) {
    folder.Place("fake_profile_20", "PublicPlugin", QStringLiteral("a.so"));
    folder.Place("fake_profile_30", "PublicPlugin", QStringLiteral("b.so"));
    utility.LoadPlugins();
    ASSERT_EQ(utility.profilePlugins.size(), 2);
    IProfilePlugin* chosen = utility.profilePlugins[1].instance;
    utility.SelectProfilePlugin(1);
    ASSERT_EQ(utility.profilePlugins.size(), 1);
    EXPECT_EQ(utility.profilePlugins[0].instance, chosen);
    EXPECT_EQ(utility.FirstProfilePluginMajorVersion(), 3);
    // The dropped library is not called again, but it is no longer leaked either.
    EXPECT_TRUE(IsLoaded(folder.File(QStringLiteral("PublicPlugin/a.so"))));
    EXPECT_THROW(utility.SelectProfilePlugin(1), InvalidArgumentError);
    EXPECT_THROW(utility.SelectProfilePlugin(-1), InvalidArgumentError);
    folder.ClearLog();
    utility.UnloadPlugins();
    EXPECT_EQ(folder.Log().size(), 2);
    EXPECT_FALSE(IsLoaded(folder.File(QStringLiteral("PublicPlugin/a.so"))));
}

TEST_F(PluginHostTest, FindProfilePluginReportsAvailability) {
    folder.Place("fake_profile_unavailable", "PublicPlugin", QStringLiteral("a.so"));
    folder.Place("fake_profile_20", "PublicPlugin", QStringLiteral("b.so"));
    utility.LoadPlugins();
    int available = -1;
    EXPECT_EQ(utility.FindProfilePluginIndex(QStringLiteral("Fake Profile"), available), 0);
    EXPECT_EQ(available, 0);
    EXPECT_EQ(utility.FindProfilePluginIndex(QStringLiteral("Fake Profile[2.0]"), available), 1);
    EXPECT_EQ(available, 1);
    EXPECT_EQ(utility.FindProfilePluginIndex(QStringLiteral("Fake Profile[9.9]"), available), -1);
}

TEST_F(PluginHostTest, RemovingOneRecordUnloadsOnlyIt) {
    folder.Place("fake_profile_20", "PublicPlugin", QStringLiteral("a.so"));
    folder.Place("fake_profile_30", "PublicPlugin", QStringLiteral("b.so"));
    folder.Place("fake_device_corvix", "PublicPlugin", QStringLiteral("d.so"));
    utility.LoadPlugins();
    folder.ClearLog();
    utility.RemoveProfilePluginAt(0);
    utility.RemoveDeviceModelPluginAt(0);
    EXPECT_EQ(FileNames(utility.profilePlugins), QStringList{"b.so"});
    EXPECT_TRUE(utility.deviceModelPlugins.isEmpty());
    EXPECT_EQ(folder.Log(), (QStringList{"DeleteInstance Fake Profile[2.0]", "DeleteInstance Corvix"}));
    EXPECT_THROW(utility.RemoveDeviceModelPluginAt(0), InvalidArgumentError);
    EXPECT_THROW(utility.GetDeviceModelPluginType(), InvalidArgumentError);
}

TEST_F(PluginHostTest, NamesOutliveTheirLibraries) {
    folder.Place("fake_profile_20", "PublicPlugin", QStringLiteral("a.so"));
    utility.LoadPlugins();
    const QString kept = utility.profilePlugins[0].displayName;
    utility.UnloadPlugins();
    // The stand-in hands out literals from its own data; the host's copy must not point there.
    EXPECT_EQ(kept, QStringLiteral("Fake Profile[2.0]"));
}

TEST_F(PluginHostTest, DestructionReleasesEverything) {
    folder.Place("fake_profile_20", "PublicPlugin", QStringLiteral("a.so"));
    folder.Place("fake_profile_30", "PublicPlugin", QStringLiteral("b.so"));
    {
        CCommonUtility host(folder.Path());
        host.LoadPlugins();
        host.SelectProfilePlugin(0);
    }
    EXPECT_FALSE(IsLoaded(folder.File(QStringLiteral("PublicPlugin/a.so"))));
    EXPECT_FALSE(IsLoaded(folder.File(QStringLiteral("PublicPlugin/b.so"))));
}

}  // namespace
