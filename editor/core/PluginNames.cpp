#include "PluginNames.h"

#include <QStringList>

namespace {

bool HasTag(const QString& text) {
    return text.contains(QLatin1Char('[')) && text.contains(QLatin1Char(']'));
}

QString WithoutFirstTag(const QString& text) {
    const qsizetype open = text.indexOf(QLatin1Char('['));
    const qsizetype close = text.indexOf(QLatin1Char(']'));
    if (open < 0 || close < open) return text.trimmed();
    return (text.left(open) + text.mid(close + 1)).trimmed();
}

bool IsInList(const QString& name, std::initializer_list<const char*> list) {
    for (const char* entry : list) {
        if (ComparePluginNames(name, QString::fromUtf8(entry))) return true;
    }
    return false;
}

}  // namespace

bool ComparePluginNames(const QString& a, const QString& b) {
    if (HasTag(a) && HasTag(b)) return a == b;
    return WithoutFirstTag(a) == WithoutFirstTag(b);
}

QString FormatPluginVersion(quint32 version) {
    return QStringLiteral("%1.%2").arg(version >> 16).arg(version & 0xFFFFu);
}

QString PluginNameWithVersion(const QString& displayName, quint32 version) {
    return displayName + QStringLiteral(" [") + FormatPluginVersion(version) + QLatin1Char(']');
}

bool IsLegacy20DeviceModelName(const QString& name) {
    return IsInList(name, {"Dravik", "Verbusline", "Sarnel"});
}

bool IsLegacy11DeviceModelName(const QString& name) {
    return IsInList(name, {"Tamber Busline", "Skyfen"});
}

void GetLegacyPluginName(const QString& deviceModelName, QString& displayName) {
    if (IsLegacy20DeviceModelName(deviceModelName))
        displayName = QString::fromUtf8(LegacyPluginNames::Display20);
    else if (IsLegacy11DeviceModelName(deviceModelName))
        displayName = QString::fromUtf8(LegacyPluginNames::Display11);
}

void MapLegacyPluginFileName(QString& text) {
    using namespace LegacyPluginNames;
    if (ComparePluginNames(text, QString::fromUtf8(File20)))
        text = QString::fromUtf8(CurrentFile20);
    else if (ComparePluginNames(text, QString::fromUtf8(File11)))
        text = QString::fromUtf8(CurrentFile11);
}

void MapLegacyPluginDisplayName(QString& text) {
    using namespace LegacyPluginNames;
    if (ComparePluginNames(text, QString::fromUtf8(Display20)))
        text = QString::fromUtf8(CurrentDisplay20);
    else if (ComparePluginNames(text, QString::fromUtf8(Display11)))
        text = QString::fromUtf8(CurrentDisplay11);
}
