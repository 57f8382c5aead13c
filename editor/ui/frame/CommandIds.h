#pragma once
// Command and pane ids; the numbers are those the menus, string table and callers know.

// File (application)
inline constexpr int ID_FILE_NEW = 1401;
inline constexpr int ID_FILE_OPEN = 1402;
inline constexpr int ID_FILE_CLOSE = 1403;
inline constexpr int ID_FILE_SAVE = 1404;
inline constexpr int ID_FILE_SAVE_AS = 1405;
inline constexpr int ID_FILE_CREATE_PROFILE = 1406;
inline constexpr int ID_FILE_CHECK = 1407;
inline constexpr int ID_APP_EXIT = 57665;
// The first of the four recent-file entries.
inline constexpr int ID_FILE_MRU_FILE1 = 57616;
inline constexpr int kRecentFileCount = 4;

// Edit
inline constexpr int ID_EDIT_UNDO = 57643;
inline constexpr int ID_EDIT_REDO = 57644;
inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_CUT = 57635;
inline constexpr int ID_EDIT_PASTE = 57637;
inline constexpr int ID_EDIT_PASTE_LINK = 57638;  // serves as Delete
inline constexpr int ID_EDIT_FOLLOW_REFERENCE = 1505;
inline constexpr int ID_EDIT_COPY_REFERENCE = 1506;
inline constexpr int ID_EDIT_PASTE_REFERENCE = 1507;
inline constexpr int ID_EDIT_CONNECTION_INFO = 32815;

// Settings
inline constexpr int ID_SETTING_SYSTEM = 1601;
inline constexpr int ID_SETTING_CREATE_ARCHIVE = 1602;
inline constexpr int ID_SETTING_VERSION = 1603;

// Help
inline constexpr int ID_APP_ABOUT = 1701;

// View and window
inline constexpr int ID_VIEW_TOOLBAR = 0xE800;
inline constexpr int ID_VIEW_CUSTOMIZE = 158;
inline constexpr int ID_WINDOW_MANAGER = 131;
inline constexpr int ID_VIEW_APPLOOK_FIRST = 210;
inline constexpr int ID_VIEW_APPLOOK_WIN_2000 = 210;
inline constexpr int ID_VIEW_APPLOOK_OFF_XP = 211;
inline constexpr int ID_VIEW_APPLOOK_WIN_XP = 212;
inline constexpr int ID_VIEW_APPLOOK_OFF_2003 = 213;
inline constexpr int ID_VIEW_APPLOOK_VS_2005 = 214;
inline constexpr int ID_VIEW_APPLOOK_OFF_2007_BLUE = 215;
inline constexpr int ID_VIEW_APPLOOK_OFF_2007_BLACK = 216;
inline constexpr int ID_VIEW_APPLOOK_OFF_2007_SILVER = 217;
inline constexpr int ID_VIEW_APPLOOK_OFF_2007_AQUA = 218;
inline constexpr int ID_VIEW_APPLOOK_LAST = 218;
inline constexpr int kDefaultApplicationLook = ID_VIEW_APPLOOK_VS_2005;

// Output pane
inline constexpr int ID_OUTPUT_COPY = 32802;
inline constexpr int ID_OUTPUT_CLEAR = 57632;

// Panes (child ids double as their hide commands)
inline constexpr int ID_PANE_PROFILE_TREE = 134;
inline constexpr int ID_PANE_OUTPUT = 149;

// Pane icons of the normal set; the high-colour one is the next id
inline constexpr int IDI_PROFILE_TREE_PANE = 163;
inline constexpr int IDI_OUTPUT_PANE = 165;

// Strings of the frame and panes
inline constexpr int IDS_TOOLBAR_STANDARD = 124;
inline constexpr int IDS_TOOLBAR_CUSTOMIZE = 125;
inline constexpr int IDS_PROFILE_TREE_PANE = 156;
inline constexpr int IDS_OUTPUT_PANE = 157;
inline constexpr int IDS_OUTPUT_TAB = 301;
