#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include "CDialogSelectFilePath.h"
#include "CDialogSelectReference.h"
#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "FileDialogFilter.h"
#include "IReferenceTargets.h"
#include "PrintQString.h"
#include "ReferenceCollector.h"
#include "SettingsTestFakes.h"

namespace {

using namespace ProfileInnerConst;

struct FakeTargets : IReferenceTargets {
    QStringList shown;
    QString BuildNodePathName(CPELFM_ItemInfo* item) override { return "path:" + item->values.value(0).text; }
    int ShowReferenceTarget(CPELFM_ItemInfo* item) override {
        shown << item->values.value(0).text;
        return 1;
    }
};

CPELFM_ItemInfo* MakeItem(CPELFM_ElemInfo& elem, const QList<ProfileInnerConst::_ST_PELFM_DATAINFO>& values) {
    auto* item = new CPELFM_ItemInfo;
    item->itemType = RANGE;
    item->ownerElem = &elem;
    item->values = values;
    elem.items.append(item);
    return item;
}

QStringList FirstValues(const QList<CPELFM_ItemInfo*>& items) {
    QStringList out;
    for (const CPELFM_ItemInfo* i : items) out << i->values.value(0).text;
    return out;
}

TEST(ReferenceCollectorTest, SplitsListsRangesAndAngleLists) {
    struct Case {
        QList<ProfileInnerConst::_ST_PELFM_DATAINFO> values;
        QStringList expected;
    };
    const QList<Case> cases = {
        {{{DATA_ITEM, "Part.A"}, {DATA_ITEM, "Part.B"}, {DATA_ITEM, "Part.C"}},
         {"Part.A", "Part.B", "Part.C"}},
        {{{DATA_ITEM, "[Part.Low,Part.High]"}}, {"Part.Low", "Part.High"}},
        {{{DATA_ITEM, "Part.Only"}}, {"Part.Only"}},
        {{}, {}},
    };
    for (int i = 0; i < cases.size(); ++i) {
        CPELFM_ElemInfo elem;
        CPELFM_ItemInfo* item = MakeItem(elem, cases[i].values);
        ReferenceCollector collector(item);
        EXPECT_EQ(FirstValues(collector.Items()), cases[i].expected) << i;
    }
}

class ReferenceDialogTest : public ::testing::Test {
protected:
    SettingsTest::World s;
    FakeTargets targets;
    CPELFM_ElemInfo elem;
};

TEST_F(ReferenceDialogTest, OkStaysDisabledUntilALineIsSelected) {
    CPELFM_ItemInfo* item = MakeItem(elem, {{DATA_ITEM, "P.A"}, {DATA_ITEM, "P.B"}, {DATA_ITEM, "P.C"}});
    CDialogSelectReference dialog(s.utility, targets, item);
    ASSERT_EQ(dialog.ReferenceList()->count(), 3);
    EXPECT_EQ(dialog.ReferenceList()->item(1)->text(), "path:P.B");
    EXPECT_FALSE(dialog.OkButton()->isEnabled());
    dialog.accept();
    EXPECT_TRUE(targets.shown.isEmpty());
    dialog.ReferenceList()->setCurrentRow(2);
    EXPECT_TRUE(dialog.OkButton()->isEnabled());
    dialog.OkButton()->click();
    EXPECT_EQ(targets.shown, QStringList({"P.C"}));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(FileDialogFilterTest, PipeFormBecomesQtFilters) {
    struct Case {
        QString filter;
        QStringList expected;
    };
    const QList<Case> cases = {
        {"Projects|*.pelproj|", {"Projects (*.pelproj)"}},
        {"Projects|*.pelproj||", {"Projects (*.pelproj)"}},
        {"Images|*.png;*.bmp|All (*.*)|*.*||", {"Images (*.png *.bmp)", "All (*.*)"}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FileDialogFilter::ToNameFilters(c.filter), c.expected) << c.filter.toStdString();
}

TEST(FileDialogTest, FixedNameUndoesTypingAndKeepsTheChosenFolder) {
    QTemporaryDir folder;
    CDialogSelectFilePath dialog("pelproj", "Device", "Save", "Projects|*.pelproj||", 1);
    ASSERT_NE(dialog.FileNameField(), nullptr);
    EXPECT_FALSE(dialog.FileNameField()->isEnabled());
    dialog.FileNameField()->setText("Other.pelproj");
    EXPECT_EQ(dialog.FileNameField()->text(), "Device.pelproj");
    dialog.setDirectory(folder.path());
    EXPECT_EQ(dialog.FileNameField()->text(), "Device.pelproj");
    dialog.selectFile(QDir(folder.path()).filePath("Typed.pelproj"));
    EXPECT_EQ(dialog.SelectedPath(), QDir(folder.path()).filePath("Device.pelproj"));
}

TEST(FileDialogTest, FreeNameIsTheUsersChoice) {
    QTemporaryDir folder;
    CDialogSelectFilePath dialog("pelp", "Device", "Save", "Profiles|*.pelp||", 0);
    EXPECT_TRUE(dialog.FileNameField()->isEnabled());
    dialog.selectFile(QDir(folder.path()).filePath("Mine.pelp"));
    EXPECT_EQ(dialog.SelectedPath(), QDir(folder.path()).filePath("Mine.pelp"));
    EXPECT_EQ(dialog.nameFilters(), QStringList({"Profiles (*.pelp)"}));
}

}  // namespace
