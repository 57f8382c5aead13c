#pragma once
#include <QString>

// A string table looked up by id.
class IStringSource {
public:
    virtual ~IStringSource() = default;

    // The text of the id; empty when the table has none.
    virtual QString LoadString(int id) const = 0;
};
