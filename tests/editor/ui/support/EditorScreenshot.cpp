// Starts the editor over a copy of the staged program folder with a generated profile on its command
// line, checks it with the selected plug-in and saves pictures of the main window (tree, output) and the
// version settings dialog into the folder named by the first argument. Run under a display
// (take_screenshots.sh uses Xvfb).
#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "CDialogVersionSetting.h"
#include "CMainFrame.h"
#include "CProfileProgressDlg.h"
#include "CProfileTree.h"
#include "CProfileView.h"
#include "CTessalyApp.h"
#include "CWorkViewManager.h"
#include "ExecDialogPresenter.h"
#include "MessageBoxStyle.h"
#include "ProfileGenerator.h"
#include "StagedProgramFolder.h"
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

    if (CProfileView* tree = editor.ProfileView()) tree->Tree().expandAll();
    frame.resizeDocks({&frame.ProfileTreeDock()}, {320}, Qt::Horizontal);
    editor.CheckProfile(0);
    Settle(500);
    saved = Save(frame, output + QStringLiteral("/main-window.png")) && saved;

    return saved ? 0 : 1;
}
