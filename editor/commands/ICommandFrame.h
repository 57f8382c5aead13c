#pragma once

class IProfileTreePane;
class IWorkViewManager;

// The main frame as the edit commands see it: the windows they refresh after a change.
class ICommandFrame {
public:
    virtual ~ICommandFrame() = default;

    virtual IWorkViewManager& WorkViews() = 0;
    virtual IProfileTreePane& ProfileTree() = 0;
};
