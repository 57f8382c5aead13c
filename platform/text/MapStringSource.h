#pragma once
#include <QHash>
#include <initializer_list>
#include <utility>

#include "IStringSource.h"

// A string table held in memory, filled by its owner.
class MapStringSource : public IStringSource {
public:
    MapStringSource() = default;
    MapStringSource(std::initializer_list<std::pair<int, QString>> texts) : texts_(texts) {}

    void SetString(int id, const QString& text) { texts_.insert(id, text); }
    QString LoadString(int id) const override;

private:
    QHash<int, QString> texts_;
};
