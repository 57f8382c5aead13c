#include "StagedProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kOut = QStringLiteral(PEL_OUT_DIR);

}  // namespace

bool StagedProgramFolder::IsStaged() {
    for (const char* name :
         {"PeloraMachineTool_RC.so", "PublicPlugin/PeloraMachine_3.so", "PublicPlugin/PeloraMachine_2.so",
          "PublicPlugin/PeloraMachine.so", "PublicPlugin/Corvix.so"})
        if (!QFileInfo::exists(kOut + QLatin1Char('/') + QLatin1String(name))) return false;
    return true;
}

StagedProgramFolder::StagedProgramFolder() {
    for (const char* linked : {"PeloraMachineTool_RC.so", "PublicPlugin", "Schema"})
        QFile::link(kOut + QLatin1Char('/') + QLatin1String(linked), m_dir.filePath(QLatin1String(linked)));
    QDir dir(m_dir.path());
    for (const char* made : {"Config", "PrivatePlugin", "Temp"}) dir.mkdir(QLatin1String(made));
}

void StagedProgramFolder::WriteSettings(const QString& language, const QString& dllVersion) const {
    QFile file(SettingsPath());
    if (!file.open(QIODevice::WriteOnly)) return;
    const QString xml =
        QStringLiteral(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Config><Setting label=\"SystemSetting\">"
            "<SettingItem label=\"Language\"><Value>%1</Value></SettingItem>"
            "<SettingItem label=\"DllVersion\"><Value>%2</Value></SettingItem>"
            "<SettingItem label=\"ProfileType\"><Value>PeloraMachine_2.so</Value>"
            "<DisplayValue>Pelora[2.0]</DisplayValue></SettingItem>"
            "</Setting></Config>\n")
            .arg(language, dllVersion);
    file.write(xml.toUtf8());
}
