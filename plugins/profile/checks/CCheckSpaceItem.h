#pragma once
#include <QString>

#include "CCheckMethodBase.h"

// No stray spaces, ideographic spaces or tabs in values (40035).
class CCheckSpaceItem : public CCheckMethodBase {
public:
    explicit CCheckSpaceItem(CCheckContext& context);
    int Check() override;

private:
    bool HasSpace(const QString& value) const;

    QString wideSpace_;  // string 41003
    QString tab_;        // string 41004
};
