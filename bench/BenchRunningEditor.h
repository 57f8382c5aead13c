#pragma once
// The running editor in a benchmark's child process, as a user starting it meets it: over a staged program
// folder of its own, with user folders of its own (set before Qt starts), the format 3.0 plug-in chosen and
// the file-type question answered No. It owns the QApplication, which outlives the application object.

#include <QApplication>
#include <QTemporaryDir>
#include <memory>
#include <optional>

#include "CTessalyApp.h"
#include "StagedProgramFolder.h"
#include "UiTestSupport.h"

class BenchRunningEditor {
public:
    BenchRunningEditor(int& argc, char** argv) : qt(argc, argv) {}
    // The application object with that command line, not yet started; null when the program folder is not
    // staged.
    CTessalyApp* Make(const QString& commandLine = {});

    // Made before the QApplication: the user folders are pointed into it.
    struct Home {
        Home();
        QTemporaryDir dir;
    } home;
    QApplication qt;
    std::optional<StagedProgramFolder> folder;
    ScriptedMessagePresenter messages;
    UiTest::ScriptedDialogPresenter dialogs;
    std::unique_ptr<CTessalyApp> app;
};
