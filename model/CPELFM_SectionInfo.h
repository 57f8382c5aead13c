#pragma once
#include <QList>
#include <QString>

#include "CPELFM_NodeBase.h"

class CPELFM_SectionInfo : public CPELFM_NodeBase {
public:
    static constexpr int Kind = NODE_SECTION;

    CPELFM_SectionInfo() : CPELFM_NodeBase(Kind) {}
    ~CPELFM_SectionInfo();
    CPELFM_SectionInfo(const CPELFM_SectionInfo&) = delete;
    CPELFM_SectionInfo& operator=(const CPELFM_SectionInfo&) = delete;

    // Deep copy into this fresh section; parts are loaded and copied with this section as owner.
    void CopyFrom(CPELFM_SectionInfo& source);

    void GetParts(QList<CPELFM_PartInfo*>& out) const;
    void GetPartsByType(QList<CPELFM_PartInfo*>& out, int partType) const;
    CPELFM_PartInfo* FindPartByName(const QString& name) const;
    // Takes out the first part of that name without deleting it; the caller owns it.
    void RemovePartByName(const QString& name);

    QString name;
    QString comment;
    int sectionType = 0;
    CPELFM_ProfileInfo* parent = nullptr;
    QList<CPELFM_PartInfo*> parts;  // owned
    int expanded = 0;
};

inline void DeleteSectionInfo(CPELFM_SectionInfo* node) { delete node; }
