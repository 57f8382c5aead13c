#include "CWorkViewFactory.h"

#include "CWorkView.h"

IWorkView* CWorkViewFactory::CreateWorkView(QWidget* parent) {
    return new CWorkView(m_context, parent);
}
