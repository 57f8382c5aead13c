#include "MainFrameCommandTable.h"

#include "CommandIds.h"

namespace MainFrameCommandTable {

namespace {

constexpr QKeySequence::StandardKey kNoKey = QKeySequence::UnknownKey;

}  // namespace

const QList<Command>& Commands() {
    static const QList<Command> commands = {
        {ID_FILE_NEW, QKeySequence::New, "document-new", "file-new", false},
        {ID_FILE_OPEN, QKeySequence::Open, "document-open", "file-open", false},
        {ID_FILE_CLOSE, kNoKey, "window-close", "file-close", false},
        {ID_FILE_SAVE, QKeySequence::Save, "document-save", "file-save", false},
        {ID_FILE_SAVE_AS, kNoKey, "document-save-as", "file-save-as", false},
        {ID_FILE_CHECK, kNoKey, "tools-check-spelling", "file-check", false},
        {ID_FILE_CREATE_PROFILE, kNoKey, "document-export", "file-create-profile", false},
        {ID_APP_EXIT, kNoKey, "application-exit", "app-exit", false},
        {ID_EDIT_UNDO, QKeySequence::Undo, "edit-undo", "edit-undo", false},
        {ID_EDIT_REDO, QKeySequence::Redo, "edit-redo", "edit-redo", false},
        {ID_EDIT_CUT, QKeySequence::Cut, "edit-cut", "edit-cut", false},
        {ID_EDIT_COPY, QKeySequence::Copy, "edit-copy", "edit-copy", false},
        {ID_EDIT_PASTE, QKeySequence::Paste, "edit-paste", "edit-paste", false},
        {ID_EDIT_PASTE_LINK, QKeySequence::Delete, "edit-delete", "edit-delete", false},
        {ID_EDIT_FOLLOW_REFERENCE, kNoKey, "go-jump", "follow-reference", false},
        {ID_EDIT_COPY_REFERENCE, kNoKey, nullptr, "copy-reference", false},
        {ID_EDIT_PASTE_REFERENCE, kNoKey, nullptr, "paste-reference", false},
        {ID_EDIT_CONNECTION_INFO, kNoKey, "network-wired", "connection-info", false},
        {ID_VIEW_TOOLBAR, kNoKey, nullptr, nullptr, true},
        {ID_VIEW_CUSTOMIZE, kNoKey, nullptr, "customize", false},
        {ID_VIEW_APPLOOK_WIN_2000, kNoKey, nullptr, nullptr, true},
        {ID_VIEW_APPLOOK_OFF_XP, kNoKey, nullptr, nullptr, true},
        {ID_VIEW_APPLOOK_WIN_XP, kNoKey, nullptr, nullptr, true},
        {ID_VIEW_APPLOOK_OFF_2003, kNoKey, nullptr, nullptr, true},
        {ID_VIEW_APPLOOK_VS_2005, kNoKey, nullptr, nullptr, true},
        {ID_VIEW_APPLOOK_OFF_2007_BLUE, kNoKey, nullptr, nullptr, true},
        {ID_VIEW_APPLOOK_OFF_2007_BLACK, kNoKey, nullptr, nullptr, true},
        {ID_VIEW_APPLOOK_OFF_2007_SILVER, kNoKey, nullptr, nullptr, true},
        {ID_VIEW_APPLOOK_OFF_2007_AQUA, kNoKey, nullptr, nullptr, true},
        {ID_SETTING_SYSTEM, kNoKey, "preferences-system", "setting-system", false},
        {ID_SETTING_VERSION, kNoKey, nullptr, "setting-version", false},
        {ID_SETTING_CREATE_ARCHIVE, kNoKey, "package-x-generic", "create-archive", false},
        {ID_WINDOW_MANAGER, kNoKey, nullptr, "window-manager", false},
        {ID_APP_ABOUT, kNoKey, "help-about", "app-about", false},
    };
    return commands;
}

const QList<Menu>& Menus() {
    static const QList<Menu> menus = {
        {"&File",
         {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_CLOSE, kSeparator, ID_FILE_SAVE, ID_FILE_SAVE_AS, kSeparator,
          ID_FILE_CHECK, ID_FILE_CREATE_PROFILE, kSeparator, kRecentFiles, kSeparator, ID_APP_EXIT}},
        {"&Edit",
         {ID_EDIT_UNDO, ID_EDIT_REDO, kSeparator, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE,
          ID_EDIT_PASTE_LINK, kSeparator, ID_EDIT_FOLLOW_REFERENCE, ID_EDIT_COPY_REFERENCE,
          ID_EDIT_PASTE_REFERENCE, kSeparator, ID_EDIT_CONNECTION_INFO}},
        {"&View", {ID_VIEW_TOOLBAR, kPaneToggles, kSeparator, kLookSubmenu, kSeparator, ID_VIEW_CUSTOMIZE}},
        {"&Settings", {ID_SETTING_SYSTEM, ID_SETTING_VERSION, kSeparator, ID_SETTING_CREATE_ARCHIVE}},
        {"&Window", {ID_WINDOW_MANAGER}},
        {"&Help", {ID_APP_ABOUT}},
    };
    return menus;
}

const QList<int>& ToolbarButtons() {
    static const QList<int> buttons = {ID_FILE_NEW,  ID_FILE_OPEN,  ID_FILE_SAVE, kSeparator,   ID_EDIT_CUT,
                                       ID_EDIT_COPY, ID_EDIT_PASTE, kSeparator,   ID_EDIT_UNDO, ID_EDIT_REDO,
                                       kSeparator,   ID_FILE_CHECK, kSeparator,   ID_APP_ABOUT};
    return buttons;
}

const Command* FindCommand(int id) {
    for (const Command& command : Commands())
        if (command.id == id) return &command;
    return nullptr;
}

}  // namespace MainFrameCommandTable
