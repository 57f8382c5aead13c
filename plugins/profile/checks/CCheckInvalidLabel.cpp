#include "CCheckInvalidLabel.h"

#include "CCheckContext.h"
#include "CPELFM_ItemInfo.h"
#include "CheckFormat.h"
#include "CheckNumber.h"

namespace {

// Characters that may not begin a label: the digits and the underscore.
const QString kLeadingCharacters = QStringLiteral("0123456789_");

}  // namespace

CCheckInvalidLabel::CCheckInvalidLabel(CCheckContext& context) : CCheckMethodBase(context) {
    const PeloraFormat::FormatSettings& settings = context_.Format().settings;
    for (char16_t c : settings.prohibitedLabelChars) prohibited_.append(QChar(c));
    for (const char* word : settings.reservedLabelWords) reservedWords_.append(QString::fromLatin1(word));
}

int CCheckInvalidLabel::Fail(int messageId, const QString& argument) {
    if (!argument.isNull()) AddMessageArgument(argument);
    messageId_ = messageId;
    return 0;
}

int CCheckInvalidLabel::Check() {
    const int kind = ItemKind();
    if (kind != LABEL && kind != LABEL2) return 1;
    const QString text = Item()->GetFirstValue();
    if (text.isEmpty()) return 1;
    for (QChar c : prohibited_) {
        if (text.contains(c)) return Fail(40014, QString(c));
    }
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
