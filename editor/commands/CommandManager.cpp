#include "CommandManager.h"

#include <memory>

#include "BaseCommand.h"

// Compares the history state on leaving with the state on entry and notifies a change,
// also when the operation is left by an exception.
class CommandManager::StateNotifier {
public:
    explicit StateNotifier(CommandManager& manager)
        : m_manager(manager), m_canUndo(manager.CanUndo()), m_canRedo(manager.CanRedo()) {}
    ~StateNotifier() {
        const bool canUndo = m_manager.CanUndo();
        const bool canRedo = m_manager.CanRedo();
        if (canUndo == m_canUndo && canRedo == m_canRedo) return;
        const QString text = QStringLiteral("%1,%2").arg(canUndo ? 1 : 0).arg(canRedo ? 1 : 0);
        try {
            m_manager.Notify(COMMAND_STATE_CHANGED, text);
        } catch (...) {
            // An observer must not turn a finished edit into a failure.
        }
    }

private:
    CommandManager& m_manager;
    bool m_canUndo;
    bool m_canRedo;
};

namespace {

void DeleteAllFromBack(std::deque<BaseCommand*>& history) {
    while (!history.empty()) {
        BaseCommand* command = history.back();
        history.pop_back();
        delete command;
    }
}

}  // namespace

CommandManager::~CommandManager() {
    Clear();
}

bool CommandManager::Execute(BaseCommand* command) {
    StateNotifier notifier(*this);
    if (!command) return false;
    std::unique_ptr<BaseCommand> owned(command);
    if (!owned->Execute()) return false;
    m_undo.push_back(owned.release());
    DeleteAllFromBack(m_redo);
    return true;
}

void CommandManager::Undo() {
    StateNotifier notifier(*this);
    if (m_undo.empty()) return;
    std::unique_ptr<BaseCommand> command(m_undo.back());
    m_undo.pop_back();
    if (command->Unexecute()) m_redo.push_back(command.release());
}

void CommandManager::Redo() {
    StateNotifier notifier(*this);
    if (m_redo.empty()) return;
    std::unique_ptr<BaseCommand> command(m_redo.back());
    m_redo.pop_back();
    if (command->Execute()) m_undo.push_back(command.release());
}

void CommandManager::Clear() {
    StateNotifier notifier(*this);
    DeleteAllFromBack(m_undo);
    DeleteAllFromBack(m_redo);
}

CommandManager* GetCommandManager() {
    static CommandManager manager;
    return &manager;
}
