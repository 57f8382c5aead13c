#include "QMessageBoxPresenter.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHash>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>

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

// The window manager draws the caption in a bold face beside the window's icon and its buttons; a box
// narrower than all of them cuts the caption, and with it the editor's name. Qt's own allowance (the
// caption plus 50 pixels) is less than an icon and three buttons take. Never wider than half the screen.
int CaptionRoom(const QWidget& box, const QString& caption) {
    QFont font = box.font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int button = metrics.height() + 8;  // square, a little taller than the caption's text
    const int wanted = metrics.horizontalAdvance(caption) + 4 * button + 16;
    const QScreen* screen = box.screen();
    return screen ? std::min(wanted, screen->availableGeometry().width() / 2) : wanted;
}

}  // namespace
}  // namespace Internal

int QMessageBoxPresenter::ShowMessage(const QString& text, const QString& caption, unsigned style) {
    const QString title = caption.isEmpty() ? QGuiApplication::applicationDisplayName() : caption;
    QMessageBox box(Internal::IconFor(style), title, text, QMessageBox::NoButton, parent_);
    // Message texts carry user data (names, paths, "<" ">"), never markup.
    box.setTextFormat(Qt::PlainText);
    // The box takes the width of its layout when it shows: a row of its own holds the caption's room.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(
            new QSpacerItem(Internal::CaptionRoom(box, title), 0, QSizePolicy::Fixed, QSizePolicy::Fixed),
            grid->rowCount(), 0, 1, grid->columnCount());

    QHash<QAbstractButton*, int> answers;
    for (int id : MessageBoxButtonIds(style)) answers.insert(box.addButton(Internal::ButtonFor(id)), id);
    box.setDefaultButton(Internal::ButtonFor(MessageBoxDefaultId(style)));
    const int escapeId = MessageBoxEscapeId(style);
    box.setEscapeButton(box.button(Internal::ButtonFor(escapeId)));

    box.exec();
    return answers.value(box.clickedButton(), escapeId);
}
