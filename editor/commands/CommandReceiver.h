#pragma once

// An action object that a Command forwards to; undo tells which direction to run.
class CommandReceiver {
public:
    virtual ~CommandReceiver() = default;
    virtual bool Run(bool undo) = 0;
};
