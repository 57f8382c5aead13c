#include "CDeviceModelPlugin.h"

namespace {
// Texts handed to the editor are built on the heap: a literal's data would vanish with the library.
const char* const kOwnName = "PELFMDevice";
}  // namespace

void CDeviceModelPlugin::GetPluginInfo(_ST_CT_PLUGININFO& info) {
    info.version = 0x10000;
    info.name = QString::fromLatin1(kOwnName);
    info.nameVersion = 0x10000;
    info.displayName = QString::fromLatin1("Pelora for Dazeziv");
    info.strings.clear();
    info.kind = PLUGIN_KIND_DEVICE_MODEL;
}

int CDeviceModelPlugin::IsSupportedProfilePlugin(QString name, int version) {
    return name == QLatin1String("PeloraMachine") && (version == 0x10000 || version == 0x20000) ? 1 : 0;
}

int CDeviceModelPlugin::AcceptsPluginSelection(QList<_ST_CT_PLUGININFO>* /*selection*/) {
    return 1;
}

void CDeviceModelPlugin::CheckProfile(QList<_ST_PEL_CHECK_MESSAGE>& /*messages*/,
                                      CPELFM_ProfileInfo* /*root*/) {}

void CDeviceModelPlugin::GetCommIfInfoTemplates(QList<_ST_CT_ELEM_INFO>* /*templates*/) {}

int CDeviceModelPlugin::IsOwnDeviceModelName(QString name) {
    return name == QLatin1String(kOwnName) ? 1 : 0;
}

void CDeviceModelPlugin::GetDeviceInfoTemplates(QList<_ST_CT_ELEM_INFO>* /*templates*/) {}
