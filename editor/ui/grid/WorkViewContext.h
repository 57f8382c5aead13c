#pragma once
#include <functional>

class CCommonUtility;
class ICommandFrame;
class IDialogPresenter;
class IReferenceTargets;

// What a part view needs of the application: the service object, the dialog runner, the frame the
// edit commands refresh, reference navigation and the tree pane's focus. Everything outlives the views.
struct WorkViewContext {
    CCommonUtility* utility = nullptr;
    IDialogPresenter* dialogs = nullptr;
    ICommandFrame* commandFrame = nullptr;
    IReferenceTargets* references = nullptr;
    std::function<void()> focusTree;
};
