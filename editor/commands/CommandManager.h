#pragma once
#include <deque>

#include "BaseCommandManager.h"
#include "Subject.h"

// Event id of the history-state notification; its data is "<canUndo>,<canRedo>" as 1 or 0.
inline constexpr int COMMAND_STATE_CHANGED = 1;

// The undo and redo histories. Both own their commands and grow without limit. A command is
// owned from the moment it is handed in: one that fails or throws is deleted, never leaked.
class CommandManager : public BaseCommandManager, public Subject {
public:
    CommandManager() = default;
    ~CommandManager() override;

    bool Execute(BaseCommand* command) override;
    void Clear() override;
    void Undo() override;
    void Redo() override;
    bool CanUndo() const override { return !m_undo.empty(); }
    bool CanRedo() const override { return !m_redo.empty(); }

    int UndoCount() const { return static_cast<int>(m_undo.size()); }
    int RedoCount() const { return static_cast<int>(m_redo.size()); }

private:
    class StateNotifier;

    std::deque<BaseCommand*> m_undo;  // newest at the back
    std::deque<BaseCommand*> m_redo;  // most recently undone at the back
};

// The one manager of the process, built on first use.
CommandManager* GetCommandManager();
