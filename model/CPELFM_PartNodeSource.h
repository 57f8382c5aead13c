#pragma once
#include <QList>

class CPELFM_PartInfo;
class CPELFM_ElemInfo;

// Where a part's elements come from until they are first needed (the part's document node).
// Shared by copies of a part; the document stays alive as long as a source refers to it.
class CPELFM_PartNodeSource {
public:
    virtual ~CPELFM_PartNodeSource();
    // Appends the part's elements to out; may throw, leaving what it appended to the caller.
    virtual void LoadElems(CPELFM_PartInfo& part, QList<CPELFM_ElemInfo*>& out) const = 0;
};
