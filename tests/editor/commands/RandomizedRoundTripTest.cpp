// Many seeded sequences of commands of every kind over generated profiles: undoing all of them
// gives back the profile as it was, redoing all of them the profile as it was after the
// sequence, both step by step and as the project file the editor writes, byte for byte;
// a command that fails or throws leaves the profile untouched.
#include <gtest/gtest.h>

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <functional>
#include <random>
#include <typeinfo>
#include <vector>

#include "AddElemCommand.h"
#include "CAddPartCommand.h"
#include "CAddSecCommand.h"
#include "CChgItemCommand.h"
#include "CChgProCommand.h"
#include "CDeleteNodeCommand.h"
#include "CMoveNodeCommand.h"
#include "CPasteCellCommand.h"
#include "CPasteNodeCommand.h"
#include "CommandManager.h"
#include "CommandTestWorld.h"
#include "DelElemCommand.h"
#include "MacroCommand.h"
#include "MapStringSource.h"
#include "ProjectXmlTestData.h"
#include "ProjectXmlWriter.h"

using namespace CommandTest;

namespace {

constexpr int kSequences = 1000;
constexpr int kMaxCommands = 24;

const QList<int> kColumns = {LABEL, LABEL2, NAME, DATATYPE, DATA, RANGE, ACCESS, COMMENT, REF_PARAM};

// The project file of the profile as the editor saves it.
QByteArray ProjectFile(CPELFM_ProfileInfo& root, IProfilePlugin& plugin, const QString& path) {
    EXPECT_EQ(SaveProfileDocument(&root, &plugin, TestData::ProjectTexts(), path), 0);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

class Generator {
public:
    explicit Generator(unsigned seed) : m_random(seed) {}

    int Pick(int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool Chance(int percent) { return Pick(100) < percent; }

    QString Name(const char* stem) {
        // Few names on purpose: names equal but for case, and trailing digits. Exactly equal
        // names are avoided, as part windows are found by exact names and a namesake's open
        // window rightly stops a cell paste (tested on its own).
        static const char* suffixes[] = {"", "1", "01", "9", "A"};
        QString name = QString(stem) + suffixes[Pick(5)];
        for (const QString& variant : {name, name.toUpper(), name.toLower()}) {
            if (!m_usedNames.contains(variant)) {
                m_usedNames.insert(variant);
                return variant;
            }
        }
        name += QString("_%1").arg(m_usedNames.size());
        m_usedNames.insert(name);
        return name;
    }

    QString CellText() {
        static const char* texts[] = {"",
                                      "x",
                                      "ENUM Colors",
                                      "enum  Mode",
                                      "a,\r\nb",
                                      "1,\r\n2,\r\n3",
                                      "Arr()",
                                      "Blk.Mem.Row.Item",
                                      "R\r\nW",
                                      "Int"};
        return texts[Pick(10)];
    }

    QList<Data> Values() {
        QList<Data> values;
        const int count = 1 + (Chance(25) ? Pick(3) : 0);
        for (int i = 0; i < count; ++i) values.append(Data{Chance(20) ? 2 : 1, QString("v%1").arg(Pick(50))});
        return values;
    }

    void FillPart(CPELFM_PartInfo& part) {
        const int elems = Pick(5);
        for (int e = 0; e < elems; ++e) {
            CPELFM_ElemInfo* elem = AddElem(part, Name("Row"));
            const int items = Pick(5);
            for (int i = 0; i < items; ++i) AddItem(*elem, kColumns[1 + Pick(kColumns.size() - 1)], Values());
        }
    }

    void FillProfile(CPELFM_ProfileInfo& root) {
        CPELFM_SectionInfo* file = AddSection(root, "File", SECTION_FILE);
        FillPart(*AddPart(*file, "FileInfo", PART_FILE_INFO));
        CPELFM_SectionInfo* device = AddSection(root, "Device", SECTION_DEVICE);
        FillPart(*AddPart(*device, "DeviceInfo", PART_DEVICE_INFO));
        for (int i = Pick(3); i > 0; --i) FillPart(*AddPart(*device, Name("Conn"), PART_DEVICE_IF));
        for (int s = 1 + Pick(4); s > 0; --s) {
            const bool block = Chance(60);
            CPELFM_SectionInfo* section =
                AddSection(root, Name(block ? "Blk" : "Comm"), block ? SECTION_BLOCK : SECTION_COMM_IF);
            section->comment = Chance(30) ? "note" : "";
            FillPart(*AddPart(*section, "Info", block ? PART_BLOCK_INFO : PART_COMM_IF_INFO));
            for (int p = Pick(4); p > 0; --p) {
                const int type = block ? PART_BLOCK_MEMORY + Pick(3) : PART_COMM_IF_VARIABLE + Pick(2);
                FillPart(*AddPart(*section, Name(type == PART_ENUM ? "Enum" : "Mem"), type));
            }
        }
    }

private:
    std::mt19937 m_random;
    QSet<QString> m_usedNames;
};

class RoundTrip {
public:
    RoundTrip(World& world, Generator& gen) : w(world), g(gen) {}

    // One random command, executed through the manager. Returns whether it entered the history.
    bool RunOne(std::string& kind) {
        BaseCommand* command = g.Chance(8) ? MakeMacro() : MakeCommand();
        if (!command) return false;
        kind = typeid(*command).name();
        const QString before = DumpProfile(w.root());
        bool ok = false;
        try {
            ok = GetCommandManager()->Execute(command);
        } catch (const std::exception&) {
            ok = false;
        }
        if (!ok) {
            EXPECT_EQ(DumpProfile(w.root()), before) << "a failed command changed the profile";
        }
        return ok;
    }

private:
    QList<CPELFM_SectionInfo*> Sections() { return w.root().sections; }
    QList<CPELFM_PartInfo*> Parts() {
        QList<CPELFM_PartInfo*> parts;
        for (CPELFM_SectionInfo* s : w.root().sections) parts += s->parts;
        return parts;
    }
    template <class T>
    T* Any(const QList<T*>& nodes) {
        return nodes.isEmpty() ? nullptr : nodes[g.Pick(nodes.size())];
    }
    CPELFM_ElemInfo* AnyElem(CPELFM_PartInfo* part) { return part ? Any(part->Elems()) : nullptr; }
    CPELFM_NodeBase* AnyNode() {
        if (g.Chance(40)) return Any(Sections());
        return Any(Parts());
    }
    FakeGridView* ViewOf(CPELFM_PartInfo* part) {
        FakeGridView* view = w.frame.views.ViewOf(part);
        if (!view || g.Chance(30)) {
            // Sometimes the window is not open and the command has to open it.
            static thread_local std::unique_ptr<FakeGridView> detached;
            detached = std::make_unique<FakeGridView>(part, kColumns);
            return detached.get();
        }
        return view;
    }

    BaseCommand* MakeMacro() {
        auto* macro = new MacroCommand;
        for (int i = 1 + g.Pick(3); i > 0; --i) macro->AddCommand(MakeCommand());
        return macro;
    }

    BaseCommand* MakeCommand() {
        if (g.Chance(10)) w.frame.tree.Show();
        if (g.Chance(20)) {
            if (CPELFM_PartInfo* p = Any(Parts())) {
                if (!w.frame.views.ViewOf(p)) w.frame.views.Open(p);
            }
        }
        switch (g.Pick(12)) {
            case 0: {
                auto* c = new CAddSecCommand;
                c->Init(SECTION_COMM_IF + g.Pick(2), g.Name("Blk"), "c", "Info", "", "");
                return c;
            }
            case 1: {
                CPELFM_SectionInfo* s = Any(Sections());
                if (!s) return nullptr;
                auto* c = new CAddPartCommand;
                static const int types[] = {PART_DEVICE_IF, PART_BLOCK_MEMORY, PART_BLOCK_PARAM, PART_ENUM,
                                            PART_COMM_IF_VARIABLE};
                c->Init(types[g.Pick(5)], s, g.Name("Mem"), "", "l2", g.Pick(3));
                return c;
            }
            case 2: {
                CPELFM_PartInfo* p = Any(Parts());
                if (!p) return nullptr;
                auto* c = new AddElemCommand;
                c->Init(p, 1 + g.Pick(3), &w.frame, g.Pick(p->ElemCount() + 3));  // row 0 and beyond: throws
                return c;
            }
            case 3: {
                CPELFM_PartInfo* p = Any(Parts());
                if (!p) return nullptr;
                auto* c = new DelElemCommand;
                c->Init(&w.frame, 1 + g.Pick(3), p, g.Pick(p->ElemCount() + 1));  // may lie past the end
                return c;
            }
            case 4:
            case 5: {
                CPELFM_ElemInfo* e = AnyElem(Any(Parts()));
                if (!e) return nullptr;
                auto* c = new CChgItemCommand;
                const int type = kColumns[g.Pick(kColumns.size())];
                if (g.Chance(25))
                    c->InitFromDataList(&w.frame, type, e,
                                        g.Chance(20) ? QStringList() : QStringList{"enum E", "2"});
                else
                    c->InitFromText(&w.frame, type, e, g.CellText());
                return c;
            }
            case 6: {
                auto* c = new CChgProCommand;
                c->Init(AnyNode(), g.Name("Ren"), "l2", "comment");
                return c;
            }
            case 7: {
                auto* c = new CDeleteNodeCommand;
                c->SetNode(AnyNode());
                return c;
            }
            case 8: {
                auto* c = new CMoveNodeCommand;
                CPELFM_NodeBase* node = AnyNode();
                c->Init(node, g.Chance(20) ? nullptr : AnyNode());
                return c;
            }
            case 9: {
                auto* c = new CPasteNodeCommand;
                c->Init(AnyNode(), g.Chance(15) ? nullptr : AnyNode());
                return c;
            }
            default: {
                CPELFM_PartInfo* p = Any(Parts());
                if (!p) return nullptr;
                auto* c = new CPasteCellCommand;
                const int row = g.Pick(p->ElemCount() + 2);
                const int column = g.Pick(kColumns.size() + 1);
                if (g.Chance(30)) {
                    c->InitWithValues(ViewOf(p), 1 + g.Pick(3), row, column,
                                      {g.CellText(), "ENUM Blk.Mem.Row.x", g.CellText()});
                } else {
                    QString text;
                    for (int r = 0; r < 3; ++r) {
                        for (int k = g.Pick(4); k > 0; --k) text += g.CellText().replace("\r\n", "\v") + "\t";
                        text += "\f";
                    }
                    c->Init(ViewOf(p), row, column, 1 + g.Pick(3), 1 + g.Pick(4),
                            g.Chance(20) ? QString() : text);
                }
                return c;
            }
        }
    }

    World& w;
    Generator& g;
};

TEST(RandomizedRoundTrip, UndoAllAndRedoAllRestoreTheProfileExactly) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("round.pelproj");
    for (int sequence = 0; sequence < kSequences; ++sequence) {
        SCOPED_TRACE(testing::Message() << "seed " << sequence);
        Generator g(static_cast<unsigned>(sequence));
        World w;
        w.frame.views.columnKinds = kColumns;
        w.plugin.commIfInfo = {Template("CommIFTypeID", {"T"})};
        w.plugin.blockInfo = {Template("BlockKind", {"a", "b"})};
        w.plugin.deviceIf = {Template("ProtocolVersion", {"1"})};
        w.plugin.blockMemory = {Template("P_Value")};
        w.plugin.blockParam = {Template("Param")};
        g.FillProfile(w.root());
        w.frame.tree.Show();

        // The profile before each command that entered the history, and after the last one.
        const QByteArray initialFile = ProjectFile(w.root(), w.plugin, path);
        std::vector<QString> states{DumpProfile(w.root())};
        std::vector<std::string> kinds;
        RoundTrip run(w, g);
        for (int i = 1 + g.Pick(kMaxCommands); i > 0; --i) {
            std::string kind;
            if (!run.RunOne(kind)) continue;
            states.push_back(DumpProfile(w.root()));
            kinds.push_back(kind);
        }
        const int executed = static_cast<int>(kinds.size());
        const QByteArray changedFile = ProjectFile(w.root(), w.plugin, path);
        ASSERT_EQ(GetCommandManager()->UndoCount(), executed);

        for (int i = executed - 1; i >= 0; --i) {
            GetCommandManager()->Undo();
            ASSERT_EQ(GetCommandManager()->RedoCount(), executed - i) << "undo failed: " << kinds[i];
            ASSERT_EQ(DumpProfile(w.root()), states[i]) << "undo of " << kinds[i];
        }
        ASSERT_EQ(ProjectFile(w.root(), w.plugin, path), initialFile);
        for (int i = 0; i < executed; ++i) {
            GetCommandManager()->Redo();
            ASSERT_EQ(GetCommandManager()->UndoCount(), i + 1) << "redo failed: " << kinds[i];
            ASSERT_EQ(DumpProfile(w.root()), states[i + 1]) << "redo of " << kinds[i];
        }
        ASSERT_EQ(ProjectFile(w.root(), w.plugin, path), changedFile);
    }
}

}  // namespace
