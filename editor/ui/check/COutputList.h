#pragma once
#include <QListWidget>

#include "OutputListRangeSelection.h"
#include "PluginRecords.h"

class IStringSource;
class QMenu;

// The list of the output pane: line 0 the check summary, each later line one finding, which the
// line keeps as its item data so a jump never depends on line positions.
class COutputList : public QListWidget {
    Q_OBJECT
public:
    explicit COutputList(QWidget* parent = nullptr);

    // Texts of the context menu; without them the menu has no labels.
    void SetStrings(const IStringSource* strings) { m_strings = strings; }

    void AddSummaryLine(const QString& text);
    void AddFindingLine(const _ST_PEL_CHECK_MESSAGE& finding);
    // The finding of a line, false for the summary and lines without one.
    bool FindingOfLine(int line, _ST_PEL_CHECK_MESSAGE& finding) const;

    // The selected lines in ascending order, each followed by "\r\n".
    QString SelectedLinesText() const;
    void CopySelectedLines();
    void SelectAllLines();
    // Jumps to the finding of the current line.
    void JumpToCurrentFinding();
    // The context menu's commands: copy, clear, hide the pane (each action's data is its id).
    void FillContextMenu(QMenu& menu);

signals:
    void findingActivated(const _ST_PEL_CHECK_MESSAGE& finding);
    void hidePaneRequested();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QList<bool> SelectionFlags() const;
    void ApplySelectionFlags(const QList<bool>& flags);
    QString MenuLabel(int id) const;

    OutputListRangeSelection m_range;
    const IStringSource* m_strings = nullptr;
};
