#include "ResourceMessage.h"

#include "FormatMessageText.h"

QString FormatResourceMessage(const IStringSource& strings, const QStringList& inserts, int id) {
    const QString text = strings.LoadString(id);
    if (text.isEmpty() || inserts.isEmpty()) return text;
    return FormatMessageText(text, inserts);
}

void ShowResourceMessage(const IStringSource& strings, IMessagePresenter& presenter,
                         const QStringList& inserts, int id, unsigned style) {
    presenter.ShowMessage(FormatResourceMessage(strings, inserts, id), QString(), style);
}

int ShowMessageBox(IMessagePresenter& presenter, const QString& text, const QString& caption,
                   unsigned style) {
    return presenter.ShowMessage(text, caption, style);
}
