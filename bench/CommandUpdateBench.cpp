// Arrowing down a part of 100,000 elements in the running editor: how many times per key the grid asks for
// the command update, how many updates run, and what a key and an update cost. Run offscreen:
//   QT_QPA_PLATFORM=offscreen build/bench/pel_command_update_bench
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "BenchRunningEditor.h"
#include "BenchSupport.h"
#include "CMainFrame.h"
#include "CProfileTree.h"
#include "CProfileView.h"
#include "CTessalyApp.h"
#include "CVsflexgridn.h"
#include "CWorkView.h"
#include "CommandIds.h"
#include "EditorProfileText.h"
#include "MessageBoxStyle.h"
#include "StagedProgramFolder.h"
#include "UiTestSupport.h"

namespace {

constexpr int kElements = 100000;
constexpr int kKeys = 2000;

// The generated profile with its memory part grown to the given number of members.
QByteArray LargeProfile(int members) {
    QByteArray text = UiTest::GeneratedProfileText();
    QByteArray more;
    for (int m = 250; m < members; ++m) {
        const QByteArray n = QByteArray::number(m);
        more += "<p:blockMemoryMember label=\"M_" + n + "\"><p:name><p:item>Value " + n +
                "</p:item></p:name><p:datatype><p:item>INT16</p:item></p:datatype><p:access><p:item>RW"
                "</p:item></p:access></p:blockMemoryMember>";
    }
    text.insert(text.indexOf("</p:blockMemory>"), more);
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    BenchRunningEditor editor(argc, argv);
    const QString path = editor.home.dir.filePath(QStringLiteral("Large.pelp"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(LargeProfile(kElements)) < 0) return 1;
    file.close();
    if (!editor.Make(path)) {
        std::fprintf(stderr, "the program folder is not staged\n");
        return 1;
    }
    CTessalyApp& app = *editor.app;
    if (!app.InitInstance()) return 1;
    CMainFrame& frame = *app.MainFrame();
    frame.resize(1600, 1000);
    QApplication::setActiveWindow(&frame);

    CProfileTree& tree = app.ProfileView()->Tree();
    QTreeWidgetItem* memory =
        tree.findItems(QStringLiteral("Memory0"), Qt::MatchStartsWith | Qt::MatchRecursive).value(0);
    if (!memory) return 1;
    tree.setFocus();
    tree.setCurrentItem(memory);
    QTest::keyClick(&tree, Qt::Key_Return);
    auto* view = dynamic_cast<CWorkView*>(frame.ActiveWorkView());
    if (!view || view->Grid().GetRows() != kElements + 1) return 1;
    view->Grid().SetCurrentCell(1, 1);
    QCoreApplication::processEvents();

    int requests = 0, updates = 0;
    QObject::connect(view, &CWorkView::commandStateChanged, [&] { ++requests; });
    // An extra rule that only counts: the window manager stays offered.
    frame.SetCommandHandler(
        ID_WINDOW_MANAGER, [] {}, [&] { return ++updates > 0; });
    updates = 0;

    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kKeys; ++i) {
        QTest::keyClick(&view->Grid(), Qt::Key_Down);
        QCoreApplication::processEvents();  // the loop turns between two keys
    }
    const double keyMs = timer.nsecsElapsed() / 1e6 / kKeys;
    const int keyUpdates = updates;
    timer.restart();
    for (int i = 0; i < kKeys; ++i) frame.UpdateCommandUi();
    const double updateUs = timer.nsecsElapsed() / 1e3 / kKeys;

    std::printf("%9s %6s %14s %13s %10s %12s\n", "elements", "keys", "requests/key", "updates/key", "ms/key",
                "us/update");
    std::printf("%9d %6d %14.2f %13.2f %10.3f %12.1f\n", kElements, kKeys, double(requests) / kKeys,
                double(keyUpdates) / kKeys, keyMs, updateUs);
    std::printf("current row after the keys: %d\n", view->Grid().GetRow());
    return 0;
}
