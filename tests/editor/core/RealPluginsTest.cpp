#include <dlfcn.h>
#include <gtest/gtest.h>
#include <QFileInfo>

#include "CCommonUtility.h"
#include "IDeviceModelPlugin.h"
#include "IProfilePlugin.h"
#include "ResourceStringSource.h"
#include "ScriptedMessagePresenter.h"

// The plug-ins as the build stages them in the program folder.
namespace {

const QString kOut = QStringLiteral(PEL_OUT_DIR);

class RealPluginsTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name :
             {"PeloraMachine_3.so", "PeloraMachine_2.so", "PeloraMachine.so", "Corvix.so"}) {
            if (!QFileInfo::exists(kOut + QStringLiteral("/PublicPlugin/") + QLatin1String(name)))
                GTEST_SKIP() << name << " is not staged in this build";
        }
        ASSERT_TRUE(strings.Open(kOut + QStringLiteral("/PeloraMachineTool_RC.so")));
        utility.SetStringSource(&strings);
        utility.SetMessagePresenter(&presenter);
    }
    int IndexOfVersion(quint32 version) const {
        for (int i = 0; i < utility.profilePlugins.size(); ++i) {
            if (utility.profilePlugins[i].version == version) return i;
        }
        return -1;
    }
    ResourceStringSource strings;
    ScriptedMessagePresenter presenter;
    CCommonUtility utility{kOut};
};

TEST_F(RealPluginsTest, AllFourBindInNameOrder) {
    utility.LoadPlugins();
    ASSERT_EQ(utility.profilePlugins.size(), 3);
    const quint32 versions[] = {0x10001, 0x20000, 0x30000};
    const char* files[] = {"PeloraMachine.so", "PeloraMachine_2.so", "PeloraMachine_3.so"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(utility.profilePlugins[i].fileName, QLatin1String(files[i]));
        EXPECT_EQ(utility.profilePlugins[i].version, versions[i]) << files[i];
        EXPECT_EQ(utility.profilePlugins[i].internalName, QStringLiteral("PeloraMachine"));
        EXPECT_EQ(utility.profilePlugins[i].kind, 1);
    }
    ASSERT_EQ(utility.deviceModelPlugins.size(), 1);
    const _ST_DLL_DEVICE_MODEL& device = utility.deviceModelPlugins[0];
    EXPECT_EQ(device.fileName, QStringLiteral("Corvix.so"));
    EXPECT_EQ(device.internalName, QStringLiteral("PELFMDevice"));
    EXPECT_EQ(device.displayName, QStringLiteral("Pelora for Dazeziv"));
    EXPECT_EQ(device.version, 0x10000u);
    EXPECT_EQ(utility.GetDeviceModelPluginType(), 2);
}

TEST_F(RealPluginsTest, OnlyTheTwoPointZeroPluginIsServed) {
    ASSERT_EQ(utility.BuildProfileTypeList(), 1);
    EXPECT_TRUE(presenter.Calls().isEmpty());
    ASSERT_EQ(utility.profileTypes.size(), 1u);
    const _PROFILE_TYPE& type = *utility.profileTypes[0];
    EXPECT_EQ(type.value, QStringLiteral("PeloraMachine_2.so"));
    ASSERT_EQ(type.contents.size(), 1);
    EXPECT_EQ(type.contents[0].fileName, QStringLiteral("Corvix.so"));
    EXPECT_TRUE(type.contents[0].displayName.startsWith(QStringLiteral("Pelora for Dazeziv")));
}

// The resource texts that name elements and the namespace must be the plug-ins' own names.
TEST_F(RealPluginsTest, ResourceDataKeysAreThePluginsNames) {
    utility.LoadPlugins();
    for (const _ST_DLL_PROFILE& record : std::as_const(utility.profilePlugins)) {
        QList<_ST_CT_ELEM_INFO> fileInfo;
        QList<_ST_CT_ELEM_INFO> deviceInfo;
        record.instance->GetInfoElementTemplates(&fileInfo, &deviceInfo);
        QStringList fileLabels;
        QStringList deviceLabels;
        for (const auto& t : fileInfo) fileLabels << t.label;
        for (const auto& t : deviceInfo) deviceLabels << t.label;
        for (int id : {183, 62029, 62035}) {
            EXPECT_TRUE(deviceLabels.contains(strings.LoadString(id)))
                << record.fileName.toStdString() << " " << id;
        }
        EXPECT_TRUE(fileLabels.contains(strings.LoadString(62036))) << record.fileName.toStdString();
    }
    const int v3 = IndexOfVersion(0x30000);
    ASSERT_GE(v3, 0);
    EXPECT_EQ(utility.profilePlugins[v3].instance->GetNamespaceUri(), strings.LoadString(62014));
}

TEST_F(RealPluginsTest, SelectionThenUnloadReleasesEveryLibrary) {
    utility.LoadPlugins();
    const int v3 = IndexOfVersion(0x30000);
    ASSERT_GE(v3, 0);
    utility.SelectProfilePlugin(v3);
    EXPECT_EQ(utility.FirstProfilePluginMajorVersion(), 3);
    QString extensions[2];
    utility.profilePlugins[0].instance->GetFileExtensions(extensions);
    EXPECT_FALSE(extensions[0].isEmpty());
    EXPECT_FALSE(extensions[1].isEmpty());
    utility.UnloadPlugins();
    for (const char* name : {"PeloraMachine_3.so", "PeloraMachine_2.so", "PeloraMachine.so", "Corvix.so"}) {
        const QByteArray path = (kOut + QStringLiteral("/PublicPlugin/") + QLatin1String(name)).toLocal8Bit();
        void* handle = dlopen(path.constData(), RTLD_NOW | RTLD_NOLOAD);
        EXPECT_EQ(handle, nullptr) << name;
        if (handle != nullptr) dlclose(handle);
    }
}

}  // namespace
