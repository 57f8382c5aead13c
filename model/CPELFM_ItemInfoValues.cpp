#include <functional>
#include <initializer_list>
#include <memory>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "ItemValueText.h"
#include "PELFMExceptions.h"

using ProfileInnerConst::_ST_PELFM_DATAINFO;

namespace {

CPELFM_PartInfo* PartOf(const CPELFM_ItemInfo& item) {
    return item.ownerElem ? item.ownerElem->ownerPart : nullptr;
}

CPELFM_SectionInfo* SectionOf(const CPELFM_ItemInfo& item) {
    CPELFM_PartInfo* part = PartOf(item);
    return part ? part->ownerSection : nullptr;
}

CPELFM_ProfileInfo* RootOf(const CPELFM_ItemInfo& item) {
    CPELFM_SectionInfo* section = SectionOf(item);
    return section ? section->parent : nullptr;
}

void RequireKind(CPELFM_ItemInfo& item, std::initializer_list<int> kinds) {
    if (item.values.isEmpty()) throw CPELFM_InvalidDescException();
    if (item.valueKind == VALUE_UNCLASSIFIED) item.AnalyzeValue();
    for (int k : kinds)
        if (item.valueKind == k) return;
    throw CPELFM_InvalidAPICallException();
}

// Builds a temporary item list; on any failure the items built so far are deleted and the output
// is left empty. An allocation failure is reported as the model's memory exception.
void BuildItems(QList<CPELFM_ItemInfo*>& out, const std::function<void(QList<CPELFM_ItemInfo*>&)>& build) {
    out.clear();
    QList<CPELFM_ItemInfo*> built;
    try {
        build(built);
    } catch (const std::bad_alloc&) {
        DeleteItemArray(built);
        throw CPELFM_MemoryRequestException();
    } catch (...) {
        DeleteItemArray(built);
        throw;
    }
    out = std::move(built);
}

void AppendItem(QList<CPELFM_ItemInfo*>& out, const CPELFM_ItemInfo& like, int dataKind,
                const QString& text) {
    auto item = std::make_unique<CPELFM_ItemInfo>();
    item->itemType = like.itemType;
    item->ownerElem = like.ownerElem;
    item->values.append(_ST_PELFM_DATAINFO{dataKind, text});
    out.append(item.get());
    item.release();
}

// Appends one generated reference per element of the part named before the first ".";
// false when the item's section has no such part.
bool AppendPartElements(QList<CPELFM_ItemInfo*>& out, const CPELFM_ItemInfo& like, const QString& text) {
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    CPELFM_SectionInfo* section = SectionOf(like);
    if (dot < 0 || !section) return false;
    const QString partName = text.left(dot);
    CPELFM_PartInfo* part = section->FindPartByName(partName);
    if (!part) return false;
    QList<CPELFM_ElemInfo*> elems;
    part->GetElems(elems);
    for (const CPELFM_ElemInfo* e : elems)
        if (e)
            AppendItem(out, like, ProfileInnerConst::DATA_GENERATED, partName + QLatin1Char('.') + e->label);
    return true;
}

CPELFM_PartInfo* ResolvePart(const CPELFM_ItemInfo& item, const QString& text) {
    QStringList pieces;
    SplitReferencePath(text, pieces);
    if (pieces.size() == 1) {
        CPELFM_SectionInfo* section = SectionOf(item);
        return section ? section->FindPartByName(pieces[0]) : nullptr;
    }
    if (pieces.size() == 2) {
        CPELFM_ProfileInfo* root = RootOf(item);
        CPELFM_SectionInfo* section = root ? root->FindSectionByName(pieces[0]) : nullptr;
        return section ? section->FindPartByName(pieces[1]) : nullptr;
    }
    return nullptr;
}

// One name: an element of the item's part; two: part in the item's section, element; three: section,
// part, element from the root.
CPELFM_ElemInfo* ResolveElem(const CPELFM_ItemInfo& item, const QStringList& names) {
    CPELFM_PartInfo* part = nullptr;
    if (names.size() == 1) {
        part = PartOf(item);
    } else if (names.size() == 2) {
        CPELFM_SectionInfo* section = SectionOf(item);
        part = section ? section->FindPartByName(names[0]) : nullptr;
    } else if (names.size() == 3) {
        CPELFM_ProfileInfo* root = RootOf(item);
        CPELFM_SectionInfo* section = root ? root->FindSectionByName(names[0]) : nullptr;
        part = section ? section->FindPartByName(names[1]) : nullptr;
    }
    return part ? part->FindElemByLabel(names.back()) : nullptr;
}

bool HasConditionOperator(const QString& text) {
    for (const char* op : {"==", "!=", "<", ">", "<=", ">=", "&&", "||"})
        if (text.indexOf(QLatin1String(op), 1) >= 1) return true;
    return false;
}

}  // namespace

int CPELFM_ItemInfo::AnalyzeValue() {
    if (values.isEmpty()) throw CPELFM_InvalidDescException();
    int kind;
    if (values.size() > 1) {
        kind = VALUE_LIST;
    } else {
        const _ST_PELFM_DATAINFO& value = values.constFirst();
        work.dataKind = itemType;
        // Saves and checks classify every item again; an unchanged value is not assigned again.
        if (!work.text.isSharedWith(value.text)) work.text = value.text;
        switch (itemType) {
            case CATEGORY:
            case NAME:
            case DATA:
            case COMMENT:
                kind = VALUE_TEXT;
                break;
            case REF_MEMORY:
            case REF_PARAM:
                kind = VALUE_REFERENCE;
                break;
            default:
                if (itemType == READ_CONDITION && HasConditionOperator(value.text))
                    kind = VALUE_CONDITION;
                else if (value.dataKind == ProfileInnerConst::DATA_ENUM_REF_ITEM)
                    kind = VALUE_ENUM_REF;
                else
                    kind = ClassifyValueText(value);
        }
    }
    valueKind = kind;
    return kind;
}

QString CPELFM_ItemInfo::GetTextValue() {
    RequireKind(*this, {VALUE_TEXT});
    switch (itemType) {
        case CATEGORY:
        case NAME:
        case DATA:
        case ASSIGN:
        case COMMENT:
            return values.constFirst().text;
        default:
            return RemoveEscapeBackslashes(values.constFirst());
    }
}

void CPELFM_ItemInfo::GetRange(_ST_PELFM_RANGEINFO& range) {
    RequireKind(*this, {VALUE_RANGE});
    work = values.constFirst();
    try {
        ParseRangeText(work, range);
    } catch (...) {
        throw CPELFM_InvalidDescException();
    }
}

void CPELFM_ItemInfo::SplitAngleItems(QList<CPELFM_ItemInfo*>& out) {
    RequireKind(*this, {VALUE_ANGLE_LIST});
    const _ST_PELFM_DATAINFO first = values.constFirst();
    QStringList pieces;
    SplitAngleList(first, pieces);
    BuildItems(out, [&](QList<CPELFM_ItemInfo*>& built) {
        for (QString piece : pieces) {
            if (piece.startsWith(QLatin1Char('<'))) piece.remove(0, 1);
            AppendItem(built, *this, first.dataKind, piece);
        }
    });
}

void CPELFM_ItemInfo::SplitListItems(QList<CPELFM_ItemInfo*>& out) {
    RequireKind(*this, {VALUE_LIST});
    const QList<_ST_PELFM_DATAINFO> source = values;
    BuildItems(out, [&](QList<CPELFM_ItemInfo*>& built) {
        for (const _ST_PELFM_DATAINFO& value : source) {
            work = value;
            if (!value.text.contains(QLatin1Char('*')))
                AppendItem(built, *this, value.dataKind, value.text);
            else if (!AppendPartElements(built, *this, value.text))
                throw CPELFM_InvalidDescException();
        }
    });
}

void CPELFM_ItemInfo::ExpandListItems(QList<CPELFM_ItemInfo*>& out) {
    RequireKind(*this, {VALUE_LIST});
    const QList<_ST_PELFM_DATAINFO> source = values;
    BuildItems(out, [&](QList<CPELFM_ItemInfo*>& built) {
        if (source.size() == 1 && source.first().text.contains(QLatin1Char('*'))) {
            // An unknown part yields nothing here.
            if (!AppendPartElements(built, *this, source.first().text)) DeleteItemArray(built);
            return;
        }
        for (const _ST_PELFM_DATAINFO& value : source) AppendItem(built, *this, value.dataKind, value.text);
    });
}

CPELFM_ElemInfo* CPELFM_ItemInfo::GetReferencedElem() {
    RequireKind(*this, {VALUE_REFERENCE, VALUE_DOTTED_REFERENCE});
    QStringList names;
    SplitDottedName(work, names);
    if (itemType == REF_MEMORY) names << QStringLiteral("P_Value");
    return names.isEmpty() ? nullptr : ResolveElem(*this, names);
}

CPELFM_PartInfo* CPELFM_ItemInfo::GetReferencedPart() {
    RequireKind(*this, {VALUE_REFERENCE});
    return ResolvePart(*this, values.constFirst().text);
}

CPELFM_PartInfo* CPELFM_ItemInfo::GetEnumRefPart() {
    RequireKind(*this, {VALUE_ENUM_REF});
    struct Restore {
        int& kind;
        ~Restore() { kind = VALUE_ENUM_REF; }
    } restore{valueKind};
    valueKind = VALUE_REFERENCE;
    return GetReferencedPart();
}

CPELFM_PartInfo* CPELFM_ItemInfo::GetReferencedPartOfType(int partType) {
    if (values.isEmpty()) return nullptr;
    CPELFM_PartInfo* part = ResolvePart(*this, values.constFirst().text);
    return part && part->partType == partType ? part : nullptr;
}

void CPELFM_ItemInfo::SplitConditionItems(QList<CPELFM_ItemInfo*>& out) {
    RequireKind(*this, {VALUE_CONDITION});
    const _ST_PELFM_DATAINFO first = values.constFirst();
    QStringList entries;
    ParseCondition(first, entries);
    BuildItems(out, [&](QList<CPELFM_ItemInfo*>& built) {
        for (const QString& e : entries) AppendItem(built, *this, first.dataKind, e);
    });
}

CPELFM_ElemInfo* CPELFM_ItemInfo::GetMemberTypeElem() {
    RequireKind(*this, {VALUE_MEMBER_TYPE_REFERENCE});
    QStringList names;
    SplitDottedName(values.constFirst(), names);
    const qsizetype hash = names.indexOf(QStringLiteral("#"));
    if (hash < 0 || names.size() - hash - 1 < 2) return nullptr;
    // The names before the "#" lead to the element whose DATATYPE describes the member.
    names = names.mid(0, hash);
    if (names.isEmpty() || names.size() > 3) return nullptr;
    return ResolveElem(*this, names);
}

CPELFM_ItemInfo* CPELFM_ItemInfo::FindItemByTypeName(const QString& typeName, CPELFM_ElemInfo* elem) {
    for (const auto& record : ProfileInnerConst::ItemTypeNames) {
        if (typeName == QLatin1String(record.name)) return elem ? elem->FindItem(record.id, 0) : nullptr;
    }
    return nullptr;
}
