#include "CArchiveConditions.h"

#include "CCommonUtility.h"

CArchiveCollection::Conditions CArchiveConditions::From(const CCommonUtility& utility) {
    CArchiveCollection::Conditions c;
    c.tools = !utility.profilePlugins.isEmpty() && (utility.profilePlugins.first().version >> 16) >= 2;
    const int kind = utility.FirstDeviceModelKind();
    c.deviceModelTools = kind == 11 || kind == 12;
    c.profileExtension = utility.profileExtension;
    return c;
}

IProfilePlugin* CArchiveConditions::ArchiveWriter(const CCommonUtility& utility) {
    return utility.profilePlugins.isEmpty() ? nullptr : utility.profilePlugins.first().instance;
}

QString CArchiveConditions::WorkBase(const CCommonUtility& utility) {
    return utility.executableFolder + QStringLiteral("/Temp");
}
