#pragma once
#include <QString>

class CConnectionInfoCheckDlgData;
class CConnectionInfoWorkSet;

namespace ConnInfo {

// The label test of the detail dialogs at OK: 0 valid, else the code of the first rule that fails
// (1 failure, 6 empty, 7 too long, 8 not printable ASCII, 2-4 the plug-in's label rules, 9 used).
// The loaded label is the connection's own and never counts as used.
int CheckConnectionLabel(const CConnectionInfoWorkSet* workSet, const QString& label,
                         const CConnectionInfoCheckDlgData& checkData, const QString& loadedLabel);

// The message that reports a code of CheckConnectionLabel; 0 for a valid label.
int ConnectionLabelMessageId(int code);

}  // namespace ConnInfo
