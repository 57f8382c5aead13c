#pragma once
// The profile check of one format: replaces the findings with those of the profile, texts formatted.
// A null root leaves no findings. Never throws.

#include <QList>

#include "PluginRecords.h"

struct CheckFormat;
class ICheckProgressSink;
class CPELFM_ProfileInfo;

void RunProfileCheck(const CheckFormat& format, ICheckProgressSink* progress, CPELFM_ProfileInfo* root,
                     QList<_ST_PEL_CHECK_MESSAGE>& messages);
