#include "CCheckRepetitionLabel.h"

#include "CCheckContext.h"
#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CheckHelpers.h"
#include "CheckNumber.h"

CCheckRepetitionLabel::PartLabels& CCheckRepetitionLabel::LabelsOfPart() {
    CPELFM_PartInfo* part = Part();
    if (part != lastPart_) {
        const CPELFM_SectionInfo* section = Section();
        const std::pair<QString, QString> key{Internal::AsciiLower(section ? section->name : QString()),
                                              Internal::AsciiLower(part->name)};
        auto it = partIndex_.constFind(key);
        if (it == partIndex_.cend()) {
            it = partIndex_.insert(key, int(parts_.size()));
            parts_.emplace_back().labels.reserve(part->ElemCount());
        }
        lastPart_ = part;
        lastIndex_ = *it;
    }
    return parts_[size_t(lastIndex_)];
}

int CCheckRepetitionLabel::Check() {
    if (ItemKind() != LABEL) return 1;
    PartLabels& seen = LabelsOfPart();
    int result = 1;
    const QString& label = Internal::FirstValue(Item());
    if (!label.isEmpty()) {
        const Label key{label};
        if (seen.labels.contains(key)) {
            AddMessageArgument(label);
            messageId_ = 40012;
            result = 0;
        } else {
            seen.labels.insert(key);
        }
    }
    // Second labels are judged whether or not the label was a duplicate.
    const CPELFM_ItemInfo* label2 = context_.References().FindItem(Elem(), LABEL2, 2);
    const QString& second = Internal::FirstValueOrEmpty(label2);
    if (!second.isEmpty()) {
        const Label key{second};
        if (seen.secondLabels.contains(key)) {
            _ST_PEL_CHECK_MESSAGE m = context_.ElementMessage(Elem(), 40012, LABEL2);
            m.arguments.append(second);
            context_.AppendMessage(m);
        } else {
            seen.secondLabels.insert(key);
        }
    }
    return result;
}

void CCheckRepetitionLabel::SetMessageId() {
    SetTargetMessageId(messageId_);
}
