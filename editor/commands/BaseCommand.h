#pragma once

// One undoable change of the profile. Execute also serves as redo. A command must leave the
// model either fully changed or untouched, whether it reports failure or throws, because the
// manager deletes it in both cases and its destructor frees what it owns in its current state.
class BaseCommand {
public:
    BaseCommand() = default;
    BaseCommand(const BaseCommand&) = delete;
    BaseCommand& operator=(const BaseCommand&) = delete;
    virtual ~BaseCommand() = default;

    virtual bool Execute() = 0;
    virtual bool Unexecute() = 0;
};
