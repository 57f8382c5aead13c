#include <gtest/gtest.h>

#include <QStringList>
#include <memory>
#include <stdexcept>

#include "Command.h"
#include "CommandManager.h"
#include "CommandReceiver.h"
#include "MacroCommand.h"
#include "Observer.h"

namespace {

// A command that appends to a shared journal and counts its own deletion.
struct Probe : BaseCommand {
    Probe(QStringList& journal, QString name, int& deleted)
        : journal(journal), name(std::move(name)), deleted(deleted) {}
    ~Probe() override { ++deleted; }
    bool Execute() override {
        if (throwOnExecute) throw std::runtime_error("execute");
        journal << "do " + name;
        return executeResult;
    }
    bool Unexecute() override {
        if (throwOnUnexecute) throw std::runtime_error("undo");
        journal << "undo " + name;
        return unexecuteResult;
    }
    QStringList& journal;
    QString name;
    int& deleted;
    bool executeResult = true;
    bool unexecuteResult = true;
    bool throwOnExecute = false;
    bool throwOnUnexecute = false;
};

struct Recorder : Observer {
    QStringList texts;
    void Update(Subject*, int reserved, int eventId, const QString& data) override {
        texts << QString("%1/%2/%3").arg(reserved).arg(eventId).arg(data);
    }
};

class ManagerTest : public ::testing::Test {
protected:
    void SetUp() override { manager.Attach(COMMAND_STATE_CHANGED, &recorder); }
    Probe* Make(const QString& name) { return new Probe(journal, name, deleted); }
    QStringList States() {
        QStringList states;
        for (const QString& t : recorder.texts) states << t.section('/', 2);
        return states;
    }

    QStringList journal;
    int deleted = 0;
    Recorder recorder;  // declared before the manager: it outlives the manager's Subject part
    CommandManager manager;
};

TEST_F(ManagerTest, NotificationsFollowTheHistoryState) {
    manager.Execute(Make("a"));
    manager.Execute(Make("b"));
    manager.Undo();
    manager.Undo();
    manager.Clear();
    // The second Execute changes nothing and sends nothing.
    EXPECT_EQ(recorder.texts, QStringList({"0/1/1,0", "0/1/1,1", "0/1/0,1", "0/1/0,0"}));
}

TEST_F(ManagerTest, NullAndFailedExecuteLeaveTheHistories) {
    EXPECT_FALSE(manager.Execute(nullptr));
    manager.Execute(Make("a"));
    manager.Undo();
    Probe* failing = Make("f");
    failing->executeResult = false;
    EXPECT_FALSE(manager.Execute(failing));
    EXPECT_EQ(deleted, 1);
    EXPECT_FALSE(manager.CanUndo());
    EXPECT_TRUE(manager.CanRedo()) << "a pending redo survives a failed execute";
    EXPECT_EQ(States(), QStringList({"1,0", "0,1"}));
}

TEST_F(ManagerTest, SuccessfulExecuteDiscardsTheRedoHistory) {
    manager.Execute(Make("a"));
    manager.Execute(Make("b"));
    manager.Undo();
    manager.Undo();
    manager.Execute(Make("c"));
    EXPECT_EQ(manager.RedoCount(), 0);
    EXPECT_EQ(deleted, 2);
    manager.Undo();
    manager.Redo();
    EXPECT_EQ(journal, QStringList({"do a", "do b", "undo b", "undo a", "do c", "undo c", "do c"}));
}

TEST_F(ManagerTest, UndoAndRedoOnEmptyHistoriesSendNothing) {
    manager.Undo();
    manager.Redo();
    manager.Clear();
    EXPECT_TRUE(recorder.texts.isEmpty());
    EXPECT_TRUE(journal.isEmpty());
}

TEST_F(ManagerTest, FailedUndoDropsTheCommandAndTheOneBeforeIsNext) {
    manager.Execute(Make("a"));
    Probe* b = Make("b");
    b->unexecuteResult = false;
    manager.Execute(b);
    manager.Undo();
    EXPECT_EQ(deleted, 1);
    EXPECT_FALSE(manager.CanRedo());
    EXPECT_EQ(manager.UndoCount(), 1);
    manager.Undo();
    EXPECT_EQ(journal.last(), "undo a");
}

TEST_F(ManagerTest, FailedRedoDropsOnlyThatCommand) {
    Probe* a = Make("a");
    manager.Execute(a);
    manager.Execute(Make("b"));
    manager.Undo();
    manager.Undo();
    a->executeResult = false;
    manager.Redo();
    EXPECT_EQ(deleted, 1);
    EXPECT_EQ(manager.UndoCount(), 0);
    EXPECT_EQ(manager.RedoCount(), 1);
}

TEST_F(ManagerTest, ThrowingCommandsAreDeletedAndStillNotified) {
    Probe* throwing = Make("t");
    throwing->throwOnExecute = true;
    EXPECT_THROW(manager.Execute(throwing), std::runtime_error);
    EXPECT_EQ(deleted, 1) << "the manager owns the command from entry";
    EXPECT_FALSE(manager.CanUndo());

    Probe* a = Make("a");
    manager.Execute(a);
    a->throwOnUnexecute = true;
    EXPECT_THROW(manager.Undo(), std::runtime_error);
    EXPECT_EQ(deleted, 2);
    EXPECT_FALSE(manager.CanUndo());
    EXPECT_FALSE(manager.CanRedo());
    EXPECT_EQ(States(), QStringList({"1,0", "0,0"}));
}

TEST_F(ManagerTest, DestructorClearsWithNotification) {
    Recorder late;
    {
        CommandManager local;
        local.Attach(COMMAND_STATE_CHANGED, &late);
        local.Execute(Make("a"));
    }
    EXPECT_EQ(deleted, 1);
    EXPECT_EQ(late.texts, QStringList({"0/1/1,0", "0/1/0,0"}));
}

TEST(SubjectTest, DetachRemovesEveryEntryAndEitherSideMayGoFirst) {
    Recorder a, b;
    auto subject = std::make_unique<Subject>();
    subject->Attach(1, &a);
    subject->Attach(2, &a);
    subject->Attach(1, &b);
    subject->Notify(1, "x");
    subject->Detach(&a);
    subject->Notify(1, "y");
    subject->Notify(2, "z");
    EXPECT_EQ(a.texts, QStringList({"0/1/x"}));
    EXPECT_EQ(b.texts, QStringList({"0/1/x", "0/1/y"}));
    {
        Recorder shortLived;
        subject->Attach(3, &shortLived);
    }
    subject->Notify(3, "after");  // must not reach the destroyed observer
    subject.reset();              // b must not keep a dangling subject
}

struct ScriptedReceiver : CommandReceiver {
    explicit ScriptedReceiver(QStringList& runs, int* deleted = nullptr) : runs(runs), deleted(deleted) {}
    ~ScriptedReceiver() override {
        if (deleted) ++*deleted;
    }
    bool Run(bool undo) override {
        runs << (undo ? "undo" : "do");
        return true;
    }
    QStringList& runs;
    int* deleted;
};

TEST(CommandTest, ForwardsToItsReceiverAndOwnsIt) {
    Command empty;
    EXPECT_FALSE(empty.Execute());
    EXPECT_FALSE(empty.Unexecute());

    QStringList runs;
    int deleted = 0;
    {
        Command command;
        command.SetReceiver(new ScriptedReceiver(runs, &deleted));
        EXPECT_TRUE(command.Execute());
        EXPECT_TRUE(command.Unexecute());
    }
    EXPECT_EQ(runs, QStringList({"do", "undo"}));
    EXPECT_EQ(deleted, 1);

    ScriptedReceiver kept(runs, &deleted);
    {
        Command borrowing;
        borrowing.SetReceiver(&kept, false);
    }
    EXPECT_EQ(deleted, 1);
}

class MacroTest : public ManagerTest {};

TEST_F(MacroTest, FailingChildRevertsTheOnesBeforeInReverse) {
    auto* macro = new MacroCommand;
    macro->AddCommand(Make("a"));
    macro->AddCommand(Make("b"));
    Probe* c = Make("c");
    c->executeResult = false;
    macro->AddCommand(c);
    EXPECT_FALSE(manager.Execute(macro));
    EXPECT_EQ(journal, QStringList({"do a", "do b", "do c", "undo b", "undo a"}));
    EXPECT_EQ(deleted, 3) << "the manager deletes the macro with all children";
    EXPECT_FALSE(manager.CanUndo());
}

TEST_F(MacroTest, ThrowingChildRevertsTooAndTheExceptionPasses) {
    auto* macro = new MacroCommand;
    macro->AddCommand(Make("a"));
    Probe* b = Make("b");
    b->throwOnExecute = true;
    macro->AddCommand(b);
    EXPECT_THROW(manager.Execute(macro), std::runtime_error);
    EXPECT_EQ(journal, QStringList({"do a", "undo a"}));
    EXPECT_EQ(deleted, 2);
}

TEST_F(MacroTest, UndoRunsBackwardsAndAFailureReappliesTheRest) {
    auto* macro = new MacroCommand;
    Probe* a = Make("a");
    macro->AddCommand(a);
    macro->AddCommand(Make("b"));
    macro->AddCommand(Make("c"));
    EXPECT_TRUE(manager.Execute(macro));
    manager.Undo();
    manager.Redo();
    journal.clear();
    a->unexecuteResult = false;
    manager.Undo();
    EXPECT_EQ(journal, QStringList({"undo c", "undo b", "undo a", "do b", "do c"}));
    EXPECT_FALSE(manager.CanRedo());
}

TEST_F(MacroTest, EmptyMacroSucceeds) {
    MacroCommand macro;
    EXPECT_TRUE(macro.Execute());
    EXPECT_TRUE(macro.Unexecute());
    macro.AddCommand(nullptr);
    EXPECT_EQ(macro.CommandCount(), 0);
}

}  // namespace
