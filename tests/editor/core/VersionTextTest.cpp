#include <gtest/gtest.h>

#include "VersionText.h"

namespace {

TEST(VersionTextTest, EachRuleKeepsItsOwnResult) {
    struct Case {
        const char* uri;
        const char* schemaFolder;
        const char* specVersion;
    };
    const Case cases[] = {
        {"http://pelora.example/peloraformachine/ver3/", "3", "3"},
        {"http://pelora.example/peloraformachine/VER3", "3", "VER3"},  // only the folder rule ignores case
        {"http://pelora.example/peloraformachine/ver2.0/", "2.0", "2.0"},
        {"http://x/release-ver2/", "release-ver2", "2"},  // "ver" must lead for the folder rule
        {"ver1", "", "1"},                                // no "/": the folder rule gives nothing
        {"http://x/v3/", "v3", "v3"},
        {"", "", ""},
        {"/", "", ""},
    };
    for (const Case& c : cases) {
        const QString uri = QString::fromUtf8(c.uri);
        EXPECT_EQ(VersionTextFromNamespaceUri(uri, NamespaceVersionRule::SchemaFolder),
                  QString::fromUtf8(c.schemaFolder))
            << c.uri;
        EXPECT_EQ(VersionTextFromNamespaceUri(uri, NamespaceVersionRule::SpecVersion),
                  QString::fromUtf8(c.specVersion))
            << c.uri;
    }
}

TEST(VersionTextTest, ParseSplitsAtTheFirstDot) {
    struct Case {
        const char* text;
        int major;
        int minor;
    };
    const Case cases[] = {{"3", 3, 0},   {"2.0", 2, 0}, {"1.1", 1, 1},   {"10.25", 10, 25}, {"", 0, 0},
                          {"abc", 0, 0}, {"3.x", 3, 0}, {"2.0.1", 2, 0}, {"4a.7", 4, 7},    {".5", 0, 5}};
    for (const Case& c : cases) {
        int major = -1;
        int minor = -1;
        ParseVersionText(QString::fromUtf8(c.text), major, minor);
        EXPECT_EQ(major, c.major) << c.text;
        EXPECT_EQ(minor, c.minor) << c.text;
    }
}

}  // namespace
