// Starts the editor over a copy of the staged program folder with a generated profile on its command
// line, opens a memory part from the tree, checks the profile with the selected plug-in and saves pictures
// of the main window (tree, part grid, output), the version settings dialog, the toolbar, the toolbar
// customisation dialog, the status bar with Num Lock turned on and the connection list of the 3.0 plug-in
// into the folder named by the first argument. Run under a display (take_screenshots.sh uses Xvfb).
#include <QtGui/qguiapplication_platform.h>
#include <dlfcn.h>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QListWidget>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <cstdio>

#include "CDialogVersionSetting.h"
#include "CMainFrame.h"
#include "CProfileProgressDlg.h"
#include "CProfileTree.h"
#include "CProfileView.h"
#include "CTessalyApp.h"
#include "CToolbarCustomizeDialog.h"
#include "CWorkViewManager.h"
#include "CommandIds.h"
#include "ExecDialogPresenter.h"
#include "MessageBoxStyle.h"
#include "ProfileGenerator.h"
#include "StagedProgramFolder.h"
#include "ToolbarCustomizer.h"
#include "UiTestSupport.h"

using namespace UiTest;

namespace {

// Lets the window lay itself out and paint.
void Settle(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool Save(QWidget& widget, const QString& path) {
    const bool saved = widget.grab().save(path);
    std::printf("%s %s\n", saved ? "saved" : "FAILED", path.toUtf8().constData());
    return saved;
}

// Presses and releases a key through the X server's test extension (Xvfb has it), as a user would.
bool PressKey(unsigned long keysym) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    void* display = x11 ? static_cast<void*>(x11->display()) : nullptr;
    void* xlib = dlopen("libX11.so.6", RTLD_NOW);
    void* xtest = dlopen("libXtst.so.6", RTLD_NOW);
    if (!display || !xlib || !xtest) return false;
    auto toKeycode =
        reinterpret_cast<unsigned char (*)(void*, unsigned long)>(dlsym(xlib, "XKeysymToKeycode"));
    auto flush = reinterpret_cast<int (*)(void*)>(dlsym(xlib, "XFlush"));
    auto fake =
        reinterpret_cast<int (*)(void*, unsigned, int, unsigned long)>(dlsym(xtest, "XTestFakeKeyEvent"));
    if (!toKeycode || !flush || !fake) return false;
    const unsigned code = toKeycode(display, keysym);
    return code && fake(display, code, 1, 0) && fake(display, code, 0, 0) && flush(display);
}

// Answers the start-up's dialogs: the version dialog is cancelled (the newest format), the check's
// progress dialog runs.
class StartupDialogs : public IDialogPresenter {
public:
    int RunModal(QDialog& dialog) override {
        if (qobject_cast<CProfileProgressDlg*>(&dialog)) return dialog.exec();
        dialog.reject();
        return QDialog::Rejected;
    }
};

// One QDTX connection in the DEVICE section, for the connection list to show.
void AddConnection(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return;
    QByteArray text = file.readAll();
    file.close();
    QByteArray members;
    for (const auto& [label, value] : {std::pair{"VendorName", "Acme"}, std::pair{"DeviceModel", "Bench-1"},
                                       std::pair{"ProtocolType", "QDTX"}, std::pair{"ProtocolVersion", "1"}})
        members += QByteArray("<p:deviceIfMember label=\"") + label + "\"><p:label2><p:item>" + label +
                   "</p:item></p:label2><p:category><p:item>COMMON</p:item></p:category><p:name><p:item>" +
                   label +
                   "</p:item></p:name><p:datatype><p:item>STRING(64)</p:item></p:datatype><p:data><p:item>" +
                   value + "</p:item></p:data></p:deviceIfMember>";
    text.replace("</p:device>", "<p:deviceIf label=\"Line1\">" + members + "</p:deviceIf></p:device>");
    if (file.open(QIODevice::WriteOnly)) file.write(text);
}

// Presses Enter on the tree item whose text starts with the name, under the item given.
bool OpenFromTree(CProfileTree& tree, QTreeWidgetItem* under, const QString& name) {
    for (int i = 0; under && i < under->childCount(); ++i) {
        QTreeWidgetItem* item = under->child(i);
        if (item->text(0).startsWith(name)) {
            tree.setCurrentItem(item);
            tree.setFocus();
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(&tree, &enter);
            return true;
        }
        if (OpenFromTree(tree, item, name)) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: pel_editor_screenshot OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    QApplication application(argc, argv);
    const QString output = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(output);
    if (!StagedProgramFolder::IsStaged()) {
        std::fputs("the program folder is not staged: build first\n", stderr);
        return 1;
    }
    QTemporaryDir home;
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME"})
        qputenv(name, (home.path() + QLatin1Char('/') + QLatin1String(name)).toUtf8());

    const QString profile = home.filePath(QStringLiteral("Sample.pelp"));
    GenerateProfile(profile, 60000);
    AddConnection(profile);

    StagedProgramFolder folder;
    ScriptedMessagePresenter messages;
    messages.QueueAnswer(IDNO);  // do not register the file types of this run
    StartupDialogs dialogs;
    CTessalyApp editor(folder.ExecutablePath(), messages, dialogs);
    editor.checkFinishPauseMs = 0;
    editor.commandLine = profile;
    if (!editor.InitInstance()) return editor.ExitCode();

    CMainFrame& frame = *editor.MainFrame();
    frame.resize(1280, 800);
    CDialogVersionSetting versions(editor.Utility(), &frame);
    versions.OnInitDialog();
    versions.show();
    Settle(300);
    bool saved = Save(versions, output + QStringLiteral("/version-settings.png"));
    versions.reject();  // keeps the plug-in chosen at start-up

    frame.show();
    if (CProfileView* tree = editor.ProfileView()) {
        tree->Tree().expandAll();
        if (!OpenFromTree(tree->Tree(), tree->Tree().topLevelItem(0), QStringLiteral("Memory0")))
            std::fputs("no memory part in the tree\n", stderr);
    }
    frame.resizeDocks({&frame.ProfileTreeDock()}, {320}, Qt::Horizontal);
    frame.UpdateCommandUi();
    frame.Action(ID_FILE_CHECK)->trigger();
    Settle(500);
    saved = Save(frame, output + QStringLiteral("/main-window.png")) && saved;
    saved = Save(frame.ToolBar(), output + QStringLiteral("/toolbar.png")) && saved;

    constexpr unsigned long kNumLock = 0xff7f;
    frame.activateWindow();
    if (!PressKey(kNumLock)) std::fputs("no XTest: the status bar shows the keys as they are\n", stderr);
    Settle(300);
    saved = Save(*frame.statusBar(), output + QStringLiteral("/status-bar.png")) && saved;
    PressKey(kNumLock);

    frame.Action(ID_VIEW_CUSTOMIZE)->trigger();
    if (CToolbarCustomizeDialog* customize = frame.Toolbars().Dialog()) {
        customize->Categories().setCurrentIndex(1);
        customize->Buttons().setCurrentRow(0);
        Settle(300);
        saved = Save(*customize, output + QStringLiteral("/customize-toolbars.png")) && saved;
        customize->close();
    }

    // The plug-in runs its own modal list: take its picture once it shows, then close it.
    bool listSaved = false;
    QTimer::singleShot(800, [&] {
        if (QWidget* list = QApplication::activeModalWidget()) {
            listSaved = Save(*list, output + QStringLiteral("/connection-information.png"));
            list->close();
        }
    });
    frame.UpdateCommandUi();
    frame.Action(ID_EDIT_CONNECTION_INFO)->trigger();
    saved = saved && listSaved;

    return saved ? 0 : 1;
}
