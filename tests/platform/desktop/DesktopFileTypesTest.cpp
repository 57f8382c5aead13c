#include "DesktopFileTypes.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

const QString kClass = QStringLiteral("pelproj_auto_file");
const QString kProgram = QStringLiteral("/opt/pelora tool/PeloraMachineTool");

void WriteFile(const QString& path, const QByteArray& text) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Points every XDG variable at a private folder, so nothing of the real desktop is read or written.
class DesktopFileTypesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        for (const char* name : kVariables)
            m_saved.append({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
        qputenv("XDG_DATA_HOME", Path("data").toUtf8());
        qputenv("XDG_CONFIG_HOME", Path("config").toUtf8());
        qputenv("XDG_DATA_DIRS", Path("sysdata").toUtf8());
        qputenv("XDG_CONFIG_DIRS", Path("sysconfig").toUtf8());
        qunsetenv("XDG_CURRENT_DESKTOP");
    }
    void TearDown() override {
        for (const Saved& s : m_saved) {
            if (s.wasSet)
                qputenv(s.name, s.value);
            else
                qunsetenv(s.name);
        }
    }
    QString Path(const char* sub) const { return m_dir.filePath(QString::fromLatin1(sub)); }

    static constexpr const char* kVariables[] = {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_DATA_DIRS",
                                                 "XDG_CONFIG_DIRS", "XDG_CURRENT_DESKTOP"};
    struct Saved {
        const char* name;
        QByteArray value;
        bool wasSet;
    };
    QList<Saved> m_saved;
    QTemporaryDir m_dir;
};

TEST_F(DesktopFileTypesTest, NamesFollowTheClass) {
    EXPECT_EQ(DesktopFileTypes::MimeTypeForExtension(QStringLiteral("PelP")),
              QStringLiteral("application/x-pelp"));
    EXPECT_EQ(DesktopFileTypes::DesktopIdForClass(kClass), QStringLiteral("pelproj_auto_file.desktop"));
    EXPECT_EQ(DesktopFileTypes::DesktopEntryPath(kClass),
              Path("data/applications/pelproj_auto_file.desktop"));
    EXPECT_EQ(DesktopFileTypes::UserMimeAppsListPath(), Path("config/mimeapps.list"));
}

TEST_F(DesktopFileTypesTest, NothingRegisteredReadsEmpty) {
    EXPECT_TRUE(
        DesktopFileTypes::EffectiveDefaultApplication(QStringLiteral("application/x-pelp")).isEmpty());
    EXPECT_TRUE(
        DesktopFileTypes::ProgramOfDesktopEntry(DesktopFileTypes::DesktopIdForClass(kClass)).isEmpty());
}

TEST_F(DesktopFileTypesTest, RegisterMakesBothTypesDefaultToTheEntry) {
    WriteFile(Path("config/mimeapps.list"), "[Default Applications]\ntext/plain=editor.desktop;\n");
    ASSERT_TRUE(
        DesktopFileTypes::Register(kClass, kProgram, {QStringLiteral("pelproj"), QStringLiteral("pelp")}));
    for (const char* type : {"application/x-pelproj", "application/x-pelp"}) {
        EXPECT_EQ(DesktopFileTypes::EffectiveDefaultApplication(QString::fromLatin1(type)),
                  QStringLiteral("pelproj_auto_file.desktop"))
            << type;
    }
    EXPECT_EQ(DesktopFileTypes::EffectiveDefaultApplication(QStringLiteral("text/plain")),
              QStringLiteral("editor.desktop"));
    EXPECT_EQ(DesktopFileTypes::ProgramOfDesktopEntry(QStringLiteral("pelproj_auto_file.desktop")), kProgram);
    const QByteArray package = ReadFile(DesktopFileTypes::MimePackagePath(kClass));
    EXPECT_TRUE(package.contains("pattern=\"*.pelproj\""));
    EXPECT_TRUE(package.contains("pattern=\"*.pelp\""));
    EXPECT_TRUE(package.contains("type=\"application/x-pelp\""));
}

TEST_F(DesktopFileTypesTest, AnIndependentClientSeesTheAssociation) {
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty()) GTEST_SKIP() << "xdg-mime (xdg-utils) is not installed";
    ASSERT_TRUE(
        DesktopFileTypes::Register(kClass, kProgram, {QStringLiteral("pelproj"), QStringLiteral("pelp")}));
    for (const char* type : {"application/x-pelproj", "application/x-pelp"}) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID", "DESKTOP_SESSION",
                                 "XDG_CURRENT_DESKTOP", "MATE_DESKTOP_SESSION_ID"})
            env.remove(QString::fromLatin1(name));
        p.setProcessEnvironment(env);
        p.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), QString::fromLatin1(type)});
        ASSERT_TRUE(p.waitForFinished());
        EXPECT_EQ(QString::fromUtf8(p.readAllStandardOutput()).trimmed(),
                  QStringLiteral("pelproj_auto_file.desktop"))
            << type;
    }
}

TEST_F(DesktopFileTypesTest, LookupFollowsTheSpecifiedPrecedence) {
    struct Case {
        const char* name;
        const char* file;
        const char* desktop;  // XDG_CURRENT_DESKTOP, or nullptr
        const char* expected;
    };
    const Case cases[] = {
        {"system data folder only", "sysdata/applications/mimeapps.list", nullptr, "sys.desktop"},
        {"system config over system data", "sysconfig/mimeapps.list", nullptr, "sysconf.desktop"},
        {"user config over system", "config/mimeapps.list", nullptr, "user.desktop"},
        {"desktop-specific list first", "config/test-mimeapps.list", "Test", "desk.desktop"},
    };
    const QByteArray values[] = {"sys.desktop", "sysconf.desktop", "user.desktop", "desk.desktop"};
    for (int i = 0; i < 4; ++i) {
        const Case& c = cases[i];
        WriteFile(Path(c.file), "[Default Applications]\napplication/x-pelp=" + values[i] + ";\n");
        if (c.desktop)
            qputenv("XDG_CURRENT_DESKTOP", c.desktop);
        else
            qunsetenv("XDG_CURRENT_DESKTOP");
        EXPECT_EQ(DesktopFileTypes::EffectiveDefaultApplication(QStringLiteral("application/x-pelp")),
                  QString::fromLatin1(c.expected))
            << c.name;
    }
}

TEST_F(DesktopFileTypesTest, UserEntryHidesASystemEntryOfTheSameId) {
    WriteFile(Path("sysdata/applications/pelproj_auto_file.desktop"),
              "[Desktop Entry]\nExec=/usr/bin/system %f\n");
    EXPECT_EQ(DesktopFileTypes::ProgramOfDesktopEntry(QStringLiteral("pelproj_auto_file.desktop")),
              QStringLiteral("/usr/bin/system"));
    ASSERT_TRUE(DesktopFileTypes::Register(kClass, kProgram, {QStringLiteral("pelp")}));
    EXPECT_EQ(DesktopFileTypes::ProgramOfDesktopEntry(QStringLiteral("pelproj_auto_file.desktop")), kProgram);
}

TEST_F(DesktopFileTypesTest, RegisterFailsWhenAFolderCannotBeWritten) {
    // A plain file where the config folder should be.
    WriteFile(Path("config"), "not a folder");
    EXPECT_FALSE(DesktopFileTypes::Register(kClass, kProgram, {QStringLiteral("pelp")}));
}

TEST_F(DesktopFileTypesTest, MimeDatabaseLearnsTheGlobs) {
    if (QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty())
        GTEST_SKIP() << "update-mime-database is not installed";
    ASSERT_TRUE(
        DesktopFileTypes::Register(kClass, kProgram, {QStringLiteral("pelproj"), QStringLiteral("pelp")}));
    DesktopFileTypes::UpdateMimeDatabase();
    const QByteArray globs = ReadFile(Path("data/mime/globs2"));
    EXPECT_TRUE(globs.contains("application/x-pelp:*.pelp"));
    EXPECT_TRUE(globs.contains("application/x-pelproj:*.pelproj"));
}

}  // namespace
