#pragma once
#include <vector>

#include "BaseCommand.h"

// A command made of child commands, applied first to last and reverted last to first.
// It is all or nothing: when a child fails or throws, the children already run are run back,
// so the macro never stays half applied.
class MacroCommand : public BaseCommand {
public:
    MacroCommand() = default;
    ~MacroCommand() override;

    bool Execute() override;
    bool Unexecute() override;

    // The macro owns the child from here on; null is ignored.
    void AddCommand(BaseCommand* child);
    int CommandCount() const { return static_cast<int>(m_children.size()); }

private:
    std::vector<BaseCommand*> m_children;
};
