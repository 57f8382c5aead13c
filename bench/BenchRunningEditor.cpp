#include "BenchRunningEditor.h"

#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>

#include "BenchSupport.h"
#include "CMainFrame.h"
#include "CProfileTree.h"
#include "CProfileView.h"
#include "CVsflexgridn.h"
#include "CWorkView.h"
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

CWorkView* BenchRunningEditor::OpenPart(const QString& part, double* ms) {
    if (!app || !app->InitInstance()) return nullptr;
    CMainFrame& frame = *app->MainFrame();
    frame.resize(1600, 1000);
    frame.show();
    QApplication::setActiveWindow(&frame);
    CProfileTree& tree = app->ProfileView()->Tree();
    QTreeWidgetItem* item = tree.findItems(part, Qt::MatchStartsWith | Qt::MatchRecursive).value(0);
    if (!item) return nullptr;
    tree.setFocus();
    tree.setCurrentItem(item);
    Settle();
    ResetPeak();
    QElapsedTimer timer;
    timer.start();
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent enter(type, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(&tree, &enter);
    }
    Settle();
    if (ms) *ms = timer.nsecsElapsed() / 1e6;
    auto* view = dynamic_cast<CWorkView*>(frame.ActiveWorkView());
    return view && view->isVisible() && view->Grid().GetRows() >= 2 ? view : nullptr;
}

void Settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

void ResetPeak() {
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly)) refs.write("5");
}
