#pragma once
// Everything the editor and its plug-ins share.
#include "ICheckProgressSink.h"
#include "IDeviceModelPlugin.h"
#include "IProfilePlugin.h"
#include "PluginExports.h"
#include "PluginRecords.h"
