#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "ArchivePackInput.h"
#include "CDialogCreateArchiveFile.h"
#include "IArchiveFileChooser.h"
#include "IArchivePackingStep.h"
#include "IProfileRelatedFiles.h"
#include "MapStringSource.h"
#include "QtApplicationEnvironment.h"
#include "ScriptedMessagePresenter.h"

namespace {

const auto* const kQtEnvironment = ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

class ScriptedChooser : public IArchiveFileChooser {
public:
    QStringList ChooseOpenFiles(QWidget*, const QString&, const QString& filter) override {
        filters.append(filter);
        return files;
    }
    QString ChooseSaveFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString ChooseFolder(QWidget*, const QString&) override { return folder; }
    QStringList files, filters;
    QString folder;
};

class FakeRelated : public IProfileRelatedFiles {
public:
    bool CollectProfileRelatedFiles(const QString& path, ProfileRelatedFiles& out, QString&) override {
        if (!records.contains(path)) return false;
        out = records.value(path);
        return true;
    }
    QMap<QString, ProfileRelatedFiles> records;
};

class RecordingPacking : public IArchivePackingStep {
public:
    bool RunPacking(QWidget*, const ArchivePackInput& in) override {
        input = in;
        return answer;
    }
    std::optional<ArchivePackInput> input;
    bool answer = true;
};

class CDialogCreateArchiveFileTest : public ::testing::Test {
protected:
    CDialogCreateArchiveFile::Services Services() {
        return {&strings, &presenter, &chooser, &related, &packing};
    }
    QString File(const QString& rel) {
        const QString path = dir.filePath(rel);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile(path).open(QIODevice::WriteOnly);
        return path;
    }
    static QStringList Texts(const QListWidget* w) {
        QStringList out;
        for (int i = 0; i < w->count(); ++i) out.append(w->item(i)->text());
        return out;
    }

    QTemporaryDir dir;
    MapStringSource strings{
        {2207, "docs only"}, {2209, "docs and tools"},     {2204, "docs with dll"}, {2206, "device note"},
        {62039, "*."},       {62052, "P (%1!s!)|%2!s!||"}, {62053, "with dll"},     {62077, "images"},
        {2203, "Tool"},      {10037, "37 %2!s!"}};
    ScriptedMessagePresenter presenter;
    ScriptedChooser chooser;
    FakeRelated related;
    RecordingPacking packing;
};

TEST_F(CDialogCreateArchiveFileTest, LabelsAndToolListFollowTheConditions) {
    const struct {
        bool tools, deviceModel;
        const char* documentLabel;
        const char* deviceLabel;
    } cases[] = {
        {false, false, "docs only", ""},
        {false, true, "docs with dll", "device note"},
        {true, false, "docs and tools", "device note"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.documentLabel);
        CDialogCreateArchiveFile d(Services(), {c.tools, c.deviceModel, "pelp"});
        EXPECT_EQ(d.DocumentLabel()->text(), c.documentLabel);
        EXPECT_EQ(d.DeviceModelLabel()->text(), c.deviceLabel);
        EXPECT_EQ(d.ToolFolderList()->isHidden(), !c.tools);
        EXPECT_EQ(d.AddToolFolderButton()->isHidden(), !c.tools);
    }
}

TEST_F(CDialogCreateArchiveFileTest, ProfileFilterNamesTheCurrentExtension) {
    const struct {
        const char* ext;
        const char* filter;
    } cases[] = {{"pelp", "P (*.pelp)|*.pelp||"}, {"ostra", "P (*.pelp;*.ostra)|*.pelp;*.ostra||"}};
    for (const auto& c : cases) {
        chooser.filters.clear();
        CDialogCreateArchiveFile d(Services(), {false, false, c.ext});
        d.AddProfilesButton()->click();
        EXPECT_EQ(chooser.filters, QStringList({c.filter}));
    }
}

TEST_F(CDialogCreateArchiveFileTest, NextFollowsTheProfileListAndDeleteRemoves) {
    CDialogCreateArchiveFile d(Services(), {false, false, "pelp"});
    EXPECT_FALSE(d.NextButton()->isEnabled());
    chooser.files = {"/p/Foo.pelp"};
    d.AddProfilesButton()->click();
    EXPECT_TRUE(d.NextButton()->isEnabled());
    d.show();
    QTest::keyClick(d.AddProfilesButton(), Qt::Key_Return);  // Next, the main action: the file is missing
    EXPECT_EQ(presenter.Calls().size(), 1);
    d.ProfileList()->setCurrentRow(0);
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QCoreApplication::sendEvent(d.ProfileList(), &del);
    EXPECT_EQ(d.ProfileList()->count(), 0);
    EXPECT_FALSE(d.NextButton()->isEnabled());
}

TEST_F(CDialogCreateArchiveFileTest, FailedValidationSelectsTheEarlierEntryAndKeepsTheDialogOpen) {
    const QString foo = File("a/Foo.pelp");
    chooser.files = {File("b/Bar.pelp"), foo, foo};
    CDialogCreateArchiveFile d(Services(), {false, false, "pelp"});
    d.AddProfilesButton()->click();
    d.NextButton()->click();
    EXPECT_EQ(d.ProfileList()->currentRow(), 1);
    EXPECT_EQ(presenter.Calls().last().text, "37 Foo.pelp");
    EXPECT_FALSE(packing.input.has_value());
    EXPECT_EQ(d.result(), QDialog::Rejected);
}

TEST_F(CDialogCreateArchiveFileTest, ValidCollectionGoesToThePackingStep) {
    const QString foo = File("p/Foo.pelp");
    related.records.insert(foo, {"logo.png", "", "Foo.pelp", "Acme"});
    const QString logo = File("img/logo.png");
    const QString tool = File("drop/bin/a.dll");
    CDialogCreateArchiveFile d(Services(), {true, true, "pelp"});
    d.resize(600, 800);
    d.show();
    chooser.files = {foo};
    d.AddProfilesButton()->click();
    d.DropPaths(d.DocumentList()->geometry().center(), {dir.filePath("drop"), logo});
    chooser.folder = dir.filePath("t/Foo");
    d.AddToolFolderButton()->click();
    EXPECT_EQ(Texts(d.DocumentList()), QStringList({tool, logo}));

    d.NextButton()->click();
    ASSERT_TRUE(packing.input.has_value())
        << (presenter.Calls().isEmpty() ? "" : presenter.Calls().last().text.toStdString());
    EXPECT_EQ(packing.input->profileFiles, QStringList({foo}));
    EXPECT_EQ(packing.input->referencedFiles, QStringList({logo}));
    EXPECT_EQ(packing.input->toolFiles, QStringList({tool}));
    EXPECT_EQ(packing.input->folders, QStringList({dir.filePath("t/Foo")}));
    EXPECT_EQ(packing.input->profileFolderName, "Acme");
    ASSERT_EQ(packing.input->toolTree.children.size(), 1);
    EXPECT_EQ(packing.input->toolTree.children[0].name, "bin");
    EXPECT_EQ(d.result(), QDialog::Accepted);
}

TEST_F(CDialogCreateArchiveFileTest, DropOutsideTheListsAddsNothing) {
    CDialogCreateArchiveFile d(Services(), {true, true, "pelp"});
    d.resize(600, 800);
    d.show();
    d.DropPaths(QPoint(1, 1), {File("p/Foo.pelp")});
    EXPECT_EQ(d.ProfileList()->count(), 0);
    d.DropPaths(d.ProfileList()->geometry().center(), {dir.filePath("p")});
    EXPECT_EQ(Texts(d.ProfileList()), QStringList({dir.filePath("p/Foo.pelp")}));
}

}  // namespace
