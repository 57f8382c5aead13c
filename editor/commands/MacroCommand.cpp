#include "MacroCommand.h"

#include <exception>

MacroCommand::~MacroCommand() {
    for (BaseCommand* child : m_children) delete child;
}

void MacroCommand::AddCommand(BaseCommand* child) {
    if (child) m_children.push_back(child);
}

namespace {

// Runs the children [0, done) back in reverse; a child that cannot be reverted is skipped,
// as nothing better can be done for it once the way forward has failed.
void RevertExecuted(std::vector<BaseCommand*>& children, size_t done) {
    while (done > 0) {
        --done;
        try {
            children[done]->Unexecute();
        } catch (...) {
        }
    }
}

void ReapplyUnexecuted(std::vector<BaseCommand*>& children, size_t from) {
    for (size_t i = from; i < children.size(); ++i) {
        try {
            children[i]->Execute();
        } catch (...) {
        }
    }
}

}  // namespace

bool MacroCommand::Execute() {
    for (size_t i = 0; i < m_children.size(); ++i) {
        bool ok = false;
        try {
            ok = m_children[i]->Execute();
        } catch (...) {
            RevertExecuted(m_children, i);
            throw;
        }
        if (!ok) {
            RevertExecuted(m_children, i);
            return false;
        }
    }
    return true;
}

bool MacroCommand::Unexecute() {
    for (size_t i = m_children.size(); i > 0; --i) {
        bool ok = false;
        try {
            ok = m_children[i - 1]->Unexecute();
        } catch (...) {
            ReapplyUnexecuted(m_children, i);
            throw;
        }
        if (!ok) {
            ReapplyUnexecuted(m_children, i);
            return false;
        }
    }
    return true;
}
