#pragma once
#include <QString>
#include <QStringList>

#include "IMessagePresenter.h"
#include "IStringSource.h"
#include "MessageBoxStyle.h"

// The text of string id with the inserts as %1 to %15. Empty when the string is missing or there are
// more than 15 inserts; without inserts the string as it stands, placeholders included.
QString FormatResourceMessage(const IStringSource& strings, const QStringList& inserts, int id);

// Formats string id and shows it with the style; the answer is dropped (see ShowMessageBox).
void ShowResourceMessage(const IStringSource& strings, IMessagePresenter& presenter,
                         const QStringList& inserts, int id, unsigned style);

// Shows a box for callers that need the answer; returns IDOK, IDCANCEL, IDYES or IDNO.
int ShowMessageBox(IMessagePresenter& presenter, const QString& text, const QString& caption, unsigned style);
