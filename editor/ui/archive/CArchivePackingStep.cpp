#include "CArchivePackingStep.h"

bool CArchivePackingStep::RunPacking(QWidget* parent, const ArchivePackInput& input) {
    CDialogSelectArchiveFile dialog(m_services, input, parent);
    return m_dialogs.RunModal(dialog) == QDialog::Accepted;
}
