#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "CDialogSystemSetting.h"
#include "CRadioListBox.h"
#include "PrintQString.h"
#include "SettingsTestFakes.h"

using namespace SettingsTest;

namespace {

class SystemSettingDialogTest : public ::testing::Test {
protected:
    SystemSettingDialogTest() {
        w.AddProfile("Pelora[3.0]", "Pelora_3.so");
        w.AddProfile("Ostra [2.0]", "Ostra.so");
        w.AddDevice("CorvixModel", "Corvix", "Corvix.so", 2);
        w.AddDevice("DravikModel", "Dravik", "Dravik.so", 9);
        w.AddType("Pelora[3.0]", "Pelora_3.so", {"Corvix [1.0]"});
        w.AddType("Ostra [2.0]", "Ostra.so", {"Dravik [1.0]"});
        w.strings.SetString(10046, "file open");
    }
    static QStringList Entries(const QComboBox& combo) {
        QStringList out;
        for (int i = 0; i < combo.count(); ++i) out << combo.itemText(i);
        return out;
    }
    World w;
};

TEST_F(SystemSettingDialogTest, OpensOnTheSettingsTypeWithItsDeviceModelChosen) {
    w.SetSettings("Ostra [2.0]", "Ostra.so", {"Dravik [1.0]"});
    CDialogSystemSetting dialog(w.utility);
    EXPECT_EQ(Entries(*dialog.ProfileTypeCombo()), QStringList({"Pelora[3.0]", "Pelora[2.0]"}));
    EXPECT_EQ(dialog.ProfileTypeCombo()->currentText(), "Pelora[2.0]");
    ASSERT_EQ(dialog.DeviceModelList()->count(), 1);
    EXPECT_EQ(dialog.DeviceModelList()->currentItem()->text(), "Dravik [1.0]");
    EXPECT_TRUE(dialog.AcceptButton()->isEnabled());
}

TEST_F(SystemSettingDialogTest, AcceptStaysDisabledUntilADeviceModelIsChosen) {
    CDialogSystemSetting dialog(w.utility);
    EXPECT_EQ(dialog.ProfileTypeCombo()->currentText(), "Pelora[3.0]");
    EXPECT_FALSE(dialog.AcceptButton()->isEnabled());
    dialog.ProfileTypeCombo()->setCurrentIndex(1);
    EXPECT_EQ(dialog.DeviceModelList()->item(0)->text(), "Dravik [1.0]");
    EXPECT_FALSE(dialog.AcceptButton()->isEnabled());
    dialog.DeviceModelList()->setCurrentRow(0);
    EXPECT_TRUE(dialog.AcceptButton()->isEnabled());
    dialog.AcceptButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(w.utility.settings->ProfileType->value, "Ostra.so");
    EXPECT_EQ(w.ProfileFiles(), QStringList({"Ostra.so"}));
}

TEST_F(SystemSettingDialogTest, AnOpenFileLocksTheChoiceAndGreysTheList) {
    w.SetSettings("Pelora[3.0]", "Pelora_3.so", {"Corvix [1.0]"});
    w.utility.fileOpen = 1;
    CDialogSystemSetting dialog(w.utility);
    EXPECT_FALSE(dialog.ProfileTypeCombo()->isEnabled());
    EXPECT_FALSE(dialog.DeviceModelList()->isEnabled());
    EXPECT_FALSE(dialog.AcceptButton()->isEnabled()) << "even with a device model selected";
    EXPECT_TRUE(dialog.DeviceModelList()->IsGreyed());
    EXPECT_EQ(dialog.DeviceModelList()->TextColour(), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(dialog.FileOpenNotice()->text(), "file open");
    // The entries draw as radio buttons in grey: some text pixels are grey.
    dialog.resize(400, 300);
    const QImage image = dialog.DeviceModelList()->grab().toImage();
    bool grey = false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            grey = grey || (qRed(p) == 0x80 && qGreen(p) == 0x80 && qBlue(p) == 0x80);
        }
    }
    EXPECT_TRUE(grey);
}

TEST_F(SystemSettingDialogTest, AFailedWriteNamesTheFileAndKeepsTheDialogOpen) {
    w.strings.SetString(2004, "System settings");
    w.strings.SetString(10008, "%1!s! failed.%3!s!\nError code: %2!s!");
    w.strings.SetString(62156, "\nThe file %1!s! could not be written: %2!s!");
    // A folder where the file should be: no write can replace it.
    const QString path = w.folder.path() + "/Config/SystemSetting.xml";
    ASSERT_TRUE(QDir().mkpath(path));
    CDialogSystemSetting dialog(w.utility);
    dialog.ProfileTypeCombo()->setCurrentIndex(1);
    dialog.DeviceModelList()->setCurrentRow(0);
    dialog.AcceptButton()->click();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(w.presenter.Calls().size(), 1);
    const QString text = w.presenter.Calls()[0].text;
    EXPECT_TRUE(text.startsWith("System settings failed.\nThe file " + path + " could not be written: ")) << text.toStdString();
    EXPECT_FALSE(text.contains(": \n")) << "the system's reason is given: " << text.toStdString();
    EXPECT_TRUE(text.endsWith("Error code: 0xa")) << text.toStdString();
}

TEST_F(SystemSettingDialogTest, CloseUnloadsByTheSettings) {
    w.SetSettings("Pelora[3.0]", "Pelora_3.so", {"Corvix [1.0]"});
    w.utility.settings->ProfileType->contents[0].fileName = "Corvix.so";
    CDialogSystemSetting dialog(w.utility);
    dialog.CloseButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(w.ProfileFiles(), QStringList({"Pelora_3.so"}));
    EXPECT_EQ(w.DeviceFiles(), QStringList({"Corvix.so"}));
    EXPECT_EQ(w.profiles[0].kindSet, 2);
}

}  // namespace
