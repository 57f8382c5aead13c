#pragma once
#include <QHash>
#include <QList>
#include <QString>
#include <memory>

#include "ConnectionParameterText.h"

class CPELFM_PartInfo;
class CPELFM_ProfileInfo;
class CPELFM_SectionInfo;
class IStringSource;

// The edit run's private copy of the DEVICE section. The dialogs change only the copy; the commit
// writes it back into the profile and names the source parts that were removed or changed.
class CConnectionInfoWorkSet {
public:
    explicit CConnectionInfoWorkSet(const IStringSource& strings);
    ~CConnectionInfoWorkSet();
    CConnectionInfoWorkSet(const CConnectionInfoWorkSet&) = delete;
    CConnectionInfoWorkSet& operator=(const CConnectionInfoWorkSet&) = delete;

    // Copies the root's first DEVICE section. 1 when there is none or the copy fails.
    int Load(CPELFM_ProfileInfo& root);
    // Drops the copy and everything known about it.
    void Discard();
    CPELFM_SectionInfo* Copy() const { return m_copy.get(); }

    // Source parts whose copies were deleted, in the order of deletion.
    void CollectRemoved(QList<CPELFM_PartInfo*>& removed) const;
    // Writes the copy into the root's first DEVICE section: changed copies give their elements, name
    // and comment to their source part (appended to changed), new ones are moved to the end of the
    // section (counted in appended). 1 when the section is gone.
    int ApplyChanges(CPELFM_ProfileInfo& root, QList<CPELFM_PartInfo*>& changed, int& appended);

    void MarkChanged(CPELFM_PartInfo* part);
    bool IsChanged(CPELFM_PartInfo* part) const { return m_changed.contains(part); }
    bool HasChanged() const { return !m_changed.isEmpty(); }
    // The source part of a copy; null for a connection made in this run.
    CPELFM_PartInfo* OriginOf(CPELFM_PartInfo* part) const { return m_origin.value(part); }

    // The copy's DEVICE_IF parts, in order.
    QList<CPELFM_PartInfo*> Connections() const;
    int ConnectionCount() const;
    // Null outside the connections.
    CPELFM_PartInfo* GetConnectionAt(int index) const;
    // Deletes the parts in order; 1 (and the rest stays) when one is no longer in the copy.
    int DeleteConnections(const QList<CPELFM_PartInfo*>& parts);

    // "DefaultConnection" with the lowest free five-digit number; empty on failure.
    QString MakeDefaultLabel() const;
    bool IsLimitReached() const;
    // Any part of the copy has the name, ignoring case.
    bool IsLabelUsed(const QString& label) const;

    // A new DEVICE_IF part with the non-empty parameters, appended to the copy. 0 or 1.
    int CreateConnection(const QList<ConnectionParameterText>& rows, const QString& label,
                         const QString& label2, const QString& comment, CPELFM_PartInfo** created = nullptr);
    // New name and comment; non-empty values set or add their element, empty ones remove it. 0 or 1.
    int UpdateConnection(const QList<ConnectionParameterText>& rows, CPELFM_PartInfo& part,
                         const QString& label, const QString& comment);

private:
    const IStringSource& m_strings;
    std::unique_ptr<CPELFM_SectionInfo> m_copy;
    QHash<CPELFM_PartInfo*, int> m_changed;
    QHash<CPELFM_PartInfo*, CPELFM_PartInfo*> m_origin;
    // Origins of deleted copies. They leave the maps when their copy is deleted, so a part that is
    // later allocated at the same address is never taken for the deleted one.
    QList<CPELFM_PartInfo*> m_removedSources;
};
