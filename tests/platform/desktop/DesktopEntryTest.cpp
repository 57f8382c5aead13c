#include "DesktopEntry.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

TEST(DesktopEntryTest, ExecValueRoundTripsAwkwardPrograms) {
    const char* const programs[] = {
        "/opt/pelora/PeloraMachineTool",
        "/home/a user/My Tools/PeloraMachineTool",
        "/tmp/quote\"d/Pelora",
        "/tmp/dollar$HOME/back\\slash/`tick`",
        "/tmp/100%/Pelora",
        "/tmp/日本語/Pelora",
    };
    for (const char* p : programs) {
        const QString program = QString::fromUtf8(p);
        const QString exec = DesktopEntry::FormatExecValue(program);
        EXPECT_TRUE(exec.endsWith(QStringLiteral(" %f"))) << p;
        EXPECT_EQ(DesktopEntry::ParseExecProgram(exec), program) << p << " as " << exec.toStdString();
    }
}

TEST(DesktopEntryTest, ParsesForeignExecValues) {
    struct Case {
        const char* raw;
        const char* program;
    };
    const Case cases[] = {
        {"/usr/bin/other %U", "/usr/bin/other"},
        {"  other", "other"},
        {"\"/usr/bin/with space\" %f", "/usr/bin/with space"},
        {"\"/usr/bin/unterminated %f", ""},
        {"", ""},
        {"/usr/bin/a\\sb %f", "/usr/bin/a"},  // \s is a blank after the string rule
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DesktopEntry::ParseExecProgram(QString::fromUtf8(c.raw)), QString::fromUtf8(c.program))
            << c.raw;
    }
}

TEST(DesktopEntryTest, WrittenEntryReadsBackAndValidates) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("applications/pelproj_auto_file.desktop"));
    const QString program = QStringLiteral("/opt/with space/PeloraMachineTool");
    ASSERT_TRUE(
        DesktopEntry::Write(path, QStringLiteral("PeloraMachineTool"), program,
                            {QStringLiteral("application/x-pelproj"), QStringLiteral("application/x-pelp")}));
    EXPECT_EQ(DesktopEntry::ReadExecProgram(path), program);

    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty()) GTEST_SKIP() << "desktop-file-validate is not installed";
    QProcess p;
    p.start(validator, {path});
    ASSERT_TRUE(p.waitForFinished());
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardOutput().toStdString();
}

TEST(DesktopEntryTest, ExecOutsideTheEntryGroupIsIgnored) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.desktop"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(
        "[Desktop Action other]\nExec=/bin/wrong\n[Desktop Entry]\nType=Application\nExec=/bin/right %f\n");
    f.close();
    EXPECT_EQ(DesktopEntry::ReadExecProgram(path), QStringLiteral("/bin/right"));
    EXPECT_TRUE(DesktopEntry::ReadExecProgram(dir.filePath(QStringLiteral("none.desktop"))).isEmpty());
}

}  // namespace
