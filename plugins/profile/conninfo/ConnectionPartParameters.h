#pragma once
// The parameters of a connection part: one element per parameter, its DATA item holding the value.
#include <QString>

#include "ConnectionParameterText.h"

class CPELFM_ElemInfo;
class CPELFM_PartInfo;

namespace ConnInfo {

// The first value of the DATA item of the first element with that label (ignoring case); empty when
// the element, its DATA item or a value is missing.
QString GetParameterValue(CPELFM_PartInfo& part, const QString& label);
// Appends a new element: LABEL2, NAME, CATEGORY, DATATYPE and DATA, one plain value each.
void AddParameterElement(const ConnectionParameterText& row, CPELFM_PartInfo& part);
// The DATA item keeps only the one plain value (one is added when the element has none).
void SetParameterValue(CPELFM_ElemInfo& elem, const QString& value);
// Takes out and deletes the first element with that label (ignoring case); false when none.
bool RemoveParameterElement(CPELFM_PartInfo& part, const QString& label);

}  // namespace ConnInfo
