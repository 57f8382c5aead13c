#include "CCheckInvalidLabel.h"

#include "CCheckContext.h"
#include "CPELFM_ItemInfo.h"
#include "CheckFormat.h"
#include "CheckHelpers.h"
#include "CheckNumber.h"

namespace {

// Characters that may not begin a label: the digits and the underscore.
const QString kLeadingCharacters = QStringLiteral("0123456789_");

}  // namespace

CCheckInvalidLabel::CCheckInvalidLabel(CCheckContext& context) : CCheckMethodBase(context) {
    const PeloraFormat::FormatSettings& settings = context_.Format().settings;
    for (char16_t c : settings.prohibitedLabelChars) prohibited_.append(QChar(c));
    asciiPosition_.fill(-1);
    for (qsizetype i = prohibited_.size() - 1; i >= 0; --i) {
        if (prohibited_[i].unicode() < 128) asciiPosition_[prohibited_[i].unicode()] = i;
    }
    for (const char* word : settings.reservedLabelWords) reservedWords_.append(QString::fromLatin1(word));
}

qsizetype CCheckInvalidLabel::FirstProhibited(const QString& text) const {
    qsizetype first = -1;
    for (QChar c : text) {
        const qsizetype i = c.unicode() < 128 ? asciiPosition_[c.unicode()] : prohibited_.indexOf(c);
        if (i >= 0 && (first < 0 || i < first)) first = i;
    }
    return first;
}

int CCheckInvalidLabel::Fail(int messageId, const QString& argument) {
    if (!argument.isNull()) AddMessageArgument(argument);
    messageId_ = messageId;
    return 0;
}

int CCheckInvalidLabel::Check() {
    const int kind = ItemKind();
    if (kind != LABEL && kind != LABEL2) return 1;
    const QString& text = Internal::FirstValue(Item());
    if (text.isEmpty()) return 1;
    if (const qsizetype i = FirstProhibited(text); i >= 0) return Fail(40014, QString(prohibited_[i]));
    if (kLeadingCharacters.contains(text.front())) return Fail(40015, QString(text.front()));
    for (const QString& reserved : reservedWords_) {
        if (Internal::AsciiEqualsIgnoreCase(text, reserved)) return Fail(40013, reserved);
    }
    if (kind == LABEL) {
        for (QChar c : text) {
            if (c.unicode() > 128) return Fail(40016);
        }
        if (text.size() > 64) return Fail(40017);
    } else if (text.size() > 128) {
        return Fail(40115);
    }
    return 1;
}

void CCheckInvalidLabel::SetMessageId() {
    SetTargetMessageId(messageId_);
}
