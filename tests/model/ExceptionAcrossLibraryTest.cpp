#include <dlfcn.h>
#include <gtest/gtest.h>

#include <functional>

#include "InvalidArgumentError.h"
#include "PELFMExceptions.h"

namespace {

using ThrowFn = void (*)(int);

class ExceptionAcrossLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        handle = dlopen(THROWER_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle, nullptr) << dlerror();
        thrower = reinterpret_cast<ThrowFn>(dlsym(handle, "ThrowModelException"));
        ASSERT_NE(thrower, nullptr);
    }
    void TearDown() override {
        if (handle) dlclose(handle);
    }
    void* handle = nullptr;
    ThrowFn thrower = nullptr;
};

// Catches by the exact type, returning the code, or -1 when the type did not match.
template <class E>
int CatchExact(ThrowFn thrower, int code) {
    try {
        thrower(code);
    } catch (const E& e) {
        return e.code;
    } catch (...) {
    }
    return -1;
}

TEST_F(ExceptionAcrossLibrary, EachClassIsCaughtByItsTypeAndByTheBase) {
    struct Case {
        int code;
        std::function<int(ThrowFn, int)> catchExact;
    };
    const Case cases[] = {
        {1, CatchExact<CPELFM_FileNotFoundException>},
        {2, CatchExact<CPELFM_RangeException>},
        {3, CatchExact<CPELFM_InvalidVersionException>},
        {4, CatchExact<CPELFM_MemoryRequestException>},
        {5, CatchExact<CPELFM_CreateRootException>},
        {6, CatchExact<CPELFM_InvalidDescException>},
        {7, CatchExact<CPELFM_InvalidAPICallException>},
        {8, CatchExact<CPELFM_NULL_Exception>},
        {9, CatchExact<CPELFM_InvalidXMLDocumentInstanceException>},
        {10, CatchExact<CPELFM_WriteFileException>},
        {11, CatchExact<CPELFM_SchemaCheckException>},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.catchExact(thrower, c.code), c.code) << "exact type, code " << c.code;
        int caught = -1;
        try {
            thrower(c.code);
        } catch (const CPELFM_ExceptionBase& e) {
            caught = e.code;
        }
        EXPECT_EQ(caught, c.code) << "base class, code " << c.code;
    }
    // A neighbouring type must not match.
    EXPECT_EQ(CatchExact<CPELFM_WriteFileException>(thrower, 9), -1);
}

TEST_F(ExceptionAcrossLibrary, SchemaErrorKeepsItsDetail) {
    try {
        thrower(11);
        FAIL();
    } catch (const CPELFM_SchemaCheckException& e) {
        EXPECT_EQ(e.detail, QStringLiteral("line 3: bad"));
    }
}

TEST_F(ExceptionAcrossLibrary, IndexErrorIsNotAModelException) {
    bool asModel = false, asIndex = false;
    try {
        try {
            thrower(-1);
        } catch (const CPELFM_ExceptionBase&) {
            asModel = true;
        }
    } catch (const InvalidArgumentError&) {
        asIndex = true;
    }
    EXPECT_FALSE(asModel);
    EXPECT_TRUE(asIndex);
}

}  // namespace
