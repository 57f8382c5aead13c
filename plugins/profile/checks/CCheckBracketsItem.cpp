#include "CCheckBracketsItem.h"

#include "CCheckContext.h"

#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CheckHelpers.h"
#include "PELFMExceptions.h"

namespace {

// Round and square brackets close each other; an angle pair needs two characters between.
bool JudgeBalance(QString text) {
    text = Internal::RemoveBracketEscapes(text);
    for (;;) {
        qsizetype opener = text.indexOf(u'[');
        if (opener < 0) opener = text.indexOf(u'(');
        if (opener >= 0) {
            const qsizetype round = text.indexOf(u')', opener);
            const qsizetype square = text.indexOf(u']', opener);
            if (round < 0 && square < 0) return false;
            const qsizetype closer = round < 0 ? square : (square < 0 ? round : std::min(round, square));
            text.remove(closer, 1);
            text.remove(opener, 1);
            continue;
        }
        const qsizetype lt = text.indexOf(u'<');
        if (lt >= 0) {
            const qsizetype gt = text.indexOf(u'>', lt);
            if (gt < 0 || gt < lt + 3) return false;
            text.remove(gt, 1);
            text.remove(lt, 1);
            continue;
        }
        return !text.contains(u')') && !text.contains(u']') && !text.contains(u'>');
    }
}

}  // namespace

bool CCheckBracketsItem::Balanced(const QString& text) {
    auto it = balanced_.constFind(text);
    if (it != balanced_.cend()) return *it;
    return *balanced_.insert(text, JudgeBalance(text));
}

int CCheckBracketsItem::Check() {
    const int kind = ItemKind();
    const int part = PartKind();
    const int section = SectionKind();
    const bool judged =
        (kind == RANGE && section == SECTION_COMM_IF &&
         (part == PART_COMM_IF_VARIABLE || part == PART_COMM_IF_CONFIGURATION)) ||
        ((kind == RANGE || kind == ASSIGN) && section == SECTION_BLOCK && part == PART_BLOCK_MEMORY);
    if (!judged) return 1;

    CPELFM_ItemInfo* item = Item();
    const int valueKind = Internal::ValueKind(item);
    if (valueKind == VALUE_ANGLE_LIST) {
        // An angle list is one text, and assignments repeat from element to element.
        const QString& text = Internal::FirstValue(item);
        auto it = angleLists_.constFind(text);
        if (it == angleLists_.cend()) it = angleLists_.insert(text, PiecesBalanced(item, valueKind));
        return *it ? 1 : 0;
    }
    if (valueKind == VALUE_LIST) return PiecesBalanced(item, valueKind) ? 1 : 0;
    return Balanced(item->GetFirstValue()) ? 1 : 0;
}

bool CCheckBracketsItem::PiecesBalanced(CPELFM_ItemInfo* item, int valueKind) {
    CCheckContext::Pieces pieces;
    try {
        pieces = context_.SplitPieces(item, valueKind);
    } catch (const CPELFM_ExceptionBase&) {
        if (valueKind == VALUE_ANGLE_LIST) return false;  // a malformed angle list cannot balance
        throw;
    }
    for (CPELFM_ItemInfo* piece : *pieces) {
        if (!Balanced(Internal::FirstValueOrEmpty(piece))) return false;
    }
    return true;
}

void CCheckBracketsItem::SetMessageId() {
    SetTargetMessageId(40021);
}
