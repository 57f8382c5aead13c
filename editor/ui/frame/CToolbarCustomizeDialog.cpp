#include "CToolbarCustomizeDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

#include "ToolbarCustomizer.h"

namespace {

constexpr int kCommandRole = Qt::UserRole;

QString PlainText(QString text) {
    return text.remove(QLatin1Char('&'));
}

}  // namespace

CToolbarCustomizeDialog::CToolbarCustomizeDialog(ToolbarCustomizer& toolbars, QWidget* parent)
    : QDialog(parent),
      m_customizer(toolbars),
      m_categories(new QComboBox(this)),
      m_commands(new QListWidget(this)),
      m_barList(new QComboBox(this)),
      m_buttons(new QListWidget(this)),
      m_name(new QLineEdit(this)) {
    setObjectName(QStringLiteral("CToolbarCustomizeDialog"));
    setWindowTitle(tr("Customize"));
    m_categories->setObjectName(QStringLiteral("Categories"));
    m_commands->setObjectName(QStringLiteral("Commands"));
    m_barList->setObjectName(QStringLiteral("Toolbars"));
    m_buttons->setObjectName(QStringLiteral("Buttons"));
    m_name->setObjectName(QStringLiteral("ToolbarName"));

    auto* commandBox = new QGroupBox(tr("Commands"), this);
    auto* commandLayout = new QVBoxLayout(commandBox);
    commandLayout->addWidget(m_categories);
    commandLayout->addWidget(m_commands);

    auto* moves = new QVBoxLayout;
    AddButton(*moves, tr("&Add >"), "AddButton");
    AddButton(*moves, tr("< &Remove"), "RemoveButton");
    AddButton(*moves, tr("&Separator"), "SeparatorButton");
    AddButton(*moves, tr("Move &Up"), "MoveUpButton");
    AddButton(*moves, tr("Move &Down"), "MoveDownButton");
    moves->addStretch();

    auto* barBox = new QGroupBox(tr("Toolbar"), this);
    auto* barLayout = new QVBoxLayout(barBox);
    barLayout->addWidget(m_barList);
    barLayout->addWidget(m_buttons);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(m_name);
    m_rename = AddButton(*nameRow, tr("Re&name"), "RenameToolbarButton");
    barLayout->addLayout(nameRow);
    auto* barRow = new QHBoxLayout;
    AddButton(*barRow, tr("&New"), "NewToolbarButton");
    m_delete = AddButton(*barRow, tr("De&lete"), "DeleteToolbarButton");
    AddButton(*barRow, tr("R&eset"), "ResetToolbarButton");
    barLayout->addLayout(barRow);

    auto* columns = new QHBoxLayout;
    columns->addWidget(commandBox, 1);
    columns->addLayout(moves);
    columns->addWidget(barBox, 1);
    auto* closeBox = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(closeBox, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(closeBox);

    // The commands as the menus hold them, at the time the dialog opens.
    for (QAction* menuAction : m_customizer.Window().menuBar()->actions()) {
        if (!menuAction->menu()) continue;
        Category category{PlainText(menuAction->text()), {}};
        CollectCommands(*menuAction->menu(), category.commands);
        if (!category.commands.isEmpty()) m_categoryList.append(category);
    }
    for (const Category& category : m_categoryList) m_categories->addItem(category.title);
    connect(m_categories, &QComboBox::currentIndexChanged, this, &CToolbarCustomizeDialog::ShowCategory);
    ShowCategory(m_categories->currentIndex());

    connect(m_barList, &QComboBox::activated, this, [this](int index) {
        m_currentKey = m_barList->itemData(index).toString();
        Refresh();
    });
    connect(&m_customizer, &ToolbarCustomizer::layoutChanged, this, &CToolbarCustomizeDialog::Refresh);
    Refresh();

    const auto row = [this] { return m_buttons->currentRow(); };
    connect(findChild<QPushButton*>(QStringLiteral("AddButton")), &QPushButton::clicked, this,
            &CToolbarCustomizeDialog::AddCommand);
    connect(m_commands, &QListWidget::itemDoubleClicked, this, &CToolbarCustomizeDialog::AddCommand);
    connect(findChild<QPushButton*>(QStringLiteral("RemoveButton")), &QPushButton::clicked, this, [=, this] {
        Edit([](ToolbarLayout& layout, int bar, int r) { return layout.RemoveButton(bar, r); }, row());
    });
    connect(
        findChild<QPushButton*>(QStringLiteral("SeparatorButton")), &QPushButton::clicked, this, [=, this] {
            const int at = row() < 0 ? m_buttons->count() : row() + 1;
            Edit([at](ToolbarLayout& layout, int bar, int) { return layout.InsertButton(bar, at, 0); }, at);
        });
    connect(findChild<QPushButton*>(QStringLiteral("MoveUpButton")), &QPushButton::clicked, this, [=, this] {
        Edit([](ToolbarLayout& layout, int bar,
                int r) { return r > 0 && layout.MoveButton(bar, r, bar, r - 1); },
             row() - 1);
    });
    connect(findChild<QPushButton*>(QStringLiteral("MoveDownButton")), &QPushButton::clicked, this,
            [=, this] {
                Edit([](ToolbarLayout& layout, int bar,
                        int r) { return r >= 0 && layout.MoveButton(bar, r, bar, r + 2); },
                     row() + 1);
            });
    connect(findChild<QPushButton*>(QStringLiteral("NewToolbarButton")), &QPushButton::clicked, this,
            &CToolbarCustomizeDialog::NewToolbar);
    connect(m_rename, &QPushButton::clicked, this, [=, this] {
        const QString title = m_name->text();
        Edit([title](ToolbarLayout& layout, int bar, int) { return layout.RenameToolbar(bar, title); },
             row());
    });
    connect(m_delete, &QPushButton::clicked, this, [this] {
        m_customizer.Change(
            [bar = CurrentBar()](ToolbarLayout& layout) { return layout.DeleteToolbar(bar); });
    });
    connect(
        findChild<QPushButton*>(QStringLiteral("ResetToolbarButton")), &QPushButton::clicked, this,
        [this] { Edit([](ToolbarLayout& layout, int bar, int) { return layout.ResetToolbar(bar); }, 0); });
}

QPushButton* CToolbarCustomizeDialog::AddButton(QLayout& layout, const QString& text, const char* name) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    layout.addWidget(button);
    return button;
}

// Submenus' commands belong to the menu; recent files and pane toggles are no commands.
void CToolbarCustomizeDialog::CollectCommands(const QMenu& menu, QList<QAction*>& commands) const {
    for (QAction* action : menu.actions()) {
        if (action->menu())
            CollectCommands(*action->menu(), commands);
        else if (!action->isSeparator() && action->data().toInt() > 0 &&
                 m_customizer.CommandAction(action->data().toInt()) == action)
            commands.append(action);
    }
}

void CToolbarCustomizeDialog::ShowCategory(int index) {
    m_commands->clear();
    if (index < 0 || index >= m_categoryList.size()) return;
    for (QAction* action : m_categoryList[index].commands) {
        auto* item = new QListWidgetItem(action->icon(), PlainText(action->text()), m_commands);
        item->setData(kCommandRole, action->data());
    }
    m_commands->setCurrentRow(0);
}

int CToolbarCustomizeDialog::CurrentBar() const {
    const QList<ToolbarLayout::Bar>& bars = m_customizer.Layout().Bars();
    for (int i = 0; i < bars.size(); ++i)
        if (bars[i].key == m_currentKey) return i;
    return 0;
}

void CToolbarCustomizeDialog::Refresh() {
    const QList<ToolbarLayout::Bar>& bars = m_customizer.Layout().Bars();
    const int current = CurrentBar();
    m_currentKey = bars[current].key;
    m_barList->clear();
    for (int i = 0; i < bars.size(); ++i) {
        const QToolBar* bar = m_customizer.ToolBarOf(i);
        m_barList->addItem(bar ? bar->windowTitle() : bars[i].title, bars[i].key);
    }
    m_barList->setCurrentIndex(current);

    const int row = m_buttons->currentRow();
    m_buttons->clear();
    for (int id : bars[current].buttons) {
        const QAction* action = m_customizer.CommandAction(id);
        if (id == ToolbarLayout::kSeparator || !action)
            new QListWidgetItem(tr("---- Separator ----"), m_buttons);
        else
            new QListWidgetItem(action->icon(), PlainText(action->text()), m_buttons);
    }
    m_buttons->setCurrentRow(std::min(row, m_buttons->count() - 1));
    m_name->setText(m_barList->currentText());
    m_rename->setEnabled(!bars[current].IsStandard());
    m_delete->setEnabled(!bars[current].IsStandard());
    m_name->setEnabled(!bars[current].IsStandard());
}

void CToolbarCustomizeDialog::Edit(const std::function<bool(ToolbarLayout&, int, int)>& edit, int rowAfter) {
    const int bar = CurrentBar();
    const int row = m_buttons->currentRow();
    if (m_customizer.Change([&](ToolbarLayout& layout) { return edit(layout, bar, row); }))
        m_buttons->setCurrentRow(std::clamp(rowAfter, 0, m_buttons->count() - 1));
}

void CToolbarCustomizeDialog::AddCommand() {
    const QListWidgetItem* item = m_commands->currentItem();
    if (!item) return;
    const int id = item->data(kCommandRole).toInt();
    const int at = m_buttons->currentRow() < 0 ? m_buttons->count() : m_buttons->currentRow() + 1;
    const int bar = CurrentBar();
    if (m_customizer.Change([=](ToolbarLayout& layout) { return layout.InsertButton(bar, at, id); }))
        m_buttons->setCurrentRow(static_cast<int>(m_customizer.Layout().Bars()[bar].buttons.indexOf(id)));
}

void CToolbarCustomizeDialog::NewToolbar() {
    int added = -1;
    for (int number = 1; added < 0; ++number) {
        const QString title = tr("Custom %1").arg(number);
        m_customizer.Change([&](ToolbarLayout& layout) { return (added = layout.AddToolbar(title)) >= 0; });
    }
    m_currentKey = m_customizer.Layout().Bars()[added].key;
    Refresh();
    m_name->setFocus();
    m_name->selectAll();
}
