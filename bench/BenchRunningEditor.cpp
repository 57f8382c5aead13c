#include "BenchRunningEditor.h"

#include "BenchSupport.h"
#include "MessageBoxStyle.h"

BenchRunningEditor::Home::Home() {
    IsolateUserFolders(dir.path());
}

CTessalyApp* BenchRunningEditor::Make(const QString& commandLine) {
    if (!StagedProgramFolder::IsStaged()) return nullptr;
    folder.emplace();
    folder->WriteSettings(QStringLiteral("ja"), QString::number(0x30000));
    messages.QueueAnswer(IDNO);  // the file-type question
    app = std::make_unique<CTessalyApp>(folder->ExecutablePath(), messages, dialogs);
    app->commandLine = commandLine;
    return app.get();
}
