#pragma once
#include <QList>
#include <QString>

class CCommonUtility;
class CPELFM_NodeBase;
class CPELFM_PartInfo;
class CPELFM_SectionInfo;

// What the new-part dialog reads from its fields.
struct NewPartInput {
    QString partTypeName;  // the chosen list entry, "" when none
    QString name;
    QString label2;
    QString comment;
    QString elemCount;
    bool relatedShown = false;  // the related-parts check box is visible and enabled
    bool relatedTicked = false;
};

// The field a refusal sends the focus to.
enum class NewPartField { None, Name, Label2, ElemCount };

struct NewPartOutcome {
    bool created = false;
    NewPartField focus = NewPartField::None;
    CPELFM_PartInfo* part = nullptr;
    bool openRelated = false;  // the relate-part dialog is to open for partType
    int partType = 0;
};

// The new-part dialog without its window.
class NewPartLogic {
public:
    // The section of the tree's selected node: the node itself or the section of a part; else null.
    static CPELFM_SectionInfo* TargetSection(CPELFM_NodeBase* selected);

    NewPartLogic(CCommonUtility& utility, CPELFM_SectionInfo* section);

    CPELFM_SectionInfo* Section() const { return m_section; }
    // Part-type names the first profile plug-in allows in the section.
    QStringList AddablePartTypeNames() const;
    // The related-parts check box is shown at all.
    bool RelatedBoxVisible() const;
    // The box is enabled for this entry: a COMM_IF_CONFIGURATION with a BLOCK section to relate to.
    bool RelatedBoxEnabled(const QString& partTypeName) const;
    bool AutoCreateRelatedPart() const;
    static bool OkEnabled(bool typeChosen, const QString& name) { return typeChosen && !name.isEmpty(); }
    // The spin button's new text, or the text unchanged when it holds no complete number.
    static QString StepElemCount(const QString& text, int delta);

    // Validates, creates the part as one undo step and stores the check box setting.
    NewPartOutcome Accept(const NewPartInput& input);

private:
    CCommonUtility& m_utility;
    CPELFM_SectionInfo* m_section;
};
