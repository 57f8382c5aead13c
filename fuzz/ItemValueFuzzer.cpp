// Any bytes as item values: the first byte picks the item type and data kind, the rest is UTF-8 text;
// "\n" separates several values. The text operations and every accessor run on a small tree whose
// part and element names are taken from the values, so references can resolve.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "InvalidArgumentError.h"
#include "ItemValueText.h"
#include "PELFMExceptions.h"

namespace {

using Data = ProfileInnerConst::_ST_PELFM_DATAINFO;

template <class F>
void Guard(F f) {
    try {
        f();
    } catch (const CPELFM_ExceptionBase&) {
    } catch (const InvalidArgumentError&) {
    }
}

void Require(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const int itemType = data[0] % 18;
    const int dataKind = (data[0] >> 5) % 3;
    const QStringList texts = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1))
                                  .split(QLatin1Char('\n'));

    for (const QString& t : texts) {
        const Data d{dataKind, t};
        const int kind = ClassifyValueText(d);
        Require(kind == VALUE_ANGLE_LIST || kind == VALUE_RANGE || kind == VALUE_TEXT ||
                kind == VALUE_DOTTED_REFERENCE);
        QStringList out;
        SplitDottedName(d, out);
        for (const QString& piece : out) Require(!piece.contains(QLatin1Char('.')));
        Guard([&] { SplitAngleList(d, out); });
        Guard([&] {
            ParseCondition(d, out);
            Require(!out.isEmpty());
        });
        Guard([&] {
            _ST_PELFM_RANGEINFO r;
            ParseRangeText(d, r);
        });
        RemoveEscapeBackslashes(d);
    }

    // Section "S" with part "P" whose elements are named after the values, plus one part per value.
    CPELFM_ProfileInfo root;
    auto* section = new CPELFM_SectionInfo;
    section->name = QStringLiteral("S");
    section->parent = &root;
    root.sections.append(section);
    auto* part = new CPELFM_PartInfo;
    part->name = QStringLiteral("P");
    part->ownerSection = section;
    section->parts.append(part);
    for (const QString& t : texts) {
        auto* named = new CPELFM_PartInfo;
        named->name = t.section(QLatin1Char('.'), 0, 0);
        named->ownerSection = section;
        section->parts.append(named);
        auto* e = new CPELFM_ElemInfo;
        e->label = t.section(QLatin1Char('.'), -1);
        e->ownerPart = part;
        part->AddElem(e);
    }
    CPELFM_ElemInfo* host = part->Elems().first();
    auto* item = new CPELFM_ItemInfo;
    item->itemType = itemType;
    item->ownerElem = host;
    for (const QString& t : texts) item->values.append(Data{dataKind, t});
    host->AddItem(item);
    // A reference back to itself through the values, so FindItem meets cycles.
    auto* ref = new CPELFM_ItemInfo;
    ref->itemType = REF_PARAM;
    ref->ownerElem = host;
    ref->values = item->values;
    host->AddItem(ref);

    Guard([&] {
        const int kind = item->AnalyzeValue();
        Require(kind >= VALUE_ENUM_REF && kind <= VALUE_CONDITION && kind != VALUE_MEMBER_TYPE_REFERENCE);
    });
    QList<CPELFM_ItemInfo*> out;
    Guard([&] { item->GetTextValue(); });
    Guard([&] {
        _ST_PELFM_RANGEINFO r;
        item->GetRange(r);
    });
    Guard([&] { item->SplitAngleItems(out); });
    DeleteItemArray(out);
    Guard([&] { item->SplitListItems(out); });
    DeleteItemArray(out);
    Guard([&] { item->ExpandListItems(out); });
    DeleteItemArray(out);
    Guard([&] { item->SplitConditionItems(out); });
    DeleteItemArray(out);
    Guard([&] { item->GetReferencedElem(); });
    Guard([&] { item->GetReferencedPart(); });
    Guard([&] { item->GetEnumRefPart(); });
    Guard([&] { item->GetReferencedPartOfType(PART_ENUM); });
    Guard([&] { item->GetMemberTypeElem(); });
    for (int depth : {-1, 0, 1, 5}) Guard([&] { host->FindItem(DATATYPE, depth); });
    Guard([&] { CPELFM_ItemInfo::FindItemByTypeName(texts.first(), host); });
    return 0;
}
