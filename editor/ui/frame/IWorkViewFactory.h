#pragma once

class IWorkView;
class QWidget;

// Creates the view of a part window; the view's widget becomes the window's content.
class IWorkViewFactory {
public:
    virtual ~IWorkViewFactory() = default;
    virtual IWorkView* CreateWorkView(QWidget* parent) = 0;
};
