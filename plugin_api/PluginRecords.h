#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <vector>

// Records that cross between the editor and its plug-ins. Both sides share one Qt and C++
// runtime, so these are passed by value and by reference and freed on either side.

// Filled by the first operation of both plug-in interfaces.
struct _ST_CT_PLUGININFO {
    quint32 version = 0;  // major in the high 16 bits, minor in the low 16 bits
    QString name;
    quint32 nameVersion = 0;
    QString displayName;
    std::vector<QString> strings;
    int kind = 0;  // 1 profile plug-in, 2 device-model plug-in
};

// One element template of a new part, in item order LABEL, LABEL2, CATEGORY, NAME, DATATYPE, DATA.
struct _ST_CT_ELEM_INFO {
    QString label;
    QString label2;
    QString category;
    QString name;
    QString dataType;
    std::vector<QString> data;

    bool operator==(const _ST_CT_ELEM_INFO&) const = default;
};

// One finding of the profile check.
struct _ST_PEL_CHECK_MESSAGE {
    QString text;
    QString sectionLabel;
    QString partLabel;
    int messageId = 0;
    int elementIndex = 0;  // 0-based, shown plus 1
    int itemKind = 0;
    int reserved = 0;
    int level = 0;  // 0 error, 1 warning
    QStringList arguments;
    QStringList secondList;  // stays empty
};

// Plug-in kinds of the information record.
inline constexpr int PLUGIN_KIND_PROFILE = 1;
inline constexpr int PLUGIN_KIND_DEVICE_MODEL = 2;
