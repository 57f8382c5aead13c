#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "CDialogEditDataEX.h"
#include "CDialogEditProperty.h"
#include "CommandManager.h"
#include "CommandRegistry.h"
#include "CommandTestWorld.h"
#include "MessageBoxStyle.h"
#include "PropertyEditLogic.h"
#include "ResourceMessage.h"
#include "SettingsTestFakes.h"

using namespace CommandTest;
using namespace ProfileInnerConst;

namespace {

// Shows the dialog as the user gets it: active, with the focus where the dialog puts it.
void ShowActive(QDialog& dialog) {
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

class EditDialogsTest : public ::testing::Test {
protected:
    EditDialogsTest() {
        RegisterAllCommands();
        device = AddSection(w.root(), "Dev", SECTION_DEVICE);
        info = AddPart(*device, "DevInfo", PART_DEVICE_INFO);
        other = AddPart(*device, "Other", PART_DEVICE_INFO);
        info->label2 = "second";
        other->label2 = "taken";
        elem = AddElem(*info, "E1");
        w.frame.tree.Show();
        plugin = &s.AddProfile("Pelora[3.0]", "Pelora_3.so");
        plugin->labelRules = {{"9lives", 3}, {"LABEL", 4}, {"a-b", 2}};
        s.strings.SetString(109, "- ");
        s.strings.SetString(121, "bad character: ");
        s.strings.SetString(126, "digit first: ");
        s.strings.SetString(127, "reserved: ");
        s.strings.SetString(10015, "cannot use %1!s!");
        s.strings.SetString(10017, "used %1!s!");
        s.strings.SetString(10047, "ascii only");
        s.strings.SetString(10061, "second used %1!s!");
    }
    QStringList Entries(const QListWidget& list) const {
        QStringList out;
        for (int i = 0; i < list.count(); ++i) out << list.item(i)->text();
        return out;
    }
    CommandManager& manager() { return *GetCommandManager(); }

    World w;
    SettingsTest::World s;
    SettingsTest::FakeProfile* plugin;
    CPELFM_SectionInfo* device;
    CPELFM_PartInfo* info;
    CPELFM_PartInfo* other;
    CPELFM_ElemInfo* elem;
};

TEST_F(EditDialogsTest, DataDialogWithoutAChangeCreatesNoCommand) {
    AddItem(*elem, DATA, "5");
    CDialogEditDataEX dialog(CDialogEditDataEX::Texts(s.utility), &w.frame, elem, DATA);
    EXPECT_EQ(Entries(*dialog.ValueList()), QStringList({"[1]5"}));
    dialog.accept();
    EXPECT_FALSE(manager().CanUndo());
}

TEST_F(EditDialogsTest, DataDialogStoresAChangedFirstValueOfSeveral) {
    AddItem(*elem, DATA, QList<Data>{{DATA_ITEM, "A"}, {DATA_ITEM, "B"}});
    CDialogEditDataEX dialog(CDialogEditDataEX::Texts(s.utility), &w.frame, elem, DATA);
    dialog.ValueList()->setCurrentRow(0);
    EXPECT_FALSE(dialog.ValueField()->isReadOnly());
    EXPECT_EQ(dialog.PositionBox()->currentIndex(), 0);
    dialog.ValueField()->setText("X");
    ASSERT_TRUE(dialog.ReplaceButton()->isEnabled());
    dialog.ReplaceButton()->click();
    dialog.accept();
    ASSERT_TRUE(manager().CanUndo());
    const CPELFM_ItemInfo* item = elem->items[elem->FindItemIndex(DATA)];
    ASSERT_EQ(item->values.size(), 2);
    EXPECT_EQ(item->values[0].text, "X");
    EXPECT_EQ(item->values[1].text, "B");
}

TEST_F(EditDialogsTest, DataDialogNewEnumValueIsStoredAsEnumerationReference) {
    AddItem(*elem, RANGE, "1");
    CDialogEditDataEX dialog(CDialogEditDataEX::Texts(s.utility), &w.frame, elem, RANGE);
    EXPECT_FALSE(dialog.InsertButton()->isEnabled()) << "the value field is read-only at first";
    dialog.NewButton()->click();
    EXPECT_EQ(dialog.PositionBox()->count(), 2);
    EXPECT_EQ(dialog.PositionBox()->currentIndex(), 1);
    dialog.ValueField()->setText("   ");
    EXPECT_FALSE(dialog.InsertButton()->isEnabled());
    dialog.ValueField()->setText("ENUM Colours");
    dialog.InsertButton()->click();
    EXPECT_EQ(Entries(*dialog.ValueList()), QStringList({"[1]1", "[2]ENUM Colours"}));
    dialog.accept();
    const CPELFM_ItemInfo* item = elem->items[elem->FindItemIndex(RANGE)];
    ASSERT_EQ(item->values.size(), 2);
    EXPECT_EQ(item->values[1].dataKind, DATA_ENUM_REF_ITEM);
    EXPECT_EQ(item->values[1].text, "Colours");
    CDialogEditDataEX again(CDialogEditDataEX::Texts(s.utility), &w.frame, elem, RANGE);
    EXPECT_EQ(Entries(*again.ValueList()), QStringList({"[1]1", "[2]ENUM Colours"}));
}

TEST_F(EditDialogsTest, DataDialogDeleteRenumbers) {
    AddItem(*elem, DATA, QList<Data>{{DATA_ITEM, "A"}, {DATA_ITEM, "B"}, {DATA_ITEM, "C"}});
    CDialogEditDataEX dialog(CDialogEditDataEX::Texts(s.utility), &w.frame, elem, DATA);
    dialog.ValueList()->setCurrentRow(0);
    dialog.DeleteButton()->click();
    EXPECT_EQ(Entries(*dialog.ValueList()), QStringList({"[1]B", "[2]C"}));
    EXPECT_EQ(dialog.PositionBox()->count(), 2);
}

TEST_F(EditDialogsTest, PropertyChecksNameAndSecondName) {
    struct Case {
        const char* name;
        const char* label2;
        int message;
        QString text;
    };
    const QList<Case> cases = {
        {"DevInfo", "second", 0, ""},
        {"devinfo", "SECOND", 0, ""},  // letter case of the node's own texts only
        {"Other", "second", 10017, "used Other"},
        {"OTHER", "second", 10017, "used OTHER"},
        {"9lives", "second", 10015, "cannot use - digit first: 9lives"},
        {"a-b", "second", 10015, "cannot use - bad character: a-b"},
        {"Näme", "second", 10047, "ascii only"},
        {"DevInfo", "taken", 10061, "second used taken"},
        {"DevInfo", "9lives", 10015, "cannot use - digit first: 9lives"},
        {"DevInfo", "LABEL", 0, ""},  // a reserved second name passes
    };
    PropertyEditLogic logic(s.utility, info);
    for (const Case& c : cases) {
        const PropertyEditLogic::Verdict v = logic.Check(c.name, c.label2);
        EXPECT_EQ(v.ok, c.message == 0) << c.name << " " << c.label2;
        EXPECT_EQ(v.messageId, c.message) << c.name << " " << c.label2;
        if (c.message != 0) {
            EXPECT_EQ(FormatResourceMessage(s.strings, v.inserts, v.messageId), c.text) << c.name;
        }
    }
}

TEST_F(EditDialogsTest, PropertyChangeIsUndoneInOneStep) {
    CDialogEditProperty dialog(s.utility, info);
    EXPECT_EQ(dialog.NameField()->text(), "DevInfo");
    EXPECT_TRUE(dialog.Label2Field()->isVisibleTo(&dialog));
    dialog.NameField()->setText("Renamed");
    dialog.CommentField()->setText("new comment");
    dialog.Label2Field()->setText("other2");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(info->name, "Renamed");
    EXPECT_EQ(info->comment, "new comment");
    EXPECT_EQ(info->label2, "other2");
    manager().Undo();
    EXPECT_EQ(info->name, "DevInfo");
    EXPECT_EQ(info->comment, "");
    EXPECT_EQ(info->label2, "second");
}

TEST_F(EditDialogsTest, PropertyDialogRefusalKeepsItOpen) {
    CDialogEditProperty dialog(s.utility, info);
    dialog.NameField()->setText("Other");
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(s.presenter.Calls().size(), 1);
    EXPECT_EQ(s.presenter.Calls()[0].style & MB_ICONMASK, MB_ICONERROR);
    EXPECT_EQ(info->name, "DevInfo");
    dialog.NameField()->clear();
    EXPECT_FALSE(dialog.OkButton()->isEnabled());
}

TEST_F(EditDialogsTest, PropertyDialogOfASectionHidesTheSecondName) {
    CDialogEditProperty dialog(s.utility, device);
    EXPECT_FALSE(dialog.Label2Field()->isVisibleTo(&dialog));
    dialog.CommentField()->setText("c");
    dialog.accept();
    EXPECT_EQ(device->comment, "c");
}

// The list takes the focus when the dialog opens and Qt gives it a current row without selecting it:
// that row is not the user's choice.
TEST_F(EditDialogsTest, DataDialogEditsAndDeletesOnlyASelectedEntry) {
    AddItem(*elem, DATA, QList<Data>{{DATA_ITEM, "A"}, {DATA_ITEM, "B"}, {DATA_ITEM, "C"}});
    CDialogEditDataEX dialog(CDialogEditDataEX::Texts(s.utility), &w.frame, elem, DATA);
    ShowActive(dialog);
    QListWidget* list = dialog.ValueList();
    ASSERT_TRUE(list->hasFocus());
    EXPECT_TRUE(dialog.ValueField()->isReadOnly());
    EXPECT_EQ(dialog.ValueField()->text(), "");
    EXPECT_FALSE(dialog.DeleteButton()->isEnabled());
    QTest::mouseClick(dialog.DeleteButton(), Qt::LeftButton);
    EXPECT_EQ(Entries(*list), QStringList({"[1]A", "[2]B", "[3]C"}));

    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_FALSE(dialog.ValueField()->isReadOnly());
    EXPECT_EQ(dialog.ValueField()->text(), "B");
    EXPECT_EQ(dialog.PositionBox()->currentIndex(), 1);
    EXPECT_TRUE(dialog.DeleteButton()->isEnabled());
    QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_FALSE(dialog.DeleteButton()->isEnabled());

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
    EXPECT_EQ(dialog.ValueField()->text(), "C");
    QTest::mouseClick(dialog.DeleteButton(), Qt::LeftButton);
    EXPECT_EQ(Entries(*list), QStringList({"[1]A", "[2]B"}));
    EXPECT_TRUE(dialog.ValueField()->isReadOnly());
    EXPECT_FALSE(dialog.DeleteButton()->isEnabled());
}

// Texts stored longer than the fields let the user type are shown whole and stay as they are.
TEST_F(EditDialogsTest, PropertyDialogKeepsOverLongStoredTexts) {
    const QString name(70, u'N'), comment(300, u'c'), label2(130, u'L');
    info->name = name;
    info->comment = comment;
    info->label2 = label2;
    CDialogEditProperty dialog(s.utility, info);
    ShowActive(dialog);
    EXPECT_EQ(dialog.NameField()->text(), name);
    EXPECT_EQ(dialog.CommentField()->text(), comment);
    EXPECT_EQ(dialog.Label2Field()->text(), label2);
    dialog.NameField()->setFocus();
    dialog.NameField()->end(false);
    QTest::keyClick(dialog.NameField(), Qt::Key_X);
    EXPECT_EQ(dialog.NameField()->text(), name) << "nothing goes beyond the stored length";
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(info->name, name);
    EXPECT_EQ(info->comment, comment);
    EXPECT_EQ(info->label2, label2);
}

}  // namespace
