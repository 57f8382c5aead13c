#include "RoadFixture.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QMdiSubWindow>
#include <QProcess>
#include <QTest>

#include "CDialogVersionSetting.h"
#include "CProfileProgressDlg.h"
#include "CProfileTree.h"
#include "CProfileView.h"
#include "CVsflexgridn.h"
#include "CWorkView.h"
#include "CommandManager.h"
#include "CommandRegistry.h"
#include "EditorProfileText.h"
#include "MessageBoxStyle.h"

namespace Road {

QByteArray ProfileText(const Format& format) {
    QByteArray text = UiTest::GeneratedProfileText();
    text.replace("/peloraformachine/ver3/", QByteArray("/peloraformachine/") + format.folder + "/");
    text.replace("<p:item>3.0</p:item>", QByteArray("<p:item>") + format.versionText + "</p:item>");
    text.replace("<p:item>ja</p:item>", QByteArray("<p:item>") + format.language + "</p:item>");
    if (!format.relations) {
        qsizetype from;
        while ((from = text.indexOf("<p:relation>")) >= 0)
            text.remove(from, text.indexOf("</p:relation>", from) + 13 - from);
    }
    return text;
}

namespace {

// An information member with the data type the format fixes for its label.
QByteArray TypedMember(const char* part, const char* label, const char* data) {
    static const QHash<QByteArray, QByteArray> types = {
        {"CreateDate", "STRING(10)"},   {"CreateTime", "STRING(8)"},    {"ModDate", "STRING(10)"},
        {"ModTime", "STRING(8)"},       {"Language", "STRING(12)"},     {"ProfileSpecVersion", "STRING(32)"},
        {"FileVersion", "STRING(32)"},  {"VendorName", "STRING_U(64)"}, {"DeviceModel", "STRING(48)"},
        {"ProtocolType", "STRING(48)"}, {"ProtocolVersion", "UINT16"},  {"DeviceInterface", "STRING(129)"}};
    return UiTest::InfoMember(part, label, data)
        .replace("<p:item>STRING(64)</p:item>", "<p:item>" + types.value(label, "STRING(64)") + "</p:item>");
}

QByteArray Members(const char* part, std::initializer_list<std::pair<const char*, const char*>> members) {
    QByteArray text;
    for (const auto& [label, data] : members) text += TypedMember(part, label, data);
    return text;
}

}  // namespace

QByteArray CheckCleanProfileText() {
    const QByteArray ns = "http://pelora.example/peloraformachine/ver3/";
    // Every connection and block part names the DEVICE_IF part it goes through.
    const auto linkIn = [](const char* part) {
        return TypedMember(part, "DeviceInterface", "DeviceSection.Link");
    };
    QByteArray text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<p:profile xmlns:p=\"" + ns + "\">";
    text += "<p:file label=\"FileSection\"><p:fileInfo label=\"FileInfo\">" +
            Members("fileInfo", {{"ProfileSpecVersion", "3.0"},
                                 {"FileVersion", "1"},
                                 {"Language", "ja"},
                                 {"CreateDate", "2026/01/01"},
                                 {"CreateTime", "12:00:00"},
                                 {"ModDate", "2026/01/01"},
                                 {"ModTime", "12:00:00"}}) +
            "</p:fileInfo></p:file>";
    text += "<p:device label=\"DeviceSection\"><p:deviceInfo label=\"DeviceInfo\">" +
            Members("deviceInfo", {{"VendorName", "Acme"}, {"DeviceModel", "Bench-1"}, {"Version", "1.0"}}) +
            "</p:deviceInfo><p:deviceIf label=\"Link\">" +
            Members("deviceIf", {{"VendorName", "Acme"},
                                 {"DeviceModel", "Bench-1"},
                                 {"ProtocolType", "QDTX"},
                                 {"ProtocolVersion", "1"}}) +
            "</p:deviceIf></p:device>";
    text += "<p:commIf label=\"Comm\"><p:commIfInfo label=\"CommInfo\">" + linkIn("commIfInfo") +
            "</p:commIfInfo></p:commIf>";
    text += "<p:block label=\"Block0\"><p:blockInfo label=\"BlockInfo0\">" + linkIn("blockInfo") +
            "</p:blockInfo><p:blockMemory label=\"Memory0\">";
    for (int m = 0; m < 6; ++m) {
        const QByteArray n = QByteArray::number(m);
        text += "<p:blockMemoryMember label=\"M_" + n + "\"><p:label2><p:item>MemoryValue" + n +
                "</p:item></p:label2><p:name><p:item>Memory value " + n +
                "</p:item></p:name><p:datatype><p:item>INT16</p:item></p:datatype><p:range><p:item>[0,1000]"
                "</p:item></p:range><p:engUnit><p:item>mm</p:item></p:engUnit><p:access><p:item>RW</p:item>"
                "</p:access></p:blockMemoryMember>";
    }
    text += "</p:blockMemory><p:blockParam label=\"Param0\">" + linkIn("blockParam") +
            "<p:blockParamMember label=\"P_0\"><p:name><p:item>Cycle</p:item></p:name><p:datatype><p:item>"
            "UINT16</p:item></p:datatype><p:data><p:item>3</p:item></p:data></p:blockParamMember>"
            "</p:blockParam></p:block></p:profile>\n";
    return text;
}

bool Saver::ChooseSaveFile(const QString&, const QString& initialName, const QString&, const QString&, int,
                           QString& path) {
    initialNames.append(initialName);
    if (answer.isEmpty()) return false;
    path = answer;
    return true;
}

RoadFixture::RoadFixture() {
    dialogs.onRun = [this](QDialog& dialog) {
        if (qobject_cast<CProfileProgressDlg*>(&dialog)) return dialog.exec();
        if (dynamic_cast<CDialogVersionSetting*>(&dialog)) return int(QDialog::Rejected);
        shown.append(dialog.metaObject()->className());
        return onDialog ? onDialog(dialog) : int(QDialog::Rejected);
    };
}

RoadFixture::~RoadFixture() {
    if (app) app->Utility().settingsNoticeFlag = 0;
    app.reset();
}

bool RoadFixture::Start(const Format& format, const QString& commandLine) {
    app.reset();
    GetCommandRegistry().clear();
    folder.WriteSettings(format.language, QString::number(format.version));
    messages.QueueAnswer(IDNO);  // the file-type question
    app = std::make_unique<CTessalyApp>(folder.ExecutablePath(), messages, dialogs);
    app->checkFinishPauseMs = 0;
    app->commandLine = commandLine;
    app->saveFileChooser = &saver;
    app->archiveFileChooser = &chooser;
    app->chooseOpenFile = [this](const QString&, const QString&) { return openAnswer; };
    if (!app->InitInstance()) return false;
    Frame().resize(1600, 1000);
    Frame().show();
    QApplication::setActiveWindow(&Frame());
    return true;
}

QString RoadFixture::Write(const QString& name, const QByteArray& text) {
    const QString path = work.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(text);
    return path;
}

bool RoadFixture::Enabled(int id) {
    Frame().UpdateCommandUi();
    return Frame().Action(id)->isEnabled();
}

bool RoadFixture::Trigger(int id) {
    if (!Enabled(id)) return false;
    Frame().Action(id)->trigger();
    return true;
}

QTreeWidgetItem* RoadFixture::RootItem() {
    return app->ProfileView()->Tree().topLevelItem(0);
}

QTreeWidgetItem* RoadFixture::TreeItem(const QStringList& path) {
    QTreeWidgetItem* item = RootItem();
    for (const QString& name : path) {
        QTreeWidgetItem* found = nullptr;
        for (int i = 0; item && i < item->childCount() && !found; ++i)
            if (item->child(i)->text(0).startsWith(name)) found = item->child(i);
        item = found;
    }
    return item;
}

QStringList RoadFixture::ChildTexts(QTreeWidgetItem* item) {
    QStringList texts;
    for (int i = 0; item && i < item->childCount(); ++i) texts << item->child(i)->text(0).section(' ', 0, 0);
    return texts;
}

bool RoadFixture::FocusTreeItem(QTreeWidgetItem* item) {
    CProfileTree& tree = app->ProfileView()->Tree();
    QApplication::setActiveWindow(&Frame());
    tree.setFocus();
    tree.setCurrentItem(item);
    return QApplication::focusWidget() == &tree;
}

CWorkView* RoadFixture::ActiveView() {
    return dynamic_cast<CWorkView*>(Frame().ActiveWorkView());
}

void RoadFixture::ClickCell(CWorkView* view, int row, int col, Qt::KeyboardModifiers modifiers) {
    CVsflexgridn& grid = view->Grid();
    grid.scrollTo(grid.model()->index(row - 1, col - 1));
    const QPoint center(grid.columnViewportPosition(col - 1) + grid.columnWidth(col - 1) / 2,
                        grid.rowViewportPosition(row - 1) + grid.rowHeight(row - 1) / 2);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, modifiers, center);
}

bool RoadFixture::TypeIntoCell(CWorkView* view, int row, int col, const QString& text) {
    ClickCell(view, row, col);
    QTest::keyClick(&view->Grid(), Qt::Key_F2);
    QWidget* editor = view->Grid().ActiveEditor();
    if (!editor) return false;
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    return !view->Grid().IsEditing();
}

QString ValueOf(const CPELFM_ElemInfo* elem, int kind) {
    const int i = elem->FindItemIndex(kind);
    if (i < 0) return QStringLiteral("<none>");
    QStringList texts;
    for (const auto& value : elem->items[i]->values) texts << value.text;
    return texts.join('|');
}

int RunTool(const QString& program, const QStringList& arguments, QString* output) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) return -1;
    if (output) *output = QString::fromLocal8Bit(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

}  // namespace Road
