#include "ConnectionInfoEntry.h"

#include <QApplication>

#include "CConnectionInfoSession.h"
#include "CConnectionInfoStringSource.h"
#include "CProfilePlugin.h"
#include "ConnectionInfoIds.h"
#include "QtConnectionInfoPresenter.h"
#include "ResourceMessage.h"

namespace ConnInfo {

int EditConnectionInfo(CProfilePlugin& plugin, IConnectionInfoPresenter& presenter, QWidget* parent,
                       CPELFM_ProfileInfo* root, QList<CPELFM_PartInfo*>* removedParts,
                       QList<CPELFM_PartInfo*>* changedParts) {
    const CConnectionInfoStringSource strings(plugin.Settings());
    auto failed = [&] {
        ShowResourceMessage(strings, presenter, {}, IDS_FAILURE, MB_ICONINFORMATION);
        return CONNECTION_EDIT_FAILED;
    };
    if (!parent || !root || !removedParts || !changedParts) return failed();
    try {
        CConnectionInfoSession session(plugin, presenter, strings);
        switch (session.Run(parent, root, removedParts, changedParts)) {
            case kDone:
                return CONNECTION_EDIT_APPLIED;
            case kNothing:
                return CONNECTION_EDIT_NOTHING_APPLIED;
            case kTooMany:
                ShowResourceMessage(strings, presenter, {}, IDS_TOO_MANY_CONNECTIONS, MB_ICONINFORMATION);
                return CONNECTION_EDIT_TOO_MANY;
            default:
                return failed();
        }
    } catch (...) {
        // Whatever was collected belongs to a run that did not finish.
        removedParts->clear();
        changedParts->clear();
        return failed();
    }
}

int RunConnectionInfoEditor(CProfilePlugin& plugin, QWidget* parent, CPELFM_ProfileInfo* root,
                            QList<CPELFM_PartInfo*>* removedParts, QList<CPELFM_PartInfo*>* changedParts) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return CONNECTION_EDIT_FAILED;
    QtConnectionInfoPresenter presenter(parent);
    return EditConnectionInfo(plugin, presenter, parent, root, removedParts, changedParts);
}

}  // namespace ConnInfo
