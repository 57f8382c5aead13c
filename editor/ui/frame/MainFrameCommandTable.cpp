#include "MainFrameCommandTable.h"

#include "CommandIds.h"

namespace MainFrameCommandTable {

namespace {

constexpr QKeySequence::StandardKey kNoKey = QKeySequence::UnknownKey;
constexpr QStyle::StandardPixmap kNoIcon = QStyle::SP_CustomBase;

}  // namespace

const QList<Command>& Commands() {
    static const QList<Command> commands = {
        {ID_FILE_NEW, QKeySequence::New, QStyle::SP_FileIcon, false},
        {ID_FILE_OPEN, QKeySequence::Open, QStyle::SP_DialogOpenButton, false},
        {ID_FILE_CLOSE, kNoKey, kNoIcon, false},
        {ID_FILE_SAVE, QKeySequence::Save, QStyle::SP_DialogSaveButton, false},
        {ID_FILE_SAVE_AS, kNoKey, kNoIcon, false},
        {ID_FILE_CHECK, kNoKey, QStyle::SP_DialogApplyButton, false},
        {ID_FILE_CREATE_PROFILE, kNoKey, kNoIcon, false},
        {ID_APP_EXIT, kNoKey, kNoIcon, false},
        {ID_EDIT_UNDO, QKeySequence::Undo, QStyle::SP_ArrowBack, false},
        {ID_EDIT_REDO, QKeySequence::Redo, QStyle::SP_ArrowForward, false},
        {ID_EDIT_CUT, QKeySequence::Cut, kNoIcon, false},
        {ID_EDIT_COPY, QKeySequence::Copy, kNoIcon, false},
        {ID_EDIT_PASTE, QKeySequence::Paste, kNoIcon, false},
        {ID_EDIT_PASTE_LINK, QKeySequence::Delete, QStyle::SP_TrashIcon, false},
        {ID_EDIT_FOLLOW_REFERENCE, kNoKey, kNoIcon, false},
        {ID_EDIT_COPY_REFERENCE, kNoKey, kNoIcon, false},
        {ID_EDIT_PASTE_REFERENCE, kNoKey, kNoIcon, false},
        {ID_EDIT_CONNECTION_INFO, kNoKey, kNoIcon, false},
        {ID_VIEW_TOOLBAR, kNoKey, kNoIcon, true},
        {ID_VIEW_APPLOOK_WIN_2000, kNoKey, kNoIcon, true},
        {ID_VIEW_APPLOOK_OFF_XP, kNoKey, kNoIcon, true},
        {ID_VIEW_APPLOOK_WIN_XP, kNoKey, kNoIcon, true},
        {ID_VIEW_APPLOOK_OFF_2003, kNoKey, kNoIcon, true},
        {ID_VIEW_APPLOOK_VS_2005, kNoKey, kNoIcon, true},
        {ID_VIEW_APPLOOK_OFF_2007_BLUE, kNoKey, kNoIcon, true},
        {ID_VIEW_APPLOOK_OFF_2007_BLACK, kNoKey, kNoIcon, true},
        {ID_VIEW_APPLOOK_OFF_2007_SILVER, kNoKey, kNoIcon, true},
        {ID_VIEW_APPLOOK_OFF_2007_AQUA, kNoKey, kNoIcon, true},
        {ID_SETTING_SYSTEM, kNoKey, kNoIcon, false},
        {ID_SETTING_VERSION, kNoKey, kNoIcon, false},
        {ID_SETTING_CREATE_ARCHIVE, kNoKey, kNoIcon, false},
        {ID_WINDOW_MANAGER, kNoKey, kNoIcon, false},
        {ID_APP_ABOUT, kNoKey, QStyle::SP_MessageBoxInformation, false},
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
        {"&View", {ID_VIEW_TOOLBAR, kPaneToggles, kSeparator, kLookSubmenu}},
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
