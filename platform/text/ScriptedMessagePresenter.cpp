#include "ScriptedMessagePresenter.h"

#include "MessageBoxLayout.h"

int ScriptedMessagePresenter::ShowMessage(const QString& text, const QString& caption, unsigned style) {
    calls_.append({text, caption, style});
    if (!answers_.isEmpty()) return answers_.dequeue();
    return unanswered ? unanswered->ShowMessage(text, caption, style) : MessageBoxDefaultId(style);
}
