#pragma once
#include "BaseCommand.h"

class CommandReceiver;

// A command that wraps a receiver; without one it does nothing and reports failure.
class Command : public BaseCommand {
public:
    Command() = default;
    ~Command() override;

    bool Execute() override;
    bool Unexecute() override;

    // Takes the receiver; with owns set the command deletes it.
    void SetReceiver(CommandReceiver* receiver, bool owns = true);
    CommandReceiver* Receiver() const { return m_receiver; }

private:
    CommandReceiver* m_receiver = nullptr;
    bool m_ownsReceiver = true;
};
