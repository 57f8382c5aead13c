#include "CommandEnvironment.h"

namespace {

CommandEnvironment& Current() {
    static CommandEnvironment environment;
    return environment;
}

}  // namespace

void SetCommandEnvironment(const CommandEnvironment& environment) {
    Current() = environment;
}

const CommandEnvironment& GetCommandEnvironment() {
    return Current();
}
