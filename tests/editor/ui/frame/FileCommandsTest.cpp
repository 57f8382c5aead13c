// The file commands through the real application object over the staged program folder.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ArchivePackInput.h"
#include "BaseCommand.h"
#include "CDialogCreateArchiveFile.h"
#include "CDialogSystemSetting.h"
#include "CMainFrame.h"
#include "CProfileProgressDlg.h"
#include "CProfileTree.h"
#include "CProfileView.h"
#include "CRadioListBox.h"
#include "CTessalyApp.h"
#include "CWorkViewManager.h"
#include "CheckEvents.h"
#include "CommandIds.h"
#include "CommandManager.h"
#include "CommandRegistry.h"
#include "EditorProfileText.h"
#include "FileDialogFolder.h"
#include "IArchiveFileChooser.h"
#include "IArchivePackingStep.h"
#include "ISaveFileChooser.h"
#include "MessageBoxStyle.h"
#include "NoWorkerThreads.h"
#include "PrintQString.h"
#include "ProfileFileCommands.h"
#include "ProfileFileNames.h"
#include "ProfileGenerator.h"
#include "ResourceMessage.h"
#include "StagedProgramFolder.h"
#include "UiTestSupport.h"

using namespace UiTest;

namespace {

QByteArray ProfileText(bool vendor = true) {
    return GeneratedProfileText(vendor);
}

// The header sections only: the generated blocks are for size, not for a clean check.
QByteArray HeaderOnly(QByteArray text) {
    const qsizetype from = text.indexOf("<p:block ");
    if (from >= 0) text.remove(from, text.lastIndexOf("</p:block>") + 10 - from);
    return text;
}

class Saver : public ISaveFileChooser {
public:
    bool ChooseSaveFile(const QString& extension, const QString& initialName, const QString& title,
                        const QString&, int fixedName, QString& path) override {
        asked.append({extension, initialName, title, QString::number(fixedName)});
        if (answer.isEmpty()) return false;
        path = answer;
        return true;
    }
    QString answer;
    QList<QStringList> asked;
};

class ArchiveChooser : public IArchiveFileChooser {
public:
    QStringList ChooseOpenFiles(QWidget*, const QString&, const QString&) override { return files; }
    QString ChooseSaveFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString ChooseFolder(QWidget*, const QString&) override { return {}; }
    QStringList files;
};

class Packing : public IArchivePackingStep {
public:
    bool RunPacking(QWidget*, const ArchivePackInput& input) override {
        inputs.append(input);
        return true;
    }
    QList<ArchivePackInput> inputs;
};

// Calls back for each event of one type that reaches the watched object, before it is handled.
class EventSpy : public QObject {
public:
    EventSpy(QObject* watched, int type, std::function<void(QEvent*)> seen) : m_type(type), m_seen(seen) {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == m_type) m_seen(event);
        return false;
    }

private:
    int m_type;
    std::function<void(QEvent*)> m_seen;
};

class FileCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!StagedProgramFolder::IsStaged()) GTEST_SKIP() << "the program folder is not staged";
        folder.WriteSettings("ja", QString::number(0x30000));
        dialogs.onRun = [this](QDialog& dialog) {
            if (qobject_cast<CProfileProgressDlg*>(&dialog)) return dialog.exec();
            shown.append(dialog.metaObject()->className());
            return onDialog ? onDialog(dialog) : int(QDialog::Rejected);
        };
    }
    void TearDown() override {
        if (app) app->Utility().settingsNoticeFlag = 0;
        app.reset();
    }

    QString Write(const QString& name, const QByteArray& text) {
        const QString path = work.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write(text);
        return path;
    }

    void Start(const QString& commandLine = {}) {
        GetCommandRegistry().clear(), messages.QueueAnswer(IDNO);  // the file-type question
        app = std::make_unique<CTessalyApp>(folder.ExecutablePath(), messages, dialogs);
        app->checkFinishPauseMs = 0;
        app->commandLine = commandLine;
        app->saveFileChooser = &saver;
        app->archiveFileChooser = &archiveChooser;
        app->archivePackingStep = &packing;
        app->chooseOpenFile = [this](const QString&, const QString& filter) {
            openFilters.append(filter);
            return openAnswer;
        };
        ASSERT_TRUE(app->InitInstance());
        Mark();
    }

    CMainFrame& Frame() { return *app->MainFrame(); }
    void Trigger(int id) {
        Frame().UpdateCommandUi();
        ASSERT_TRUE(Frame().Action(id)->isEnabled()) << id;
        Frame().Action(id)->trigger();
    }
    QString Text(int id) { return app->Strings().LoadString(id); }
    void Mark() { mark = messages.Calls().size(); }
    bool NothingSaid() const { return messages.Calls().size() == mark; }
    // The boxes since the mark, by the id whose longest fixed text they show.
    QList<int> MessageIds() {
        QList<int> ids;
        for (const auto& call : messages.Calls().mid(mark)) {
            for (int id : {10008, 10024, 10031, 62109, 403, 10007, 62108}) {
                QString fixed;
                for (const QString& part : Text(id).split(QRegularExpression("%\\d+(![a-z]!)?")))
                    if (part.size() > fixed.size()) fixed = part;
                if (!fixed.isEmpty() && call.text.contains(fixed)) ids.append(id);
            }
        }
        return ids;
    }
    QStringList TreeTexts(QTreeWidgetItem* item) {
        QStringList texts;
        for (int i = 0; item && i < item->childCount(); ++i) texts << item->child(i)->text(0);
        return texts;
    }
    QTreeWidgetItem* RootItem() { return app->ProfileView()->Tree().topLevelItem(0); }

    StagedProgramFolder folder;
    QTemporaryDir work;
    ScriptedMessagePresenter messages;
    ScriptedDialogPresenter dialogs;
    std::function<int(QDialog&)> onDialog;
    QStringList shown;
    Saver saver;
    ArchiveChooser archiveChooser;
    Packing packing;
    qsizetype mark = 0;
    QString openAnswer;
    QStringList openFilters;
    std::unique_ptr<CTessalyApp> app;
};

// Named relative to the folder the editor starts in, the file is opened, shown and remembered whole.
TEST_F(FileCommandsTest, TheCommandLineProfileOpensIntoTheTree) {
    const QString path = Write("Gen.pelp", ProfileText()), started = QDir::currentPath();
    ASSERT_TRUE(QDir(work.path()).mkdir("sub") && QDir::setCurrent(work.filePath("sub")));
    Start("\"../Gen.pelp\"");
    QDir::setCurrent(started);
    EXPECT_EQ(Frame().RecentFiles().Files().value(0), path);
    // Registered by the start-up alone.
    EXPECT_NE(std::unique_ptr<BaseCommand>(CreateCommandByName("CAddSecCommand")), nullptr);
    ASSERT_EQ(app->Utility().fileOpen, 1);
    EXPECT_EQ(Frame().windowTitle(), Text(2203) + Text(62049) + path);
    ASSERT_NE(RootItem(), nullptr);
    EXPECT_EQ(RootItem()->text(0), "Bench-1 [1.0](ja)");
    EXPECT_EQ(TreeTexts(RootItem()), (QStringList{"FILE", "DEVICE", "COMM_IF", "BLOCK"}));
    EXPECT_EQ(TreeTexts(RootItem()->child(0)), QStringList{"FILE () [FILE]"});
    EXPECT_EQ(TreeTexts(RootItem()->child(1)->child(0)),
              (QStringList{"DEVICE_INFO () [DEVICE_INFO]", "DEVICE_IF () [DEVICE_IF]"}));
    QTreeWidgetItem* block = RootItem()->child(3)->child(0);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->text(0), "Block0 (ブロック 0) [BLOCK]");
    EXPECT_EQ(TreeTexts(block), (QStringList{"BLOCK_INFO () [BLOCK_INFO]", "Memory0 (メモリ) [BLOCK_MEMORY]",
                                             "Param0 () [BLOCK_PARAM]", "Enum0 () [ENUM]"}));
    EXPECT_EQ(CProfileTree::ImageOf(block->child(3)), ProfileTreeRules::IMAGE_FOREIGN_PART);

    // Every file command has its handler: with a file open all are offered.
    Frame().UpdateCommandUi();
    for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVE_AS,
                   ID_FILE_CREATE_PROFILE, ID_FILE_CHECK, ID_SETTING_CREATE_ARCHIVE, ID_APP_EXIT})
        EXPECT_TRUE(Frame().Action(id)->isEnabled()) << id;
    Trigger(ID_FILE_CLOSE);
    Frame().UpdateCommandUi();
    for (int id : {ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_CREATE_PROFILE, ID_FILE_CHECK})
        EXPECT_FALSE(Frame().Action(id)->isEnabled()) << id;
    for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_SETTING_CREATE_ARCHIVE})
        EXPECT_TRUE(Frame().Action(id)->isEnabled()) << id;
    EXPECT_EQ(Frame().windowTitle(), Text(2203));
    EXPECT_EQ(app->ProfileView()->Tree().topLevelItemCount(), 0);
}

TEST_F(FileCommandsTest, ClosingAFileGivesItsMemoryBack) {
#if !defined(__GLIBC__) || defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "another allocator than glibc's, which keeps freed memory its own way";
#endif
    const auto resident = [] {
        QFile statm("/proc/self/statm");
        return statm.open(QIODevice::ReadOnly) ? statm.readAll().split(' ')[1].toLong() : 0L;
    };
    ASSERT_GT(GenerateProfile(work.filePath("Big.pelp"), {qint64(10) << 20, 30000}).members, 0);
    Start();
    const long before = resident();
    app->OpenProfileFile(work.filePath("Big.pelp"));
    Frame().WorkViewManager().OpenPartView(0, app->OpenProfile()->sections[2]->parts[1]);  // 30,000 rows
    Trigger(ID_FILE_CHECK);
    const long checked = resident();
    Trigger(ID_FILE_CLOSE);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the windows, as the event loop
    QCoreApplication::processEvents();                                    // deletes them, then the rest
    EXPECT_LT(resident() - before, (checked - before) / 5) << before << " " << checked;
}

TEST_F(FileCommandsTest, ACommandLineFileOfAnotherKindIsNamedAndNotOpened) {
    Start("\"" + work.filePath("notes.txt") + "\"");
    EXPECT_EQ(app->Utility().fileOpen, 0);
    ASSERT_FALSE(messages.Calls().isEmpty());
    EXPECT_TRUE(messages.Calls().last().text.contains(work.filePath("notes.txt")));
    EXPECT_EQ(messages.Calls().last().style, MB_ICONWARNING);
}

TEST_F(FileCommandsTest, OpenLoadsOnAWorkerBehindItsProgressDialog) {
    QByteArray bogus = ProfileText();
    bogus.replace("</p:profile>", "<p:bogus/></p:profile>");
    const struct {
        const char* name;
        QString path;
        QList<qintptr> stages;  // as the dialog named them
        bool opened, closeWhileLoading;
    } cases[] = {
        {"profile", Write("Gen.pelp", ProfileText()), {0, 1, 2, 3}, true, false},
        {"project without the schema", Write("Gen.pelproj", ProfileText()), {0, 2, 3}, true, false},
        {"refused, as ever", Write("Bad.pelp", bogus), {0, 1}, false, false},
        // Last: the close stops the load, then ends the editor.
        {"window closed meanwhile", work.filePath("Gen.pelp"), {0}, false, true},
    };
    Start();
    for (const auto& c : cases) {
        QList<qintptr> stages;
        QList<Qt::CursorShape> cursors;
        QString heading, title;
        bool onWorker = false, offScreen = false;
        dialogs.onRun = [&](QDialog& dialog) {
            auto* progress = qobject_cast<CProfileProgressDlg*>(&dialog);
            if (!progress) return int(QDialog::Rejected);
            EventSpy spy(progress, WM_PROGRESS_STAGE, [&](QEvent* event) {
                stages.append(static_cast<CheckEvent*>(event)->WParam());
                cursors.append(QApplication::overrideCursor() ? QApplication::overrideCursor()->shape()
                                                              : Qt::ArrowCursor);
                if (stages.size() == 1) offScreen = !progress->windowHandle()->isVisible();  // a quick load
                if (c.closeWhileLoading && stages.size() == 1) Frame().close();
            });
            const int result = dialog.exec();
            onWorker = progress->WorkerStarted();
            heading = progress->StageLabel().text();
            title = dialog.windowTitle();
            return result;
        };
        Mark();
        openAnswer = c.path;
        Trigger(ID_FILE_OPEN);
        EXPECT_TRUE(onWorker && offScreen) << c.name;
        // A stopped load may have named a stage more.
        EXPECT_EQ(c.closeWhileLoading ? stages.mid(0, 1) : stages, c.stages) << c.name;
        EXPECT_EQ(cursors, QList<Qt::CursorShape>(stages.size(), Qt::WaitCursor)) << c.name;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << c.name;
        EXPECT_EQ(title, Text(62055)) << c.name;
        EXPECT_TRUE(heading.contains(QFileInfo(c.path).fileName() + " (")) << c.name;
        EXPECT_TRUE(heading.endsWith(Text(62152 + int(stages.last())))) << c.name;
        EXPECT_EQ(MessageIds(), c.opened || c.closeWhileLoading ? QList<int>{} : QList<int>{62109}) << c.name;
        EXPECT_EQ(Frame().RecentFiles().Files().value(0) == c.path, c.opened) << c.name;
        const bool stillOpen = c.opened && !c.closeWhileLoading;
        EXPECT_EQ(app->Utility().fileOpen, stillOpen ? 1 : 0) << c.name;
        EXPECT_EQ(app->ProfileView()->Tree().topLevelItemCount(), stillOpen ? 1 : 0) << c.name;
        EXPECT_EQ(Frame().isVisible(), !c.closeWhileLoading) << c.name;
    }
}

// Cancel, Escape or closing the progress dialog, while the load runs or once it has ended, stops the
// open: the previous file is closed as by a refused open, the new one is not opened, nothing is said.
TEST_F(FileCommandsTest, TheOpenProgressDialogCancelsTheLoad) {
    const QString first = Write("First.pelp", ProfileText()), second = Write("Second.pelp", ProfileText());
    const struct {
        int event;  // when
        std::function<void(CProfileProgressDlg&)> cancel;
    } cases[] = {
        {WM_PROGRESS_STAGE,
         [](CProfileProgressDlg& d) { QTest::mouseClick(d.CancelButton(), Qt::LeftButton); }},
        {WM_PROGRESS_STAGE, [](CProfileProgressDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
        {WM_CHECK_FINISHED, [](CProfileProgressDlg& d) { d.close(); }},
    };
    Start(first);
    for (const auto& c : cases) {
        dialogs.onRun = [&](QDialog& dialog) {
            auto* progress = qobject_cast<CProfileProgressDlg*>(&dialog);
            EXPECT_TRUE(progress->windowFlags().testFlag(Qt::WindowCloseButtonHint));
            EventSpy spy(progress, c.event, [&](QEvent*) { c.cancel(*progress); });
            return dialog.exec();
        };
        Mark();
        openAnswer = second;
        Trigger(ID_FILE_OPEN);
        EXPECT_TRUE(NothingSaid()) << c.event;
        EXPECT_EQ(app->Utility().fileOpen, 0) << c.event;
        EXPECT_EQ(app->ProfileView()->Tree().topLevelItemCount(), 0) << c.event;
        EXPECT_EQ(Frame().RecentFiles().Files().value(0), first) << c.event;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << c.event;
        dialogs.onRun = [](QDialog& dialog) { return dialog.exec(); };
        app->OpenProfileFile(first);
        ASSERT_EQ(app->Utility().fileOpen, 1);
    }
}

// The bar moves with the file as it is read, from the start to the end of its range. Without a thread for
// the load, the open still opens the file, on this thread, its dialog gone.
TEST_F(FileCommandsTest, TheOpenProgressBarFollowsTheFileAndAnOpenNeedsNoThread) {
    openAnswer = work.filePath("Big.pelp");
    ASSERT_GT(GenerateProfile(openAnswer, 2 << 20), 0);
    Start();
    QList<int> values;
    int maximum = 0;
    bool started = false;
    dialogs.onRun = [&](QDialog& dialog) {
        auto& progress = *qobject_cast<CProfileProgressDlg*>(&dialog);
        QObject::connect(&progress.ProgressBar(), &QProgressBar::valueChanged,
                         [&](int value) { values << value; });
        const int result = dialog.exec();
        maximum = progress.ProgressBar().maximum(), started = progress.WorkerStarted();
        return result;
    };
    Trigger(ID_FILE_OPEN);
    EXPECT_EQ(app->Utility().fileOpen, 1);
    int last = 0;
    for (const int value : values) {
        EXPECT_TRUE(value >= last && value - last <= maximum / 10) << last << " to " << value;
        last = value;
    }
    EXPECT_EQ(last, maximum);
    NoWorkerThreads noThreads;
    Trigger(ID_FILE_OPEN);
    EXPECT_FALSE(started);
    EXPECT_EQ(app->Utility().fileOpen, 1);
    EXPECT_TRUE(NothingSaid());
}

TEST_F(FileCommandsTest, OpenAcceptsWhatTheFormatReadsAndRefusesTheRest) {
    const QByteArray good = ProfileText();
    QByteArray bogus = good;
    bogus.replace("</p:profile>", "<p:bogus/></p:profile>");
    QByteArray noFile = good;
    noFile.remove(noFile.indexOf("<p:file "), noFile.indexOf("</p:file>") + 9 - noFile.indexOf("<p:file "));
    QByteArray noDevice = good;
    noDevice.remove(noDevice.indexOf("<p:device "),
                    noDevice.indexOf("</p:device>") + 11 - noDevice.indexOf("<p:device "));
    QByteArray unclaimed = good;
    unclaimed.replace("<p:block ", "<p:commIf label=\"Comm\"><p:commIfInfo label=\"CI\">" +
                                       InfoMember("commIfInfo", "CommIFTypeID", "NoSuchDevice") +
                                       "</p:commIfInfo></p:commIf><p:block ");
    QByteArray newer = good;
    newer.replace("peloraformachine/ver3/", "peloraformachine/ver4/");
    QByteArray manyAttributes = good, attributes;
    for (int i = 0; i <= 1000; ++i) attributes += " a" + QByteArray::number(i) + "=\"\"";
    manyAttributes.replace("<p:file ", "<p:file" + attributes + " ");
    Start();
    // A reason whose insert comes from the system or the parser: its own text up to the insert.
    const auto lead = [this](int id) { return Text(id).section("%1", 0, 0); };
    const auto reason = [this](int id, const QStringList& inserts) {
        return FormatResourceMessage(app->Strings(), inserts, id);
    };
    const struct {
        const char* name;
        QString file;
        QByteArray text;  // "dir", "fifo", "device": one of those of that name; "none": no file
        bool opened;
        int message;  // 0: none
        QString reason = {}, detail = {};
    } cases[] = {
        {"profile", "a.pelp", good, true, 0},
        {"capital extension", "b.PELP", good, true, 0},
        {"project without the schema", "c.pelproj", bogus, true, 0},
        {"wrong extension", "d.xml", good, false, 62109, reason(62148, {".pelp, .pelproj"})},
        {"refused by the schema", "e.pelp", bogus, false, 62109, lead(62143), "bogus"},
        {"no FILE section", "f.pelproj", noFile, false, 62109, reason(62147, {"FILE"})},
        {"no DEVICE section", "g.pelproj", noDevice, false, 62109, reason(62147, {"DEVICE"})},
        {"unclaimed interface type", "h.pelp", unclaimed, false, 10024},
        {"a directory", "i.pelp", "dir", false, 62109, lead(62141), "not a regular file but a directory"},
        {"a named pipe", "n.pelp", "fifo", false, 62109, lead(62141), "not a regular file but a named pipe"},
        {"a device", "o.pelproj", "device", false, 62109, lead(62141), "not a regular file but a device"},
        {"too many attributes", "p.pelproj", manyAttributes, false, 62109, lead(62141),
         "line 2: a start tag has more than 1000 attributes, more than this editor reads"},
        // <?xml version="1.0" encoding="IBM037"?><r/> in IBM037
        {"encoding not followed", "q.pelp",
         "\x4C\x6F\xA7\x94\x93\x40\xA5\x85\x99\xA2\x89\x96\x95\x7E\x7F\xF1\x4B\xF0\x7F\x40\x85\x95"
         "\x83\x96\x84\x89\x95\x87\x7E\x7F\xC9\xC2\xD4\xF0\xF3\xF7\x7F\x6F\x6E\x4C\x99\x61\x6E",
         false, 62109, lead(62141), "line 1: encoding IBM037 is not supported"},
        {"not XML", "j.pelproj", "just text", false, 62109, lead(62142), "line 1:"},
        {"truncated", "k.pelp", good.left(good.indexOf("</p:device>")), false, 62109, lead(62142), "line "},
        {"newer format version", "l.pelproj", newer, false, 62109, reason(62145, {"4.0", "3.0"})},
        {"missing", "m.pelp", "none", false, 62109, Text(62140)},
    };
    for (const auto& c : cases) {
        const QString path = work.filePath(c.file);
        if (c.text == "dir") QDir(work.path()).mkdir(c.file);
        if (c.text == "fifo") mkfifo(QFile::encodeName(path).constData(), 0600);
        if (c.text == "device") QFile::link("/dev/null", path);
        if (!QList<QByteArray>{"dir", "fifo", "device", "none"}.contains(c.text)) Write(c.file, c.text);
        Mark();
        openAnswer = path;
        Trigger(ID_FILE_OPEN);
        EXPECT_EQ(app->Utility().fileOpen, c.opened ? 1 : 0) << c.name;
        EXPECT_EQ(MessageIds(), c.message ? QList<int>{c.message} : QList<int>{}) << c.name;
        if (c.message) {
            // The refusal names the file and says why.
            const QString text = messages.Calls().last().text;
            EXPECT_TRUE(text.contains(c.file + " (" + work.path() + "/)")) << c.name;
            EXPECT_TRUE(text.contains(c.reason) && text.contains(c.detail))
                << c.name << ": " << text.toStdString();
            EXPECT_EQ(Frame().windowTitle(), Text(2203)) << c.name;
        }
        if (c.opened) {
            EXPECT_EQ(Frame().RecentFiles().Files().first(), path) << c.name;
        }
        EXPECT_EQ(app->ProfileView()->Tree().topLevelItemCount(), c.opened ? 1 : 0) << c.name;
    }
    EXPECT_TRUE(openFilters.first().contains("*.pelp;*.pelproj")) << openFilters.first().toStdString();
}

TEST_F(FileCommandsTest, SaveWritesOnlyChangesAndAProfileGoesThroughSaveAs) {
    const QString profile = Write("Gen.pelp", ProfileText());
    Start(profile);
    // A file opened from a profile is saved as a project under a new name, even unchanged.
    saver.answer = work.filePath("Saved.pelproj");
    Trigger(ID_FILE_SAVE);
    ASSERT_EQ(saver.asked.size(), 1);
    EXPECT_EQ(saver.asked[0], (QStringList{"pelproj", "Gen", Text(62044), "0"}));
    EXPECT_TRUE(QFileInfo::exists(saver.answer));
    EXPECT_EQ(app->Utility().openFilePath, saver.answer);
    EXPECT_EQ(Frame().windowTitle(), Text(2203) + Text(62049) + saver.answer);
    EXPECT_EQ(Frame().RecentFiles().Files().value(0), saver.answer);
    EXPECT_EQ(MessageIds(), QList<int>{10031});

    // Unchanged: nothing written, nothing said.
    Mark();
    QFile::remove(saver.answer);
    Trigger(ID_FILE_SAVE);
    EXPECT_FALSE(QFileInfo::exists(saver.answer));
    EXPECT_TRUE(NothingSaid());

    // Changed: written in place with the modification stamp, history cleared.
    app->connectionInfoModified = 1;
    Trigger(ID_FILE_SAVE);
    ASSERT_TRUE(QFileInfo::exists(saver.answer));
    EXPECT_EQ(MessageIds(), QList<int>{10031});
    EXPECT_TRUE(messages.Calls().last().text.contains(Text(62043)));
    EXPECT_FALSE(app->IsModified());
    QFile saved(saver.answer);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains(QDate::currentDate().toString("yyyy/MM/dd").toUtf8()));
    EXPECT_EQ(saver.asked.size(), 1);
}

TEST_F(FileCommandsTest, AFailedSaveIsReportedAndKeepsTheChanges) {
    Start(Write("Gen.pelp", ProfileText()));
    app->connectionInfoModified = 1;
    saver.answer = work.filePath("missing/folder/x.pelproj");
    Trigger(ID_FILE_SAVE_AS);
    EXPECT_EQ(MessageIds(), QList<int>{10008});
    // The code, the file and the system's reason.
    EXPECT_TRUE(messages.Calls().last().text.contains("0xa")) << messages.Calls().last().text.toStdString();
    EXPECT_TRUE(messages.Calls().last().text.contains(
        FormatResourceMessage(app->Strings(), {saver.answer, "No such file or directory"}, 62156)));
    EXPECT_TRUE(app->IsModified());
    EXPECT_EQ(app->Utility().openFilePath, work.filePath("Gen.pelp"));
    EXPECT_EQ(Frame().RecentFiles().Files().value(0), work.filePath("Gen.pelp"));
    // Cancelled: nothing written, nothing said.
    Mark();
    saver.answer.clear();
    Trigger(ID_FILE_SAVE_AS);
    EXPECT_TRUE(NothingSaid());
    // Written: the work counts as saved under the new name.
    saver.answer = work.filePath("Kept.pelproj");
    Trigger(ID_FILE_SAVE_AS);
    EXPECT_EQ(MessageIds(), QList<int>{10031});
    EXPECT_TRUE(messages.Calls().last().text.contains(Text(62044)));
    EXPECT_FALSE(app->IsModified());
    EXPECT_EQ(app->Utility().openFilePath, saver.answer);
    EXPECT_EQ(Frame().RecentFiles().Files().value(0), saver.answer) << "joins the recent files";
}

// Settings of a 3.0 editor that still name the 2.0 plug-in, the one type a device model serves: the
// system settings, closed or accepted as offered, keep 3.0 and record it whole.
TEST_F(FileCommandsTest, SystemSettingsKeepTheFormatTheVersionSettingsChose) {
    Start();
    for (const bool accept : {false, true, false}) {
        onDialog = [&](QDialog& dialog) {
            auto& system = dynamic_cast<CDialogSystemSetting&>(dialog);
            system.DeviceModelList()->setCurrentRow(0);
            (accept ? system.AcceptButton() : system.CloseButton())->click();
            return dialog.result();
        };
        Trigger(ID_SETTING_SYSTEM);
        EXPECT_EQ(app->Utility().profilePlugins.value(0).version, 0x30000u) << accept;
    }
    QFile settings(folder.SettingsPath());
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    const QByteArray saved = settings.readAll();
    EXPECT_TRUE(saved.contains("<Value>196608</Value>") && saved.contains(">PeloraMachine_3.so<"))
        << saved.data();
    openAnswer = Write("Gen.pelp", ProfileText());
    Trigger(ID_FILE_OPEN);
    EXPECT_EQ(app->Utility().openFilePath, openAnswer) << "a 3.0 profile opens";
}

TEST_F(FileCommandsTest, AnOlderFormatIsSavedOnlyAfterAYes) {
    QByteArray older = ProfileText();
    older.replace("<p:data><p:item>3.0</p:item>", "<p:data><p:item>2.0</p:item>");
    Start(Write("Old.pelp", older));
    saver.answer = work.filePath("Old.pelproj");
    const struct {
        int answer;
        bool saved;
    } cases[] = {{IDNO, false}, {IDYES, true}};
    for (const auto& c : cases) {
        app->connectionInfoModified = 1;
        Mark();
        messages.QueueAnswer(c.answer);
        Trigger(ID_FILE_SAVE);
        ASSERT_FALSE(MessageIds().isEmpty());
        EXPECT_EQ(MessageIds().first(), 62108);
        EXPECT_EQ(messages.Calls()[mark].style, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2);
        EXPECT_EQ(QFileInfo::exists(saver.answer), c.saved) << c.answer;
    }
}

TEST_F(FileCommandsTest, CloseAsksWhenChanged) {
    const struct {
        int answer;
        bool closed, saved;
    } cases[] = {{IDCANCEL, false, false}, {IDNO, true, false}, {IDYES, true, true}};
    for (const auto& c : cases) {
        Start(Write("Gen.pelp", ProfileText()));
        app->connectionInfoModified = 1;
        saver.answer = work.filePath(QString("Closed%1.pelproj").arg(c.answer));
        messages.QueueAnswer(c.answer);
        Trigger(ID_FILE_CLOSE);
        EXPECT_EQ(app->Utility().fileOpen, c.closed ? 0 : 1) << c.answer;
        EXPECT_EQ(QFileInfo::exists(saver.answer), c.saved) << c.answer;
        EXPECT_EQ(app->IsModified(), !c.closed) << c.answer;
        app.reset();
    }
}

TEST_F(FileCommandsTest, CreateProfileExportsAValidProfileUnderTheDefaultName) {
    Start(Write("Gen.pelp", HeaderOnly(ProfileText())));
    saver.answer = work.filePath("Export.pelp");
    // The generated header breaks the format's rules: the check's errors stop the export.
    Trigger(ID_FILE_CREATE_PROFILE);
    ASSERT_FALSE(app->checkMessages.isEmpty());
    EXPECT_TRUE(messages.Calls().last().text.endsWith(Text(62158)))
        << messages.Calls().last().text.toStdString();
    EXPECT_TRUE(saver.asked.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(saver.answer));

    // The step after a passed check.
    Mark();
    EXPECT_EQ(app->FileCommands().ExportProfile(), ProfileFileCommands::SAVED);
    ASSERT_EQ(saver.asked.size(), 1);
    EXPECT_EQ(saver.asked[0], (QStringList{"pelp", "Acme_Bench-1_1.0_ja", Text(62045), "1"}));
    ASSERT_TRUE(QFileInfo::exists(saver.answer));
    EXPECT_EQ(MessageIds(), QList<int>{10031});
    // The export leaves the working file as it was.
    EXPECT_EQ(app->Utility().openFilePath, work.filePath("Gen.pelp"));

    const QString xmllint = QStandardPaths::findExecutable("xmllint");
    if (xmllint.isEmpty()) GTEST_SKIP() << "xmllint is not installed";
    QProcess lint;
    lint.start(xmllint,
               {"--noout", "--schema", QString(PEL_SOURCE_DIR) + "/schema/3/PeloraSchema.xsd", saver.answer});
    ASSERT_TRUE(lint.waitForFinished(30000));
    EXPECT_EQ(lint.exitCode(), 0) << lint.readAllStandardError().toStdString();
    QFile exported(saver.answer);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    EXPECT_TRUE(exported.readAll().contains(QDate::currentDate().toString("yyyy/MM/dd").toUtf8()));
}

TEST_F(FileCommandsTest, CreateProfileWithoutTheNameElementsSaysWhy) {
    Start(Write("Gen.pelp", HeaderOnly(ProfileText(false))));
    EXPECT_EQ(app->FileCommands().ExportProfile(), ProfileFileCommands::NOTHING_SAVED);
    EXPECT_TRUE(saver.asked.isEmpty());
    EXPECT_EQ(MessageIds(), QList<int>{403});
}

TEST_F(FileCommandsTest, CreateArchiveReachesThePackingStepWithAProfile) {
    // The archive takes a profile only under its default name, which the file commands build.
    const QString path = Write("Acme_Bench-1_1.0_ja.pelp", ProfileText());
    Start();
    archiveChooser.files = {path};
    onDialog = [](QDialog& dialog) {
        auto& create = dynamic_cast<CDialogCreateArchiveFile&>(dialog);
        create.AddProfilesButton()->click();
        create.NextButton()->click();
        return create.result();
    };
    Trigger(ID_SETTING_CREATE_ARCHIVE);
    EXPECT_EQ(shown, QStringList{"CDialogCreateArchiveFile"});
    EXPECT_TRUE(NothingSaid());
    ASSERT_EQ(packing.inputs.size(), 1);
    EXPECT_EQ(packing.inputs[0].profileFiles, QStringList{path});
}

TEST_F(FileCommandsTest, NewProfileReplacesTheOpenFile) {
    Start(Write("Gen.pelp", ProfileText()));
    QStringList focus;  // Tab follows the fields as shown; a refused text keeps its field focused
    onDialog = [&](QDialog& dialog) {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        for (const char* text : {"F", "", "FI", "", "D", "", "DI", "", "", "a/b"}) {
            focus << QApplication::focusWidget()->objectName();
            QTest::keyClicks(QApplication::focusWidget(), text);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        dialog.findChild<QPushButton*>("9003")->click();
        focus << QApplication::focusWidget()->objectName();
        return int(QDialog::Rejected);
    };
    Trigger(ID_FILE_NEW);
    EXPECT_EQ(focus.join(" "), "903 905 907 909 912 915 917 919 953 954 954");
    EXPECT_TRUE(messages.Calls().last().text.contains(Text(121) + "a/b (the character \"/\")"));
    EXPECT_EQ(shown, QStringList{"CDialogNewProfile"});
    EXPECT_EQ(app->Utility().openFilePath, work.filePath("Gen.pelp"));  // cancelled: the open file stays

    onDialog = [](QDialog& dialog) {
        const std::pair<const char*, const char*> names[] = {
            {"903", "NewFile"}, {"907", "NewFileInfo"}, {"912", "NewDevice"}, {"917", "NewDeviceInfo"}};
        for (const auto& [id, text] : names)
            if (auto* edit = dialog.findChild<QLineEdit*>(id)) edit->setText(text);
        dialog.accept();
        return dialog.result();
    };
    Trigger(ID_FILE_NEW);
    ASSERT_EQ(app->Utility().fileOpen, 1);
    EXPECT_TRUE(app->Utility().openFilePath.isEmpty());
    EXPECT_EQ(Frame().windowTitle(), Text(2203) + Text(62050));
    EXPECT_EQ(TreeTexts(RootItem()->child(0)), QStringList{"NewFile () [FILE]"});
}

TEST(FileDialogFolder, DocumentThenLastFolderThenHome) {
    const char* cases[][3] = {{"/tmp/a", "/", "/tmp"}, {"", "/", "/"}, {"", "/no", "~"}, {"/no/a", "", "~"}};
    for (const auto& c : cases) EXPECT_EQ(FileDialogFolder::StartFolder(c[0], c[1], "~"), c[2]) << c[0];
}

TEST_F(FileCommandsTest, FileDialogsStartBesideTheDocumentElseWhereTheUserLastWent) {
    Start(Write("Gen.pelp", ProfileText()));
    app->chooseOpenFile = nullptr;
    app->saveFileChooser = nullptr;
    app->archiveFileChooser = nullptr;
    QStringList seen;  // each file dialog's folder and filters
    const auto answer = [&] {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            seen << dialog->directory().path() << dialog->nameFilters().join(";;");
            dialog->selectFile(work.filePath("Saved.pelproj"));  // kept by the save dialog only
            static_cast<QDialog*>(dialog)->done(dialog->acceptMode() == QFileDialog::AcceptSave);
        });
    };
    onDialog = [&](QDialog& dialog) {
        dynamic_cast<CDialogCreateArchiveFile&>(dialog).AddProfilesButton()->click();
        return 0;
    };
    for (int id : {ID_FILE_OPEN, ID_SETTING_CREATE_ARCHIVE, ID_FILE_SAVE_AS, ID_FILE_CLOSE, ID_FILE_OPEN}) {
        if (id != ID_FILE_CLOSE) answer();  // after Close: the folder last saved to
        Trigger(id);
    }
    const QString open = "Pelora files (*.pelp *.pelproj)";
    EXPECT_EQ(seen, QStringList({work.path(), open, work.path(), "Profile files (*.pelp)", work.path(),
                                 "Pelora files (*.pelproj)", work.path(), open}));
}

}  // namespace

namespace {

TEST_F(FileCommandsTest, DroppedAndRecentFilesOpenThroughTheFileCommands) {
    const QString path = Write("Gen.pelp", ProfileText());
    Start();
    Frame().OnDropFiles({path, work.filePath("second.pelp")});
    ASSERT_EQ(app->Utility().openFilePath, path);
    Trigger(ID_FILE_CLOSE);
    QAction* recent = nullptr;
    for (QAction* action : Frame().findChildren<QAction*>())
        if (action->data().toInt() == ID_FILE_MRU_FILE1) recent = action;
    ASSERT_NE(recent, nullptr);
    recent->trigger();
    EXPECT_EQ(app->Utility().openFilePath, path);
    EXPECT_EQ(app->ProfileView()->Tree().topLevelItemCount(), 1);
}

// Exit with the user's next step already queued behind it: that step would find the file closed and the
// plug-ins unloaded, so it does nothing and shows nothing, whatever way it takes; a key reaches no window.
TEST_F(FileCommandsTest, NothingQueuedBehindExitRuns) {
    const QString path = Write("Gen.pelp", ProfileText());
    const std::pair<const char*, std::function<void()>> routes[] = {
        {"recent entry",
         [&] {
             for (QAction* action : Frame().findChildren<QAction*>())
                 if (action->data().toInt() == ID_FILE_MRU_FILE1) action->trigger();
         }},
        {"menu command", [&] { Frame().Action(ID_FILE_OPEN)->trigger(); }},
        {"dialog command", [&] { Frame().Action(ID_SETTING_VERSION)->trigger(); }},
        {"drop", [&] { Frame().OnDropFiles({path}); }},
        {"open by path", [&] { app->OpenProfileFile(path); }},
    };
    for (const auto& [name, route] : routes) {
        Start(path);                                         // open, and so the first recent entry
        openAnswer = path, app->connectionInfoModified = 1;  // so the exit asks
        messages.QueueAnswer(IDNO), shown.clear();
        int reached = 0;
        EventSpy keys(&app->ProfileView()->Tree(), QEvent::KeyPress, [&](QEvent*) { ++reached; });
        QCoreApplication::postEvent(&app->ProfileView()->Tree(),
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_Down, {}));
        QTimer::singleShot(0, route);
        Trigger(ID_APP_EXIT);
        QCoreApplication::processEvents();
        EXPECT_TRUE(messages.Calls().size() == mark + 1 && shown.isEmpty() && app->Utility().fileOpen == 0)
            << name;
        EXPECT_EQ(reached, 0) << name;
    }
}

TEST_F(FileCommandsTest, TheTreeMenuReachesItsDialogsAndEditsThroughTheRegisteredCommands) {
    Start(Write("Gen.pelp", ProfileText()));
    CProfileView& tree = *app->ProfileView();
    QTreeWidgetItem* block = RootItem()->child(3)->child(0);
    tree.Tree().setCurrentItem(block);
    onDialog = [](QDialog&) { return int(QDialog::Rejected); };
    for (int id : {CProfileView::ID_NEW_SECTION, CProfileView::ID_NEW_PART, CProfileView::ID_PROPERTIES}) {
        ASSERT_TRUE(tree.Action(id)->isEnabled()) << id;
        tree.Action(id)->trigger();
    }
    EXPECT_EQ(shown, (QStringList{"CDialogNewSection", "CDialogNewPart", "CDialogEditProperty"}));
    EXPECT_EQ(tree.ContextMenu().actions().size(), 10);  // seven commands, two separators, the sort choices

    tree.Tree().setCurrentItem(block->child(1));  // Memory0
    messages.QueueAnswer(IDYES);
    ASSERT_TRUE(tree.Action(CProfileView::ID_DELETE_NODE)->isEnabled());
    tree.Action(CProfileView::ID_DELETE_NODE)->trigger();
    EXPECT_EQ(TreeTexts(RootItem()->child(3)->child(0)),
              (QStringList{"BLOCK_INFO () [BLOCK_INFO]", "Param0 () [BLOCK_PARAM]", "Enum0 () [ENUM]"}));
    EXPECT_TRUE(app->IsModified());
    EXPECT_EQ(Frame().windowTitle(), Text(2203) + Text(62049) + work.filePath("Gen.pelp"));
}

}  // namespace

namespace {

TEST_F(FileCommandsTest, TheEditMenuCopiesAndPastesInTheFocusedTree) {
    Start(Write("Gen.pelp", ProfileText()));
    CProfileView& tree = *app->ProfileView();
    QApplication::setActiveWindow(&Frame());
    tree.Tree().setFocus();
    if (QApplication::focusWidget() != &tree.Tree()) GTEST_SKIP() << "no keyboard focus on this platform";
    tree.Tree().setCurrentItem(RootItem()->child(3)->child(0));  // Block0
    Trigger(ID_EDIT_COPY);
    EXPECT_NE(tree.CopiedNode(), nullptr);
    tree.Tree().setCurrentItem(RootItem()->child(3));  // the BLOCK group
    Trigger(ID_EDIT_PASTE);
    EXPECT_EQ(RootItem()->child(3)->childCount(), 2);
    EXPECT_TRUE(app->IsModified());
}

}  // namespace

namespace {

TEST_F(FileCommandsTest, TheArchiveReadsTheVendorAndTheDefaultNameOfAProfile) {
    Start();
    QByteArray noLanguage = ProfileText();
    noLanguage.replace("label=\"Language\"", "label=\"Lang\"");
    const struct {
        const char* name;
        QByteArray text;
        int result;
        QString fileName;
        int reason;
    } cases[] = {
        {"complete", ProfileText(), 1, "Acme_Bench-1_1.0_ja.pelp", 0},
        {"no vendor", ProfileText(false), 0, "", 422},
        {"no language", noLanguage, 0, "", 403},
        {"not a profile", "<nothing", 0, "", 422},
        {"a named pipe", "fifo", 0, "", 62141},
    };
    for (const auto& c : cases) {
        const QString path = work.filePath("r.pelp");
        QFile::remove(path);
        if (c.text == "fifo")
            mkfifo(QFile::encodeName(path).constData(), 0600);
        else
            Write("r.pelp", c.text);
        ProfileRelatedFileValues values;
        QString reason;
        EXPECT_EQ(CollectProfileRelatedFiles(app->Utility(), path, values, reason), c.result) << c.name;
        EXPECT_EQ(values.defaultFileName, c.fileName) << c.name;
        EXPECT_EQ(values.vendorName, c.reason == 0 || c.reason == 403 ? "Acme" : "") << c.name;
        EXPECT_EQ(reason.section(':', 0, 0), c.reason ? Text(c.reason).section(':', 0, 0) : QString())
            << c.name;
    }
}

}  // namespace
