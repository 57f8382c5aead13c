#include "QMessageBoxPresenter.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QHash>
#include <QMessageBox>
#include <QPushButton>

#include "MessageBoxLayout.h"
#include "MessageBoxStyle.h"

// Kept local so helpers of other libraries in the same binary cannot collide.
namespace Internal {
namespace {

QMessageBox::StandardButton ButtonFor(int id) {
    switch (id) {
        case IDCANCEL:
            return QMessageBox::Cancel;
        case IDYES:
            return QMessageBox::Yes;
        case IDNO:
            return QMessageBox::No;
        default:
            return QMessageBox::Ok;
    }
}

QMessageBox::Icon IconFor(unsigned style) {
    switch (style & MB_ICONMASK) {
        case MB_ICONERROR:
            return QMessageBox::Critical;
        case MB_ICONQUESTION:
            return QMessageBox::Question;
        case MB_ICONWARNING:
            return QMessageBox::Warning;
        case MB_ICONINFORMATION:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

}  // namespace
}  // namespace Internal

int QMessageBoxPresenter::ShowMessage(const QString& text, const QString& caption, unsigned style) {
    const QString title = caption.isEmpty() ? QGuiApplication::applicationDisplayName() : caption;
    QMessageBox box(Internal::IconFor(style), title, text, QMessageBox::NoButton, parent_);
    // Message texts carry user data (names, paths, "<" ">"), never markup.
    box.setTextFormat(Qt::PlainText);

    QHash<QAbstractButton*, int> answers;
    for (int id : MessageBoxButtonIds(style)) answers.insert(box.addButton(Internal::ButtonFor(id)), id);
    box.setDefaultButton(Internal::ButtonFor(MessageBoxDefaultId(style)));
    const int escapeId = MessageBoxEscapeId(style);
    box.setEscapeButton(box.button(Internal::ButtonFor(escapeId)));

    box.exec();
    return answers.value(box.clickedButton(), escapeId);
}
