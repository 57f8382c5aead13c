#include "FileDialogFilter.h"

namespace FileDialogFilter {

QStringList ToNameFilters(const QString& filter) {
    QStringList out;
    const QStringList pieces = filter.split(QLatin1Char('|'));
    // Pairs up to the first empty description, which ends the list as the double NUL does.
    for (qsizetype i = 0; i + 1 < pieces.size(); i += 2) {
        const QString& description = pieces[i];
        if (description.isEmpty()) break;
        QStringList patterns = pieces[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : patterns) p = p.trimmed();
        const QString joined = patterns.join(QLatin1Char(' '));
        // A description that already names its patterns is kept as it stands.
        out << (description.contains(QLatin1Char('(')) ? description
                                                       : QStringLiteral("%1 (%2)").arg(description, joined));
    }
    return out;
}

QString FixedName(const QString& initialName, const QString& defaultExtension) {
    return initialName + QLatin1Char('.') + defaultExtension;
}

}  // namespace FileDialogFilter
