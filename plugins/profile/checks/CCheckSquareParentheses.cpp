#include "CCheckSquareParentheses.h"

#include "CCheckContext.h"

#include "CPELFM_ItemInfo.h"
#include "CheckHelpers.h"

int CCheckSquareParentheses::Check() {
    if (ItemKind() != ASSIGN) return 1;
    CPELFM_ItemInfo* item = Item();
    if (Internal::ValueKind(item) != VALUE_ANGLE_LIST) return 1;
    // Only a list that splits is judged; a split that throws passes the target.
    context_.SplitPieces(item, VALUE_ANGLE_LIST);
    QString rest = Internal::RemoveEscapeSequences(item->GetFirstValue());
    while (!rest.isEmpty()) {
        if (rest.front() != u'<') {
            messageId_ = 40025;
            return 0;
        }
        rest.remove(0, 1);
        const qsizetype lt = rest.indexOf(u'<');
        const qsizetype gt = rest.indexOf(u'>');
        if (gt < 0) {
            messageId_ = 40025;
            return 0;
        }
        if (lt >= 0 && lt < gt) {
            messageId_ = 40026;
            return 0;
        }
        rest.remove(0, gt + 1);
    }
    return 1;
}

void CCheckSquareParentheses::SetMessageId() {
    SetTargetMessageId(messageId_);
}
