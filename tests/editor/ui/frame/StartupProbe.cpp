// Runs the editor's start-up for the executable path given as the first argument, with every message
// box written to standard output ("BOX<tab>caption<tab>style<tab>text") instead of shown, and
// returns the exit code the editor would end with.
#include <QApplication>
#include <QDialog>
#include <cstdio>

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

class CancellingPresenter : public IDialogPresenter {
public:
    int RunModal(QDialog& dialog) override {
        dialog.reject();
        return QDialog::Rejected;
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    QApplication application(argc, argv);
    PrintingPresenter messages;
    CancellingPresenter dialogs;
    CTessalyApp editor(QString::fromLocal8Bit(argv[1]), messages, dialogs);
    return editor.InitInstance() ? 0 : editor.ExitCode();
}
