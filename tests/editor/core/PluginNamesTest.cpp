#include <gtest/gtest.h>
#include <QList>

#include "PluginNames.h"

namespace {

TEST(PluginNamesTest, CompareIgnoresATagOnlyWhenOneSideLacksOne) {
    struct Case {
        const char* a;
        const char* b;
        bool equal;
    };
    const Case cases[] = {
        {"Pelora[2.0]", "Pelora", true},
        {"Pelora", "Pelora[2.0]", true},
        {"Pelora[2.0]", "Pelora[1.1]", false},  // both tagged: compared as they stand
        {"Pelora[2.0]", "Pelora[2.0]", true},
        {"Corvix [1.2]", "Corvix", true},  // the rest is trimmed
        {"Ostra [2.0]", "Ostra[2.0]", false},
        {"Pelora", "pelora", false},  // case counts
        {"Pelora", "Pelora", true},
        {"A [x] B", "A B", false},  // only the ends are trimmed
        {"A [x]", "A", true},
        {"Odd]text[", "Odd]text[", true},  // "]" before "[" is no tag
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ComparePluginNames(QString::fromUtf8(c.a), QString::fromUtf8(c.b)), c.equal)
            << c.a << " vs " << c.b;
    }
}

TEST(PluginNamesTest, VersionWordsShowAsMajorDotMinor) {
    EXPECT_EQ(FormatPluginVersion(0x30000), QStringLiteral("3.0"));
    EXPECT_EQ(FormatPluginVersion(0x10001), QStringLiteral("1.1"));
    EXPECT_EQ(FormatPluginVersion(0xFFFF000Au), QStringLiteral("65535.10"));
    EXPECT_EQ(PluginNameWithVersion(QStringLiteral("Corvix"), 0x10002), QStringLiteral("Corvix [1.2]"));
}

TEST(PluginNamesTest, LegacyDeviceModelsNameTheOlderPlugins) {
    struct Case {
        const char* deviceModel;
        const char* expected;
    };
    const Case cases[] = {
        {"Dravik", "Ostra [2.0]"},         {"Verbusline [1.0]", "Ostra [2.0]"}, {"Sarnel", "Ostra [2.0]"},
        {"Tamber Busline", "Ostra [1.1]"}, {"Skyfen", "Ostra [1.1]"},           {"Corvix", "unchanged"},
        {"dravik", "unchanged"},
    };
    for (const Case& c : cases) {
        QString display = QStringLiteral("unchanged");
        GetLegacyPluginName(QString::fromUtf8(c.deviceModel), display);
        EXPECT_EQ(display, QString::fromUtf8(c.expected)) << c.deviceModel;
    }
}

TEST(PluginNamesTest, OlderNamesMapToCurrentOnes) {
    const QList<std::pair<const char*, const char*>> files = {{"Ostra.dll", "Pelora_2.0.dll"},
                                                              {"Ostra_1.1.dll", "Pelora_1.1.dll"},
                                                              {"PeloraMachine_3.so", "PeloraMachine_3.so"}};
    for (const auto& [from, to] : files) {
        QString text = QString::fromUtf8(from);
        MapLegacyPluginFileName(text);
        EXPECT_EQ(text, QString::fromUtf8(to)) << from;
    }
    const QList<std::pair<const char*, const char*>> names = {{"Ostra [2.0]", "Pelora[2.0]"},
                                                              {"Ostra [1.1]", "Pelora[1.1]"},
                                                              {"Ostra", "Pelora[2.0]"},
                                                              {"Other", "Other"}};
    for (const auto& [from, to] : names) {
        QString text = QString::fromUtf8(from);
        MapLegacyPluginDisplayName(text);
        EXPECT_EQ(text, QString::fromUtf8(to)) << from;
    }
}

}  // namespace
