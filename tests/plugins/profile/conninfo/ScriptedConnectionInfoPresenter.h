#pragma once
// Answers every box, dialog, folder choice and menu of the connection editor from a script and
// records what was shown, so the dialogs are driven without a modal loop.
#include <QDialog>
#include <QQueue>
#include <QStringList>
#include <functional>

#include "IConnectionInfoPresenter.h"
#include "MessageBoxLayout.h"

class ScriptedConnectionInfoPresenter : public IConnectionInfoPresenter {
public:
    struct Box {
        QString text;
        unsigned style;
    };
    using Step = std::function<void(QDialog&)>;

    // Answers are used in order; without one a box answers with its default button.
    void Answer(int answer) { m_answers.enqueue(answer); }
    // The next dialog run gets this step; it acts on the dialog and ends it (accept or reject).
    void OnDialog(Step step) { m_steps.enqueue(std::move(step)); }
    // The step of the dialog that runs next, before those already queued.
    void OnNextDialog(Step step) { m_steps.prepend(std::move(step)); }
    // Steps and answers nobody asked for.
    qsizetype Unused() const { return m_steps.size() + m_answers.size() + m_folders.size() + m_menus.size(); }
    void Folder(int result, const QString& folder = QString()) { m_folders.enqueue({result, folder}); }
    void Menu(int id) { m_menus.enqueue(id); }

    QList<Box> boxes;
    QStringList dialogs;  // object names of the dialogs run, in order
    QList<QList<PopupMenuEntry>> menus;
    int unscripted = 0;  // dialogs run without a step
    int leftOpen = 0;    // dialogs whose step did not end them

    QStringList BoxTexts() const {
        QStringList texts;
        for (const Box& b : boxes) texts.append(b.text);
        return texts;
    }

    int ShowMessage(const QString& text, const QString& /*caption*/, unsigned style) override {
        boxes.append({text, style});
        return m_answers.isEmpty() ? MessageBoxDefaultId(style) : m_answers.dequeue();
    }

    int RunModal(QDialog& dialog) override {
        dialogs.append(dialog.objectName());
        if (m_steps.isEmpty()) {
            ++unscripted;
            return QDialog::Rejected;
        }
        const Step step = m_steps.dequeue();
        dialog.setResult(-1);
        dialog.show();
        step(dialog);
        const int result = dialog.result();
        if (dialog.isVisible()) {
            ++leftOpen;
            dialog.hide();
            return -1;
        }
        return result;
    }

    int ChooseFolder(QWidget* /*owner*/, QString& folder) override {
        if (m_folders.isEmpty()) return 2;
        const auto [result, chosen] = m_folders.dequeue();
        if (result == 0) folder = chosen;
        return result;
    }

    int TrackPopupMenu(QWidget* /*owner*/, const QList<PopupMenuEntry>& entries,
                       const QPoint& /*pos*/) override {
        menus.append(entries);
        return m_menus.isEmpty() ? 0 : m_menus.dequeue();
    }

private:
    QQueue<int> m_answers;
    QQueue<Step> m_steps;
    QQueue<std::pair<int, QString>> m_folders;
    QQueue<int> m_menus;
};
