#include "DynamicLibrary.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

namespace {

QString Fixture(const char* name) {
    return QStringLiteral(PEL_TEST_BIN_DIR "/fixtures/%1.so").arg(QLatin1String(name));
}

bool IsLoaded(const QString& path) {
    void* h = dlopen(path.toLocal8Bit().constData(), RTLD_NOW | RTLD_NOLOAD);
    if (h == nullptr) return false;
    dlclose(h);
    return true;
}

TEST(DynamicLibraryTest, OpensByAbsolutePathAndResolvesByName) {
    DynamicLibrary lib;
    ASSERT_TRUE(lib.Open(Fixture("dynlib_probe"))) << lib.ErrorText().toStdString();
    auto fn = lib.ResolveFunction<int (*)()>("PelProbeValue");
    ASSERT_NE(fn, nullptr);
    EXPECT_EQ(fn(), 42);
    EXPECT_EQ(fn(), 43);
    EXPECT_EQ(lib.Resolve("NoSuchExport"), nullptr);
    EXPECT_FALSE(lib.ErrorText().isEmpty());
}

TEST(DynamicLibraryTest, RefusesPathsThatAreNotAbsolute) {
    const char* const cases[] = {"", "dynlib_probe.so", "./dynlib_probe.so", "fixtures/dynlib_probe.so"};
    for (const char* path : cases) {
        DynamicLibrary lib;
        EXPECT_FALSE(lib.Open(QString::fromLatin1(path))) << path;
        EXPECT_FALSE(lib.IsOpen()) << path;
        EXPECT_FALSE(lib.ErrorText().isEmpty()) << path;
    }
}

TEST(DynamicLibraryTest, MissingFileReportsTheLoaderText) {
    DynamicLibrary lib;
    const QString path = QStringLiteral(PEL_TEST_BIN_DIR "/fixtures/absent.so");
    EXPECT_FALSE(lib.Open(path));
    EXPECT_TRUE(lib.ErrorText().contains(QStringLiteral("absent.so")));
}

TEST(DynamicLibraryTest, UnresolvedDependencyFailsAtOpen) {
    DynamicLibrary lib;
    EXPECT_FALSE(lib.Open(Fixture("dynlib_unresolved")));
    EXPECT_TRUE(lib.ErrorText().contains(QStringLiteral("pel_symbol_defined_nowhere")));
}

TEST(DynamicLibraryTest, SymbolsStayLocalToTheLibrary) {
    DynamicLibrary lib;
    ASSERT_TRUE(lib.Open(Fixture("dynlib_probe")));
    EXPECT_NE(lib.Resolve("pel_probe_counter"), nullptr);
    EXPECT_EQ(dlsym(RTLD_DEFAULT, "pel_probe_counter"), nullptr);
}

TEST(DynamicLibraryTest, CloseAndDestructionReleaseTheLibrary) {
    const QString path = Fixture("dynlib_probe");
    {
        DynamicLibrary lib;
        ASSERT_TRUE(lib.Open(path));
        EXPECT_TRUE(IsLoaded(path));
        lib.Close();
        EXPECT_FALSE(IsLoaded(path));
        EXPECT_FALSE(lib.IsOpen());
        lib.Close();
        ASSERT_TRUE(lib.Open(path));
    }
    EXPECT_FALSE(IsLoaded(path));
}

TEST(DynamicLibraryTest, MoveTransfersOwnership) {
    const QString path = Fixture("dynlib_probe");
    DynamicLibrary a;
    ASSERT_TRUE(a.Open(path));
    DynamicLibrary b(std::move(a));
    EXPECT_FALSE(a.IsOpen());
    EXPECT_TRUE(b.IsOpen());
    DynamicLibrary c;
    c = std::move(b);
    EXPECT_TRUE(c.IsOpen());
    EXPECT_EQ(c.Path(), path);
    c.Close();
    EXPECT_FALSE(IsLoaded(path));
}

}  // namespace
