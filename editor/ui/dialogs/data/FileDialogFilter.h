#pragma once

#include <QString>
#include <QStringList>

// The editor's file-dialog filters come as "description|pattern|description|pattern||", patterns
// joined by ";". Qt takes one "description (pattern pattern)" entry per filter, its patterns parted by
// blanks.
namespace FileDialogFilter {

QStringList ToNameFilters(const QString& filter);
// The name a fixed-name save dialog keeps: the initial name, "." and the default extension.
QString FixedName(const QString& initialName, const QString& defaultExtension);

}  // namespace FileDialogFilter
