#include "CCheckProhibitionItem.h"

#include <QStringList>

#include "CCheckContext.h"
#include "CItemPieces.h"
#include "CPELFM_ItemInfo.h"
#include "CheckFormat.h"
#include "CheckHelpers.h"

namespace {

bool In(int kind, std::initializer_list<int> kinds) {
    for (int k : kinds) {
        if (k == kind) return true;
    }
    return false;
}

// Which item kinds the check judges, and in which of them brackets and angle brackets are tokens.
struct ProhibitionRules {
    bool judged = false;
    bool brackets = false;
    bool angles = false;
};

ProhibitionRules RulesFor(const CheckFormat& format, int sectionKind, int partKind, int itemKind) {
    ProhibitionRules r;
    if (sectionKind != SECTION_COMM_IF && sectionKind != SECTION_BLOCK) return r;
    const int relation = format.HasItemKind(RELATION) ? RELATION : -1;
    switch (partKind) {
        case PART_COMM_IF_VARIABLE:
            if (sectionKind != SECTION_COMM_IF) return r;
            r.judged = In(itemKind, {RANGE, MIN_INC});
            r.brackets = itemKind == MIN_INC;
            r.angles = In(itemKind, {RANGE, MIN_INC});
            break;
        case PART_COMM_IF_CONFIGURATION:
            if (sectionKind != SECTION_COMM_IF) return r;
            r.judged = In(itemKind, {RANGE, MIN_INC, ACCESS, REF_MEMORY, REF_PARAM});
            r.brackets = In(itemKind, {MIN_INC, ACCESS, REF_MEMORY, REF_PARAM});
            r.angles = In(itemKind, {RANGE, MIN_INC, ACCESS, REF_MEMORY, REF_PARAM});
            break;
        case PART_BLOCK_MEMORY:
            r.judged = In(itemKind, {RANGE, MIN_INC, ACCESS, ASSIGN, relation});
            r.brackets = In(itemKind, {MIN_INC, ACCESS, ASSIGN, relation});
            r.angles = In(itemKind, {RANGE, MIN_INC, ACCESS, relation});
            break;
        case PART_BLOCK_PARAM:
            r.judged = itemKind == DATA;
            r.brackets = itemKind == MIN_INC;
            break;
        case PART_ENUM:
            r.judged = itemKind == CODE;
            r.brackets = itemKind == CODE;
            r.angles = In(itemKind, {RANGE, MIN_INC, CODE});
            break;
        default:
            break;
    }
    return r;
}

// The position of a character among the tokens ( ) [ ] < > backslash, -1 for none.
int TokenIndex(QChar c) {
    switch (c.unicode()) {
        case u'(':
            return 0;
        case u')':
            return 1;
        case u'[':
            return 2;
        case u']':
            return 3;
        case u'<':
            return 4;
        case u'>':
            return 5;
        case u'\\':
            return 6;
        default:
            return -1;
    }
}

}  // namespace

int CCheckProhibitionItem::Check() {
    const ProhibitionRules rules = RulesFor(context_.Format(), SectionKind(), PartKind(), ItemKind());
    if (!rules.judged) return 1;

    // Tokens in their reporting order: ( ) [ ] < > backslash.
    static const QString kTokens[] = {QStringLiteral("("), QStringLiteral(")"), QStringLiteral("["),
                                      QStringLiteral("]"), QStringLiteral("<"), QStringLiteral(">"),
                                      QStringLiteral("\\")};
    bool found[7] = {};
    const Internal::CItemPieces pieces(context_, Item(), Internal::CItemPieces::Split::Lists);
    for (CPELFM_ItemInfo* piece : pieces.Items()) {
        // One pass over the value finds every token.
        const QString value = Internal::RemoveEscapeSequences(piece->GetFirstValue());
        for (QChar c : value) {
            const int i = TokenIndex(c);
            const bool applies = i < 4 ? rules.brackets : (i < 6 ? rules.angles : true);
            if (i >= 0 && applies) found[i] = true;
        }
    }
    QStringList quoted;
    for (int i = 0; i < 7; ++i) {
        if (found[i]) quoted.append(u'"' + kTokens[i] + u'"');
    }
    if (quoted.isEmpty()) return 1;
    AddMessageArgument(quoted.join(u','));
    AddMessageArgument(QString());
    SetTargetMessageId(40010);
    return 0;
}
