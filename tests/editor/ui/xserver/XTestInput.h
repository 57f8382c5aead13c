#pragma once
// Input sent through the X server's test extension, routed by the server's grab, focus and activation
// rules as a user's input is.
#include <QPoint>
#include <functional>
#include <initializer_list>

class QWidget;

namespace XInput {

// True when the server answers and offers the test extension.
bool Available();
// Moves the pointer to the widget's point, where the server has the window (Qt learns of the window
// manager's moves later).
void MoveTo(const QWidget& widget, QPoint pos);
void Button(bool down, int button = 1);
// Key symbols pressed in order, released in reverse.
void Keys(std::initializer_list<unsigned long> keys);
// Types the text's characters one by one.
void Type(const QString& text);
// Waits up to 15 s for the condition, processing events.
bool WaitFor(const std::function<bool()>& condition);

}  // namespace XInput
