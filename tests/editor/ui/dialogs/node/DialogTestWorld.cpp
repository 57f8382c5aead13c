#include "DialogTestWorld.h"

#include <QDir>

#include "CommandManager.h"
#include "CommandRegistry.h"

namespace DialogTest {

DialogWorld::DialogWorld() : utility(folder.path()) {
    RegisterAllCommands();
    strings.Open(QStringLiteral(PEL_OUT_DIR) + "/PeloraMachineTool_RC.so");
    QDir(folder.path()).mkpath("Config");
    utility.SetStringSource(&strings);
    utility.SetMessagePresenter(&presenter);
    utility.settings = std::make_unique<_ST_SYSTEM_SETTING>();
    utility.openProfile = world.profile.get();
    utility.profilePlugins.append(_ST_DLL_PROFILE{});
    utility.profilePlugins[0].instance = &rules;
    world.services.plugin = &rules;
}

DialogWorld::~DialogWorld() {
    // The profile belongs to the command world, the plug-in to this object.
    if (utility.openProfile == world.profile.get()) utility.openProfile = nullptr;
    utility.profilePlugins.clear();
    GetCommandManager()->Clear();
}

QStringList DialogWorld::Messages() const {
    QStringList texts;
    for (const ScriptedMessagePresenter::Call& call : presenter.Calls()) texts << call.text;
    return texts;
}

int DialogWorld::UndoCount() const {
    return GetCommandManager()->UndoCount();
}

}  // namespace DialogTest
