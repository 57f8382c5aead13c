#include "CConnectionInfoWorkSet.h"

#include <algorithm>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "ConnectionInfoIds.h"
#include "ConnectionPartParameters.h"
#include "IStringSource.h"

namespace {

constexpr int kDefaultDigits = 5;

CPELFM_SectionInfo* FirstDeviceSection(const CPELFM_ProfileInfo& root) {
    QList<CPELFM_SectionInfo*> sections;
    root.GetSectionsByType(sections, SECTION_DEVICE);
    return sections.isEmpty() ? nullptr : sections.first();
}

char16_t AsciiUpper(char16_t c) {
    return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c;
}

// The number of a name "DefaultConnection" + five digits (letters in any case); -1 otherwise.
int DefaultLabelNumber(const QString& name, const QString& prefix) {
    if (name.size() != prefix.size() + kDefaultDigits) return -1;
    for (qsizetype i = 0; i < prefix.size(); ++i) {
        if (AsciiUpper(name[i].unicode()) != AsciiUpper(prefix[i].unicode())) return -1;
    }
    int number = 0;
    for (qsizetype i = prefix.size(); i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (c < u'0' || c > u'9') return -1;
        number = number * 10 + (c - u'0');
    }
    return number;
}

}  // namespace

CConnectionInfoWorkSet::CConnectionInfoWorkSet(const IStringSource& strings) : m_strings(strings) {}

CConnectionInfoWorkSet::~CConnectionInfoWorkSet() = default;

int CConnectionInfoWorkSet::Load(CPELFM_ProfileInfo& root) {
    Discard();
    CPELFM_SectionInfo* source = FirstDeviceSection(root);
    if (!source) return ConnInfo::kFailed;
    try {
        auto copy = std::make_unique<CPELFM_SectionInfo>();
        copy->kindTag = source->kindTag;
        copy->name = source->name;
        copy->comment = source->comment;
        copy->sectionType = source->sectionType;
        QHash<CPELFM_PartInfo*, CPELFM_PartInfo*> origin;
        for (CPELFM_PartInfo* sourcePart : source->parts) {
            if (!sourcePart) continue;
            auto part = std::make_unique<CPELFM_PartInfo>();
            part->CopyFrom(*sourcePart);
            part->ownerSection = copy.get();
            copy->parts.append(part.get());
            CPELFM_PartInfo* added = part.release();
            if (added->partType == PART_DEVICE_IF) origin.insert(added, sourcePart);
        }
        m_copy = std::move(copy);
        m_origin = std::move(origin);
    } catch (...) {
        Discard();
        return ConnInfo::kFailed;
    }
    return ConnInfo::kDone;
}

void CConnectionInfoWorkSet::Discard() {
    m_copy.reset();
    m_changed.clear();
    m_origin.clear();
    m_removedSources.clear();
}

void CConnectionInfoWorkSet::CollectRemoved(QList<CPELFM_PartInfo*>& removed) const {
    removed.append(m_removedSources);
    // Copies taken out of the section in any other way count as removed as well.
    const QList<CPELFM_PartInfo*> current = Connections();
    for (auto it = m_origin.cbegin(); it != m_origin.cend(); ++it) {
        if (!current.contains(it.key())) removed.append(it.value());
    }
}

int CConnectionInfoWorkSet::ApplyChanges(CPELFM_ProfileInfo& root, QList<CPELFM_PartInfo*>& changed,
                                         int& appended) {
    appended = 0;
    CPELFM_SectionInfo* target = FirstDeviceSection(root);
    if (!m_copy || !target) return ConnInfo::kFailed;

    // Everything that may fail happens before the profile is touched, so a failure never leaves it
    // half written.
    QList<std::pair<CPELFM_PartInfo*, CPELFM_PartInfo*>> replaced;  // copy, source
    QList<CPELFM_PartInfo*> fresh;
    for (CPELFM_PartInfo* copy : Connections()) {
        CPELFM_PartInfo* source = m_origin.value(copy);
        if (!source) {
            fresh.append(copy);
        } else if (m_changed.contains(copy)) {
            copy->EnsureLoaded();
            source->EnsureLoaded();
            replaced.append(std::make_pair(copy, source));
        }
    }
    changed.reserve(changed.size() + replaced.size());
    target->parts.reserve(target->parts.size() + fresh.size());

    for (const auto& [copy, source] : replaced) {
        QList<CPELFM_ElemInfo*>& old = source->Elems();
        for (qsizetype i = old.size() - 1; i >= 0; --i) delete old[i];
        old.clear();
        QList<CPELFM_ElemInfo*>& moved = copy->Elems();
        for (CPELFM_ElemInfo* elem : moved) {
            if (elem) elem->ownerPart = source;
        }
        old.swap(moved);
        source->name = copy->name;
        source->comment = copy->comment;
        changed.append(source);
    }
    for (CPELFM_PartInfo* part : fresh) {
        m_copy->parts.removeOne(part);
        part->ownerSection = target;
        target->parts.append(part);
    }
    appended = static_cast<int>(fresh.size());
    m_origin.clear();
    return ConnInfo::kDone;
}

void CConnectionInfoWorkSet::MarkChanged(CPELFM_PartInfo* part) {
    if (part) m_changed.insert(part, 1);
}

QList<CPELFM_PartInfo*> CConnectionInfoWorkSet::Connections() const {
    QList<CPELFM_PartInfo*> parts;
    if (m_copy) m_copy->GetPartsByType(parts, PART_DEVICE_IF);
    return parts;
}

int CConnectionInfoWorkSet::ConnectionCount() const {
    if (!m_copy) return 0;
    return static_cast<int>(
        std::count_if(m_copy->parts.cbegin(), m_copy->parts.cend(),
                      [](const CPELFM_PartInfo* p) { return p && p->partType == PART_DEVICE_IF; }));
}

CPELFM_PartInfo* CConnectionInfoWorkSet::GetConnectionAt(int index) const {
    const QList<CPELFM_PartInfo*> parts = Connections();
    return index >= 0 && index < parts.size() ? parts[index] : nullptr;
}

int CConnectionInfoWorkSet::DeleteConnections(const QList<CPELFM_PartInfo*>& parts) {
    if (!m_copy) return ConnInfo::kFailed;
    try {
        for (CPELFM_PartInfo* part : parts) {
            const qsizetype index = m_copy->parts.indexOf(part);
            if (index < 0) return ConnInfo::kFailed;
            if (CPELFM_PartInfo* source = m_origin.take(part)) m_removedSources.append(source);
            m_changed.remove(part);
            m_copy->parts.removeAt(index);
            delete part;
        }
    } catch (...) {
        return ConnInfo::kFailed;
    }
    return ConnInfo::kDone;
}

QString CConnectionInfoWorkSet::MakeDefaultLabel() const {
    if (!m_copy) return QString();
    try {
        const QString prefix = m_strings.LoadString(ConnInfo::IDS_DEFAULT_LABEL);
        if (prefix.isEmpty()) return QString();
        QList<int> numbers;
        for (const CPELFM_PartInfo* part : m_copy->parts) {
            const int number = part ? DefaultLabelNumber(part->name, prefix) : -1;
            if (number >= 0) numbers.append(number);
        }
        std::sort(numbers.begin(), numbers.end());
        // A profile from elsewhere may hold a number twice; counting it once keeps the gap search right.
        numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
        int free = static_cast<int>(numbers.size());
        for (int i = 0; i < numbers.size(); ++i) {
            if (numbers[i] != i) {
                free = i;
                break;
            }
        }
        return prefix + QStringLiteral("%1").arg(free, kDefaultDigits, 10, QLatin1Char('0'));
    } catch (...) {
        return QString();
    }
}

bool CConnectionInfoWorkSet::IsLimitReached() const {
    return ConnectionCount() >= ConnInfo::kMaxConnections;
}

bool CConnectionInfoWorkSet::IsLabelUsed(const QString& label) const {
    if (!m_copy) return false;
    return std::any_of(m_copy->parts.cbegin(), m_copy->parts.cend(), [&label](const CPELFM_PartInfo* p) {
        return p && p->name.compare(label, Qt::CaseInsensitive) == 0;
    });
}

int CConnectionInfoWorkSet::CreateConnection(const QList<ConnectionParameterText>& rows, const QString& label,
                                             const QString& label2, const QString& comment,
                                             CPELFM_PartInfo** created) {
    if (!m_copy) return ConnInfo::kFailed;
    try {
        auto part = std::make_unique<CPELFM_PartInfo>();
        part->partType = PART_DEVICE_IF;
        part->name = label;
        part->label2 = label2;
        part->comment = comment;
        part->ownerSection = m_copy.get();
        part->EnsureLoaded();
        for (const ConnectionParameterText& row : rows) {
            if (!row.value.isEmpty()) ConnInfo::AddParameterElement(row, *part);
        }
        m_copy->parts.append(part.get());
        if (created) *created = part.get();
        part.release();
    } catch (...) {
        return ConnInfo::kFailed;
    }
    return ConnInfo::kDone;
}

int CConnectionInfoWorkSet::UpdateConnection(const QList<ConnectionParameterText>& rows,
                                             CPELFM_PartInfo& part, const QString& label,
                                             const QString& comment) {
    try {
        part.name = label;
        part.comment = comment;
        for (const ConnectionParameterText& row : rows) {
            CPELFM_ElemInfo* elem = part.FindElemByLabel(row.itemLabel);
            if (elem && !row.value.isEmpty()) {
                ConnInfo::SetParameterValue(*elem, row.value);
            } else if (elem) {
                ConnInfo::RemoveParameterElement(part, row.itemLabel);
            } else if (!row.value.isEmpty()) {
                ConnInfo::AddParameterElement(row, part);
            }
        }
    } catch (...) {
        return ConnInfo::kFailed;
    }
    return ConnInfo::kDone;
}
