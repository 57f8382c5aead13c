#pragma once
#include <QKeySequence>
#include <QList>

// The menus and the toolbar of the main frame, as one table keyed by command id. Labels and
// status tips come from the string of the same id.
namespace MainFrameCommandTable {

// Entries of a menu that are not commands.
inline constexpr int kSeparator = 0;
inline constexpr int kRecentFiles = -1;  // the recent-file block
inline constexpr int kPaneToggles = -2;  // show or hide each docking pane
inline constexpr int kLookSubmenu = -3;  // the application looks

struct Command {
    int id;
    QKeySequence::StandardKey key;  // QKeySequence::UnknownKey for none
    const char* themeIcon;          // freedesktop icon name; nullptr for none
    const char* image;              // the resource library's image; nullptr for none
    bool checkable;
};

struct Menu {
    const char* title;
    QList<int> entries;
};

// Every command the frame has an action for, in a stable order.
const QList<Command>& Commands();
const QList<Menu>& Menus();
// The toolbar's buttons; kSeparator between groups.
const QList<int>& ToolbarButtons();
const Command* FindCommand(int id);

}  // namespace MainFrameCommandTable
