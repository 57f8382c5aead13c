#include "CommandRegistry.h"

#include <new>

#include "AddElemCommand.h"
#include "CAddPartCommand.h"
#include "CAddSecCommand.h"
#include "CChgItemCommand.h"
#include "CChgProCommand.h"
#include "CDeleteNodeCommand.h"
#include "CMoveNodeCommand.h"
#include "CPasteCellCommand.h"
#include "CPasteNodeCommand.h"
#include "Command.h"
#include "DelElemCommand.h"
#include "MacroCommand.h"

CommandRegistry& GetCommandRegistry() {
    static CommandRegistry registry;
    return registry;
}

void RegisterCommandCreator(const std::string& name, CommandCreator creator, CommandRegistry& registry) {
    registry[name] = creator;
}

BaseCommand* CreateCommandByName(const std::string& name, const CommandRegistry& registry) {
    const auto it = registry.find(name);
    if (it == registry.end() || !it->second) return nullptr;
    return it->second();
}

namespace {

template <class T>
BaseCommand* Create() {
    return new (std::nothrow) T;
}

}  // namespace

void RegisterAllCommands(CommandRegistry& registry) {
    RegisterCommandCreator("AddElemCommand", &Create<AddElemCommand>, registry);
    RegisterCommandCreator("CAddPartCommand", &Create<CAddPartCommand>, registry);
    RegisterCommandCreator("CAddSecCommand", &Create<CAddSecCommand>, registry);
    RegisterCommandCreator("CChgItemCommand", &Create<CChgItemCommand>, registry);
    RegisterCommandCreator("CChgProCommand", &Create<CChgProCommand>, registry);
    RegisterCommandCreator("DelElemCommand", &Create<DelElemCommand>, registry);
    RegisterCommandCreator("CDeleteNodeCommand", &Create<CDeleteNodeCommand>, registry);
    RegisterCommandCreator("CMoveNodeCommand", &Create<CMoveNodeCommand>, registry);
    RegisterCommandCreator("CPasteCellCommand", &Create<CPasteCellCommand>, registry);
    RegisterCommandCreator("CPasteNodeCommand", &Create<CPasteNodeCommand>, registry);
    RegisterCommandCreator("Command", &Create<Command>, registry);
    RegisterCommandCreator("MacroCommand", &Create<MacroCommand>, registry);
}
