#include "MapStringSource.h"

QString MapStringSource::LoadString(int id) const {
    return texts_.value(id);
}
