#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

// The toolbars as the user arranged them: the standard toolbar and toolbars of the user's own, each a
// row of command ids and separators. The windows follow this layout, and it is what the user's
// settings keep between runs.
class ToolbarLayout {
public:
    static constexpr int kSeparator = 0;
    static const QString kStandardKey;

    struct Bar {
        // The toolbar's window name; it stays when the toolbar is renamed, so its place is kept.
        QString key;
        // The user's name for the toolbar; empty for the standard one, whose title is the editor's text.
        QString title;
        QList<int> buttons;
        bool IsStandard() const { return key == kStandardKey; }
        bool operator==(const Bar&) const = default;
    };

    // The layout of a fresh start: the standard toolbar with its default buttons.
    explicit ToolbarLayout(QList<int> defaultButtons);

    const QList<Bar>& Bars() const { return m_bars; }
    const QList<int>& DefaultButtons() const { return m_defaultButtons; }

    QByteArray Serialize() const;
    // Null when the text is no layout (the caller then starts from the default). A command that
    // isKnown does not accept is left out: a layout written by another version still loads.
    static std::optional<ToolbarLayout> Parse(const QByteArray& text, const QList<int>& defaultButtons,
                                              const std::function<bool(int)>& isKnown);

    // Edits; false when refused, and then nothing changed. Button indexes count separators; an
    // insertion index is a gap, from 0 before the first button to the button count after the last.
    // A command is on a toolbar at most once, so inserting or moving it where it already is moves it.
    bool InsertButton(int bar, int index, int command);
    bool RemoveButton(int bar, int index);
    bool MoveButton(int fromBar, int fromIndex, int toBar, int toIndex);
    // The index of the new toolbar; -1 when the title is empty or another toolbar of the user has it.
    int AddToolbar(const QString& title);
    // Only toolbars of the user's own are renamed and deleted.
    bool RenameToolbar(int bar, const QString& title);
    bool DeleteToolbar(int bar);
    // The standard toolbar gets its default buttons back, another toolbar loses all of them.
    bool ResetToolbar(int bar);

private:
    bool ValidBar(int bar) const { return bar >= 0 && bar < m_bars.size(); }
    bool TitleTaken(const QString& title, int except) const;
    static void Tidy(QList<int>& buttons);

    QList<int> m_defaultButtons;
    QList<Bar> m_bars;
};
