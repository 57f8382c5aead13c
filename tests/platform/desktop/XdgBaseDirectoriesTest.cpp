#include "XdgBaseDirectories.h"

#include <gtest/gtest.h>
#include <QDir>

namespace {

struct EnvCase {
    const char* value;  // nullptr: unset
    const char* expectedSuffixOrPath;
    bool underHome;
};

class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name), m_had(qEnvironmentVariableIsSet(name)) {
        m_old = qgetenv(name);
        if (value == nullptr)
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnv() {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

TEST(XdgBaseDirectoriesTest, DataHomeHonoursOnlyAbsoluteValues) {
    const EnvCase cases[] = {
        {"/tmp/xdg-data", "/tmp/xdg-data", false}, {"/tmp/xdg-data/", "/tmp/xdg-data", false},
        {"relative/data", "/.local/share", true},  {"", "/.local/share", true},
        {nullptr, "/.local/share", true},
    };
    for (const EnvCase& c : cases) {
        ScopedEnv env("XDG_DATA_HOME", c.value);
        const QString expected = c.underHome ? QDir::homePath() + QLatin1String(c.expectedSuffixOrPath)
                                             : QString::fromLatin1(c.expectedSuffixOrPath);
        EXPECT_EQ(XdgBaseDirectories::DataHome(), expected) << (c.value ? c.value : "(unset)");
    }
}

TEST(XdgBaseDirectoriesTest, ConfigHomeHonoursOnlyAbsoluteValues) {
    {
        ScopedEnv env("XDG_CONFIG_HOME", "/tmp/xdg-config");
        EXPECT_EQ(XdgBaseDirectories::ConfigHome(), QStringLiteral("/tmp/xdg-config"));
    }
    {
        ScopedEnv env("XDG_CONFIG_HOME", "cfg");
        EXPECT_EQ(XdgBaseDirectories::ConfigHome(), QDir::homePath() + QStringLiteral("/.config"));
    }
}

TEST(XdgBaseDirectoriesTest, ListsDropRelativeEntriesAndFallBack) {
    {
        ScopedEnv env("XDG_DATA_DIRS", "/a:rel::/b/");
        EXPECT_EQ(XdgBaseDirectories::DataDirs(), (QStringList{"/a", "/b"}));
    }
    {
        ScopedEnv env("XDG_DATA_DIRS", "rel");
        EXPECT_EQ(XdgBaseDirectories::DataDirs(), (QStringList{"/usr/local/share", "/usr/share"}));
    }
    {
        ScopedEnv env("XDG_CONFIG_DIRS", nullptr);
        EXPECT_EQ(XdgBaseDirectories::ConfigDirs(), (QStringList{"/etc/xdg"}));
    }
    {
        ScopedEnv env("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
        EXPECT_EQ(XdgBaseDirectories::CurrentDesktops(), (QStringList{"ubuntu", "gnome"}));
    }
}

}  // namespace
