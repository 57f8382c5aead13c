#pragma once
#include <QStringList>

#include "ArchiveValidationResult.h"

class IMessagePresenter;
class IProfileRelatedFiles;
class IStringSource;

// Checks the collected profiles, documents and tool folders against the profiles' own contents.
class CArchiveListValidator {
public:
    // toolsAllowed: the device-model plug-in packs ".dll" and ".exe" documents as tools.
    CArchiveListValidator(const IStringSource& strings, IMessagePresenter& presenter,
                          IProfileRelatedFiles& related, bool toolsAllowed);

    // 1 when valid; 0 after one error message, with result.failingPath naming the entry at fault.
    int ValidateArchiveFileLists(const QStringList& profiles, const QStringList& documents,
                                 const QStringList& toolFolders, ArchiveValidationResult& result);

private:
    int Fail(ArchiveValidationResult& result, const QString& failingPath, int id, const QStringList& inserts);

    const IStringSource& m_strings;
    IMessagePresenter& m_presenter;
    IProfileRelatedFiles& m_related;
    bool m_toolsAllowed;
};
