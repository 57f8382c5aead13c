#pragma once
#include <QString>
#include <memory>

#include "BaseCommand.h"

class CPELFM_PartInfo;
class CPELFM_SectionInfo;

// Adds a new part to a section, built completely by Init from the plug-in's templates.
class CAddPartCommand : public BaseCommand {
public:
    CAddPartCommand();
    ~CAddPartCommand() override;

    // Throws InvalidArgumentError when the part kind needs templates and no profile plug-in is
    // loaded; the command is then left as it was.
    void Init(int partType, CPELFM_SectionInfo* section, const QString& partName, const QString& partComment,
              const QString& partLabel2, int emptyElemCount);

    bool Execute() override;
    bool Unexecute() override;

    CPELFM_PartInfo* Part() const { return m_part; }

private:
    CPELFM_SectionInfo* m_section = nullptr;
    CPELFM_PartInfo* m_part = nullptr;
    std::unique_ptr<CPELFM_PartInfo> m_ownedPart;  // set while the part is not in the section
    QString m_partName;
};
