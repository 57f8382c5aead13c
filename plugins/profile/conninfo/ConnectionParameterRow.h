#pragma once
#include <QString>

// One parameter a detail dialog declares: the element label, the string ids of the texts of its
// LABEL2, CATEGORY, NAME and DATATYPE items, and the dialog's row string that holds its DATA.
struct ConnectionParameterRow {
    QString itemLabel;
    int label2Id = 0;
    int categoryId = 0;
    int nameId = 0;
    int dataTypeId = 0;
    QString* value = nullptr;
};
