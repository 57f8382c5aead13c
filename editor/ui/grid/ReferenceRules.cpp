#include "ReferenceRules.h"

#include "CPELFM_ElemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_SectionInfo.h"
#include "ProfileInnerConst.h"

namespace ReferenceRules {

namespace {

bool StartsWithAny(const QString& text, std::initializer_list<const char*> prefixes) {
    for (const char* prefix : prefixes)
        if (text.startsWith(QLatin1String(prefix), Qt::CaseInsensitive)) return true;
    return false;
}

bool IsNumber(const QString& text) {
    bool ok = false;
    text.trimmed().toDouble(&ok);
    return ok;
}

}  // namespace

bool IsFollowableKind(int itemType) {
    return itemType >= NAME && itemType <= REF_PARAM && itemType != DATA && itemType != ASSIGN &&
           itemType != CODE;
}

bool CanCopyReference(int firstRow, int firstColumn, int selectionMode, const QList<int>& columnKinds) {
    if (firstRow < 1 || firstColumn < 1) return false;
    if (selectionMode == 2) return true;
    if (columnKinds.isEmpty()) return false;
    for (int kind : columnKinds)
        if (kind != DATATYPE && kind != ASSIGN) return false;
    return true;
}

bool CanPasteReference(const QString& firstReference, int itemType, const CPELFM_ElemInfo& elem) {
    if (firstReference.contains(QStringView(kConditionMarker))) {
        switch (itemType) {
            case NAME:
            case DATATYPE:
            case RANGE:
            case MIN_INC:
            case ENG_UNIT:
            case ACCESS:
            case READ_CONDITION:
                return true;
            default:
                return false;
        }
    }
    switch (itemType) {
        case DATATYPE:
        case RANGE:
        case REF_MEMORY:
        case REF_PARAM:
        case READ_CONDITION:
            return true;
        case DATA:
            break;
        default:
            return false;
    }
    if (elem.label.compare(QLatin1String("ReadVersionType"), Qt::CaseInsensitive) == 0) return true;
    const CPELFM_PartInfo* part = elem.ownerPart;
    return part && part->partType == PART_DEVICE_INFO &&
           part->name.compare(QLatin1String("P_SpecialToolInfo"), Qt::CaseInsensitive) == 0 &&
           StartsWithAny(elem.label, {"FunctionRunWindow", "FunctionComment", "FunctionRunType",
                                      "FunctionRunTarget", "FunctionArgument"});
}

QString CopyReferenceText(const CPELFM_PartInfo& part, const CPELFM_ElemInfo& elem, int selectionMode,
                          const QString& kindWord) {
    if (selectionMode != 1 && selectionMode != 2) return {};
    const QChar dot = QLatin1Char('.');
    const QString section = part.ownerSection ? part.ownerSection->name : QString();
    QString text = section + dot + part.name + dot + elem.label;
    if (selectionMode == 1) text += dot + kindWord;
    return text;
}

QString ConditionPasteText(const QString& reference, const QString& targetSection,
                           const QString& sourceSection) {
    if (!reference.contains(QStringView(kConditionMarker))) return reference;
    if (sourceSection.isEmpty() || targetSection.compare(sourceSection, Qt::CaseInsensitive) != 0)
        return reference;
    const qsizetype dot = reference.indexOf(QLatin1Char('.'));
    if (dot < 0) return reference;
    return QString::fromUtf16(kConditionMarker) + reference.mid(dot + 1);
}

bool RangeBoundsAreReferences(const QString& lower, const QString& upper) {
    return !lower.isEmpty() && !upper.isEmpty() && !IsNumber(lower) && !IsNumber(upper);
}

}  // namespace ReferenceRules
