#pragma once
#include <map>
#include <string>

class BaseCommand;

// Creates a new command of one class, set up only by its constructor.
using CommandCreator = BaseCommand* (*)();
// Class name (exact, byte order) to creator.
using CommandRegistry = std::map<std::string, CommandCreator>;

// The registry of the process, built empty on first use.
CommandRegistry& GetCommandRegistry();

// A second registration of a name replaces the creator.
void RegisterCommandCreator(const std::string& name, CommandCreator creator,
                            CommandRegistry& registry = GetCommandRegistry());

// Null for a name that is not registered. The caller owns the new command until it hands it
// to the command manager.
BaseCommand* CreateCommandByName(const std::string& name,
                                 const CommandRegistry& registry = GetCommandRegistry());

// Registers the twelve command classes of the editor. Called once at start-up: registration by
// static objects would be dropped by the linker from a static library.
void RegisterAllCommands(CommandRegistry& registry = GetCommandRegistry());
