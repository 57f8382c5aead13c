#include <gtest/gtest.h>

#include "BaseCommandManager.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CommandIds.h"
#include "ConnectionInfoEdit.h"
#include "EditCommandRouting.h"
#include "UiTestSupport.h"

using namespace UiTest;

namespace {

struct Tree final : IRoutedTreePane {
    bool canCopy = false, canPaste = false, canDelete = false;
    CPELFM_NodeBase* selected = nullptr;
    QStringList calls;
    bool CanCopySelectedNode() override { return canCopy; }
    void CopySelectedNode() override { calls << "copyNode"; }
    bool CanPasteNode() override { return canPaste; }
    void PasteNode() override { calls << "pasteNode"; }
    bool CanDeleteSelectedNode() override { return canDelete; }
    void DeleteSelectedNode() override { calls << "deleteNode"; }
    CPELFM_NodeBase* SelectedNode() override { return selected; }
    void CopyPartReference() override { calls << "copyPartRef"; }
};

struct View final : IRoutedPartView {
    bool editing = false, selection = false, selectRef = false, copyRef = false;
    int pasteRef = 0;
    QStringList calls;
    bool IsEditingCell() override { return editing; }
    void CopySelectedCells() override { calls << "copyCells"; }
    void DeleteSelectedCells() override { calls << "deleteCells"; }
    bool HasCellSelection() override { return selection; }
    bool AcceptsClipboardText(const QString& text) override { return text != "refused"; }
    void PasteCells() override { calls << "pasteCells"; }
    bool CanSelectReference() override { return selectRef; }
    void OnSelectReference() override { calls << "selectRef"; }
    bool CanCopyReference() override { return copyRef; }
    void OnCopyReference() override { calls << "copyRef"; }
    int CanPasteReference() override { return pasteRef; }
    void OnPasteReference() override { calls << "pasteRef"; }
};

struct History final : BaseCommandManager {
    bool undo = false, redo = false;
    QStringList calls;
    bool Execute(BaseCommand*) override { return false; }
    void Clear() override { calls << "clear"; }
    void Undo() override { calls << "undo"; }
    void Redo() override { calls << "redo"; }
    bool CanUndo() const override { return undo; }
    bool CanRedo() const override { return redo; }
};

struct Case {
    const char* name;
    int id;
    std::function<void(EditRoute&, Tree&, View&, History&)> setUp;
    bool enabled;
    QStringList treeCalls, viewCalls, historyCalls;
};

TEST(EditCommandRouting, EachCommandGoesWhereTheFocusAndTheRulesSendIt) {
    CPELFM_PartInfo enumPart, infoPart;
    enumPart.partType = PART_ENUM;
    infoPart.partType = PART_BLOCK_INFO;
    const auto treeFocus = [](EditRoute& r) { r.treeFocus = true; };
    const auto noView = [](EditRoute& r) { r.view = nullptr; };
    const QList<Case> cases = {
        {"undo with history", ID_EDIT_UNDO, [](EditRoute&, Tree&, View&, History& h) { h.undo = true; }, true,
         {}, {}, {"undo"}},
        {"undo during a cell edit", ID_EDIT_UNDO,
         [](EditRoute&, Tree&, View& v, History& h) { h.undo = v.editing = true; }, false, {}, {}, {}},
        {"undo without a view ignores editing", ID_EDIT_UNDO,
         [&](EditRoute& r, Tree&, View& v, History& h) { h.undo = v.editing = true; noView(r); }, true, {}, {},
         {"undo"}},
        {"redo empty", ID_EDIT_REDO, [](EditRoute&, Tree&, View&, History&) {}, false, {}, {}, {}},
        {"redo", ID_EDIT_REDO, [](EditRoute&, Tree&, View&, History& h) { h.redo = true; }, true, {}, {}, {"redo"}},
        {"copy node in tree", ID_EDIT_COPY,
         [&](EditRoute& r, Tree& t, View&, History&) { treeFocus(r); t.canCopy = true; }, true, {"copyNode"}, {}, {}},
        {"copy on an uncopyable node with a view copies nothing", ID_EDIT_COPY,
         [&](EditRoute& r, Tree&, View&, History&) { treeFocus(r); }, true, {}, {}, {}},
        {"copy on an uncopyable node without a view", ID_EDIT_COPY,
         [&](EditRoute& r, Tree&, View&, History&) { treeFocus(r); noView(r); }, false, {}, {}, {}},
        {"copy cells", ID_EDIT_COPY, [](EditRoute&, Tree& t, View&, History&) { t.canCopy = true; }, true, {},
         {"copyCells"}, {}},
        {"cut without selection", ID_EDIT_CUT, [](EditRoute&, Tree&, View&, History&) {}, false, {}, {}, {}},
        {"cut copies then deletes", ID_EDIT_CUT, [](EditRoute&, Tree&, View& v, History&) { v.selection = true; },
         true, {}, {"copyCells", "deleteCells"}, {}},
        {"paste node", ID_EDIT_PASTE,
         [&](EditRoute& r, Tree& t, View&, History&) { treeFocus(r); t.canPaste = true; }, true, {"pasteNode"}, {},
         {}},
        {"paste falls through to cells", ID_EDIT_PASTE,
         [&](EditRoute& r, Tree&, View&, History&) { treeFocus(r); r.clipboardText = "a\tb"; }, true, {},
         {"pasteCells"}, {}},
        {"paste refused text", ID_EDIT_PASTE,
         [](EditRoute& r, Tree&, View&, History&) { r.clipboardText = "refused"; }, false, {}, {}, {}},
        {"paste without clipboard text", ID_EDIT_PASTE, [](EditRoute&, Tree&, View&, History&) {}, false, {}, {},
         {}},
        {"delete node by the tree's rule", ID_EDIT_PASTE_LINK,
         [&](EditRoute& r, Tree& t, View& v, History&) { treeFocus(r); t.canDelete = true; v.selection = true; },
         true, {"deleteNode"}, {}, {}},
        {"tree refuses delete even with a cell selection", ID_EDIT_PASTE_LINK,
         [&](EditRoute& r, Tree&, View& v, History&) { treeFocus(r); v.selection = true; }, false, {}, {}, {}},
        {"delete cells", ID_EDIT_PASTE_LINK, [](EditRoute&, Tree&, View& v, History&) { v.selection = true; }, true,
         {}, {"deleteCells"}, {}},
        {"select reference", ID_EDIT_FOLLOW_REFERENCE,
         [](EditRoute&, Tree&, View& v, History&) { v.selectRef = true; }, true, {}, {"selectRef"}, {}},
        {"copy reference of an enum part", ID_EDIT_COPY_REFERENCE,
         [&](EditRoute& r, Tree& t, View&, History&) { treeFocus(r); t.selected = &enumPart; }, true,
         {"copyPartRef"}, {}, {}},
        {"copy reference of an info part", ID_EDIT_COPY_REFERENCE,
         [&](EditRoute& r, Tree& t, View& v, History&) { treeFocus(r); t.selected = &infoPart; v.copyRef = true; },
         false, {}, {}, {}},
        {"copy reference in the grid", ID_EDIT_COPY_REFERENCE,
         [](EditRoute&, Tree&, View& v, History&) { v.copyRef = true; }, true, {}, {"copyRef"}, {}},
        {"paste reference needs copied references", ID_EDIT_PASTE_REFERENCE,
         [](EditRoute&, Tree&, View& v, History&) { v.pasteRef = 1; }, false, {}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Tree tree;
        View view;
        History history;
        QStringList copied;
        EditRoute route{false, &tree, &view, &history, std::nullopt, &copied};
        c.setUp(route, tree, view, history);
        EXPECT_EQ(IsEditCommandEnabled(c.id, route), c.enabled);
        RunEditCommand(c.id, route);
        EXPECT_EQ(tree.calls, c.treeCalls);
        EXPECT_EQ(view.calls, c.viewCalls);
        EXPECT_EQ(history.calls, c.historyCalls);
    }
}

TEST(EditCommandRouting, CopyReferenceEmptiesTheListAndPasteNeedsItFilled) {
    Tree tree;
    View view;
    QStringList copied{"old"};
    EditRoute route{false, &tree, &view, nullptr, std::nullopt, &copied};
    view.copyRef = true;
    view.pasteRef = 1;
    EXPECT_TRUE(IsEditCommandEnabled(ID_EDIT_PASTE_REFERENCE, route));
    RunEditCommand(ID_EDIT_COPY_REFERENCE, route);
    EXPECT_TRUE(copied.isEmpty());
    EXPECT_FALSE(IsEditCommandEnabled(ID_EDIT_PASTE_REFERENCE, route));
    EXPECT_FALSE(IsEditCommandEnabled(ID_EDIT_UNDO, route));
}

struct Host final : IConnectionInfoHost {
    CPELFM_NodeBase* selected = nullptr;
    CPELFM_NodeBase* remembered = nullptr;
    QStringList calls;
    CPELFM_NodeBase* SelectedTreeNode() override { return selected; }
    void RememberTreeSelection(CPELFM_NodeBase* node) override { remembered = node; }
    void ClosePartView(CPELFM_PartInfo* part) override { calls << "close " + part->name; }
    void ReloadPartView(const QString& section, const QString& part) override {
        calls << "reload " + section + "/" + part;
    }
    void RebuildProfileTree() override { calls << "rebuild"; }
    void ClearOutput() override { calls << "clearOutput"; }
    void ClearHistory() override { calls << "clearHistory"; }
    void SetConnectionInfoModified() override { calls << "modified"; }
};

TEST(ConnectionInfoEdit, RemovedPartsGoAfterTheHistoryAndTheNextSiblingIsReselected) {
    CPELFM_ProfileInfo root;
    CPELFM_SectionInfo* comm = AddSection(root, "Comm", SECTION_COMM_IF);
    CPELFM_PartInfo* a = AddPart(*comm, "A", PART_COMM_IF_INFO);
    CPELFM_PartInfo* b = AddPart(*comm, "B", PART_COMM_IF_INFO);
    CPELFM_PartInfo* c = AddPart(*comm, "C", PART_COMM_IF_INFO);
    CPELFM_PartInfo* d = AddPart(*comm, "D", PART_COMM_IF_INFO);
    struct Run {
        const char* name;
        CPELFM_NodeBase* selected;
        int result;
        QList<CPELFM_PartInfo*> removed, changed;
        CPELFM_NodeBase* remembered;
        QStringList calls;
    };
    // Runs are ordered so that each works on what the earlier ones left.
    const QList<Run> runs = {
        {"nothing applied changes nothing", b, CONNECTION_EDIT_NOTHING_APPLIED, {}, {}, nullptr, {}},
        {"selected part removed: the next sibling", b, CONNECTION_EDIT_APPLIED, {b}, {c}, c,
         {"clearHistory", "close B", "reload Comm/C", "rebuild", "clearOutput", "clearHistory", "modified"}},
        {"last part removed: the nearest earlier one", d, CONNECTION_EDIT_APPLIED, {d}, {}, c,
         {"clearHistory", "close D", "rebuild", "clearOutput", "clearHistory", "modified"}},
        {"a section stays selected", comm, CONNECTION_EDIT_APPLIED, {}, {}, comm,
         {"clearHistory", "rebuild", "clearOutput", "clearHistory", "modified"}},
    };
    for (const Run& run : runs) {
        SCOPED_TRACE(run.name);
        FakeProfilePlugin plugin;
        plugin.editConnections = [&](CPELFM_ProfileInfo* r, QList<CPELFM_PartInfo*>* removed,
                                     QList<CPELFM_PartInfo*>* changed) {
            EXPECT_EQ(r, &root);
            *removed = run.removed;
            *changed = run.changed;
            return run.result;
        };
        Host host;
        host.selected = run.selected;
        EXPECT_EQ(EditConnectionInfo(plugin, nullptr, root, host), run.result);
        EXPECT_EQ(host.remembered, run.remembered);
        EXPECT_EQ(host.calls, run.calls);
        for (CPELFM_PartInfo* gone : run.removed) EXPECT_FALSE(comm->parts.contains(gone));
    }
    EXPECT_EQ(comm->parts, (QList<CPELFM_PartInfo*>{a, c}));
}

}  // namespace
