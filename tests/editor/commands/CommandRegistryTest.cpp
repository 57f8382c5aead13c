#include <gtest/gtest.h>

#include <memory>
#include <typeinfo>

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
#include "CommandRegistry.h"
#include "DelElemCommand.h"
#include "MacroCommand.h"

namespace {

struct NamedClass {
    const char* name;
    const std::type_info& type;
};

const NamedClass kCommands[] = {
    {"AddElemCommand", typeid(AddElemCommand)},
    {"CAddPartCommand", typeid(CAddPartCommand)},
    {"CAddSecCommand", typeid(CAddSecCommand)},
    {"CChgItemCommand", typeid(CChgItemCommand)},
    {"CChgProCommand", typeid(CChgProCommand)},
    {"DelElemCommand", typeid(DelElemCommand)},
    {"CDeleteNodeCommand", typeid(CDeleteNodeCommand)},
    {"CMoveNodeCommand", typeid(CMoveNodeCommand)},
    {"CPasteCellCommand", typeid(CPasteCellCommand)},
    {"CPasteNodeCommand", typeid(CPasteNodeCommand)},
    {"Command", typeid(Command)},
    {"MacroCommand", typeid(MacroCommand)},
};

TEST(CommandRegistry, EveryNameCreatesItsOwnClass) {
    CommandRegistry registry;
    RegisterAllCommands(registry);
    EXPECT_EQ(registry.size(), std::size(kCommands));
    for (const NamedClass& entry : kCommands) {
        std::unique_ptr<BaseCommand> command(CreateCommandByName(entry.name, registry));
        ASSERT_NE(command, nullptr) << entry.name;
        EXPECT_EQ(typeid(*command), entry.type) << entry.name;
    }
}

TEST(CommandRegistry, LookupIsExact) {
    CommandRegistry registry;
    RegisterAllCommands(registry);
    for (const char* name : {"addelemcommand", "", "AddElemCommand ", "AddElem", "CAddSecCommandX"})
        EXPECT_EQ(CreateCommandByName(name, registry), nullptr) << name;
}

TEST(CommandRegistry, EachCallMakesANewObject) {
    CommandRegistry registry;
    RegisterAllCommands(registry);
    std::unique_ptr<BaseCommand> a(CreateCommandByName("AddElemCommand", registry));
    std::unique_ptr<BaseCommand> b(CreateCommandByName("AddElemCommand", registry));
    EXPECT_NE(a.get(), b.get());
}

TEST(CommandRegistry, CommandComesWithoutReceiver) {
    CommandRegistry registry;
    RegisterAllCommands(registry);
    std::unique_ptr<BaseCommand> command(CreateCommandByName("Command", registry));
    EXPECT_FALSE(command->Execute());
}

BaseCommand* MakeMacro() {
    return new MacroCommand;
}

TEST(CommandRegistry, ASecondRegistrationReplacesTheCreator) {
    CommandRegistry registry;
    RegisterAllCommands(registry);
    RegisterCommandCreator("Command", &MakeMacro, registry);
    std::unique_ptr<BaseCommand> command(CreateCommandByName("Command", registry));
    EXPECT_EQ(typeid(*command), typeid(MacroCommand));
}

}  // namespace
