#pragma once
#include <QString>

class CPELFM_PartInfo;
class CWorkViewManager;

// The document of a part window. It holds no profile data: the profile lives in the service
// object; the document only names the part its window shows.
class CTessalyDoc {
public:
    void SetModifiedFlag(bool modified) { m_modified = modified; }
    bool IsModified() const { return m_modified; }

    CWorkViewManager* manager = nullptr;  // not owned
    CPELFM_PartInfo* part = nullptr;      // not owned
    QString title;

private:
    bool m_modified = false;
};
