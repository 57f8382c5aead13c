#pragma once
// One check target: an item of an element (or the element's synthetic LABEL item).

#include "PluginRecords.h"

class CPELFM_ItemInfo;

struct CCheckItemInfo {
    int status = 1;  // 1 until a check fails on the target; later checks then skip it
    int elementIndex = 0;
    CPELFM_ItemInfo* item = nullptr;
    _ST_PEL_CHECK_MESSAGE message;
};
