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
    bool loaded = false;
    {
        WaitCursor wait;
        CProfileProgressDlg dialog(parent);
        dialog.setWindowTitle(files.OpenFileTitle());
        dialog.ShowStages(files.OpenProgressHeading(load), files.OpenStageTexts());
        dialog.ShowAfter(kOpenProgressDelayMs);
        dialog.EnableCancel([&load] { load.cancel = true; });
        dialog.RunWork(dialogs, [&files, &load, &loaded](QObject* target) {
            files.LoadForOpen(load,
                              [target](int stage) { PostCheckEvent(target, WM_PROGRESS_STAGE, stage); });
            loaded = true;
            PostCheckEvent(target, WM_CHECK_PROGRESS, ProfileFileCommands::OPEN_STAGE_COUNT);
            PostCheckEvent(target, WM_CHECK_FINISHED);
        });
    }
    // The worker has ended (the dialog waits for it); a dialog that never ran leaves the load to this thread.
    if (!loaded) files.LoadForOpen(load);
}
