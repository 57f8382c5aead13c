// The main road through the running editor, once per profile format: open, edit, undo, copy and paste,
// add and move a part, save as a project, reopen, check, export and pack.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include "CDialogCreateArchiveFile.h"
#include "CDialogSelectArchiveFile.h"
#include "COutputList.h"
#include "COutputWnd.h"
#include "CProfileTree.h"
#include "CProfileView.h"
#include "CVsflexgridn.h"
#include "CWorkView.h"
#include "CommandIds.h"
#include "MessageBoxStyle.h"
#include "PrintQString.h"
#include "ProfileInnerConst.h"
#include "RoadFixture.h"

using namespace Road;

namespace {

class MainRoadTest : public ::testing::TestWithParam<Format>, public RoadFixture {
protected:
    void SetUp() override {
        if (!StagedProgramFolder::IsStaged()) GTEST_SKIP() << "the program folder is not staged";
    }
    CPELFM_PartInfo* Part(const QString& section, const QString& part) {
        CPELFM_SectionInfo* found =
            app->OpenProfile() ? app->OpenProfile()->FindSectionByName(section) : nullptr;
        return found ? found->FindPartByName(part) : nullptr;
    }
    // Presses on one tree item, moves past the drag distance and lets go on the upper half of another.
    void DragTreeItem(QTreeWidgetItem* from, QTreeWidgetItem* onto) {
        CProfileTree& tree = app->ProfileView()->Tree();
        QWidget* viewport = tree.viewport();
        const QPoint start = tree.visualItemRect(from).center();
        const QRect target = tree.visualItemRect(onto);
        const QPoint end(target.center().x(), target.top() + 2);
        QTest::mousePress(viewport, Qt::LeftButton, {}, start);
        for (const QPoint& at : {start + QPoint(0, QApplication::startDragDistance() + 2), end}) {
            QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                             Qt::NoModifier);
            QApplication::sendEvent(viewport, &move);
        }
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, end);
    }
};

TEST_P(MainRoadTest, FromTheCommandLineToTheArchive) {
    const Format& format = GetParam();
    const QString profile = Write("Road.pelp", ProfileText(format));
    ASSERT_TRUE(Start(format, profile));
    ASSERT_EQ(app->Utility().fileOpen, 1) << messages.Calls().size();
    EXPECT_EQ(Enabled(ID_EDIT_CONNECTION_INFO), format.connections);  // the 3.0 plug-in's editor only
    CProfileView& tree = *app->ProfileView();

    // Enter on a memory part opens its grid.
    QTreeWidgetItem* memoryItem = TreeItem({"BLOCK", "Block0", "Memory0"});
    ASSERT_NE(memoryItem, nullptr);
    if (!FocusTreeItem(memoryItem)) GTEST_SKIP() << "no keyboard focus on this platform";
    QTest::keyClick(&tree.Tree(), Qt::Key_Return);
    CWorkView* view = ActiveView();
    ASSERT_NE(view, nullptr);
    CPELFM_PartInfo* memory = Part("Block0", "Memory0");
    ASSERT_EQ(view->GridPart(), memory);
    const QList<CPELFM_ElemInfo*>& elems = memory->Elems();
    ASSERT_GE(elems.size(), 6);
    const int nameCol = view->ItemTypeColumn(NAME);
    const int unitCol = view->ItemTypeColumn(ENG_UNIT);
    ASSERT_GT(nameCol, 0);
    const QString firstName = ValueOf(elems[0], NAME);

    // A typed value, undone and redone from the menu.
    ASSERT_TRUE(TypeIntoCell(view, 1, nameCol, "Road value"));
    EXPECT_EQ(ValueOf(elems[0], NAME), "Road value");
    ASSERT_TRUE(Trigger(ID_EDIT_UNDO));
    EXPECT_EQ(ValueOf(elems[0], NAME), firstName);
    EXPECT_EQ(view->Grid().GetTextMatrix(1, nameCol), firstName);
    ASSERT_TRUE(Trigger(ID_EDIT_REDO));
    EXPECT_EQ(ValueOf(elems[0], NAME), "Road value");

    // A block of two rows copied onto rows five and six, then taken back.
    const QString fifthName = ValueOf(elems[4], NAME);
    ClickCell(view, 1, nameCol);
    ClickCell(view, 2, nameCol, Qt::ShiftModifier);
    ASSERT_TRUE(Trigger(ID_EDIT_COPY));
    ClickCell(view, 5, nameCol);
    ASSERT_TRUE(Trigger(ID_EDIT_PASTE));
    EXPECT_EQ(ValueOf(elems[4], NAME), "Road value");
    EXPECT_EQ(ValueOf(elems[5], NAME), ValueOf(elems[1], NAME));
    ASSERT_TRUE(Trigger(ID_EDIT_UNDO));
    EXPECT_EQ(ValueOf(elems[4], NAME), fifthName);
    ASSERT_TRUE(TypeIntoCell(view, 3, unitCol, "km"));

    // A new parameter part through the tree's dialog, then dragged above the memory part.
    QTreeWidgetItem* block = TreeItem({"BLOCK", "Block0"});
    ASSERT_TRUE(FocusTreeItem(block));
    onDialog = [](QDialog& dialog) {
        auto* types = dialog.findChild<QListWidget*>("933");
        const QList<QListWidgetItem*> param =
            types ? types->findItems("BLOCK_PARAM", Qt::MatchExactly) : QList<QListWidgetItem*>{};
        if (param.isEmpty()) return int(QDialog::Rejected);
        param.first()->setSelected(true);
        QTest::keyClicks(dialog.findChild<QLineEdit*>("927"), "RoadPart");
        if (auto* related = dialog.findChild<QCheckBox*>("1083")) related->setChecked(false);
        dialog.findChild<QPushButton*>("931")->click();
        return dialog.result();
    };
    ASSERT_TRUE(tree.Action(CProfileView::ID_NEW_PART)->isEnabled());
    tree.Action(CProfileView::ID_NEW_PART)->trigger();
    ASSERT_NE(Part("Block0", "RoadPart"), nullptr) << shown.join(",").toStdString();
    tree.Tree().expandAll();
    DragTreeItem(TreeItem({"BLOCK", "Block0", "RoadPart"}), TreeItem({"BLOCK", "Block0", "Memory0"}));
    const QStringList moved = ChildTexts(TreeItem({"BLOCK", "Block0"}));
    EXPECT_EQ(moved.indexOf("RoadPart") + 1, moved.indexOf("Memory0")) << moved.join(",").toStdString();

    // The block section copied and pasted under its group.
    ASSERT_TRUE(FocusTreeItem(TreeItem({"BLOCK", "Block0"})));
    ASSERT_TRUE(Trigger(ID_EDIT_COPY));
    ASSERT_TRUE(FocusTreeItem(TreeItem({"BLOCK"})));
    ASSERT_TRUE(Trigger(ID_EDIT_PASTE));
    ASSERT_EQ(TreeItem({"BLOCK"})->childCount(), 2);
    const QString pastedName = app->OpenProfile()->sections.last()->name;
    EXPECT_TRUE(app->IsModified());

    // Saved as a project, closed, and reopened with every edit.
    saver.answer = work.filePath("Road.pelproj");
    ASSERT_TRUE(Trigger(ID_FILE_SAVE_AS));
    ASSERT_TRUE(QFileInfo::exists(saver.answer));
    ASSERT_TRUE(Trigger(ID_FILE_CLOSE));
    EXPECT_EQ(app->Utility().fileOpen, 0);
    EXPECT_EQ(ActiveView(), nullptr);
    openAnswer = saver.answer;
    ASSERT_TRUE(Trigger(ID_FILE_OPEN));
    ASSERT_EQ(app->Utility().fileOpen, 1);
    memory = Part("Block0", "Memory0");
    ASSERT_NE(memory, nullptr);
    EXPECT_EQ(ValueOf(memory->Elems()[0], NAME), "Road value");
    EXPECT_EQ(ValueOf(memory->Elems()[4], NAME), fifthName);
    EXPECT_EQ(ValueOf(memory->Elems()[2], ENG_UNIT), "km");
    EXPECT_EQ(ChildTexts(TreeItem({"BLOCK", "Block0"})), moved);
    EXPECT_NE(Part(pastedName, "Memory0"), nullptr) << pastedName.toStdString();
    EXPECT_FALSE(app->IsModified());

    // The check lists its findings; a finding with a part leads to its cell.
    ASSERT_TRUE(Trigger(ID_FILE_CHECK));
    COutputList& output = Frame().OutputPane().List();
    ASSERT_EQ(output.count(), app->checkMessages.size() + 1);
    int line = 0;
    for (int i = 0; i < app->checkMessages.size() && !line; ++i)
        if (!app->checkMessages[i].partLabel.isEmpty()) line = i + 1;
    if (line > 0) {
        const _ST_PEL_CHECK_MESSAGE finding = app->checkMessages[line - 1];
        output.scrollToItem(output.item(line));
        const QPoint at = output.visualItemRect(output.item(line)).center();
        QTest::mouseClick(output.viewport(), Qt::LeftButton, {}, at);  // the press before the double click
        QTest::mouseDClick(output.viewport(), Qt::LeftButton, {}, at);
        CWorkView* jumped = ActiveView();
        ASSERT_NE(jumped, nullptr) << finding.text.toStdString();
        EXPECT_EQ(jumped->GridPart()->name, finding.partLabel);
        EXPECT_EQ(jumped->Grid().GetRow(), finding.elementIndex + 1) << finding.text.toStdString();
    }

    // The generated profile breaks the format's rules: the export stops at the check's errors and writes
    // nothing.
    const QString exported = work.filePath("Acme_Bench-1_1.0_" + QString(format.language) + ".pelp");
    saver.answer = exported;
    ASSERT_TRUE(Trigger(ID_FILE_CREATE_PROFILE));
    EXPECT_FALSE(QFileInfo::exists(exported));
    EXPECT_TRUE(saver.initialNames.size() == 1)
        << saver.initialNames.join(",").toStdString();  // Save As only
    if (format.cleanExport) {
        // A profile the check passes goes out through the same command under the default export name.
        openAnswer = Write("Clean.pelp", CheckCleanProfileText());
        ASSERT_TRUE(Trigger(ID_FILE_OPEN));
        ASSERT_NE(Part("Comm", "CommInfo"), nullptr);
        ASSERT_TRUE(Trigger(ID_FILE_CREATE_PROFILE));
        QStringList findings;
        for (const _ST_PEL_CHECK_MESSAGE& finding : app->checkMessages) findings << finding.text;
        EXPECT_TRUE(findings.isEmpty()) << findings.join("\n").toStdString();
        ASSERT_TRUE(QFileInfo::exists(exported)) << findings.join("\n").toStdString();
        EXPECT_EQ(saver.initialNames.last(), QFileInfo(exported).completeBaseName());
    } else {
        // The archive then takes the opened profile under the default export name.
        ASSERT_TRUE(QFile::copy(profile, exported));
    }
    const QString xmllint = QStandardPaths::findExecutable("xmllint");
    QString said;
    if (!xmllint.isEmpty()) {
        const QString schema =
            QString(PEL_SOURCE_DIR) + "/schema/" + QString(format.folder).mid(3) + "/PeloraSchema.xsd";
        EXPECT_EQ(RunTool(xmllint, {"--noout", "--schema", schema, exported}, &said), 0)
            << said.toStdString();
    }

    // The profile packed into an archive that unzip reads back.
    const QString archive = work.filePath("Road.zip");
    chooser.files = {exported};
    onDialog = [&](QDialog& dialog) {
        if (auto* create = dynamic_cast<CDialogCreateArchiveFile*>(&dialog)) {
            create->AddProfilesButton()->click();
            create->NextButton()->click();
        } else if (auto* pack = dynamic_cast<CDialogSelectArchiveFile*>(&dialog)) {
            pack->PathEdit()->setText(archive);
            pack->CreateButton()->click();
        }
        return dialog.result();
    };
    ASSERT_TRUE(Trigger(ID_SETTING_CREATE_ARCHIVE));
    const QString zip = QFileInfo::exists(archive) ? archive : work.filePath("Road.zip");
    ASSERT_TRUE(QFileInfo::exists(zip)) << shown.join(",").toStdString();
    const QString unzip = QStandardPaths::findExecutable("unzip");
    if (unzip.isEmpty()) GTEST_SKIP() << "unzip is not installed";
    EXPECT_EQ(RunTool(unzip, {"-t", zip}, &said), 0) << said.toStdString();
    EXPECT_TRUE(said.contains(QFileInfo(exported).fileName())) << said.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Formats, MainRoadTest,
                         ::testing::Values(Format{"V30", 0x30000, "ja", "ver3", "3.0", true, true, true},
                                           Format{"V20", 0x20000, "ja", "ver2", "2.0", false, false, false},
                                           Format{"V11", 0x10001, "en", "ver1", "1.1", false, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
