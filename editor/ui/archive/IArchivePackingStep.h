#pragma once

struct ArchivePackInput;
class QWidget;

// Opens the packing dialog; true when it ended with OK.
class IArchivePackingStep {
public:
    virtual ~IArchivePackingStep() = default;
    virtual bool RunPacking(QWidget* parent, const ArchivePackInput& input) = 0;
};
