#pragma once

#include <QString>
#include <QStringList>

// A desktop entry file (.desktop) of type Application, reduced to what a file association needs.
class DesktopEntry {
public:
    // The Exec value that runs the program with one file: the program quoted as one argument, then "%f".
    // The text is escaped twice, first by the argument quoting rule, then by the string-value rule.
    static QString FormatExecValue(const QString& program);
    // The program (first argument) of a raw Exec value as it stands in the file; empty when it is
    // missing or its quoting is broken.
    static QString ParseExecProgram(const QString& rawExecValue);
    // The program of the Exec key in the "[Desktop Entry]" group of a file; empty when it cannot be read.
    static QString ReadExecProgram(const QString& path);
    // Writes the entry atomically, creating its folder.
    static bool Write(const QString& path, const QString& name, const QString& program,
                      const QStringList& mimeTypes);
};
