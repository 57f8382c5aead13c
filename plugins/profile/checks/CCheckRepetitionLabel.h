#pragma once
#include "CCheckMethodBase.h"

#include <QSet>
#include <QString>

// Labels and second labels may occur once per part, ignoring case (40012).
class CCheckRepetitionLabel : public CCheckMethodBase {
public:
    explicit CCheckRepetitionLabel(CCheckContext& context) : CCheckMethodBase(context) {}
    int Check() override;
    void SetMessageId() override;

private:
    // Section, part and label, each lower-cased: a tuple, so that names holding a comma cannot collide.
    struct Key {
        QString section;
        QString part;
        QString label;
        bool operator==(const Key&) const = default;
        friend size_t qHash(const Key& key, size_t seed = 0) {
            return qHashMulti(seed, key.section, key.part, key.label);
        }
    };
    Key MakeKey(const QString& label) const;

    QSet<Key> labels_;
    QSet<Key> secondLabels_;
    int messageId_ = 0;
};
