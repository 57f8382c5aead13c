#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "CDialogSelectArchiveFile.h"
#include "IArchiveFileChooser.h"
#include "IArchiveOutput.h"
#include "LoadedPlugin.h"
#include "MapStringSource.h"
#include "PluginApi.h"
#include "QtApplicationEnvironment.h"
#include "ScriptedMessagePresenter.h"

namespace {

const auto* const kQtEnvironment = ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

class ScriptedChooser : public IArchiveFileChooser {
public:
    QStringList ChooseOpenFiles(QWidget*, const QString&, const QString&) override { return {}; }
    QString ChooseSaveFile(QWidget*, const QString& title, const QString& filter,
                           const QString& start) override {
        seenTitle = title;
        seenFilter = filter;
        seenStart = start;
        return answer;
    }
    QString ChooseFolder(QWidget*, const QString&) override { return {}; }
    QString answer, seenTitle, seenFilter, seenStart;
};

class NullOutput : public IArchiveOutput {
public:
    void AppendOutputLines(const QStringList&) override {}
};

class CDialogSelectArchiveFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(lib.IsOpen()) << lib.Error();
        services.plugin = lib.Instance<IProfilePlugin>();
        services.strings = &strings;
        services.presenter = &presenter;
        services.chooser = &chooser;
        services.output = &output;
        services.workBase = dir.filePath("work");
        QDir().mkpath(services.workBase);
    }
    void TearDown() override { lib.DeleteInstance(); }
    QString File(const QString& rel) {
        const QString path = dir.filePath(rel);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("x");
        return path;
    }
    QStringList Listed(const CDialogSelectArchiveFile& d) const {
        QStringList out;
        for (int i = 0; i < d.PackList()->count(); ++i) out.append(d.PackList()->item(i)->text());
        return out;
    }

    QTemporaryDir dir;
    LoadedPlugin lib{"PublicPlugin/PeloraMachine_3.so"};
    MapStringSource strings{
        {406, "ZIP|*.zip||"},           {409, "zip"},          {2301, "Pack"}, {413, "Create archive"},
        {10008, "%1!s! failed: %2!s!"}, {10031, "%1!s!: done"}};
    ScriptedMessagePresenter presenter;
    ScriptedChooser chooser;
    NullOutput output;
    CDialogSelectArchiveFile::Services services;
};

TEST_F(CDialogSelectArchiveFileTest, ListsEveryGroupInOrderEachPathOnceWithinItsGroup) {
    ArchivePackInput in;
    in.profileFolderName = "Acme";
    in.profileFiles = {File("Foo.pelp")};
    in.referencedFiles = {File("logo.png"), File("logo.png"), File("Foo.pelp")};
    in.toolFiles = {File("a.dll")};
    in.folders = {dir.filePath("work")};
    CDialogSelectArchiveFile d(services, in);
    EXPECT_EQ(Listed(d),
              QStringList({dir.filePath("Foo.pelp"), dir.filePath("logo.png"), dir.filePath("Foo.pelp"),
                           dir.filePath("a.dll"), dir.filePath("work")}));
}

TEST_F(CDialogSelectArchiveFileTest, CreateIsEnabledOnlyWithAnArchivePath) {
    CDialogSelectArchiveFile d(services, ArchivePackInput());
    EXPECT_EQ(d.findChildren<QLabel*>().first()->buddy(), d.PathEdit());  // the path field has its label
    EXPECT_FALSE(d.CreateButton()->isEnabled());
    d.PathEdit()->setText("x.zip");
    EXPECT_TRUE(d.CreateButton()->isEnabled());
    d.PathEdit()->clear();
    EXPECT_FALSE(d.CreateButton()->isEnabled());
}

TEST_F(CDialogSelectArchiveFileTest, BrowseAppendsTheDefaultExtensionWhenMissing) {
    const struct {
        const char* chosen;
        const char* shown;
    } cases[] = {
        {"/a/out", "/a/out.zip"},         {"/a/out.zip", "/a/out.zip"}, {"/a/out.ZIP", "/a/out.ZIP"},
        {"/a/out.txt", "/a/out.txt.zip"}, {"/a.b/out", "/a.b/out.zip"}, {"", "kept"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        CDialogSelectArchiveFile d(services, ArchivePackInput());
        d.PathEdit()->setText("kept");
        chooser.answer = c.chosen;
        d.BrowseButton()->click();
        EXPECT_EQ(d.PathEdit()->text(), c.shown);
        EXPECT_EQ(chooser.seenStart, "kept");
        EXPECT_EQ(chooser.seenFilter, "ZIP|*.zip||");
    }
}

TEST_F(CDialogSelectArchiveFileTest, CreateAcceptsOnSuccessAndStaysOpenOnFailure) {
    ArchivePackInput in;
    in.profileFolderName = "Acme";
    in.profileFiles = {File("src/Foo.pelp")};
    {
        CDialogSelectArchiveFile d(services, in);
        d.PathEdit()->setText(dir.filePath("missing/out.zip"));
        d.CreateButton()->click();
        EXPECT_EQ(d.result(), QDialog::Rejected);
        ASSERT_EQ(presenter.Calls().size(), 1);
        EXPECT_EQ(presenter.Calls()[0].text, "Create archive failed: 0x23010004");
    }
    CDialogSelectArchiveFile d(services, in);
    d.PathEdit()->setText(dir.filePath("out.zip"));
    d.show();
    QTest::keyClick(d.PathEdit(), Qt::Key_Return);  // Create, the page's main action, not Browse
    EXPECT_TRUE(chooser.seenTitle.isEmpty());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_TRUE(QFileInfo(dir.filePath("out.zip")).isFile());
    EXPECT_EQ(presenter.Calls().last().text, "Create archive: done");
}

// The folder under which the work folder is made may be gone (another command cleared it): it is
// made again, with whatever parents it lacks.
TEST_F(CDialogSelectArchiveFileTest, CreateMakesAMissingWorkBase) {
    services.workBase = dir.filePath("program/Temp");
    ArchivePackInput in;
    in.profileFolderName = "Acme";
    in.profileFiles = {File("src/Foo.pelp")};
    CDialogSelectArchiveFile d(services, in);
    d.show();
    QTest::keyClicks(d.PathEdit(), dir.filePath("out.zip"));
    QTest::mouseClick(d.CreateButton(), Qt::LeftButton);
    ASSERT_FALSE(presenter.Calls().isEmpty());
    EXPECT_EQ(presenter.Calls().last().text, "Create archive: done");
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_TRUE(QFileInfo(dir.filePath("out.zip")).isFile());
    EXPECT_TRUE(QDir(services.workBase).isEmpty()) << "the work folder is removed again";
}

}  // namespace
