#pragma once
#include <QString>
#include <QStringList>
#include <array>

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
    // The first prohibited character of the table that the text holds, or -1: one pass over the text.
    qsizetype FirstProhibited(const QString& text) const;

    QString prohibited_;         // the format's prohibited characters, in table order
    QStringList reservedWords_;  // as written in the table
    // Position in the table of each ASCII character, -1 for none; the others are looked up in the table.
    std::array<qsizetype, 128> asciiPosition_;
};
