#pragma once
#include <QString>
#include <memory>

#include "BaseCommand.h"

class CPELFM_ProfileInfo;
class CPELFM_SectionInfo;

// Adds a new section with its first part. The nodes are built completely by Init, so that
// Execute and Unexecute only link and unlink them.
class CAddSecCommand : public BaseCommand {
public:
    // Takes the open profile's root from the command environment.
    CAddSecCommand();
    ~CAddSecCommand() override;

    // Throws InvalidArgumentError when the first part needs templates and no profile plug-in
    // is loaded; the command is then left as it was.
    void Init(int sectionType, const QString& sectionName, const QString& sectionComment,
              const QString& partName, const QString& partLabel2, const QString& partComment);

    bool Execute() override;
    bool Unexecute() override;

    CPELFM_SectionInfo* Section() const { return m_section; }

private:
    CPELFM_SectionInfo* m_section = nullptr;
    std::unique_ptr<CPELFM_SectionInfo> m_ownedSection;  // set while the section is not in the profile
    CPELFM_ProfileInfo* m_root = nullptr;
    QString m_sectionName;
};
