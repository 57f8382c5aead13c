#pragma once

#include <QString>
#include <QStringList>

// The XDG base directories, read from the environment at each call so that a changed variable
// (tests point them at a temporary folder) takes effect at once. Relative values are ignored, as the
// base-directory standard requires.
class XdgBaseDirectories {
public:
    static QString DataHome();        // $XDG_DATA_HOME or ~/.local/share
    static QString ConfigHome();      // $XDG_CONFIG_HOME or ~/.config
    static QStringList DataDirs();    // $XDG_DATA_DIRS or /usr/local/share:/usr/share
    static QStringList ConfigDirs();  // $XDG_CONFIG_DIRS or /etc/xdg
    // $XDG_CURRENT_DESKTOP split at ":", lower-cased, as desktop-specific list names use it.
    static QStringList CurrentDesktops();
};
