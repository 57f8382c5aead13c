#include "ConnectionLabelCheck.h"

#include "CConnectionInfoCheckDlgData.h"
#include "CConnectionInfoWorkSet.h"
#include "CProfilePlugin.h"
#include "ConnectionFieldRules.h"
#include "ConnectionInfoIds.h"

namespace ConnInfo {

int CheckConnectionLabel(const CConnectionInfoWorkSet* workSet, const QString& label,
                         const CConnectionInfoCheckDlgData& checkData, const QString& loadedLabel) {
    if (!workSet || !checkData.plugin) return kLabelFailure;
    try {
        if (label.isEmpty()) return kLabelEmpty;
        if (label.size() > kMaxLabelLength) return kLabelTooLong;
        if (!IsPrintableAscii(label)) return kLabelNotAscii;
        const int rule = checkData.plugin->ValidateLabel(label, 0);
        if (rule == LABEL_PROHIBITED_CHARACTER || rule == LABEL_LEADING_DIGIT || rule == LABEL_RESERVED_WORD)
            return rule;
        if (rule != LABEL_VALID) return kLabelFailure;
        if (label != loadedLabel && workSet->IsLabelUsed(label)) return kLabelUsed;
    } catch (...) {
        return kLabelFailure;
    }
    return kLabelOk;
}

int ConnectionLabelMessageId(int code) {
    switch (code) {
        case kLabelOk:
            return 0;
        case kLabelEmpty:
            return IDS_LABEL_EMPTY;
        case kLabelTooLong:
            return IDS_LABEL_TOO_LONG;
        case kLabelNotAscii:
            return IDS_LABEL_NOT_ASCII;
        case LABEL_PROHIBITED_CHARACTER:
            return IDS_LABEL_PROHIBITED;
        case LABEL_LEADING_DIGIT:
            return IDS_LABEL_LEADING;
        case LABEL_RESERVED_WORD:
            return IDS_LABEL_RESERVED;
        case kLabelUsed:
            return IDS_LABEL_USED;
        default:
            return IDS_FAILURE;
    }
}

}  // namespace ConnInfo
