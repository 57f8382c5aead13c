#pragma once
#include <QMetaType>

#include "PluginRecords.h"

// Findings travel as item data of the output lines.
Q_DECLARE_METATYPE(_ST_PEL_CHECK_MESSAGE)
