#pragma once
#include <array>

// The entries of the part grid's context menu and when each is enabled.
namespace GridContextMenuRules {

enum Entry {
    Copy,
    Paste,
    Delete,
    Cut,
    AddElements,
    DeleteElements,
    FollowReference,
    CopyReferences,
    PasteReferences,
    EntryCount
};

// Menu commands and text ids of the entries, in menu order (a separator follows Cut).
inline constexpr std::array<int, EntryCount> kCommandIds{32780, 32781, 32801, 32803, 32788,
                                                         32786, 32789, 32798, 32800};
inline constexpr std::array<int, EntryCount> kTextIds{7000, 7001, 7007, 7008, 7002, 7003, 7004, 7005, 7006};

struct Inputs {
    bool clipboardHasText = false;
    bool hasCellSelection = false;
    bool canSelectReference = false;
    bool canCopyReference = false;
    bool canPasteReference = false;
    int currentRow = -1;
    int currentCol = -1;
    int selectionMode = 1;
    bool partHasElements = true;
};

std::array<bool, EntryCount> EnabledEntries(const Inputs& in);

}  // namespace GridContextMenuRules
