#include "ConnectionInfoEdit.h"

#include <QList>

#include "CPELFM_PartInfo.h"
#include "CPELFM_SectionInfo.h"
#include "IProfilePlugin.h"
#include "CPELFM_NodeBase.h"

namespace {

// The selected part, then its later siblings in order, then its earlier ones nearest first: the
// order in which another part takes the selection when the selected one goes away.
QList<CPELFM_PartInfo*> ReselectionOrder(CPELFM_PartInfo& part) {
    QList<CPELFM_PartInfo*> order{&part};
    if (!part.ownerSection) return order;
    const QList<CPELFM_PartInfo*>& siblings = part.ownerSection->parts;
    const qsizetype at = siblings.indexOf(&part);
    if (at < 0) return order;
    for (qsizetype i = at + 1; i < siblings.size(); ++i) order.append(siblings[i]);
    for (qsizetype i = at - 1; i >= 0; --i) order.append(siblings[i]);
    return order;
}

}  // namespace

int EditConnectionInfo(IProfilePlugin& plugin, QWidget* parent, CPELFM_ProfileInfo& root,
                       IConnectionInfoHost& host) {
    CPELFM_NodeBase* selected = host.SelectedTreeNode();
    auto* selectedPart = NodeCast<CPELFM_PartInfo>(selected);
    QList<CPELFM_PartInfo*> reselection;
    if (selectedPart)
        reselection = ReselectionOrder(*selectedPart);
    else if (selected)
        host.RememberTreeSelection(selected);

    QList<CPELFM_PartInfo*> removed;
    QList<CPELFM_PartInfo*> changed;
    const int result = plugin.EditConnectionInfo(parent, &root, &removed, &changed);
    if (result != CONNECTION_EDIT_APPLIED) return result;

    // Commands in the history may point at the parts about to be deleted.
    host.ClearHistory();
    for (qsizetype i = removed.size() - 1; i >= 0; --i) {
        CPELFM_PartInfo* part = removed[i];
        if (!part) continue;
        host.ClosePartView(part);
        if (part->ownerSection) part->ownerSection->parts.removeOne(part);
        // By identity: a part of the same name in another section is still there.
        reselection.removeAll(part);
        delete part;
    }
    for (CPELFM_PartInfo* part : changed) {
        if (removed.contains(part)) continue;  // already deleted above
        if (part && part->ownerSection) host.ReloadPartView(part->ownerSection->name, part->name);
    }
    if (selectedPart && !reselection.isEmpty()) host.RememberTreeSelection(reselection.first());

    host.RebuildProfileTree();
    host.ClearOutput();
    host.ClearHistory();
    host.SetConnectionInfoModified();
    return result;
}
