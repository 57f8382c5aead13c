#include "CCheckRangeItem.h"

#include <QStringList>

#include "CCheckContext.h"
#include "CItemPieces.h"
#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CheckFormat.h"
#include "CheckHelpers.h"
#include "CheckPatterns.h"
#include "DataTypeRules.h"
#include "ItemValueText.h"

using Internal::EPattern;
using Internal::MatchRegex;

namespace {

void CollectEnumCodeItems(CPELFM_PartInfo* enumPart, QStringList& texts) {
    for (const CPELFM_ElemInfo* elem : std::as_const(enumPart->Elems())) {
        if (const CPELFM_ItemInfo* code = Internal::OwnItem(elem, CODE)) texts.append(code->GetFirstValue());
    }
}

bool AdmitsEnumReference(const QString& dataType, bool withStrings) {
    for (EPattern p :
         {EPattern::TypeBool, EPattern::TypeByteWordBitString, EPattern::TypeInt, EPattern::TypeUint}) {
        if (MatchRegex(dataType, p)) return true;
    }
    if (withStrings && MatchRegex(dataType, EPattern::TypeString)) return true;
    return MatchRegex(dataType, EPattern::TypeBcd);
}

}  // namespace

int CCheckRangeItem::Check() {
    const int part = PartKind();
    if (part == PART_FILE_INFO || part == PART_DEVICE_INFO || part == PART_COMM_IF_INFO ||
        part == PART_BLOCK_INFO) {
        return 1;
    }
    if (ItemKind() == RANGE) {
        const int id = JudgeRange(Item());
        if (id == 1) return 1;
        SetTargetMessageId(id);
        return 0;
    }
    if (ItemKind() != DATATYPE || Internal::OwnItem(Elem(), RANGE)) return 1;
    // An element without a RANGE of its own is judged by the RANGE it refers to.
    CPELFM_ItemInfo* range = context_.References().FindItem(Elem(), RANGE, 1);
    if (!range) return 1;
    const int id = JudgeRange(range);
    if (id != 1) context_.ReportRangeMessage(Elem(), id);
    return 1;
}

const _ST_PELFM_RANGEINFO& CCheckRangeItem::Bounds(CPELFM_ItemInfo* piece) {
    const QString& text = Internal::FirstValue(piece);
    auto it = bounds_.constFind(text);
    if (it != bounds_.cend()) return *it;
    _ST_PELFM_RANGEINFO bounds;
    piece->GetRange(bounds);
    return *bounds_.insert(text, bounds);
}

bool CCheckRangeItem::MatchesSyntax(const QString& text, const QString& dataType) {
    const std::pair<QString, QString> key{text, dataType};
    auto it = syntax_.constFind(key);
    if (it != syntax_.cend()) return *it;
    return *syntax_.insert(key, MatchDataTypeSyntax(text, dataType) != 0);
}

int CCheckRangeItem::JudgeRange(CPELFM_ItemInfo* range) {
    const int kind = Internal::ValueKind(range);
    const Internal::CItemPieces pieces(context_, range, Internal::CItemPieces::Split::Lists);
    if (kind == VALUE_LIST) {
        for (CPELFM_ItemInfo* piece : pieces.Items()) {
            if (Internal::ValueKind(piece) == VALUE_ENUM_REF) return 40038;
            if (Internal::FirstValue(piece) == u"NA") return 40039;
        }
    }

    QStringList texts;
    for (CPELFM_ItemInfo* piece : pieces.Items()) {
        switch (Internal::ValueKind(piece)) {
            case VALUE_ENUM_REF: {
                CPELFM_PartInfo* enumPart = context_.References().EnumRefPart(piece);
                if (!enumPart) return 1;
                CollectEnumCodeItems(enumPart, texts);
                break;
            }
            case VALUE_RANGE: {
                const _ST_PELFM_RANGEINFO& bounds = Bounds(piece);
                if (!bounds.upperText.isEmpty()) texts.append(bounds.upperText);
                if (!bounds.lowerText.isEmpty()) texts.append(bounds.lowerText);
                break;
            }
            case VALUE_TEXT: {
                const QString text = piece->GetTextValue();
                if (text == u"NA") return 1;
                texts.append(text);
                break;
            }
            default:
                break;
        }
    }

    const CPELFM_ItemInfo* dataTypeItem = context_.References().FindItem(Elem(), DATATYPE, 1);
    const QString dataType = dataTypeItem ? dataTypeItem->GetFirstValue() : QString();
    if (dataTypeItem) {
        for (const QString& text : texts) {
            if (text != u"NA" && !MatchesSyntax(text, dataType)) return 40039;
        }
    }
    if (kind == VALUE_ENUM_REF && !AdmitsEnumReference(dataType, context_.Format().rangeEnumAllowsString)) {
        return 40040;
    }
    return 1;
}
