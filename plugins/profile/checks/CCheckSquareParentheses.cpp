#include "CCheckSquareParentheses.h"

#include "CCheckContext.h"

#include "CPELFM_ItemInfo.h"
#include "CheckHelpers.h"

int CCheckSquareParentheses::Check() {
    if (ItemKind() != ASSIGN) return 1;
    CPELFM_ItemInfo* item = Item();
    if (Internal::ValueKind(item) != VALUE_ANGLE_LIST) return 1;
    // The verdict depends on the text alone, and assignments repeat from element to element.
    const QString& text = Internal::FirstValue(item);
    auto it = verdicts_.constFind(text);
    if (it == verdicts_.cend()) it = verdicts_.insert(text, Judge(item));
    if (*it == 1) return 1;
    messageId_ = *it;
    return 0;
}

int CCheckSquareParentheses::Judge(CPELFM_ItemInfo* item) {
    // Only a list that splits is judged; a list that does not split passes.
    try {
        context_.SplitPieces(item, VALUE_ANGLE_LIST);
    } catch (...) {
        return 1;
    }
    QString rest = Internal::RemoveEscapeSequences(item->GetFirstValue());
    while (!rest.isEmpty()) {
        if (rest.front() != u'<') return 40025;
        rest.remove(0, 1);
        const qsizetype lt = rest.indexOf(u'<');
        const qsizetype gt = rest.indexOf(u'>');
        if (gt < 0) return 40025;
        if (lt >= 0 && lt < gt) return 40026;
        rest.remove(0, gt + 1);
    }
    return 1;
}

void CCheckSquareParentheses::SetMessageId() {
    SetTargetMessageId(messageId_);
}
