#pragma once
#include "CDialogSelectArchiveFile.h"
#include "IArchivePackingStep.h"
#include "IDialogPresenter.h"

// Shows the packing dialog modally, through the editor's dialog presenter so that it can be driven.
class CArchivePackingStep : public IArchivePackingStep {
public:
    CArchivePackingStep(const CDialogSelectArchiveFile::Services& services, IDialogPresenter& dialogs)
        : m_services(services), m_dialogs(dialogs) {}
    bool RunPacking(QWidget* parent, const ArchivePackInput& input) override;

private:
    CDialogSelectArchiveFile::Services m_services;
    IDialogPresenter& m_dialogs;
};
