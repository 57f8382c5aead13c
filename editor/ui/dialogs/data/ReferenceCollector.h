#pragma once

#include <QList>

class CPELFM_ItemInfo;

// The single references one item holds: a list is expanded into its entries, an angle list split into
// its pieces, a range gives its two bounds; entries that are lists again are expanded again. Items made
// on the way are owned by the collector; the item itself is listed when it holds one reference.
class ReferenceCollector {
public:
    explicit ReferenceCollector(CPELFM_ItemInfo* item);
    ~ReferenceCollector();
    ReferenceCollector(const ReferenceCollector&) = delete;
    ReferenceCollector& operator=(const ReferenceCollector&) = delete;

    const QList<CPELFM_ItemInfo*>& Items() const { return m_items; }

private:
    void Collect(CPELFM_ItemInfo* item, int depth);
    CPELFM_ItemInfo* MakeBound(CPELFM_ItemInfo* item, const QString& text);

    QList<CPELFM_ItemInfo*> m_items;
    QList<CPELFM_ItemInfo*> m_owned;
};
