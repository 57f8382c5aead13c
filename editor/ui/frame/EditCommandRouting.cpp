#include "EditCommandRouting.h"

#include "BaseCommandManager.h"
#include "CPELFM_PartInfo.h"
#include "CommandIds.h"
#include "ProfileInnerConst.h"

namespace {

bool TreeRoutes(const EditRoute& route) { return route.treeFocus && route.tree; }

bool CanPasteCells(const EditRoute& route) {
    return route.view && route.clipboardText && route.view->AcceptsClipboardText(*route.clipboardText);
}

// Only these parts can be the target of a reference.
bool IsReferencedPart(CPELFM_NodeBase* node) {
    const auto* part = NodeCast<CPELFM_PartInfo>(node);
    return part && (part->partType == PART_BLOCK_MEMORY || part->partType == PART_BLOCK_PARAM ||
                    part->partType == PART_ENUM);
}

bool CanUndoOrRedo(const EditRoute& route, bool historyHasEntry) {
    // Undoing under an open cell editor would change the model beneath what is being typed.
    return historyHasEntry && !(route.view && route.view->IsEditingCell());
}

}  // namespace

bool IsRoutedEditCommand(int id) {
    switch (id) {
    case ID_EDIT_UNDO:
    case ID_EDIT_REDO:
    case ID_EDIT_COPY:
    case ID_EDIT_CUT:
    case ID_EDIT_PASTE:
    case ID_EDIT_PASTE_LINK:
    case ID_EDIT_FOLLOW_REFERENCE:
    case ID_EDIT_COPY_REFERENCE:
    case ID_EDIT_PASTE_REFERENCE:
        return true;
    default:
        return false;
    }
}

bool IsEditCommandEnabled(int id, const EditRoute& route) {
    IRoutedPartView* view = route.view;
    switch (id) {
    case ID_EDIT_UNDO:
        return route.history && CanUndoOrRedo(route, route.history->CanUndo());
    case ID_EDIT_REDO:
        return route.history && CanUndoOrRedo(route, route.history->CanRedo());
    case ID_EDIT_COPY:
        // With a part view active, Copy stays enabled even when the tree's node cannot be copied.
        return (TreeRoutes(route) && route.tree->CanCopySelectedNode()) || view;
    case ID_EDIT_CUT:
        return view && view->HasCellSelection();
    case ID_EDIT_PASTE:
        return (TreeRoutes(route) && route.tree->CanPasteNode()) || CanPasteCells(route);
    case ID_EDIT_PASTE_LINK:
        if (TreeRoutes(route)) return route.tree->CanDeleteSelectedNode();
        return view && view->HasCellSelection();
    case ID_EDIT_FOLLOW_REFERENCE:
        return view && view->CanSelectReference();
    case ID_EDIT_COPY_REFERENCE:
        if (TreeRoutes(route)) return IsReferencedPart(route.tree->SelectedNode());
        return view && view->CanCopyReference();
    case ID_EDIT_PASTE_REFERENCE:
        return view && route.copiedReferences && !route.copiedReferences->isEmpty() &&
               view->CanPasteReference() == 1;
    default:
        return false;
    }
}

void RunEditCommand(int id, EditRoute& route) {
    if (!IsEditCommandEnabled(id, route)) return;
    IRoutedPartView* view = route.view;
    switch (id) {
    case ID_EDIT_UNDO:
        route.history->Undo();
        break;
    case ID_EDIT_REDO:
        route.history->Redo();
        break;
    case ID_EDIT_COPY:
        if (TreeRoutes(route)) {
            if (route.tree->CanCopySelectedNode()) route.tree->CopySelectedNode();
        } else {
            view->CopySelectedCells();
        }
        break;
    case ID_EDIT_CUT:
        view->CopySelectedCells();
        view->DeleteSelectedCells();
        break;
    case ID_EDIT_PASTE:
        if (TreeRoutes(route) && route.tree->CanPasteNode())
            route.tree->PasteNode();
        else
            view->PasteCells();
        break;
    case ID_EDIT_PASTE_LINK:
        if (TreeRoutes(route))
            route.tree->DeleteSelectedNode();
        else
            view->DeleteSelectedCells();
        break;
    case ID_EDIT_FOLLOW_REFERENCE:
        view->OnSelectReference();
        break;
    case ID_EDIT_COPY_REFERENCE:
        if (route.copiedReferences) route.copiedReferences->clear();
        if (TreeRoutes(route))
            route.tree->CopyPartReference();
        else
            view->OnCopyReference();
        break;
    case ID_EDIT_PASTE_REFERENCE:
        view->OnPasteReference();
        break;
    default:
        break;
    }
}
