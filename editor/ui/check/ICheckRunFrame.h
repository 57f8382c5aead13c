#pragma once

class COutputWnd;
class QWidget;

// What a check run asks of the window it runs in. The main frame implements it, so that the check
// room needs nothing of the frame room.
class ICheckRunFrame {
public:
    // The owner of the progress dialog.
    virtual QWidget* CheckDialogParent() = 0;
    // Ends the cell edit in progress in the active part view, keeping what was typed.
    virtual void FinishActiveCellEdit() = 0;
    // While locked, the panes that read the model neither repaint nor show tooltips.
    virtual void SetModelViewsLocked(bool locked) = 0;
    virtual COutputWnd& OutputPane() = 0;
    // The window is to close once the run is over: the run reports nothing and stops what follows it.
    virtual bool CloseWaiting() const = 0;

protected:
    ~ICheckRunFrame() = default;
};
