#pragma once
// The check messages of one format's string table, by string id.

#include <QHash>
#include <QList>
#include <QString>

struct CheckStringEntry {
    int id;
    const char* text;  // UTF-8
};

class CCheckStringTable {
public:
    // 3.0 and 2.0 carry Japanese texts, 1.1 English ones.
    static const CCheckStringTable& Japanese30();
    static const CCheckStringTable& Japanese20();
    static const CCheckStringTable& English11();

    // The text of a string id; "" when the table does not hold it.
    QString Text(int id) const { return texts_.value(id); }
    bool Has(int id) const { return texts_.contains(id); }
    QList<int> Ids() const;

private:
    CCheckStringTable() = default;
    void Add(const CheckStringEntry* begin, const CheckStringEntry* end);

    QHash<int, QString> texts_;
};
