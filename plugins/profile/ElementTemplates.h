#pragma once
#include <QDateTime>
#include <QList>
#include <span>

#include "FormatSettings.h"
#include "PluginRecords.h"

namespace PeloraPlugin::Internal {

// Turns the format's template descriptions into the records handed to the editor.
class ElementTemplates {
public:
    // Empties out and appends one record per description, in order; the date and time
    // templates all carry the one instant given.
    static void Fill(const PeloraFormat::FormatSettings& settings,
                     std::span<const PeloraFormat::TemplateSpec> specs, const QDateTime& now,
                     QList<_ST_CT_ELEM_INFO>* out);

    // "YYYY/MM/DD" and "HH:MM:SS", whatever the locale (its time form may be longer than STRING(8)).
    static QString DateText(const QDateTime& when);
    static QString TimeText(const QDateTime& when);
};

}  // namespace PeloraPlugin::Internal
