#pragma once
#include <QString>

// Collects what a detail dialog declares: the header strings and one row per parameter. The
// pointers point into the dialog, so loading fills its strings and storing reads them.
class IConenctionInfoPeloraData {
public:
    virtual ~IConenctionInfoPeloraData() = default;
    virtual void SetHeader(QString* label, QString* label2, QString* comment) = 0;
    virtual void AddRow(const QString& itemLabel, int label2Id, int categoryId, int nameId, int dataTypeId,
                        QString* value) = 0;
};
