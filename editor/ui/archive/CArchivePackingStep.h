#pragma once
#include "CDialogSelectArchiveFile.h"
#include "IArchivePackingStep.h"

// Shows the packing dialog modally.
class CArchivePackingStep : public IArchivePackingStep {
public:
    explicit CArchivePackingStep(const CDialogSelectArchiveFile::Services& services) : m_services(services) {}
    bool RunPacking(QWidget* parent, const ArchivePackInput& input) override;

private:
    CDialogSelectArchiveFile::Services m_services;
};
