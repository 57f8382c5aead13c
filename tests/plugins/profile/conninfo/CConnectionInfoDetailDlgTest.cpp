// The three detail dialogs driven offscreen: loading, the reset question, filters, OK checks and
// what is written back into the working copy.
#include <gmock/gmock.h>

#include <QTest>

#include "CConnectionInfoLOG_CSVDlg.h"
#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "ConnInfoSessionFixture.h"

using namespace ConnInfoTest;
using namespace ConnInfo;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

class DetailDlgTest : public SessionFixture {};

// ---- QDTX ----------------------------------------------------------------------------------

TEST_F(DetailDlgTest, QdtxProcessorNumberLosesItsPrefixInTheFieldAndGetsItBack) {
    AddConnection(device, "Conn1", "QDTX", "1", {{"P_QDTX_Server_ProcessorNo", "0x00FF"}});
    Load();
    presenter.OnDialog([](QDialog& d) {
        EXPECT_EQ(TextOf(d, IDC_QDTX_SERVER_PROCESSOR), "00FF");
        Type(d, IDC_QDTX_CLIENT_IP, "10.0.0.1");
        Click(d, IDC_OK);
    });
    int modified = 0;
    EXPECT_EQ(Open(0, &modified), kDone);
    EXPECT_EQ(modified, 1);
    EXPECT_THAT(presenter.boxes, IsEmpty());
    EXPECT_EQ(Param(Copy(0), "P_QDTX_Server_ProcessorNo"), "0x00FF");
    EXPECT_EQ(Param(Copy(0), "P_QDTX_Client_IPAddress"), "10.0.0.1");
    EXPECT_TRUE(WorkSet().IsChanged(Copy(0)));
}

TEST_F(DetailDlgTest, QdtxStoredValuesThatCannotBeShownAreOfferedForReset) {
    AddConnection(device, "Conn1", "QDTX", "1",
                  {{"P_QDTX_Client_IPAddress", std::string(39, '1').c_str()},
                   {"P_QDTX_Server_IPAddress", std::string(40, '1').c_str()},
                   {"P_QDTX_Server_PortNo", "65536"},
                   {"P_QDTX_Server_ProcessorNo", "0xfff"},
                   {"P_QDTX_Relay_StationNo", "65535"}});
    Load();
    presenter.Answer(IDYES);
    presenter.OnDialog([](QDialog& d) {
        EXPECT_EQ(TextOf(d, IDC_QDTX_CLIENT_IP), QString(39, u'1'));
        EXPECT_EQ(TextOf(d, IDC_QDTX_SERVER_IP), "");
        EXPECT_EQ(TextOf(d, IDC_QDTX_SERVER_PORT), "");
        EXPECT_EQ(TextOf(d, IDC_QDTX_SERVER_PROCESSOR), "");
        EXPECT_EQ(TextOf(d, IDC_QDTX_RELAY_STATION), "65535");
        Click(d, IDC_OK);  // effective without typing: the values were reset
    });
    EXPECT_EQ(Open(0), kDone);
    ASSERT_EQ(presenter.boxes.size(), 1);
    EXPECT_EQ(presenter.boxes[0].style, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    EXPECT_EQ(
        presenter.boxes[0].text,
        U("以下の項目に設定されている値が正しくないため、接続情報詳細設定(QDTX)画面を開くことができません。\n"
          "デフォルト値に変更し接続情報詳細設定(QDTX)画面を開きますか？\n\n"
          "・サーバIPアドレス\n・サーバポート番号\n・サーバプロセッサー番号\n"));
    EXPECT_EQ(Copy(0)->FindElemByLabel("P_QDTX_Server_PortNo"), nullptr);
    EXPECT_EQ(Copy(0)->FindElemByLabel("P_QDTX_Server_ProcessorNo"), nullptr);
    EXPECT_EQ(Param(Copy(0), "P_QDTX_Relay_StationNo"), "65535");
}

TEST_F(DetailDlgTest, DecliningTheResetLeavesTheConnectionClosedAndUnchanged) {
    AddConnection(device, "Conn1", "QDTX", "1", {{"P_QDTX_Server_PortNo", "65536"}});
    Load();
    presenter.Answer(IDNO);
    EXPECT_EQ(Open(0), kNothing);
    EXPECT_THAT(presenter.dialogs, IsEmpty());
    EXPECT_EQ(Param(Copy(0), "P_QDTX_Server_PortNo"), "65536");
    EXPECT_FALSE(WorkSet().IsChanged(Copy(0)));
}

TEST_F(DetailDlgTest, QdtxNumbersOutOfRangeAreListedAtOk) {
    AddConnection(device, "Conn1", "QDTX");
    Load();
    presenter.OnDialog([](QDialog& d) {
        Type(d, IDC_QDTX_SERVER_PORT, "65536");
        Click(d, IDC_OK);
        EXPECT_TRUE(d.isVisible());
        Type(d, IDC_QDTX_SERVER_PORT, "65535");
        Click(d, IDC_OK);
    });
    EXPECT_EQ(Open(0), kDone);
    ASSERT_EQ(presenter.boxes.size(), 1);
    EXPECT_EQ(presenter.boxes[0].style, MB_ICONINFORMATION);
    EXPECT_EQ(presenter.boxes[0].text, U("以下で指定した項目は範囲外です。範囲内となるよう指定してください。"
                                         "\n\n・サーバポート番号(範囲:0～65535)\n"));
    EXPECT_EQ(Param(Copy(0), "P_QDTX_Server_PortNo"), "65535");
}

TEST_F(DetailDlgTest, AnEmptyNumberIsStoredAsNoElementButLeavingTheFieldMakesItZero) {
    AddConnection(device, "Conn1", "QDTX", "1",
                  {{"P_QDTX_Client_NetworkNo", "3"}, {"P_QDTX_Client_StationNo", "4"}});
    Load();
    presenter.OnDialog([](QDialog& d) {
        Type(d, IDC_QDTX_CLIENT_NETWORK, "");
        Type(d, IDC_QDTX_CLIENT_STATION, "");
        Leave(d, IDC_QDTX_CLIENT_STATION);
        EXPECT_EQ(TextOf(d, IDC_QDTX_CLIENT_STATION), "0");
        Click(d, IDC_OK);
    });
    EXPECT_EQ(Open(0), kDone);
    EXPECT_EQ(Copy(0)->FindElemByLabel("P_QDTX_Client_NetworkNo"), nullptr);
    EXPECT_EQ(Param(Copy(0), "P_QDTX_Client_StationNo"), "0");
}

TEST_F(DetailDlgTest, FieldsFilterWhatIsTypedAndKeepTheCaret) {
    AddConnection(device, "Conn1", "QDTX");
    Load();
    presenter.OnDialog([](QDialog& d) {
        Type(d, IDC_QDTX_SERVER_PORT, "1a2-3");
        EXPECT_EQ(TextOf(d, IDC_QDTX_SERVER_PORT), "123");
        Type(d, IDC_QDTX_SERVER_PROCESSOR, "0x1f");
        EXPECT_EQ(TextOf(d, IDC_QDTX_SERVER_PROCESSOR), "01F");
        // The text control turns every carriage return into a line break; the tab goes.
        Type(d, IDC_QDTX_COMMENT, "a\tb\r\nc\rd");
        EXPECT_EQ(TextOf(d, IDC_QDTX_COMMENT), "ab\nc\nd");
        QLineEdit* label = Control<QLineEdit>(d, IDC_QDTX_LABEL);
        label->setText("abc");
        label->setCursorPosition(1);
        label->insert("\t");
        EXPECT_EQ(label->text(), "abc");
        EXPECT_EQ(label->cursorPosition(), 1);
        Type(d, IDC_QDTX_CLIENT_IP, " 1.2.3.4 ");
        Leave(d, IDC_QDTX_CLIENT_IP);
        EXPECT_EQ(TextOf(d, IDC_QDTX_CLIENT_IP), "1.2.3.4");
        d.reject();
    });
    EXPECT_EQ(Open(0), kNothing);
}

TEST_F(DetailDlgTest, CommentsStopAt1024Characters) {
    AddConnection(device, "Conn1", "QDTX");
    Load();
    presenter.OnDialog([](QDialog& d) {
        QPlainTextEdit* comment = Control<QPlainTextEdit>(d, IDC_QDTX_COMMENT);
        comment->setPlainText(QString(1024, u'a'));
        QTextCursor cursor = comment->textCursor();
        cursor.setPosition(10);
        comment->setTextCursor(cursor);
        comment->insertPlainText("xyz");
        EXPECT_EQ(comment->toPlainText(), QString(1024, u'a'));
        Click(d, IDC_OK);
    });
    EXPECT_EQ(Open(0), kDone);
    EXPECT_EQ(Copy(0)->comment, QString(1024, u'a'));
}

TEST_F(DetailDlgTest, TheLabelIsCheckedFirstAndKeepsTheDialogOpen) {
    AddConnection(device, "Conn1", "QDTX");
    AddConnection(device, "Conn2", "QDTX");
    Load();
    presenter.OnDialog([](QDialog& d) {
        Type(d, IDC_QDTX_LABEL, "");
        Type(d, IDC_QDTX_SERVER_PORT, "99999");
        Click(d, IDC_OK);
        Type(d, IDC_QDTX_LABEL, "conn2");
        Click(d, IDC_OK);
        EXPECT_TRUE(d.isVisible());
        d.reject();
    });
    EXPECT_EQ(Open(0), kNothing);
    EXPECT_THAT(presenter.BoxTexts(), ElementsAre(Str(IDS_LABEL_EMPTY), Str(IDS_LABEL_USED)));
    EXPECT_EQ(presenter.boxes[0].style, MB_ICONINFORMATION);
}

TEST_F(DetailDlgTest, AnOverLongLabelIsReplacedWhenTheUserAgrees) {
    AddConnection(device, QString(65, u'x'), "QDTX");
    Load();
    presenter.Answer(IDYES);
    presenter.OnDialog([](QDialog& d) {
        EXPECT_EQ(TextOf(d, IDC_QDTX_LABEL), "DefaultConnection00000");
        Click(d, IDC_OK);
    });
    EXPECT_EQ(Open(0), kDone);
    EXPECT_THAT(presenter.BoxTexts(), ElementsAre(Str(IDS_LABEL_TOO_LONG_RESET)));
    EXPECT_EQ(Copy(0)->name, "DefaultConnection00000");
}

// Declining the default label keeps the stored one whole: OK refuses it until the user shortens it,
// and the field's limit takes away only what the user deletes.
TEST_F(DetailDlgTest, AnOverLongLabelKeptByTheUserMustBeShortenedBeforeOk) {
    const QString stored = QString(60, u'x') + "ABCDEFGH";
    AddConnection(device, stored, "QDTX");
    Load();
    presenter.Answer(IDNO);
    presenter.OnDialog([&](QDialog& d) {
        d.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        QLineEdit* label = Control<QLineEdit>(d, IDC_QDTX_LABEL);
        QPushButton* ok = Control<QPushButton>(d, IDC_OK);
        ASSERT_TRUE(label->hasFocus());
        EXPECT_EQ(label->text(), stored);
        QTest::mouseClick(ok, Qt::LeftButton);
        ASSERT_TRUE(d.isVisible());
        label->end(false);
        QTest::keyClick(label, Qt::Key_Z);
        EXPECT_EQ(label->text(), stored);
        for (int i = 0; i < 4; ++i) QTest::keyClick(label, Qt::Key_Backspace);
        EXPECT_EQ(label->text(), stored.left(64));
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    EXPECT_EQ(Open(0), kDone);
    EXPECT_THAT(presenter.BoxTexts(), ElementsAre(Str(IDS_LABEL_TOO_LONG_RESET), Str(IDS_LABEL_TOO_LONG)));
    EXPECT_EQ(Copy(0)->name, stored.left(64));
}

TEST_F(DetailDlgTest, OkWithoutTypingWritesNothingButMarksTheConnection) {
    CPELFM_PartInfo* source = AddConnection(device, "Conn1", "QDTX", "1", {{"P_QDTX_Server_PortNo", "1"}});
    Load();
    CPELFM_ElemInfo* before = Copy(0)->Elems()[2];
    presenter.OnDialog([](QDialog& d) { Click(d, IDC_OK); });
    int modified = -1;
    EXPECT_EQ(Open(0, &modified), kDone);
    EXPECT_EQ(modified, 0);
    EXPECT_EQ(Copy(0)->Elems()[2], before);
    EXPECT_TRUE(WorkSet().IsChanged(Copy(0)));
    EXPECT_EQ(source->name, "Conn1");
}

TEST_F(DetailDlgTest, CancelAfterTypingLeavesTheConnectionAsItWas) {
    AddConnection(device, "Conn1", "QDTX", "1", {{"P_QDTX_Server_PortNo", "1"}});
    Load();
    presenter.OnDialog([](QDialog& d) {
        Type(d, IDC_QDTX_SERVER_PORT, "2");
        Click(d, IDC_CANCEL);
    });
    int modified = -1;
    EXPECT_EQ(Open(0, &modified), kNothing);
    EXPECT_EQ(modified, 0);
    EXPECT_EQ(Param(Copy(0), "P_QDTX_Server_PortNo"), "1");
    EXPECT_FALSE(WorkSet().IsChanged(Copy(0)));
}

// ---- New connections -------------------------------------------------------------------------

TEST_F(DetailDlgTest, ANewRdbConnectionGetsItsProtocolRowsAndOnlyTheFilledParameters) {
    Load();
    presenter.OnDialog([](QDialog& d) {
        EXPECT_TRUE(Control<QRadioButton>(d, IDC_PROTOCOL_QDTX)->isChecked());
        Control<QRadioButton>(d, IDC_PROTOCOL_RDB)->setChecked(true);
        Click(d, IDC_OK);
    });
    presenter.OnDialog([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), U("接続情報詳細設定(RDB)"));
        EXPECT_EQ(TextOf(d, IDC_RDB_LABEL), "DefaultConnection00000");
        Type(d, IDC_RDB_PORT, "5432");
        Click(d, IDC_OK);
    });
    EXPECT_EQ(session.AddConnection(nullptr), kDone);
    EXPECT_THAT(presenter.dialogs, ElementsAre("8166", "8175"));
    CPELFM_PartInfo* made = Copy(0);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->name, "DefaultConnection00000");
    EXPECT_EQ(made->label2, "");
    ASSERT_EQ(made->ElemCount(), 3);
    EXPECT_EQ(Param(made, "ProtocolType"), "RDB");
    EXPECT_EQ(Param(made, "ProtocolVersion"), "1");
    CPELFM_ElemInfo* port = made->FindElemByLabel("P_RDB_PortNo");
    ASSERT_NE(port, nullptr);
    QStringList texts;
    for (CPELFM_ItemInfo* item : port->items) texts.append(item->values[0].text);
    EXPECT_THAT(texts, ElementsAre(U("ポート番号"), U("ポート番号"), "RDB", "UINT16", "5432"));
    CPELFM_ElemInfo* type = made->FindElemByLabel("ProtocolType");
    EXPECT_EQ(type->items[2]->values[0].text, "COMMON");
    EXPECT_EQ(type->items[3]->values[0].text, "STRING(48)");
}

TEST_F(DetailDlgTest, ACancelledNewConnectionLeavesNoTrace) {
    Load();
    presenter.OnDialog([](QDialog& d) { Click(d, IDC_OK); });
    presenter.OnDialog([](QDialog& d) { Click(d, IDC_CANCEL); });
    EXPECT_EQ(session.AddConnection(nullptr), kDone);
    EXPECT_EQ(WorkSet().ConnectionCount(), 0);
}

TEST_F(DetailDlgTest, TheProtocolChoiceCanBeCancelled) {
    Load();
    presenter.OnDialog([](QDialog& d) { Click(d, IDC_CANCEL); });
    EXPECT_EQ(session.AddConnection(nullptr), kNothing);
}

TEST_F(DetailDlgTest, OnlyVersionOneOfTheThreeProtocolsHasADialog) {
    std::unique_ptr<CConnectionInfoDetailDlgBase> dialog;
    const struct {
        const char* type;
        const char* version;
        int result;
        int templateId;
    } cases[] = {{"QDTX", "1", 0, 8173}, {"RDB", "1", 0, 8175}, {"LOG_CSV", "1", 0, 8186},
                 {"QDTX", "2", 4, 0},    {"qdtx", "1", 4, 0},   {"", "1", 4, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(session.CreateDetailDialog(nullptr, c.type, c.version, dialog), c.result)
            << c.type << c.version;
        EXPECT_EQ(dialog ? dialog->TemplateId() : 0, c.templateId);
    }
}

// ---- RDB -------------------------------------------------------------------------------------

TEST_F(DetailDlgTest, RdbTextLimitsAndControlCharactersAtLoad) {
    AddConnection(device, "Db1", "RDB", "1",
                  {{"P_RDB_ServerName", std::string(256, 's').c_str()},
                   {"P_RDB_DatabaseName", std::string(257, 'd').c_str()},
                   {"P_RDB_ConnectionTimeout", "30s"},
                   {"P_RDB_DBMSVersion", "1\t2"}});
    Load();
    presenter.Answer(IDYES);
    presenter.OnDialog([](QDialog& d) {
        EXPECT_EQ(TextOf(d, IDC_RDB_SERVER).size(), 256);
        EXPECT_EQ(TextOf(d, IDC_RDB_TIMEOUT), "30s");
        EXPECT_EQ(TextOf(d, IDC_RDB_DATABASE), "");
        d.reject();
    });
    EXPECT_EQ(Open(0), kNothing);
    ASSERT_EQ(presenter.boxes.size(), 1);
    EXPECT_TRUE(presenter.boxes[0].text.endsWith(U("\n\n・データベース製品バージョン\n・データベース名\n")));
    EXPECT_TRUE(presenter.boxes[0].text.contains("(RDB)"));
}

TEST_F(DetailDlgTest, RdbPortAboveTheRangeIsRefusedAtOk) {
    AddConnection(device, "Db1", "RDB");
    Load();
    presenter.OnDialog([](QDialog& d) {
        Type(d, IDC_RDB_PORT, "70000");
        Click(d, IDC_OK);
        EXPECT_TRUE(d.isVisible());
        d.reject();
    });
    EXPECT_EQ(Open(0), kNothing);
    EXPECT_THAT(presenter.BoxTexts(), ElementsAre(U("以下で指定した項目は範囲外です。範囲内となるよう指定して"
                                                    "ください。\n\n・ポート番号(範囲:0～65535)")));
}

// ---- LOG_CSV -----------------------------------------------------------------------------------

TEST_F(DetailDlgTest, LogCsvAsciiWithoutEndianOrBomOpensAndStaysWithout) {
    AddConnection(device, "Csv1", "LOG_CSV", "1",
                  {{"P_LOG_CSV_Extension", "txt"},
                   {"P_LOG_CSV_Separator", "TAB"},
                   {"P_LOG_CSV_NewLineCode", "LF"},
                   {"P_LOG_CSV_CharacterCode", "ASCII"},
                   {"P_LOG_CSV_DoubleQuotation", "1"}});
    Load();
    presenter.OnDialog([](QDialog& d) {
        EXPECT_EQ(Control<QComboBox>(d, IDC_CSV_EXTENSION)->currentText(), "txt");
        EXPECT_EQ(Control<QComboBox>(d, IDC_CSV_QUOTE)->currentIndex(), 1);
        EXPECT_FALSE(Control<QComboBox>(d, IDC_CSV_ENDIAN)->isEnabled());
        EXPECT_FALSE(Control<QComboBox>(d, IDC_CSV_BOM)->isEnabled());
        Type(d, IDC_CSV_SAMPLING, "1s");
        Click(d, IDC_OK);
    });
    EXPECT_EQ(Open(0), kDone);
    EXPECT_THAT(presenter.boxes, IsEmpty());
    EXPECT_EQ(Copy(0)->FindElemByLabel("P_LOG_CSV_CharacterCodeEndian"), nullptr);
    EXPECT_EQ(Copy(0)->FindElemByLabel("P_LOG_CSV_CharacterCodeBOM"), nullptr);
    EXPECT_EQ(Param(Copy(0), "P_LOG_CSV_Separator"), "TAB");
    EXPECT_EQ(Param(Copy(0), "P_LOG_CSV_DoubleQuotation"), "1");
    EXPECT_EQ(Param(Copy(0), "P_LOG_CSV_SamplingPeriod"), "1s");
}

TEST_F(DetailDlgTest, LogCsvValuesOutsideTheListsAreResetToTheirFirstEntry) {
    AddConnection(device, "Csv1", "LOG_CSV", "1",
                  {{"P_LOG_CSV_Extension", "CSV"},
                   {"P_LOG_CSV_Separator", "COMMA"},
                   {"P_LOG_CSV_NewLineCode", "CRLF"},
                   {"P_LOG_CSV_CharacterCode", "UTF-16"},
                   {"P_LOG_CSV_CharacterCodeBOM", "1"},
                   {"P_LOG_CSV_DoubleQuotation", "0"}});
    Load();
    presenter.Answer(IDYES);
    presenter.OnDialog([](QDialog& d) {
        EXPECT_TRUE(Control<QComboBox>(d, IDC_CSV_ENDIAN)->isEnabled());
        Click(d, IDC_OK);
    });
    EXPECT_EQ(Open(0), kDone);
    ASSERT_EQ(presenter.boxes.size(), 1);
    EXPECT_TRUE(presenter.boxes[0].text.endsWith(U("\n\n・拡張子\n・文字コードエンディアン\n")));
    EXPECT_EQ(Param(Copy(0), "P_LOG_CSV_Extension"), "csv");
    EXPECT_EQ(Param(Copy(0), "P_LOG_CSV_CharacterCodeEndian"), "BE");
    EXPECT_EQ(Param(Copy(0), "P_LOG_CSV_CharacterCodeBOM"), "1");
}

TEST_F(DetailDlgTest, LogCsvListsStoreTheirValuesNotTheShownTexts) {
    Load();
    presenter.OnDialog([](QDialog& d) {
        Control<QRadioButton>(d, IDC_PROTOCOL_LOG_CSV)->setChecked(true);
        Click(d, IDC_OK);
    });
    presenter.OnDialog([](QDialog& d) {
        QComboBox* bom = Control<QComboBox>(d, IDC_CSV_BOM);
        EXPECT_EQ(bom->itemText(1), U("1：有り "));
        Choose(d, IDC_CSV_CHARCODE, 2);  // UTF-8
        EXPECT_TRUE(bom->isEnabled());
        EXPECT_FALSE(Control<QComboBox>(d, IDC_CSV_ENDIAN)->isEnabled());
        Choose(d, IDC_CSV_BOM, 1);
        Choose(d, IDC_CSV_ENDIAN, 1);  // not stored for UTF-8
        Choose(d, IDC_CSV_QUOTE, 1);
        Click(d, IDC_OK);
    });
    EXPECT_EQ(session.AddConnection(nullptr), kDone);
    CPELFM_PartInfo* made = Copy(0);
    EXPECT_EQ(Param(made, "ProtocolType"), "LOG_CSV");
    EXPECT_EQ(Param(made, "P_LOG_CSV_CharacterCode"), "UTF-8");
    EXPECT_EQ(Param(made, "P_LOG_CSV_CharacterCodeBOM"), "1");
    EXPECT_EQ(made->FindElemByLabel("P_LOG_CSV_CharacterCodeEndian"), nullptr);
    EXPECT_EQ(Param(made, "P_LOG_CSV_DoubleQuotation"), "1");
    EXPECT_EQ(Param(made, "P_LOG_CSV_Extension"), "csv");
    EXPECT_EQ(made->FindElemByLabel("P_LOG_CSV_TimeStampColumn"), nullptr);
}

TEST_F(DetailDlgTest, LogCsvFolderComesFromTheChooser) {
    AddConnection(device, "Csv1", "LOG_CSV", "1",
                  {{"P_LOG_CSV_Extension", "csv"},
                   {"P_LOG_CSV_Separator", "COMMA"},
                   {"P_LOG_CSV_NewLineCode", "CRLF"},
                   {"P_LOG_CSV_CharacterCode", "ASCII"},
                   {"P_LOG_CSV_DoubleQuotation", "0"},
                   {"P_LOG_CSV_Folder", "/old"}});
    Load();
    presenter.Folder(2);
    presenter.Folder(1);
    presenter.Folder(0, "/" + QString(255, u'f'));
    presenter.Folder(0, "/var/log/csv");
    presenter.OnDialog([](QDialog& d) {
        for (int i = 0; i < 3; ++i) {
            Click(d, IDC_CSV_FOLDER_BUTTON);
            EXPECT_EQ(TextOf(d, IDC_CSV_FOLDER), "/old");
        }
        Type(d, IDC_CSV_SAMPLING, "5s");
        Click(d, IDC_CSV_FOLDER_BUTTON);
        EXPECT_EQ(TextOf(d, IDC_CSV_FOLDER), "/var/log/csv");
        EXPECT_EQ(TextOf(d, IDC_CSV_SAMPLING), "5s");
        Click(d, IDC_OK);
    });
    int modified = 0;
    EXPECT_EQ(Open(0, &modified), kDone);
    EXPECT_EQ(modified, 1);
    EXPECT_THAT(presenter.BoxTexts(), ElementsAre(Str(IDS_FAILURE), Str(IDS_FAILURE)));
    EXPECT_EQ(Param(Copy(0), "P_LOG_CSV_Folder"), "/var/log/csv");
}

TEST_F(DetailDlgTest, LogCsvNumbersOutOfRangeAtOk) {
    Load();
    std::unique_ptr<CConnectionInfoDetailDlgBase> dialog;
    ASSERT_EQ(session.CreateDetailDialog(nullptr, "LOG_CSV", "1", dialog), 0);
    presenter.OnDialog([](QDialog& d) {
        Type(d, IDC_CSV_TIMESTAMP, "70000");
        Click(d, IDC_OK);
        EXPECT_TRUE(d.isVisible());
        d.reject();
    });
    EXPECT_EQ(dialog->RunForNewConnection(), kNothing);
    EXPECT_THAT(presenter.BoxTexts(),
                ElementsAre(U("以下で指定した項目は範囲外です。範囲内となるよう指定してください。\n\n"
                              "・タイムスタンプ列(範囲:0～65535)\n")));
}

}  // namespace
