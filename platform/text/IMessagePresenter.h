#pragma once
#include <QString>

// Shows a modal message box and returns the answer (IDOK, IDCANCEL, IDYES, IDNO).
class IMessagePresenter {
public:
    virtual ~IMessagePresenter() = default;

    // style holds the MB_* bits; an empty caption means the application's own title.
    virtual int ShowMessage(const QString& text, const QString& caption, unsigned style) = 0;
};
