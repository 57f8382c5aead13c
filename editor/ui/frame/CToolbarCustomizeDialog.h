#pragma once
#include <QDialog>
#include <functional>

class QAction;
class QComboBox;
class QLayout;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class ToolbarCustomizer;
class ToolbarLayout;

// The toolbar customisation dialog, modeless. It lists the commands menu by menu, as the menus show
// them, and the buttons of the chosen toolbar; every change goes to the toolbars at once.
class CToolbarCustomizeDialog : public QDialog {
    Q_OBJECT
public:
    CToolbarCustomizeDialog(ToolbarCustomizer& toolbars, QWidget* parent = nullptr);

    QComboBox& Categories() const { return *m_categories; }
    QListWidget& Commands() const { return *m_commands; }
    QComboBox& Toolbars() const { return *m_barList; }
    QListWidget& Buttons() const { return *m_buttons; }
    QLineEdit& ToolbarName() const { return *m_name; }

private:
    struct Category {
        QString title;
        QList<QAction*> commands;
    };

    void CollectCommands(const QMenu& menu, QList<QAction*>& commands) const;
    void ShowCategory(int index);
    void Refresh();
    int CurrentBar() const;
    // Applies an edit of the current toolbar at the current button row, then makes rowAfter current.
    void Edit(const std::function<bool(ToolbarLayout&, int bar, int row)>& edit, int rowAfter);
    void AddCommand();
    void NewToolbar();
    QPushButton* AddButton(QLayout& layout, const QString& text, const char* name);

    ToolbarCustomizer& m_customizer;
    QList<Category> m_categoryList;
    QComboBox* m_categories;
    QListWidget* m_commands;
    QComboBox* m_barList;
    QListWidget* m_buttons;
    QLineEdit* m_name;
    QPushButton* m_rename = nullptr;
    QPushButton* m_delete = nullptr;
    QString m_currentKey;
};
