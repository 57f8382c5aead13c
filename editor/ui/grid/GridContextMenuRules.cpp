#include "GridContextMenuRules.h"

namespace GridContextMenuRules {

std::array<bool, EntryCount> EnabledEntries(const Inputs& in) {
    std::array<bool, EntryCount> on{};
    on[Copy] = true;
    on[Paste] = in.clipboardHasText;
    on[Delete] = in.hasCellSelection;
    on[Cut] = in.hasCellSelection;
    on[AddElements] = true;
    on[DeleteElements] = true;
    on[FollowReference] = in.canSelectReference;
    on[CopyReferences] = in.canCopyReference;
    on[PasteReferences] = in.canPasteReference;

    if (in.currentRow < 0 || in.currentCol < 0) {
        for (Entry e : {Copy, Paste, Delete, Cut, DeleteElements, CopyReferences}) on[e] = false;
        if (in.currentRow <= 1 && in.currentCol == -1) on[AddElements] = false;
    } else {
        on[Copy] = on[Delete] = on[Cut] = true;
        if (in.currentRow == 0) {
            on[DeleteElements] = on[AddElements] = on[CopyReferences] = false;
        } else {
            on[DeleteElements] = true;
        }
        if (in.selectionMode == 3) on[CopyReferences] = on[AddElements] = false;
    }
    // An empty part has no row to stand on; without this it could never get its first element.
    if (!in.partHasElements) on[AddElements] = true;
    return on;
}

}  // namespace GridContextMenuRules
