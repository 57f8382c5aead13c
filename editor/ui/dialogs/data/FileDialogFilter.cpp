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
        // A description that shows its patterns already shows them in the ";" form, which Qt reads as one
        // pattern matching no file: it gets them once, in Qt's form.
        QString shown = description;
        const QString own = QStringLiteral("(%1)").arg(pieces[i + 1]);
        if (shown.endsWith(own)) shown = shown.chopped(own.size()).trimmed();
        out << QStringLiteral("%1 (%2)").arg(shown, joined);
    }
    return out;
}

QString FixedName(const QString& initialName, const QString& defaultExtension) {
    return initialName + QLatin1Char('.') + defaultExtension;
}

}  // namespace FileDialogFilter
