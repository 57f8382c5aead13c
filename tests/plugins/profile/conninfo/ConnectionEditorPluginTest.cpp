// Slot 22 of the staged plug-in builds, called as the editor calls it, with real modal windows.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "ConnectionInfoIds.h"
#include "LoadedPlugin.h"
#include "ModalScript.h"
#include "PluginApi.h"
#include "ProfileTreeBuilder.h"
#include "QtPrinters.h"

using namespace ConnInfo;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

const QString kFailure =
    U("処理に失敗しました。\n以下の原因が考えられます。\n・処理に必要なメモリまたはディスク容量が不足している"
      "。\n"
      "・処理にその他のエラーが発生した。");

ModalScript::Match Dialog(int templateId) {
    return [templateId](QWidget* w) { return w->objectName() == QString::number(templateId); };
}

ModalScript::Match Box(const QString& text) {
    return [text](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        return box && box->text() == text;
    };
}

ModalScript::Action Press(int id) {
    return [id](QWidget* w) { w->findChild<QPushButton*>(QString::number(id))->click(); };
}

ModalScript::Action Answer(QMessageBox::StandardButton button) {
    return [button](QWidget* w) { static_cast<QMessageBox*>(w)->button(button)->click(); };
}

CPELFM_PartInfo* AddConnection(CPELFM_SectionInfo* device, const QString& name) {
    CPELFM_PartInfo* part = AddPart(device, PART_DEVICE_IF, name);
    AddElem(part, "ProtocolType", {{LABEL2, {"t"}}, {DATA, {"QDTX"}}});
    AddElem(part, "ProtocolVersion", {{LABEL2, {"v"}}, {DATA, {"1"}}});
    return part;
}

class ConnectionEditorPluginTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(lib.IsOpen()) << lib.Error();
        plugin = lib.Instance<IProfilePlugin>();
        ASSERT_NE(plugin, nullptr);
        AddSection(root, SECTION_FILE, "FILE");
        device = AddSection(root, SECTION_DEVICE, "DEVICE");
    }
    void TearDown() override {
        EXPECT_THAT(script.problems, IsEmpty());
        EXPECT_THAT(script.Pending(), IsEmpty());
        lib.DeleteInstance();
    }
    int Edit() { return plugin->EditConnectionInfo(&window, &root, &removed, &changed); }

    LoadedPlugin lib{"PublicPlugin/PeloraMachine_3.so"};
    IProfilePlugin* plugin = nullptr;
    CPELFM_ProfileInfo root;
    CPELFM_SectionInfo* device = nullptr;
    QWidget window;
    QList<CPELFM_PartInfo*> removed, changed;
    ModalScript script;
};

TEST_F(ConnectionEditorPluginTest, AConnectionAddedInTheDialogsLandsInTheProfile) {
    script.Then("list", Dialog(8165), Press(IDC_LIST_ADD));
    script.Then("protocol", Dialog(8166), Press(IDC_OK));
    script.Then("QDTX", Dialog(8173), [](QWidget* w) {
        w->findChild<QLineEdit*>(QString::number(IDC_QDTX_LABEL))->setText("Conn1");
        w->findChild<QLineEdit*>(QString::number(IDC_QDTX_SERVER_PORT))->setText("5000");
        Press(IDC_OK)(w);
    });
    script.Then("list again", Dialog(8165), Press(IDC_OK));
    EXPECT_EQ(Edit(), CONNECTION_EDIT_APPLIED);
    EXPECT_THAT(removed, IsEmpty());
    EXPECT_THAT(changed, IsEmpty());
    ASSERT_EQ(device->parts.size(), 1);
    CPELFM_PartInfo* added = device->parts[0];
    EXPECT_EQ(added->name, "Conn1");
    EXPECT_EQ(added->partType, PART_DEVICE_IF);
    EXPECT_EQ(added->ownerSection, device);
    ASSERT_NE(added->FindElemByLabel("P_QDTX_Server_PortNo"), nullptr);
    EXPECT_EQ(added->FindElemByLabel("ProtocolType")->items.last()->values[0].text, "QDTX");
}

TEST_F(ConnectionEditorPluginTest, ADeletedConnectionIsHandedBackForRemoval) {
    CPELFM_PartInfo* part = AddConnection(device, "Conn1");
    script.Then("list", Dialog(8165), Press(IDC_LIST_DELETE));
    script.Then("confirm", Box(U("指定された接続情報を削除します。\n削除してもよろしいですか?")),
                Answer(QMessageBox::Yes));
    script.Then("list again", Dialog(8165), Press(IDC_OK));
    EXPECT_EQ(Edit(), CONNECTION_EDIT_APPLIED);
    EXPECT_THAT(removed, ElementsAre(part));
    EXPECT_EQ(device->parts.size(), 1);
}

TEST_F(ConnectionEditorPluginTest, DiscardingTheChangesAppliesNothing) {
    AddConnection(device, "Conn1");
    script.Then("list", Dialog(8165), Press(IDC_LIST_DELETE));
    script.Then("confirm", Box(U("指定された接続情報を削除します。\n削除してもよろしいですか?")),
                Answer(QMessageBox::Yes));
    script.Then("cancel", Dialog(8165), Press(IDC_CANCEL));
    script.Then(
        "discard",
        Box(U("編集中のデータは破棄されます。\nデータを破棄し接続情報設定画面を閉じてよろしいですか？")),
        Answer(QMessageBox::Yes));
    EXPECT_EQ(Edit(), CONNECTION_EDIT_NOTHING_APPLIED);
    EXPECT_THAT(removed, IsEmpty());
    EXPECT_EQ(device->parts.size(), 1);
}

TEST_F(ConnectionEditorPluginTest, AProfileWithoutDeviceSectionIsAFailureShownOnce) {
    CPELFM_ProfileInfo bare;
    AddSection(bare, SECTION_FILE, "FILE");
    script.Then("failure", Box(kFailure), Answer(QMessageBox::Ok));
    EXPECT_EQ(plugin->EditConnectionInfo(&window, &bare, &removed, &changed), CONNECTION_EDIT_FAILED);
}

TEST_F(ConnectionEditorPluginTest, TooManyConnectionsAreRefused) {
    for (int i = 0; i <= kMaxConnections; ++i) AddPart(device, PART_DEVICE_IF, QString::number(i));
    script.Then("too many",
                Box(U("DEVICE_IFの数が20480個を超えているため接続情報設定画面を表示できません。")),
                Answer(QMessageBox::Ok));
    EXPECT_EQ(Edit(), CONNECTION_EDIT_TOO_MANY);
}

TEST(OlderBuildsConnectionEdit, ApplyNothingAndShowNoWindow) {
    for (const char* file : {"PublicPlugin/PeloraMachine_2.so", "PublicPlugin/PeloraMachine.so"}) {
        LoadedPlugin lib(file);
        ASSERT_TRUE(lib.IsOpen()) << lib.Error();
        CPELFM_ProfileInfo root;
        AddConnection(AddSection(root, SECTION_DEVICE, "DEVICE"), "Conn1");
        QWidget window;
        QList<CPELFM_PartInfo*> removed, changed;
        ModalScript script;
        EXPECT_EQ(lib.Instance<IProfilePlugin>()->EditConnectionInfo(&window, &root, &removed, &changed),
                  CONNECTION_EDIT_NOTHING_APPLIED)
            << file;
        EXPECT_THAT(script.problems, IsEmpty());
        lib.DeleteInstance();
    }
}

}  // namespace
