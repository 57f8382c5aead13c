#pragma once

struct CPELFM_NodeBase;

// What the frame asks of the profile tree pane when it brings a node into view.
class IProfileTreeNavigation {
public:
    virtual void SelectNodeItem(CPELFM_NodeBase* node) = 0;
    virtual void FocusTree() = 0;

protected:
    ~IProfileTreeNavigation() = default;
};
