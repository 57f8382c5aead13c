#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <memory>

#include "CDialogNewPart.h"
#include "CDialogNewProfile.h"
#include "CDialogNewSection.h"
#include "CDialogRelatePart.h"
#include "CDialogRelateSection.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_SectionInfo.h"
#include "DialogTestWorld.h"
#include "INewProfileHost.h"
#include "IRelatedNodeDialogs.h"

using namespace DialogTest;
using CommandTest::AddPart;
using CommandTest::AddSection;
using CommandTest::PartNames;
using CommandTest::SectionNames;

namespace {

// The application lives for the whole run and is destroyed before the leak check.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "ui_dialogs_widget_test";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { app.reset(); }
    std::unique_ptr<QApplication> app;
};
[[maybe_unused]] ::testing::Environment* const qtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

class RecordingRelated : public IRelatedNodeDialogs {
public:
    QStringList log;
    void RelateParts(int type) override { log << "parts " + QString::number(type); }
    void RelateSection(int type) override { log << "section " + QString::number(type); }
};

template <class T>
T* Child(QWidget& dialog, const char* id) {
    T* child = dialog.findChild<T*>(QString::fromLatin1(id));
    EXPECT_NE(child, nullptr) << id;
    return child;
}

// Shows the dialog as the user gets it: active, with the focus where the dialog puts it.
void ShowActive(QDialog& dialog) {
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

void ClickRow(QListWidget* list, int row, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualItemRect(list->item(row)).center());
}

// The type list takes the focus when the dialog opens and Qt gives it a current row without selecting
// it; the first type is chosen at the start, and only a selected type counts as chosen.
TEST(CDialogNewPart, OnlyASelectedTypeIsChosen) {
    DialogWorld w;
    CPELFM_SectionInfo* block = AddSection(w.root(), "Block", SECTION_BLOCK);
    w.rules.partKinds = {PART_BLOCK_MEMORY, PART_BLOCK_PARAM};
    RecordingRelated related;
    CDialogNewPart dialog(w.utility, block, related);
    ShowActive(dialog);
    auto* types = Child<QListWidget>(dialog, "933");
    auto* name = Child<QLineEdit>(dialog, "927");
    auto* ok = Child<QPushButton>(dialog, "931");
    ASSERT_TRUE(types && name && ok);
    ASSERT_TRUE(types->hasFocus());
    EXPECT_EQ(types->selectedItems(), QList<QListWidgetItem*>{types->item(0)});
    ClickRow(types, 0, Qt::ControlModifier);
    QTest::keyClick(types, Qt::Key_Tab);
    ASSERT_TRUE(name->hasFocus());
    QTest::keyClicks(name, "Mem");
    EXPECT_FALSE(ok->isEnabled());
    QTest::keyClick(name, Qt::Key_Return);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_TRUE(block->parts.isEmpty());
    EXPECT_NE(dialog.result(), QDialog::Accepted);

    ClickRow(types, 1);
    EXPECT_TRUE(ok->isEnabled());
    ClickRow(types, 1, Qt::ControlModifier);
    EXPECT_TRUE(types->selectedItems().isEmpty());
    EXPECT_FALSE(ok->isEnabled());
    ClickRow(types, 1);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(block->parts.size(), 1);
    EXPECT_EQ(block->parts[0]->partType, PART_BLOCK_PARAM);
}

// The section type list holds its preselection; a type the user takes back is no longer chosen.
TEST(CDialogNewSection, OnlyASelectedTypeIsChosen) {
    DialogWorld w;
    RecordingRelated related;
    CDialogNewSection dialog(w.utility, nullptr, true, related);
    ShowActive(dialog);
    auto* types = Child<QListWidget>(dialog, "900");
    auto* ok = Child<QPushButton>(dialog, "901");
    ASSERT_TRUE(types && ok);
    QTest::keyClicks(Child<QLineEdit>(dialog, "918"), "Axis");
    QTest::keyClicks(Child<QLineEdit>(dialog, "913"), "AxisInfo");
    EXPECT_TRUE(ok->isEnabled());
    ClickRow(types, 1, Qt::ControlModifier);
    EXPECT_TRUE(types->selectedItems().isEmpty());
    EXPECT_FALSE(ok->isEnabled());
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_TRUE(SectionNames(w.root()).isEmpty());
    ClickRow(types, 0);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(SectionNames(w.root()), QStringList({"Axis"}));
    EXPECT_EQ(w.root().sections[0]->sectionType, SECTION_BLOCK);
}

TEST(CDialogNewPart, OkFollowsTypeAndNameAndCreatesThePart) {
    DialogWorld w;
    CPELFM_SectionInfo* commIf = AddSection(w.root(), "Comm", SECTION_COMM_IF);
    AddSection(w.root(), "Block", SECTION_BLOCK);
    w.rules.partKinds = {PART_COMM_IF_VARIABLE, PART_COMM_IF_CONFIGURATION};
    w.utility.settings->AutoCreateRelatedPart = 1;
    RecordingRelated related;
    CDialogNewPart dialog(w.utility, commIf, related);
    auto* types = Child<QListWidget>(dialog, "933");
    auto* ok = Child<QPushButton>(dialog, "931");
    auto* box = Child<QCheckBox>(dialog, "1083");
    ASSERT_TRUE(types && ok && box);
    EXPECT_EQ(Child<QLineEdit>(dialog, "1057")->text(), "20");
    EXPECT_EQ(Child<QLineEdit>(dialog, "927")->maxLength(), 64);
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_TRUE(box->isVisibleTo(&dialog));
    EXPECT_FALSE(box->isEnabled());

    types->setCurrentRow(0);
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_FALSE(box->isEnabled());
    Child<QLineEdit>(dialog, "927")->setText("Cfg");
    EXPECT_TRUE(ok->isEnabled());
    types->setCurrentRow(1);
    EXPECT_TRUE(box->isEnabled());
    EXPECT_TRUE(box->isChecked());
    Child<QLineEdit>(dialog, "927")->clear();
    EXPECT_FALSE(ok->isEnabled());
    Child<QLineEdit>(dialog, "927")->setText("Cfg");

    Child<QToolButton>(dialog, "1058down")->click();
    EXPECT_EQ(Child<QLineEdit>(dialog, "1057")->text(), "19");
    ok->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_NE(dialog.CreatedPart(), nullptr);
    EXPECT_EQ(dialog.CreatedPart()->ElemCount(), 19);
    EXPECT_EQ(related.log, QStringList({"parts " + QString::number(PART_COMM_IF_CONFIGURATION)}));
}

TEST(CDialogNewPart, RefusedNameKeepsTheDialogOpen) {
    DialogWorld w;
    CPELFM_SectionInfo* block = AddSection(w.root(), "Block", SECTION_BLOCK);
    AddPart(*block, "Mem", PART_BLOCK_MEMORY);
    w.rules.partKinds = {PART_BLOCK_MEMORY};
    RecordingRelated related;
    CDialogNewPart dialog(w.utility, block->parts[0], related);
    EXPECT_FALSE(Child<QCheckBox>(dialog, "1083")->isVisibleTo(&dialog));
    Child<QListWidget>(dialog, "933")->setCurrentRow(0);
    Child<QLineEdit>(dialog, "927")->setText("Mem");
    Child<QPushButton>(dialog, "931")->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(w.Messages(), QStringList({"The name Mem is used already."}));
    EXPECT_EQ(PartNames(*block), QStringList({"Mem"}));
}

TEST(CDialogNewPart, WithoutABlockSectionTheRelatedBoxStaysOff) {
    DialogWorld w;
    CPELFM_SectionInfo* commIf = AddSection(w.root(), "Comm", SECTION_COMM_IF);
    w.rules.partKinds = {PART_COMM_IF_CONFIGURATION};
    w.utility.settings->AutoCreateRelatedPart = 1;
    RecordingRelated related;
    CDialogNewPart dialog(w.utility, commIf, related);
    Child<QListWidget>(dialog, "933")->setCurrentRow(0);
    auto* box = Child<QCheckBox>(dialog, "1083");
    EXPECT_FALSE(box->isEnabled());
    EXPECT_FALSE(box->isChecked());
    Child<QLineEdit>(dialog, "927")->setText("Cfg");
    Child<QPushButton>(dialog, "931")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(related.log.isEmpty());
    // The box took no part, so the setting stays as it was.
    EXPECT_EQ(w.utility.settings->AutoCreateRelatedPart, 1);
}

TEST(CDialogNewSection, LabelsFollowTheTypeAndOkCreates) {
    DialogWorld w;
    w.utility.settings->AutoCreateRelatedSection = 1;
    RecordingRelated related;
    CDialogNewSection dialog(w.utility, nullptr, true, related);
    auto* types = Child<QListWidget>(dialog, "900");
    auto* ok = Child<QPushButton>(dialog, "901");
    ASSERT_TRUE(types && ok);
    EXPECT_EQ(types->count(), 2);
    EXPECT_EQ(types->item(0)->text(), "BLOCK");
    EXPECT_EQ(types->currentItem()->text(), "COMM_IF");
    EXPECT_EQ(Child<QLabel>(dialog, "2505")->text(), w.strings.LoadString(2507));
    EXPECT_TRUE(Child<QCheckBox>(dialog, "1084")->isChecked());
    types->setCurrentRow(0);
    EXPECT_EQ(Child<QLabel>(dialog, "2505")->text(), w.strings.LoadString(2505));
    EXPECT_EQ(Child<QLabel>(dialog, "2510")->text(), w.strings.LoadString(2510));

    Child<QLineEdit>(dialog, "918")->setText("Axis");
    EXPECT_FALSE(ok->isEnabled());
    Child<QLineEdit>(dialog, "913")->setText("AxisInfo");
    EXPECT_TRUE(ok->isEnabled());
    ok->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(SectionNames(w.root()), QStringList({"Axis"}));
    EXPECT_EQ(related.log, QStringList({"section " + QString::number(SECTION_BLOCK)}));
}

TEST(CDialogRelatePart, TickedRowsBecomeParts) {
    DialogWorld w;
    CPELFM_SectionInfo* b1 = AddSection(w.root(), "B1", SECTION_BLOCK);
    CPELFM_SectionInfo* b2 = AddSection(w.root(), "B2", SECTION_BLOCK);
    CDialogRelatePart dialog(w.utility, PART_COMM_IF_CONFIGURATION);
    auto* list = Child<QTreeWidget>(dialog, "1071");
    auto* ok = Child<QPushButton>(dialog, "1081");
    ASSERT_TRUE(list && ok);
    ASSERT_EQ(list->topLevelItemCount(), 4);
    EXPECT_EQ(list->topLevelItem(3)->text(0), "B2");
    EXPECT_EQ(list->topLevelItem(3)->text(1), "BLOCK_PARAM");
    EXPECT_FALSE(ok->isEnabled());
    list->topLevelItem(0)->setCheckState(0, Qt::Checked);
    list->topLevelItem(3)->setCheckState(0, Qt::Checked);
    list->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(dialog.TickedCount(), 1);
    ok->click();
    EXPECT_TRUE(b1->parts.isEmpty());
    EXPECT_EQ(PartNames(*b2), QStringList({"BlockParam"}));
}

TEST(CDialogRelatePart, OffersNothingForAnotherPartType) {
    DialogWorld w;
    AddSection(w.root(), "B1", SECTION_BLOCK);
    CDialogRelatePart dialog(w.utility, PART_COMM_IF_VARIABLE);
    EXPECT_EQ(Child<QTreeWidget>(dialog, "1071")->topLevelItemCount(), 0);
    EXPECT_FALSE(Child<QPushButton>(dialog, "1081")->isEnabled());
}

TEST(CDialogRelateSection, TickedRowCreatesTheOtherSide) {
    DialogWorld w;
    CDialogRelateSection dialog(w.utility, SECTION_COMM_IF);
    auto* list = Child<QTreeWidget>(dialog, "955");
    auto* ok = Child<QPushButton>(dialog, "1069");
    ASSERT_TRUE(list && ok);
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(0), "BLOCK");
    EXPECT_FALSE(ok->isEnabled());
    list->topLevelItem(0)->setCheckState(0, Qt::Checked);
    EXPECT_TRUE(ok->isEnabled());
    ok->click();
    EXPECT_EQ(SectionNames(w.root()), QStringList({"BlockSection"}));
}

class NullHost : public INewProfileHost {
public:
    explicit NullHost(CCommonUtility& utility) : m_utility(utility) {}
    void CloseCurrentFile() override { m_utility.openProfile = nullptr; }
    void ShowNewProfile() override {}

private:
    CCommonUtility& m_utility;
};

TEST(CDialogNewProfile, CreateFollowsTheFourNames) {
    DialogWorld w;
    NullHost host(w.utility);
    CDialogNewProfile dialog(w.utility, w.strings, host);
    auto* create = Child<QPushButton>(dialog, "9003");
    ASSERT_NE(create, nullptr);
    EXPECT_EQ(Child<QLabel>(dialog, "2102")->text(), "FILE section name:");
    EXPECT_EQ(Child<QLabel>(dialog, "2103")->text(), "FILE section comment:");
    for (const char* id : {"903", "907", "912"}) Child<QLineEdit>(dialog, id)->setText("N" + QString(id));
    EXPECT_FALSE(create->isEnabled());
    Child<QLineEdit>(dialog, "917")->setText(" ");
    EXPECT_TRUE(create->isEnabled());
    Child<QLineEdit>(dialog, "907")->clear();
    EXPECT_FALSE(create->isEnabled());
    Child<QLineEdit>(dialog, "907")->setText("Info");
    Child<QLineEdit>(dialog, "917")->setText("Dev");
    create->click();
    EXPECT_TRUE(w.Messages().isEmpty()) << w.Messages().join("|").toStdString();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.ProfileLoaded());
    ASSERT_NE(w.utility.openProfile, nullptr);
    EXPECT_EQ(SectionNames(*w.utility.openProfile), QStringList({"N903", "N912"}));
}

}  // namespace
