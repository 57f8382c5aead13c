#include "BenchEditor.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "BenchSupport.h"
#include "IProfilePlugin.h"

BenchEditor::BenchEditor() : utility(QStringLiteral(PEL_OUT_DIR)), files(utility, FileCommandHooks()) {}

bool BenchEditor::Start() {
    if (!strings.Open(QStringLiteral(PEL_OUT_DIR "/PeloraMachineTool_RC.so"))) {
        std::fprintf(stderr, "%s\n", qPrintable(strings.ErrorText()));
        return false;
    }
    utility.SetStringSource(&strings);
    utility.LoadPlugins();
    for (int i = 0; i < utility.profilePlugins.size(); ++i) {
        if (utility.profilePlugins[i].version != 0x30000) continue;
        utility.SelectProfilePlugin(i);
        QString extensions[2];
        utility.profilePlugins.first().instance->GetFileExtensions(extensions);
        utility.projectExtension = extensions[0];
        utility.profileExtension = extensions[1];
        return true;
    }
    std::fprintf(stderr, "no format 3.0 plug-in staged in %s\n", PEL_OUT_DIR);
    return false;
}

bool BenchEditor::Open(const QString& path) {
    files.OpenProfileFile(path);
    return utility.fileOpen == 1;
}

int OpenInChild(int argc, char** argv, const QString& file) {
    QCoreApplication app(argc, argv);
    BenchEditor editor;
    if (!editor.Start()) return 2;
    QElapsedTimer timer;
    timer.start();
    const bool opened = editor.Open(file);
    std::printf("%.1f %.1f\n", timer.nsecsElapsed() / 1e6, ResidentMiB());
    return opened ? 0 : 1;
}
