#pragma once
#include <QString>
#include <QStringList>

#include "ProfileInnerConst.h"

// A parsed range value: bounds and how each is closed.
struct _ST_PELFM_RANGEINFO {
    QString lowerText;
    int lowerKind = 0;  // 0 none, 2 open "(", 4 closed "["
    QString upperText;
    int upperKind = 0;  // 0 none, 1 open ")", 3 closed "]"
};

// Text rules of item values. Each takes the value record under analysis.

// 3 angle list, 4 range, 5 plain text or 7 dotted reference, judged by the text alone.
int ClassifyValueText(const ProfileInnerConst::_ST_PELFM_DATAINFO& data);
// Removes a "$(" ... ")" wrapper, then splits like SplitReferencePath.
void SplitDottedName(const ProfileInnerConst::_ST_PELFM_DATAINFO& data, QStringList& out);
// Cuts at each "."; a piece holding "#" gives three entries: before it, "#", after it.
void SplitReferencePath(const QString& text, QStringList& out);
// Throws CPELFM_InvalidDescException when there is no comma.
void ParseRangeText(const ProfileInnerConst::_ST_PELFM_DATAINFO& data, _ST_PELFM_RANGEINFO& out);
// Throws CPELFM_InvalidDescException for a "<" piece without its ">".
void SplitAngleList(const ProfileInnerConst::_ST_PELFM_DATAINFO& data, QStringList& out);
// Left operand, right operand and operator of each clause, then the connectors. Throws
// CPELFM_InvalidDescException for an empty text or when nothing is found.
void ParseCondition(const ProfileInnerConst::_ST_PELFM_DATAINFO& data, QStringList& out);
QString RemoveEscapeBackslashes(const ProfileInnerConst::_ST_PELFM_DATAINFO& data);
