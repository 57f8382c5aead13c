#pragma once
// A profile with the command environment, a service object over it, the editor's real texts and a
// profile plug-in whose label rules and part kinds the test sets.
#include <QMap>
#include <QTemporaryDir>

#include "CCommonUtility.h"
#include "CommandTestWorld.h"
#include "ResourceStringSource.h"
#include "ScriptedMessagePresenter.h"

namespace DialogTest {

class RulesPlugin : public CommandTest::FakeProfilePlugin {
public:
    QMap<QString, int> verdicts;  // label -> ValidateLabel result; 0 for any other
    QList<int> partKinds;

    int ValidateLabel(QString label, int) override { return verdicts.value(label, 0); }
    void GetPartKindsOfSection(int, QList<int>& kinds) override { kinds = partKinds; }
};

class DialogWorld {
public:
    DialogWorld();
    ~DialogWorld();
    DialogWorld(const DialogWorld&) = delete;
    DialogWorld& operator=(const DialogWorld&) = delete;

    CPELFM_ProfileInfo& root() { return world.root(); }
    // Texts of the boxes shown so far.
    QStringList Messages() const;
    int UndoCount() const;

    CommandTest::World world;
    QTemporaryDir folder;
    ResourceStringSource strings;
    ScriptedMessagePresenter presenter;
    RulesPlugin rules;
    CCommonUtility utility;
};

}  // namespace DialogTest
