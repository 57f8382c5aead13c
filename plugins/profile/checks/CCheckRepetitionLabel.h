#pragma once
#include "CCheckMethodBase.h"
#include "CheckNumber.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <utility>
#include <vector>

class CPELFM_PartInfo;

// Labels and second labels may occur once per part, ignoring case (40012).
class CCheckRepetitionLabel : public CCheckMethodBase {
public:
    explicit CCheckRepetitionLabel(CCheckContext& context) : CCheckMethodBase(context) {}
    int Check() override;
    void SetMessageId() override;

private:
    // The lower-cased labels and second labels seen so far in the parts of one section name and part
    // name, ignoring case. Names are kept apart, not joined, so that names holding a comma cannot
    // collide.
    // A label as written, compared and hashed with its ASCII letters lower-cased: no lower-cased copy
    // is made of every label. It views the text of the profile, which stays as it is during the run.
    struct Label {
        QStringView text;
        friend bool operator==(const Label& a, const Label& b) {
            if (a.text.size() != b.text.size()) return false;
            for (qsizetype i = 0; i < a.text.size(); ++i) {
                if (Internal::AsciiLower(a.text[i]) != Internal::AsciiLower(b.text[i])) return false;
            }
            return true;
        }
        friend size_t qHash(const Label& label, size_t seed = 0) {
            size_t h = 0;
            for (QChar c : label.text) h = h * 31 + Internal::AsciiLower(c).unicode();
            return qHash(h, seed);
        }
    };
    struct PartLabels {
        QSet<Label> labels;
        QSet<Label> secondLabels;
    };
    PartLabels& LabelsOfPart();

    QHash<std::pair<QString, QString>, int> partIndex_;
    std::vector<PartLabels> parts_;
    // Targets come part by part: the last part's labels are found without a lookup.
    const CPELFM_PartInfo* lastPart_ = nullptr;
    int lastIndex_ = -1;
    int messageId_ = 0;
};
