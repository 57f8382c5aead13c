#pragma once
#include <QList>
#include <functional>

#include "PluginRecords.h"

class CPELFM_ProfileInfo;
class IStringSource;
class QObject;
struct ProfileCheckJob;

// Message ids of the editor's own findings.
inline constexpr int IDS_CHECK_UNCLAIMED_COMM_IF_TYPE = 62078;
inline constexpr int IDS_CHECK_RESERVED_SECTION_NAME = 62110;
inline constexpr int IDS_CHECK_RESERVED_PART_NAME = 62111;
inline constexpr int IDS_CHECK_RESERVED_PART_LABEL2 = 62112;
inline constexpr int IDS_OPERATION_FAILED = 10008;

// What the worker names in the dialog (WM_PROGRESS_STAGE), in order: loading the parts not loaded yet,
// then the checks. The bar runs over each stage from 0.
enum CheckStage { CHECK_STAGE_LOADING = 0, CHECK_STAGE_CHECKING = 1, CHECK_STAGE_COUNT = 2 };

struct CheckFindingCounts {
    int errors = 0;    // level 0
    int warnings = 0;  // level 1
};

// The worker thread's whole run: the plug-in's check, the editor's own checks and the
// device-model checks, with progress posted to the dialog (null: nothing posted). It always
// ends by posting WM_CHECK_FINISHED; anything thrown becomes an error finding.
void ProfileCheckWorker(const ProfileCheckJob& job, QList<_ST_PEL_CHECK_MESSAGE>& messages, QObject* dialog);

// Loads every part that is not loaded yet, telling progress how many of them are loaded after each.
void EnsureAllPartsLoaded(CPELFM_ProfileInfo& root,
                          const std::function<void(qsizetype loaded, qsizetype count)>& progress = {});

CheckFindingCounts CountCheckFindings(const QList<_ST_PEL_CHECK_MESSAGE>& messages);

// How the failures of a check name it: the Check command's menu text.
QString CheckOperationName(const IStringSource& strings);
