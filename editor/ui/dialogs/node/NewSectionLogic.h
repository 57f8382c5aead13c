#pragma once
#include <QString>

class CCommonUtility;
class CPELFM_NodeBase;
class CPELFM_SectionInfo;

struct NewSectionInput {
    int sectionType = 0;  // SECTION_BLOCK or SECTION_COMM_IF
    QString sectionName;
    QString sectionComment;
    QString partName;
    QString partLabel2;
    QString partComment;
    bool relatedTicked = false;
};

enum class NewSectionField { None, SectionName, PartName, PartLabel2 };

struct NewSectionOutcome {
    bool created = false;
    NewSectionField focus = NewSectionField::None;
    CPELFM_SectionInfo* section = nullptr;
    bool openRelated = false;  // the relate-section dialog is to open for the new section's type
};

// The new-section dialog without its window.
class NewSectionLogic {
public:
    explicit NewSectionLogic(CCommonUtility& utility) : m_utility(utility) {}

    // COMM_IF when the selection is a COMM_IF section, one of its parts or the COMM_IF group item.
    static int InitialSectionType(CPELFM_NodeBase* selected, bool commIfGroupSelected);
    static bool OkEnabled(const QString& sectionName, const QString& partName) {
        return !sectionName.isEmpty() && !partName.isEmpty();
    }
    bool AutoCreateRelatedSection() const;

    // Validates, creates the section with its first part as one undo step and stores the setting.
    NewSectionOutcome Accept(const NewSectionInput& input);

private:
    CCommonUtility& m_utility;
};
