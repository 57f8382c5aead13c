#pragma once
#include <QList>
#include <QString>
#include <memory>

#include "CPELFM_NodeBase.h"
#include "CPELFM_PartNodeSource.h"

// A part of a section; its elements are built from its document node on first use.
class CPELFM_PartInfo : public CPELFM_NodeBase {
public:
    static constexpr int Kind = NODE_PART;

    CPELFM_PartInfo() : CPELFM_NodeBase(Kind) {}
    ~CPELFM_PartInfo();
    CPELFM_PartInfo(const CPELFM_PartInfo&) = delete;
    CPELFM_PartInfo& operator=(const CPELFM_PartInfo&) = delete;

    // Loads the source first, then deep-copies; copied elements name this part as owner.
    void CopyFrom(CPELFM_PartInfo& source);

    // Builds the elements from the node once. A failed load throws and leaves the part
    // unloaded and without elements, so it never passes for complete. Returns 1.
    int EnsureLoaded();

    void GetElems(QList<CPELFM_ElemInfo*>& out);
    CPELFM_ElemInfo* FindElemByLabel(const QString& label);
    void AddElem(CPELFM_ElemInfo* elem);
    // The element array itself, after loading; commands insert and take out elements here.
    QList<CPELFM_ElemInfo*>& Elems();
    int ElemCount();

    QString name;
    QString comment;
    int partType = 0;
    QString label2;
    CPELFM_SectionInfo* ownerSection = nullptr;
    int loaded = 0;
    std::shared_ptr<const CPELFM_PartNodeSource> xmlNode;

private:
    QList<CPELFM_ElemInfo*> m_elems;  // owned
};

inline void DeletePartInfo(CPELFM_PartInfo* node) { delete node; }
