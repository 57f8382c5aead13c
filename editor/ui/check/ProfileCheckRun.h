#pragma once
#include <QList>

#include "PluginRecords.h"
#include "ProfileCheckJob.h"

class ICheckRunFrame;
class IDialogPresenter;
class IMessagePresenter;

// What a check run reads and fills on the UI thread.
struct ProfileCheckRunContext {
    int& checkRunning;
    QList<_ST_PEL_CHECK_MESSAGE>& checkMessages;
    ProfileCheckJob job;
    ICheckRunFrame* frame = nullptr;  // the window the run reports to; null for none
    const IStringSource& strings;
    IMessagePresenter& messages;
    IDialogPresenter& dialogs;
};

inline constexpr int IDS_CHECK_PROGRESS_TITLE = 331;
inline constexpr int IDS_CHECK_SUMMARY = 40000;
inline constexpr int IDS_CHECK_NO_PROBLEMS = 10009;
inline constexpr int IDS_CHECK_ERRORS_AND_WARNINGS = 10010;
inline constexpr int IDS_CHECK_ERRORS = 10011;
inline constexpr int IDS_CHECK_WARNINGS = 10012;
inline constexpr int IDS_CHECK_EXPORT_WITH_WARNINGS = 10048;
inline constexpr int IDS_CHECK_EXPORT_STOPPED = 62158;
inline constexpr int IDS_CHECK_STAGE_FIRST = 62180;  // one text per stage of the worker, in order

// Runs the profile check behind the modal progress dialog, lists the findings in the output pane
// and reports them. 1 = stop (errors found, the user declined to export with warnings, or the
// check could not run), 0 = go on; a second call while one runs returns 0 at once.
int RunProfileCheck(ProfileCheckRunContext& context, int forExport);
