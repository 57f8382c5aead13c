#pragma once
#include <QList>
#include <QString>
#include <QStringList>

class CPELFM_ElemInfo;
class CPELFM_PartInfo;

// Which grid cells take part in following, copying and pasting references, and the texts involved.
namespace ReferenceRules {

inline constexpr char16_t kConditionMarker[] = u"CONDITION ";

// Following is offered for an item of a kind from NAME to REF_PARAM, except DATA, ASSIGN and CODE.
bool IsFollowableKind(int itemType);

// Copying needs the selection to start in a data cell, and either whole rows (mode 2) or only
// DATATYPE and ASSIGN columns.
bool CanCopyReference(int firstRow, int firstColumn, int selectionMode, const QList<int>& columnKinds);

// Whether the first copied reference may go into a cell of the kind in the element.
bool CanPasteReference(const QString& firstReference, int itemType, const CPELFM_ElemInfo& elem);

// One copied reference of an element: "section.part.label" for whole rows (mode 2), followed by
// "." and kindWord for a DATATYPE or ASSIGN cell (mode 1); empty in any other mode.
QString CopyReferenceText(const CPELFM_PartInfo& part, const CPELFM_ElemInfo& elem, int selectionMode,
                          const QString& kindWord);

// A condition reference pasted into its own section loses the section name: "CONDITION " and what
// follows the first "."; any other reference is pasted as copied.
QString ConditionPasteText(const QString& reference, const QString& targetSection,
                           const QString& sourceSection);

// A range opens the choice of its bounds only when both bounds name something rather than a number.
bool RangeBoundsAreReferences(const QString& lower, const QString& upper);

}  // namespace ReferenceRules
