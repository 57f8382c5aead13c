#pragma once

#include <QString>
#include <QStringList>

// File types on a freedesktop desktop: a shared-mime-info package declares the extensions, a desktop
// entry runs the program with the file, and mimeapps.list makes that entry the default application.
// The user's own folders ($XDG_DATA_HOME, $XDG_CONFIG_HOME) are written; nothing system-wide.
class DesktopFileTypes {
public:
    // "application/x-" followed by the extension in lower case.
    static QString MimeTypeForExtension(const QString& extension);
    // The desktop file id of a file class: the class name followed by ".desktop".
    static QString DesktopIdForClass(const QString& className);

    // The default application of a type as the desktop sees it: the first entry of the first
    // "[Default Applications]" line found in the mimeapps.list files, searched in the order of the
    // association standard (config home, config dirs, then the data folders' applications).
    static QString EffectiveDefaultApplication(const QString& mimeType);
    // The program that the installed desktop entry of that id runs; empty when no entry is found.
    static QString ProgramOfDesktopEntry(const QString& desktopId);

    // Declares every extension as its own type, writes the desktop entry for the program and makes it
    // the default of every type. False on the first failing write.
    static bool Register(const QString& className, const QString& program, const QStringList& extensions);
    // Best effort: refreshes the user's mime cache; its result is not needed for the association.
    static void UpdateMimeDatabase();
    // Best effort too: refreshes the desktop-entry cache, so "Open with" lists the editor.
    static void UpdateDesktopDatabase();

    static QString MimePackagePath(const QString& className);
    static QString DesktopEntryPath(const QString& className);
    static QString UserMimeAppsListPath();
};
