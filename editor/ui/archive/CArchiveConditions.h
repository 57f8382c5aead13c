#pragma once
#include <QString>

#include "CArchiveCollection.h"

class CCommonUtility;
class IProfilePlugin;

// What the archive dialogs take from the application's state.
class CArchiveConditions {
public:
    // Tools from format 2.0 on; ".dll" and ".exe" documents with a device model of kind 11 or 12.
    static CArchiveCollection::Conditions From(const CCommonUtility& utility);
    // The selected profile plug-in, which writes the archive; null when none is selected.
    static IProfilePlugin* ArchiveWriter(const CCommonUtility& utility);
    // The program folder's Temp/, under which the work folder is made while the user can write it.
    static QString WorkBase(const CCommonUtility& utility);
};
