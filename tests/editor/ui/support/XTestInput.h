#pragma once
// Mouse and keyboard input sent through the X server's test extension, as a person's devices send it:
// the server routes it by its own grab, focus and activation rules. Each call returns once Qt has
// handled the events the server made of it.
#include <QPoint>
#include <QString>
#include <functional>
#include <initializer_list>

class QObject;
class QWidget;

namespace XTestInput {

// False without an X display that offers the test extension.
bool Open();
// Moves the pointer to a point of the widget; with the left button held, in a few steps.
void MoveTo(const QWidget& widget, QPoint pos);
void LeftButton(bool down);
void Click(const QWidget& widget, QPoint pos);
// Presses the keys (X keysyms) in order, then releases them in reverse order.
void Keys(std::initializer_list<unsigned long> keysyms);
void Type(const QString& text);
// Processes events until the condition holds; false when it does not within a few seconds.
bool WaitFor(const std::function<bool()>& condition);
// Runs the step from the event loop once ready() holds, within a modal window's own loop too; never
// once the owner is gone.
void WhenReady(QObject& owner, std::function<bool()> ready, std::function<void()> step);

}  // namespace XTestInput
