// Runs the editor's start-up for the executable path given as the first argument, with every message
// box written to standard output ("BOX<tab>caption<tab>style<tab>text") instead of shown, and
// returns the exit code the editor would end with. A version given as second argument is then chosen
// in the version settings, a path named there driven (see Drive).
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <cstdio>
#include <stdexcept>

#include "CArchiveConditions.h"
#include "CArchivePacker.h"
#include "CMainFrame.h"
#include "CProfileView.h"
#include "CTessalyApp.h"
#include "EditorApplication.h"
#include "IDialogPresenter.h"
#include "IMessagePresenter.h"
#include "MessageBoxLayout.h"
#include "UiTestSupport.h"

namespace {

class PrintingPresenter : public IMessagePresenter {
public:
    int ShowMessage(const QString& text, const QString& caption, unsigned style) override {
        std::printf("BOX\t%s\t%u\t%s\n", caption.toUtf8().constData(), style, text.toUtf8().constData());
        std::fflush(stdout);
        return MessageBoxDefaultId(style);
    }
};

// Fills the named fields of a dialog and accepts it, cancelling when that is refused or nothing is named.
class ScriptedPresenter : public IDialogPresenter {
public:
    int RunModal(QDialog& dialog) override {
        for (const auto& [name, text] : fields) {
            if (auto* edit = dialog.findChild<QLineEdit*>(name)) edit->setText(text);
            if (auto* combo = dialog.findChild<QComboBox*>(name)) combo->setCurrentText(text);
            if (auto* list = dialog.findChild<QListWidget*>(name)) list->keyboardSearch(text);
        }
        if (!fields.isEmpty()) dialog.accept();
        if (dialog.result() != QDialog::Accepted) dialog.reject();
        return dialog.result();
    }
    QList<std::pair<QString, QString>> fields;
};

// Chooses a version, or drives a failing path with the settings folder read-only: is the work kept?
void Drive(CTessalyApp& editor, ScriptedPresenter& dialogs, const QString& name) {
    dialogs.fields = {{"Combo920", name[0].isDigit() ? name : "2.0"}};
    if (name[0].isDigit()) return editor.OnVersionSetting();
    auto* root = editor.Utility().openProfile = new CPELFM_ProfileInfo;
    CPELFM_SectionInfo* commIf = UiTest::AddSection(*root, "Comm", SECTION_COMM_IF);
    UiTest::AddSection(*root, "Block", SECTION_BLOCK);
    editor.ShowNewProfile();
    const QString settings = editor.Utility().SettingsFilePath();
    QFile::setPermissions(settings.section('/', 0, -2), QFile::ReadOwner | QFile::ExeOwner);
    bool kept = true;
    if (name == "new-section") {
        dialogs.fields = {{"918", "Axis"}, {"913", "AxisInfo"}};
        editor.ProfileView()->newSection();
        kept = root->FindSectionByName("Axis");
    } else if (name == "new-part") {
        dialogs.fields = {{"933", "COMM_IF_CONFIGURATION"}, {"927", "Cfg"}};
        editor.ProfileView()->SelectNodeItem(commIf);
        editor.ProfileView()->newPart(0);
        kept = commIf->FindPartByName("Cfg");
    } else if (name == "version") {
        editor.OnVersionSetting();
        QFile file(settings);  // the format that ran before, 3.0, runs on, and the file names it
        kept = editor.Utility().profilePlugins.first().version == 0x30000 && file.open(QIODevice::ReadOnly) &&
               file.readAll().contains(">196608<");
    } else if (name == "new-profile") {
        qputenv("TMPDIR", "/");
        dialogs.fields = {{"903", "F"}, {"907", "FI"}, {"912", "D"}, {"917", "DI"}};
        editor.OnFileNew();
        kept = editor.Utility().openProfile == root;
    } else if (name == "archive") {
        const QString archive = settings.section('/', 0, -2) + "/out.zip";
        ArchivePackInput input;
        input.profileFolderName = "P";
        CArchivePacker packer(editor.Strings(), editor.Messages(), nullptr,
                              CArchiveConditions::WorkBase(editor.Utility()));
        kept = !packer.CopyFilesAndCreateArchive(CArchiveConditions::ArchiveWriter(editor.Utility()), archive,
                                                 input) &&
               !QFile::exists(archive);
    } else if (name == "close") {
        editor.MainFrame()->close();
    } else if (name == "slot") {
        QTimer::singleShot(0, [] { throw std::runtime_error("probe fault"); });
        QCoreApplication::processEvents();
    }
    std::printf("STATE %s\n", kept ? "kept" : "lost");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    EditorApplication application(argc, argv);
    PrintingPresenter messages;
    ScriptedPresenter dialogs;
    CTessalyApp editor(QString::fromLocal8Bit(argv[1]), messages, dialogs);
    if (!editor.InitInstance()) return editor.ExitCode();
    if (argc > 2 && argv[2][0] != 0) Drive(editor, dialogs, QString::fromLocal8Bit(argv[2]));
    return 0;
}
