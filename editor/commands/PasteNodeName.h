#pragma once
#include <QString>
#include <functional>

namespace Internal {

// Adds a non-negative amount to a run of decimal digits, as text: any length, no overflow.
// Leading zeros of the run are not kept ("007" plus 1 gives "8").
QString AddToDecimalText(const QString& digits, quint64 amount);

// The name of a pasted copy: the name itself when it is free, else the first free candidate
// of: name + 1, 2, ... (no trailing digits), or the trailing number counted up, zero-padded to
// the name's length (Block01 -> Block02, Param9 -> Param10). Only an existing name makes it
// try again, so it ends after at most one try more than there are taken names.
QString MakePasteName(const QString& name, const std::function<bool(const QString&)>& exists);

}  // namespace Internal
