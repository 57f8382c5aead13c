#include "CCheckRepetitionLabel.h"

#include "CCheckContext.h"
#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CheckHelpers.h"
#include "CheckNumber.h"

CCheckRepetitionLabel::Key CCheckRepetitionLabel::MakeKey(const QString& label) const {
    const CPELFM_SectionInfo* section = Section();
    return Key{Internal::AsciiLower(section ? section->name : QString()), Internal::AsciiLower(Part()->name),
               Internal::AsciiLower(label)};
}

int CCheckRepetitionLabel::Check() {
    if (ItemKind() != LABEL) return 1;
    int result = 1;
    const QString label = Item()->GetFirstValue();
    if (!label.isEmpty()) {
        const Key key = MakeKey(label);
        if (labels_.contains(key)) {
            AddMessageArgument(label);
            messageId_ = 40012;
            result = 0;
        } else {
            labels_.insert(key);
        }
    }
    // Second labels are judged whether or not the label was a duplicate.
    const CPELFM_ItemInfo* label2 = Elem()->FindItem(LABEL2, 2);
    const QString second = Internal::FirstValueOrEmpty(label2);
    if (!second.isEmpty()) {
        const Key key = MakeKey(second);
        if (secondLabels_.contains(key)) {
            _ST_PEL_CHECK_MESSAGE m = context_.ElementMessage(Elem(), 40012, LABEL2);
            m.arguments.append(second);
            context_.AppendMessage(m);
        } else {
            secondLabels_.insert(key);
        }
    }
    return result;
}

void CCheckRepetitionLabel::SetMessageId() {
    SetTargetMessageId(messageId_);
}
