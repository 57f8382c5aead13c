#pragma once

class ICommandFrame;
class ICommandServices;

// Where commands created by name find the application's services and main frame. Set by the
// application once both exist (and by tests); either may be null before that.
struct CommandEnvironment {
    ICommandServices* services = nullptr;
    ICommandFrame* frame = nullptr;
};

void SetCommandEnvironment(const CommandEnvironment& environment);
const CommandEnvironment& GetCommandEnvironment();
