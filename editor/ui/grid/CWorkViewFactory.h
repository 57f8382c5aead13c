#pragma once
#include "IWorkViewFactory.h"
#include "WorkViewContext.h"

// Makes the part grid views of the part windows.
class CWorkViewFactory : public IWorkViewFactory {
public:
    explicit CWorkViewFactory(WorkViewContext context) : m_context(std::move(context)) {}
    IWorkView* CreateWorkView(QWidget* parent) override;

private:
    WorkViewContext m_context;
};
