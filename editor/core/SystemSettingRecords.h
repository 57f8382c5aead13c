#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>
#include <memory>

// One device model of a profile type.
struct _PROFILE_CONTENT {
    QString name;  // empty in the profile-type list; the device-model plug-in's internal name in the settings
    QString fileName;     // the device-model plug-in's library file name
    QString displayName;  // its display name followed by " [major.minor]"
    quint32 version = 0;  // the device-model plug-in's version; filled by the list builder only
};

// A profile plug-in with the device models that serve it.
struct _PROFILE_TYPE {
    QString name;         // not used; empty in the list
    QString value;        // the profile plug-in's library file name
    QString displayName;  // the profile plug-in's display name
    QList<_PROFILE_CONTENT> contents;
};

inline constexpr quint32 DLL_VERSION_NONE = 0xFFFFFFFFu;

// The settings file in memory.
struct _ST_SYSTEM_SETTING {
    QString Language = QStringLiteral("ja");
    int AutoCreateRelatedSection = 0;
    int AutoCreateRelatedPart = 0;
    quint32 DllVersion = DLL_VERSION_NONE;
    std::unique_ptr<_PROFILE_TYPE> ProfileType = std::make_unique<_PROFILE_TYPE>();
};
