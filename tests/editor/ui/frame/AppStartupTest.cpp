#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolBar>

#include "CAboutDlg.h"
#include "CDialogVersionSetting.h"
#include "CMainFrame.h"
#include "COutputList.h"
#include "COutputWnd.h"
#include "CProfileProgressDlg.h"
#include "CTessalyApp.h"
#include "CommandEnvironment.h"
#include "CommandIds.h"
#include "IProfilePlugin.h"
#include "MessageBoxStyle.h"
#include "StagedProgramFolder.h"
#include "UiTestSupport.h"

using namespace UiTest;

namespace {

class AppStartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!StagedProgramFolder::IsStaged()) GTEST_SKIP() << "the program folder is not staged";
        // The file-type question is answered No; every other box takes its default.
        messages.QueueAnswer(IDNO);
    }

    void StartApp() {
        app = std::make_unique<CTessalyApp>(folder.ExecutablePath(), messages, dialogs);
        app->checkFinishPauseMs = 0;
    }

    // The version dialog, answered by choosing a version text (empty: cancel).
    void AnswerVersionDialog(const QString& version) {
        dialogs.onRun = [this, version](QDialog& dialog) {
            // The check's progress dialog ends by itself once its worker has finished.
            if (qobject_cast<CProfileProgressDlg*>(&dialog)) return dialog.exec();
            auto* versions = dynamic_cast<CDialogVersionSetting*>(&dialog);
            if (!versions) return int(QDialog::Rejected);
            for (int i = 0; i < versions->VersionList().count(); ++i)
                offered.append(versions->VersionList().itemText(i));
            shownSelection = versions->VersionList().currentText();
            if (version.isEmpty()) {
                versions->reject();
                return int(QDialog::Rejected);
            }
            versions->VersionList().setCurrentText(version);
            versions->accept();
            return int(QDialog::Accepted);
        };
    }

    QByteArray SettingsFile() {
        QFile file(folder.SettingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    StagedProgramFolder folder;
    ScriptedMessagePresenter messages;
    ScriptedDialogPresenter dialogs;
    std::unique_ptr<CTessalyApp> app;
    QStringList offered;
    QString shownSelection;
};

TEST_F(AppStartupTest, ReachesTheMainWindowWithTheRealProgramFolder) {
    AnswerVersionDialog({});
    StartApp();
    ASSERT_TRUE(app->InitInstance());
    CMainFrame* frame = app->MainFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->menuBar()->actions().size(), 6);
    EXPECT_EQ(frame->ProfileTreeDock().windowTitle(), app->Strings().LoadString(156));
    EXPECT_EQ(frame->MdiArea().viewMode(), QMdiArea::TabbedView);
    EXPECT_EQ(frame->windowTitle(), app->Strings().LoadString(2203));
    EXPECT_EQ(app->Utility().profilePlugins.size(), 1);
    EXPECT_EQ(app->Utility().deviceModelPlugins.size(), 1);
    EXPECT_FALSE(app->Utility().projectExtension.isEmpty());
    EXPECT_FALSE(app->Utility().profileExtension.isEmpty());
    EXPECT_EQ(GetCommandEnvironment().frame, frame);
    EXPECT_NE(GetCommandEnvironment().services, nullptr);
    // No file is open: the check is not offered, the version settings are.
    EXPECT_FALSE(frame->Action(ID_FILE_CHECK)->isEnabled());
    EXPECT_TRUE(frame->Action(ID_SETTING_VERSION)->isEnabled());
}

struct VersionCase {
    const char* name;
    QString language;
    QString savedVersion;  // empty: no settings file
    QString answer;        // the dialog's choice, empty to cancel
    bool dialogShown;
    QString preselected;  // the entry the dialog opens with
    quint32 selected;
};

void PrintTo(const VersionCase& c, std::ostream* out) {
    *out << c.name;
}

class StartupVersionTest : public AppStartupTest, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(StartupVersionTest, SelectsTheProfilePlugin) {
    const VersionCase& c = GetParam();
    if (!c.savedVersion.isEmpty()) folder.WriteSettings(c.language, c.savedVersion);
    AnswerVersionDialog(c.answer);
    StartApp();
    ASSERT_TRUE(app->InitInstance());
    EXPECT_EQ(dialogs.runs, c.dialogShown ? 1 : 0);
    ASSERT_EQ(app->Utility().profilePlugins.size(), 1);
    EXPECT_EQ(app->Utility().profilePlugins[0].version, c.selected);
    if (c.dialogShown) {
        EXPECT_EQ(offered, (QStringList{"1.1", "2.0", "3.0"}));
        EXPECT_EQ(shownSelection, c.preselected);
        // The choice is recorded with the device model that serves the profile type.
        const QByteArray saved = SettingsFile();
        EXPECT_TRUE(saved.contains(QByteArray::number(c.selected))) << saved.constData();
        EXPECT_TRUE(saved.contains("Corvix")) << saved.constData();
        EXPECT_EQ(app->Utility().settings->DllVersion, c.selected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartupVersionTest,
    ::testing::Values(VersionCase{"Saved", "ja", "131072", "", false, "", 0x20000},
                      VersionCase{"SavedOld", "en", "65537", "", false, "", 0x10001},
                      VersionCase{"UnsetCancelledTakesTheNewest", "", "", "", true, "3.0", 0x30000},
                      VersionCase{"UnsetChosen", "", "", "1.1", true, "3.0", 0x10001},
                      VersionCase{"SavedButUnknown", "ja", "262144", "", true, "3.0", 0x30000},
                      // The saved version stays set, so the dialog offers it and a cancel keeps it.
                      VersionCase{"SavedWithoutLanguageCancelled", "", "131072", "", true, "2.0", 0x20000},
                      VersionCase{"SavedWithoutLanguageChanged", "", "131072", "3.0", true, "2.0", 0x30000},
                      VersionCase{"NonNumericVersionCountsAsMissing", "ja", "x", "", true, "3.0", 0x30000}));

TEST_F(AppStartupTest, SettingsFileThatIsNotXmlEndsTheStartUp) {
    QFile file(folder.SettingsPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<Config><Setting");
    file.close();
    StartApp();
    EXPECT_FALSE(app->InitInstance());
    EXPECT_EQ(app->ExitCode(), 1);
    ASSERT_FALSE(messages.Calls().isEmpty());
    EXPECT_EQ(messages.Calls().last().text, app->Strings().LoadString(10003));
    EXPECT_EQ(messages.Calls().last().style, MB_ICONERROR);
    EXPECT_FALSE(app->MainFrame()->isVisible());
}

TEST_F(AppStartupTest, MissingResourceLibraryShowsTheLoaderTextAndEndsWithOne) {
    QTemporaryDir empty;
    app = std::make_unique<CTessalyApp>(empty.filePath("PeloraMachineTool"), messages, dialogs);
    EXPECT_FALSE(app->InitInstance());
    EXPECT_EQ(app->ExitCode(), 1);
    ASSERT_EQ(messages.Calls().size(), 1);
    EXPECT_EQ(messages.Calls()[0].caption, "Error");
    EXPECT_EQ(messages.Calls()[0].style, MB_ICONERROR);
    EXPECT_TRUE(messages.Calls()[0].text.contains("PeloraMachineTool_RC.so"))
        << messages.Calls()[0].text.toStdString();
    EXPECT_EQ(app->MainFrame(), nullptr);
}

TEST_F(AppStartupTest, CheckOfAGeneratedProfileFillsTheOutputPane) {
    AnswerVersionDialog({});
    StartApp();
    ASSERT_TRUE(app->InitInstance());
    auto* root = new CPELFM_ProfileInfo;
    AddItem(
        *AddElem(*AddPart(*AddSection(*root, "File", SECTION_FILE), "FileInfo", PART_FILE_INFO), "Vendor"),
        DATA, {"x"});
    AddCommIfInfo(*root, "Comm", "If1", "NoSuchDevice");
    app->Utility().openProfile = root;
    app->Utility().fileOpen = 1;
    app->MainFrame()->UpdateCommandUi();
    ASSERT_TRUE(app->MainFrame()->Action(ID_FILE_CHECK)->isEnabled());
    app->MainFrame()->Action(ID_FILE_CHECK)->trigger();

    EXPECT_EQ(app->checkRunning, 0);
    ASSERT_FALSE(app->checkMessages.isEmpty());
    COutputList& list = app->MainFrame()->OutputPane().List();
    ASSERT_EQ(list.count(), app->checkMessages.size() + 1);
    EXPECT_TRUE(list.item(0)->text().startsWith(app->Strings().LoadString(40000).left(5)));
    bool unclaimed = false;
    for (const auto& finding : app->checkMessages) unclaimed = unclaimed || finding.messageId == 62078;
    EXPECT_TRUE(unclaimed);
    app->Utility().CloseProfile();
}

TEST_F(AppStartupTest, ExitClosesTheWindowAndUnloadsThePlugins) {
    AnswerVersionDialog({});
    StartApp();
    ASSERT_TRUE(app->InitInstance());
    app->MainFrame()->Action(ID_APP_EXIT)->trigger();
    EXPECT_FALSE(app->MainFrame()->isVisible());
    EXPECT_TRUE(app->Utility().profilePlugins.isEmpty());
    EXPECT_TRUE(app->Utility().deviceModelPlugins.isEmpty());
    EXPECT_EQ(app->Utility().settings, nullptr);
}

TEST_F(AppStartupTest, SystemSettingsCommandShowsItsDialogOverAFreshList) {
    AnswerVersionDialog({});
    StartApp();
    ASSERT_TRUE(app->InitInstance());
    QString shown;
    int listedWhileShown = 0;
    dialogs.onRun = [&](QDialog& dialog) {
        shown = dialog.metaObject()->className();
        listedWhileShown = app->Utility().profilePlugins.size();
        dialog.reject();
        return int(QDialog::Rejected);
    };
    ASSERT_TRUE(app->MainFrame()->Action(ID_SETTING_SYSTEM)->isEnabled());
    app->MainFrame()->Action(ID_SETTING_SYSTEM)->trigger();
    EXPECT_EQ(shown, "CDialogSystemSetting");
    EXPECT_EQ(listedWhileShown, 3);
    EXPECT_TRUE(app->MainFrame()->isVisible());
}

TEST_F(AppStartupTest, AboutNamesTheFormatAndTheDeviceModels) {
    AnswerVersionDialog({});
    StartApp();
    ASSERT_TRUE(app->InitInstance());
    QString format, models;
    dialogs.onRun = [&](QDialog& dialog) {
        auto& about = dynamic_cast<CAboutDlg&>(dialog);
        format = about.FormatVersion().text();
        models = about.DeviceModels().text();
        return int(QDialog::Accepted);
    };
    app->MainFrame()->Action(ID_APP_ABOUT)->trigger();
    EXPECT_EQ(format, "Pelora for Dazeziv[3.0]");
    const _ST_DLL_DEVICE_MODEL& deviceModel = app->Utility().deviceModelPlugins.first();
    EXPECT_EQ(models, deviceModel.displayName + " [1.0]\n");
}

// The process, not only the start-up routine, ends with code 1 after the box.
TEST(StartupProcess, MissingResourceLibraryEndsTheProcessWithOne) {
    QTemporaryDir empty;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(STARTUP_PROBE), {empty.filePath("PeloraMachineTool")});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 1);
    const QStringList lines =
        QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1);
    const QStringList box = lines[0].split('\t');
    ASSERT_EQ(box.size(), 4);
    EXPECT_EQ(box[1], "Error");
    EXPECT_EQ(box[2].toUInt(), MB_ICONERROR);
    EXPECT_TRUE(box[3].contains("PeloraMachineTool_RC.so")) << box[3].toStdString();
}

// An installed copy the user cannot write, started by an ordinary user with a home of their own.
class InstalledCopy : public ::testing::Test {
protected:
    void SetUp() override {
        if (!StagedProgramFolder::IsStaged() || ::geteuid() != 0 || !nobody ||
            QStandardPaths::findExecutable("runuser").isEmpty())
            GTEST_SKIP() << "needs the staged program folder, root, runuser and the user nobody";
        for (const QString& dir : {folder.Path() + "/Config", folder.Path()})
            ASSERT_TRUE(QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner | QFile::ExeOther));
    }

    // What the probe printed, and "EXIT <code>" once it ended by itself.
    QString Start(const QTemporaryDir& home, const QString& argument, const QString& configHome = {}) {
        QProcess process;
        if (::chown(home.path().toLocal8Bit(), nobody->pw_uid, nobody->pw_gid) == 0)
            process.start("runuser", {"-u", "nobody", "--", "env", "HOME=" + home.path(),
                                      "XDG_CONFIG_HOME=" + configHome, "XDG_DATA_HOME=", STARTUP_PROBE,
                                      folder.ExecutablePath(), argument});
        const bool ended = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
        return process.readAllStandardOutput() + (ended ? "EXIT " + QString::number(process.exitCode()) : "");
    }
    const passwd* nobody = ::getpwnam("nobody");
    StagedProgramFolder folder;
};

// The user's starts and version change keep the settings in the user's configuration folder.
TEST_F(InstalledCopy, KeepsTheSettingsInTheUsersConfigurationFolder) {
    QTemporaryDir home;
    const auto start = [&](const QString& choice) {
        const bool started = Start(home, choice).endsWith("EXIT 0");
        QFile file(home.filePath(".config/Pelora/SystemSetting.xml"));
        return started && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    EXPECT_TRUE(start({}).contains(">196608<")) << "first start";
    EXPECT_TRUE(start({}).contains(">196608<")) << "second start";
    EXPECT_TRUE(start("2.0").contains(">PeloraMachine_2.so<")) << "version change";
}

// Each path that writes or can fail, with the user's settings folder made read-only: it says what
// failed (%1 the home, %2 the program folder) and why, the work stays as it was, and the editor goes on.
TEST_F(InstalledCopy, EachFailedPathIsReportedAndTheEditorGoesOn) {
    const QString settings = "failed.\nThe file %1/.config/Pelora/SystemSetting.xml could not be written: ";
    const std::pair<const char*, QString> cases[] = {
        {"new-section", "Saving the settings " + settings},
        {"new-part", "Saving the settings " + settings},
        {"version", "Profile format version " + settings},
        {"new-profile", "New profile failed.\nNo profile was created: neither %2/Temp nor / can be written."},
        {"close",
         "/.config/Pelora/Pelora Machine Tool.conf could not be written: Permission denied\nError code: 0xa"},
        {"slot", "The command failed.\nThe reason given: probe fault\nError code: 0x7"},
        {"archive",
         "Create archive failed.\nThe file %1/.config/Pelora/out.zip could not be written: Permission "
         "denied\nError code: 0x23010004"},
    };
    for (const auto& [path, said] : cases) {
        QTemporaryDir home;
        const QString output = Start(home, path);
        EXPECT_TRUE(output.contains(QString(said).replace("%1", home.path()).replace("%2", folder.Path())) &&
                    output.endsWith("\nSTATE kept\nEXIT 0"))
            << path << output.toStdString();
    }
    // A first start with no folder for its settings (the configuration folder a plain file, or in a folder
    // the user cannot write) says which file and why, says and writes nothing else, and ends.
    for (const auto& [config, reason] :
         {std::pair{"file", "Not a directory"}, {"locked/c", "Permission denied"}}) {
        QTemporaryDir home;
        QDir(home.path()).mkdir("locked", QFile::ReadOwner | QFile::ExeOwner | QFile::ExeOther);
        QFile(home.filePath("file")).open(QIODevice::WriteOnly);
        EXPECT_EQ(
            Start(home, {}, home.filePath(config)).toStdString(),
            ("BOX\t\t16\tThe editor cannot go on: a profile plug-in, a device-model plug-in or the settings "
             "file is missing or unusable.\nThe file " +
             home.filePath(config) + "/Pelora/SystemSetting.xml could not be written: " + reason + "\nEXIT 1")
                .toStdString());
        EXPECT_EQ(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                  (QStringList{"file", "locked"}));
    }
}

// On a full disk (a file system of 64 KB, mounted in a namespace of the test's own where the system lets
// any user make one), the window settings at Exit say why they could not be written, and a first start
// that cannot write its settings says why and leaves nothing it made.
TEST(FullDisk, FailedWritesSayWhyAndAFailedStartLeavesNothing) {
    StagedProgramFolder staged;
    if (!StagedProgramFolder::IsStaged() || QProcess::execute("unshare", {"-rm", "true"}) != 0)
        GTEST_SKIP() << "needs the staged program folder and a mount namespace of the user's own";
    const char* script =
        R"(mount -t tmpfs -o size=64k none "$1" && cp -a "$2/." "$1" && rmdir "$1/Config" || exit
        export XDG_CONFIG_HOME="$1/cfg" XDG_DATA_HOME="$1/data" QT_QPA_PLATFORM=offscreen
        [ -z "$4" ] || "$3" "$1/PeloraMachineTool" >/dev/null
        head -c 1M /dev/zero >"$1/full" 2>/dev/null
        "$3" "$1/PeloraMachineTool" $4; echo "EXIT $?"; [ -n "$4" ] || LC_ALL=C ls "$1")";
    const std::pair<const char*, QString> cases[] = {
        {"close",
         "%1/cfg/Pelora/Pelora Machine Tool.conf could not be written: No space left on device\n"
         "Error code: 0xa\nSTATE kept\nEXIT 0\n"},
        {"",
         "%1/Config/SystemSetting.xml could not be written: No space left on device\nEXIT 1\n"
         "PeloraMachineTool_RC.so\nPrivatePlugin\nPublicPlugin\nSchema\nTemp\nfull\n"},
    };
    for (const auto& [argument, said] : cases) {
        QTemporaryDir disk;
        QProcess process;
        process.start("unshare",
                      {"-rm", "sh", "-c", script, "sh", disk.path(), staged.Path(), STARTUP_PROBE, argument});
        ASSERT_TRUE(process.waitForFinished(60000));
        const QString output = process.readAllStandardOutput();
        EXPECT_TRUE(output.endsWith(QString(said).arg(disk.path()))) << argument << output.toStdString();
    }
}

TEST(EditorExecutable, SaysThatADisplayIsNeeded) {
    const QString editor = QStringLiteral(PEL_OUT_DIR "/PeloraMachineTool");
    if (!QFile::exists(editor)) GTEST_SKIP() << "the editor is not staged";
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
    process.setProcessEnvironment(environment);
    process.start(editor, {});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardError().contains("needs a display"));
}

}  // namespace
