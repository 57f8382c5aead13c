#include "ScriptedMessagePresenter.h"

#include "MessageBoxLayout.h"

int ScriptedMessagePresenter::ShowMessage(const QString& text, const QString& caption, unsigned style) {
    calls_.append({text, caption, style});
    return answers_.isEmpty() ? MessageBoxDefaultId(style) : answers_.dequeue();
}
