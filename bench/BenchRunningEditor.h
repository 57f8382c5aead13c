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

class CWorkView;

class BenchRunningEditor {
public:
    BenchRunningEditor(int& argc, char** argv) : qt(argc, argv) {}
    // The application object with that command line, not yet started; null when the program folder is not
    // staged.
    CTessalyApp* Make(const QString& commandLine = {});
    // Starts the application made (InitInstance), shows its main window and presses Enter on the tree item
    // whose text begins with part: the part's window, null when a step fails. ms: from the Enter until its
    // grid was shown.
    CWorkView* OpenPart(const QString& part, double* ms = nullptr);

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

// Until nothing is left to do, paints included.
void Settle();
// Forgets the process's peak so far: from here on PeakResidentMiB is the peak of what follows.
void ResetPeak();
