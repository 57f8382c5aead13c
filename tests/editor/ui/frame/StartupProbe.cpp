// Runs the editor's start-up for the executable path given as the first argument, with every message
// box written to standard output ("BOX<tab>caption<tab>style<tab>text") instead of shown, and
// returns the exit code the editor would end with. A version given as second argument is then chosen
// in the version settings; a path named there is driven instead (see Fault).
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <cstdio>
#include <stdexcept>

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

// Once told what to type, fills the named edits, combos and lists of the next dialog and accepts it,
// then cancels when that is refused; cancels every dialog otherwise.
class ScriptedPresenter : public IDialogPresenter {
public:
    int RunModal(QDialog& dialog) override {
        for (const auto& [name, text] : fields) {
            if (auto* edit = dialog.findChild<QLineEdit*>(name)) edit->setText(text);
            if (auto* combo = dialog.findChild<QComboBox*>(name)) combo->setCurrentText(text);
            if (auto* list = dialog.findChild<QListWidget*>(name))
                list->setCurrentItem(list->findItems(text, Qt::MatchExactly).value(0));
        }
        if (!fields.isEmpty()) dialog.accept();
        if (dialog.result() != QDialog::Accepted) dialog.reject();
        return dialog.result();
    }
    QList<std::pair<QString, QString>> fields;
};

// Drives a path that writes or can fail, with a profile open and the settings folder made read-only,
// and says whether the work is kept.
void Fault(CTessalyApp& editor, ScriptedPresenter& dialogs, const QString& name) {
    CCommonUtility& utility = editor.Utility();
    auto* root = new CPELFM_ProfileInfo;
    CPELFM_SectionInfo* commIf = UiTest::AddSection(*root, "Comm", SECTION_COMM_IF);
    UiTest::AddSection(*root, "Block", SECTION_BLOCK);
    utility.openProfile = root;
    editor.ShowNewProfile();
    QFile::setPermissions(QFileInfo(utility.SettingsFilePath()).path(), QFile::ReadOwner | QFile::ExeOwner);
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
        dialogs.fields = {{"Combo920", "2.0"}};
        editor.OnVersionSetting();
        const QByteArray running = QByteArray::number(utility.profilePlugins.first().version);
        QFile file(utility.SettingsFilePath());
        // The format that ran before, 3.0, runs on, and the file names it.
        kept = running == "196608" && file.open(QIODevice::ReadOnly) && file.readAll().contains(">196608<");
    } else if (name == "new-profile") {
        qputenv("TMPDIR", "/");
        dialogs.fields = {{"903", "F"}, {"907", "FI"}, {"912", "D"}, {"917", "DI"}};
        editor.OnFileNew();
        kept = utility.openProfile == root;
    } else if (name == "close") {
        editor.MainFrame()->close();
    } else if (name == "slot") {
        QTimer::singleShot(0, [] { throw std::runtime_error("probe fault"); });
        QTimer::singleShot(0, &QCoreApplication::quit);
        QCoreApplication::exec();
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
    const QString choice = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (!choice.isEmpty() && !choice[0].isDigit()) {
        Fault(editor, dialogs, choice);
    } else if (!choice.isEmpty()) {
        dialogs.fields = {{"Combo920", choice}};
        editor.OnVersionSetting();
    }
    return 0;
}
