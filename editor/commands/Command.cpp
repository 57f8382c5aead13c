#include "Command.h"

#include "CommandReceiver.h"

Command::~Command() {
    if (m_ownsReceiver && m_receiver) delete m_receiver;
    m_receiver = nullptr;
}

bool Command::Execute() {
    return m_receiver ? m_receiver->Run(false) : false;
}

bool Command::Unexecute() {
    return m_receiver ? m_receiver->Run(true) : false;
}

void Command::SetReceiver(CommandReceiver* receiver, bool owns) {
    if (m_ownsReceiver && m_receiver && m_receiver != receiver) delete m_receiver;
    m_receiver = receiver;
    m_ownsReceiver = owns;
}
