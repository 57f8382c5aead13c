#include "ProfileOpenRun.h"

#include <QApplication>

#include "CProfileProgressDlg.h"
#include "CheckEvents.h"
#include "ProfileFileCommands.h"

namespace {

// Like QProgressDialog's minimumDuration: most files load sooner, and a dialog that flashes up and
// vanishes only distracts.
constexpr int kOpenProgressDelayMs = 400;

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

void RunOpenLoad(ProfileFileCommands& files, OpenLoad& load, QWidget* parent, IDialogPresenter& dialogs) {
    WaitCursor wait;
    bool loaded = false;
    {
        CProfileProgressDlg dialog(parent);
        dialog.setWindowTitle(files.OpenFileTitle());
        // The stages are named; the bar follows the file as it is read.
        dialog.ShowStages(files.OpenProgressHeading(load), files.OpenStageTexts(), false);
        dialog.ShowAfter(kOpenProgressDelayMs);
        dialog.EnableCancel([&load] { load.cancel = true; });
        dialog.RunWork(dialogs, [&files, &load, &loaded](QObject* target) {
            int shown = 0;
            files.LoadForOpen(
                load, [target](int stage) { PostCheckEvent(target, WM_PROGRESS_STAGE, stage); },
                [target, &shown](qint64 read, qint64 size) { PostProgressShare(target, read, size, shown); });
            loaded = true;
            PostCheckEvent(target, WM_CHECK_PROGRESS, kCheckProgressScale);
            PostCheckEvent(target, WM_CHECK_FINISHED);
        });
    }
    // The worker has ended (the dialog waits for it). Without one (the dialog never ran, or no thread
    // could be started), the load runs on this thread.
    if (!loaded) files.LoadForOpen(load);
}
