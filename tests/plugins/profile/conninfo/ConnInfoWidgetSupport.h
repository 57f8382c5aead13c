#pragma once
// Finding and working the controls of the connection dialogs by their ids.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace ConnInfoTest {

template <class Widget>
Widget* Control(QWidget& dialog, int id) {
    return dialog.findChild<Widget*>(QString::number(id));
}

inline QString TextOf(QWidget& dialog, int id) {
    if (auto* edit = Control<QLineEdit>(dialog, id)) return edit->text();
    if (auto* text = Control<QPlainTextEdit>(dialog, id)) return text->toPlainText();
    return QStringLiteral("<no control %1>").arg(id);
}

// Puts the text into the field as typing would: the change filter runs.
inline void Type(QWidget& dialog, int id, const QString& text) {
    if (auto* edit = Control<QLineEdit>(dialog, id)) {
        edit->setText(text);
        edit->setCursorPosition(static_cast<int>(edit->text().size()));
    } else if (auto* plain = Control<QPlainTextEdit>(dialog, id)) {
        plain->setPlainText(text);
    }
}

// The field loses the focus: its normaliser runs.
inline void Leave(QWidget& dialog, int id) {
    QWidget* control = Control<QWidget>(dialog, id);
    QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(control, &event);
}

inline void Click(QWidget& dialog, int id) {
    Control<QPushButton>(dialog, id)->click();
}

// A list selection as the user makes it.
inline void Choose(QWidget& dialog, int id, int index) {
    QComboBox* list = Control<QComboBox>(dialog, id);
    list->setCurrentIndex(index);
    emit list->activated(index);
}

}  // namespace ConnInfoTest
