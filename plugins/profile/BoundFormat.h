#pragma once
#include "FormatSettings.h"

// The format this build of the plug-in serves; each build defines it once.
const PeloraFormat::FormatSettings& BoundFormatSettings();
