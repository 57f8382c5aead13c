#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "PluginApi.h"

namespace {

// Calls every operation through the interface of a separately built library and checks
// that each call reached the operation of that slot: a reordered or inserted virtual fails.
class SlotOrder : public ::testing::Test {
protected:
    void SetUp() override {
        handle = dlopen(REPORTER_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle, nullptr) << dlerror();
        profile = reinterpret_cast<IProfilePlugin* (*)()>(dlsym(handle, "GetProfileReporter"))();
        device = reinterpret_cast<IDeviceModelPlugin* (*)()>(dlsym(handle, "GetDeviceReporter"))();
        lastSlot = reinterpret_cast<int (*)()>(dlsym(handle, "LastSlot"));
        ASSERT_TRUE(profile && device && lastSlot);
    }
    void TearDown() override {
        if (handle) dlclose(handle);
    }
    void* handle = nullptr;
    IProfilePlugin* profile = nullptr;
    IDeviceModelPlugin* device = nullptr;
    int (*lastSlot)() = nullptr;
};

TEST_F(SlotOrder, ProfilePluginHasTwentyTwoSlotsInOrder) {
    _ST_CT_PLUGININFO info;
    QString ext[2];
    QList<QString> files;
    QList<_ST_CT_ELEM_INFO> a, b;
    QList<_ST_PEL_CHECK_MESSAGE> messages;
    QList<int> kinds;
    QList<CPELFM_PartInfo*> removed, changed;
    IProfilePlugin* p = profile;
    const std::function<void()> calls[] = {
        [&] { p->GetPluginInfo(info); },
        [&] { p->IsAvailable(); },
        [&] { p->ReservedOperation(); },
        [&] { p->GetFileExtensions(ext); },
        [&] { p->GetSchemaFileName("pelp"); },
        [&] { p->SaveProfile("x", nullptr); },
        [&] { p->CreateArchive("a.zip", &files, "/"); },
        [&] { p->GetInfoElementTemplates(&a, &b); },
        [&] { p->GetBlockInfoTemplates(&a); },
        [&] { p->GetCommIfInfoTemplates(&a); },
        [&] { p->GetDeviceIfTemplates(&a); },
        [&] { p->GetBlockMemoryTemplates(&a); },
        [&] { p->GetBlockParamTemplates(&a); },
        [&] { p->GetNamespaceUri(); },
        [&] { p->CheckProfile(nullptr, nullptr, messages); },
        [&] { p->SetDeviceModelPluginKind(0); },
        [&] { p->GetItemKindsOfPart(1, kinds); },
        [&] { p->GetPartKindsOfSection(1, kinds); },
        [&] { p->IsElementEditable(nullptr); },
        [&] { p->ValidateLabel("L", 0); },
        [&] { p->GetDataTypeList(); },
        [&] { p->EditConnectionInfo(nullptr, nullptr, &removed, &changed); },
    };
    ASSERT_EQ(std::size(calls), 22u);
    for (int slot = 1; slot <= 22; ++slot) {
        calls[slot - 1]();
        EXPECT_EQ(lastSlot(), slot);
    }
}

TEST_F(SlotOrder, DeviceModelPluginHasSevenSlotsInOrder) {
    _ST_CT_PLUGININFO info;
    QList<_ST_CT_PLUGININFO> selection;
    QList<_ST_PEL_CHECK_MESSAGE> messages;
    QList<_ST_CT_ELEM_INFO> templates;
    IDeviceModelPlugin* d = device;
    const std::function<void()> calls[] = {
        [&] { d->GetPluginInfo(info); },
        [&] { d->IsSupportedProfilePlugin("PeloraMachine", 0x20000); },
        [&] { d->AcceptsPluginSelection(&selection); },
        [&] { d->CheckProfile(messages, nullptr); },
        [&] { d->GetCommIfInfoTemplates(&templates); },
        [&] { d->IsOwnDeviceModelName("x"); },
        [&] { d->GetDeviceInfoTemplates(&templates); },
    };
    ASSERT_EQ(std::size(calls), 7u);
    for (int slot = 1; slot <= 7; ++slot) {
        calls[slot - 1]();
        EXPECT_EQ(lastSlot(), 100 + slot);
    }
}

// In the Itanium C++ ABI a pointer to a virtual member holds 1 + the byte offset of its
// vtable entry. This pins each operation's place in the header itself, which the
// calls above cannot see (both sides are compiled from the same header).
template <class M>
int SlotOf(M member) {
    struct Raw {
        std::ptrdiff_t ptr;
        std::ptrdiff_t adj;
    };
    static_assert(sizeof(M) == sizeof(Raw));
    Raw raw;
    std::memcpy(&raw, &member, sizeof raw);
    return static_cast<int>((raw.ptr - 1) / static_cast<std::ptrdiff_t>(sizeof(void*))) + 1;
}

TEST(PluginInterfaces, OperationsSitInTheirFixedSlots) {
    using P = IProfilePlugin;
    const int profileSlots[] = {
        SlotOf(&P::GetPluginInfo),          SlotOf(&P::IsAvailable),
        SlotOf(&P::ReservedOperation),      SlotOf(&P::GetFileExtensions),
        SlotOf(&P::GetSchemaFileName),      SlotOf(&P::SaveProfile),
        SlotOf(&P::CreateArchive),          SlotOf(&P::GetInfoElementTemplates),
        SlotOf(&P::GetBlockInfoTemplates),  SlotOf(&P::GetCommIfInfoTemplates),
        SlotOf(&P::GetDeviceIfTemplates),   SlotOf(&P::GetBlockMemoryTemplates),
        SlotOf(&P::GetBlockParamTemplates), SlotOf(&P::GetNamespaceUri),
        SlotOf(&P::CheckProfile),           SlotOf(&P::SetDeviceModelPluginKind),
        SlotOf(&P::GetItemKindsOfPart),     SlotOf(&P::GetPartKindsOfSection),
        SlotOf(&P::IsElementEditable),      SlotOf(&P::ValidateLabel),
        SlotOf(&P::GetDataTypeList),        SlotOf(&P::EditConnectionInfo),
    };
    for (int i = 0; i < 22; ++i) EXPECT_EQ(profileSlots[i], i + 1) << "profile operation " << i + 1;

    using D = IDeviceModelPlugin;
    const int deviceSlots[] = {
        SlotOf(&D::GetPluginInfo),          SlotOf(&D::IsSupportedProfilePlugin),
        SlotOf(&D::AcceptsPluginSelection), SlotOf(&D::CheckProfile),
        SlotOf(&D::GetCommIfInfoTemplates), SlotOf(&D::IsOwnDeviceModelName),
        SlotOf(&D::GetDeviceInfoTemplates),
    };
    for (int i = 0; i < 7; ++i) EXPECT_EQ(deviceSlots[i], i + 1) << "device-model operation " << i + 1;
}

TEST(PluginInterfaces, HaveNoDataAndNoVirtualDestructor) {
    // Only the vtable pointer: a data member or a second base would change the layout.
    EXPECT_EQ(sizeof(IProfilePlugin), sizeof(void*));
    EXPECT_EQ(sizeof(IDeviceModelPlugin), sizeof(void*));
    EXPECT_FALSE(std::has_virtual_destructor_v<IProfilePlugin>);
    EXPECT_FALSE(std::has_virtual_destructor_v<IDeviceModelPlugin>);
}

}  // namespace
