#pragma once

class BaseCommand;

// The history keeper that views, dialogs and file commands talk to.
class BaseCommandManager {
public:
    virtual ~BaseCommandManager() = default;

    // Takes ownership of the command in every case.
    virtual bool Execute(BaseCommand* command) = 0;
    virtual void Clear() = 0;
    virtual void Undo() = 0;
    virtual void Redo() = 0;
    virtual bool CanUndo() const = 0;
    virtual bool CanRedo() const = 0;
};
