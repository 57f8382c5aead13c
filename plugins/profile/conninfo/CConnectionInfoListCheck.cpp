#include "CConnectionInfoListCheck.h"

#include "CPELFM_PartInfo.h"
#include "CPELFM_SectionInfo.h"
#include "ConnectionInfoIds.h"
#include "ResourceMessage.h"

int CConnectionInfoListCheck::Run(CPELFM_SectionInfo& copy, const IStringSource& strings,
                                  IMessagePresenter& presenter, QList<CPELFM_PartInfo*>& cut) {
    cut.clear();
    QList<CPELFM_PartInfo*> connections;
    copy.GetPartsByType(connections, PART_DEVICE_IF);
    if (connections.size() > ConnInfo::kMaxConnections) return ConnInfo::kTooMany;
    for (CPELFM_PartInfo* part : connections) {
        if (part->comment.size() > ConnInfo::kMaxCommentLength) {
            part->comment.truncate(ConnInfo::kMaxCommentLength);
            cut.append(part);
        }
    }
    if (cut.isEmpty()) return ConnInfo::kDone;
    const int answer =
        ShowMessageBox(presenter, FormatResourceMessage(strings, {}, ConnInfo::IDS_CUT_COMMENTS), QString(),
                       MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    return answer == IDYES ? ConnInfo::kDone : ConnInfo::kNothing;
}
