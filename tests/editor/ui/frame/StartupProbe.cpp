// Runs the editor's start-up for the executable path given as the first argument, with every message
// box written to standard output ("BOX<tab>caption<tab>style<tab>text") instead of shown, and
// returns the exit code the editor would end with. A version given as second argument is then chosen
// in the version settings.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <cstdio>

#include "CDialogVersionSetting.h"
#include "CTessalyApp.h"
#include "IDialogPresenter.h"
#include "IMessagePresenter.h"
#include "MessageBoxLayout.h"

namespace {

class PrintingPresenter : public IMessagePresenter {
public:
    int ShowMessage(const QString& text, const QString& caption, unsigned style) override {
        std::printf("BOX\t%s\t%u\t%s\n", caption.toUtf8().constData(), style, text.toUtf8().constData());
        std::fflush(stdout);
        return MessageBoxDefaultId(style);
    }
};

// Cancels every dialog but the version settings once a version to choose is given.
class CancellingPresenter : public IDialogPresenter {
public:
    int RunModal(QDialog& dialog) override {
        auto* versions = dynamic_cast<CDialogVersionSetting*>(&dialog);
        if (versions && !choice.isEmpty()) versions->VersionList().setCurrentText(choice);
        versions && !choice.isEmpty() ? dialog.accept() : dialog.reject();
        return dialog.result();
    }
    QString choice;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    QApplication application(argc, argv);
    PrintingPresenter messages;
    CancellingPresenter dialogs;
    CTessalyApp editor(QString::fromLocal8Bit(argv[1]), messages, dialogs);
    if (!editor.InitInstance()) return editor.ExitCode();
    dialogs.choice = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (!dialogs.choice.isEmpty()) editor.OnVersionSetting();
    return 0;
}
