#include "ModalRelatedNodeDialogs.h"

#include "CDialogRelatePart.h"
#include "CDialogRelateSection.h"

void ModalRelatedNodeDialogs::RelateParts(int createdPartType) {
    CDialogRelatePart dialog(m_utility, createdPartType, m_parent);
    dialog.exec();
}

void ModalRelatedNodeDialogs::RelateSection(int createdSectionType) {
    CDialogRelateSection dialog(m_utility, createdSectionType, m_parent);
    dialog.exec();
}
