// The editor's entry point.
#include <cstdio>

#include "CTessalyApp.h"
#include "DialogFocusCues.h"
#include "EditorApplication.h"
#include "ExecDialogPresenter.h"
#include "QMessageBoxPresenter.h"

namespace {

// Without a display Qt would abort with its own message; say plainly what is needed instead.
bool HasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char** argv) {
    if (!HasDisplay()) {
        std::fputs(
            "PeloraMachineTool needs a display (X11 or Wayland). On a machine without one, run it under "
            "xvfb-run.\n",
            stderr);
        return 1;
    }
    EditorApplication application(argc, argv);
    const DialogFocusCues focusCues;
    QMessageBoxPresenter messages;
    ExecDialogPresenter dialogs;
    CTessalyApp editor(QCoreApplication::applicationFilePath(), messages, dialogs);
    // The shell has split the line already; a path with blanks arrives as one argument.
    editor.commandLine = QCoreApplication::arguments().mid(1).join(QLatin1Char(' '));
    if (!editor.InitInstance()) return editor.ExitCode();
    const int result = application.exec();
    editor.ExitInstance();
    return result;
}
