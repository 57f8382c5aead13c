#include "QtArchiveFileChooser.h"

#include <QFileDialog>

QString QtArchiveFileChooser::ToQtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) break;
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        out.append(parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return out.join(QStringLiteral(";;"));
}

QStringList QtArchiveFileChooser::ChooseOpenFiles(QWidget* parent, const QString& title,
                                                  const QString& filter) {
    return QFileDialog::getOpenFileNames(parent, title, QString(), ToQtFilter(filter));
}

QString QtArchiveFileChooser::ChooseSaveFile(QWidget* parent, const QString& title, const QString& filter,
                                             const QString& start) {
    // QFileDialog asks before overwriting an existing file by default.
    return QFileDialog::getSaveFileName(parent, title, start, ToQtFilter(filter));
}

QString QtArchiveFileChooser::ChooseFolder(QWidget* parent, const QString& title) {
    return QFileDialog::getExistingDirectory(parent, title);
}
