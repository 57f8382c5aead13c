#pragma once
#include <QString>

// A parameter ready to be written into a connection part: the element label, the texts of its
// LABEL2, CATEGORY, NAME and DATATYPE items and its DATA value.
struct ConnectionParameterText {
    QString itemLabel;
    QString label2;
    QString category;
    QString name;
    QString dataType;
    QString value;
};
