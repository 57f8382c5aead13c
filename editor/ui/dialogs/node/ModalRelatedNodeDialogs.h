#pragma once
#include "IRelatedNodeDialogs.h"

class CCommonUtility;
class QWidget;

// Shows the relate dialogs modally over a parent window.
class ModalRelatedNodeDialogs : public IRelatedNodeDialogs {
public:
    ModalRelatedNodeDialogs(CCommonUtility& utility, QWidget* parent)
        : m_utility(utility), m_parent(parent) {}

    void RelateParts(int createdPartType) override;
    void RelateSection(int createdSectionType) override;

private:
    CCommonUtility& m_utility;
    QWidget* m_parent;
};
