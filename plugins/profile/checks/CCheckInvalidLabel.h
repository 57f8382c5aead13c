#pragma once
#include <QString>
#include <QStringList>

#include "CCheckMethodBase.h"

// The label vocabulary: prohibited and leading characters, reserved words, lengths (40013-40017, 40115).
class CCheckInvalidLabel : public CCheckMethodBase {
public:
    explicit CCheckInvalidLabel(CCheckContext& context);
    int Check() override;
    void SetMessageId() override;

private:
    int Fail(int messageId, const QString& argument = QString());
    int messageId_ = 0;
    QString prohibited_;         // the format's prohibited characters, in table order
    QStringList reservedWords_;  // as written in the table
};
