#include "MessageBoxLayout.h"

#include "MessageBoxStyle.h"

QList<int> MessageBoxButtonIds(unsigned style) {
    switch (style & MB_TYPEMASK) {
        case MB_OKCANCEL:
            return {IDOK, IDCANCEL};
        case MB_YESNOCANCEL:
            return {IDYES, IDNO, IDCANCEL};
        case MB_YESNO:
            return {IDYES, IDNO};
        default:
            return {IDOK};
    }
}

int MessageBoxDefaultId(unsigned style) {
    const QList<int> ids = MessageBoxButtonIds(style);
    const qsizetype index = (style & MB_DEFMASK) >> 8;
    return index < ids.size() ? ids[index] : ids.first();
}

int MessageBoxEscapeId(unsigned style) {
    const QList<int> ids = MessageBoxButtonIds(style);
    if (ids.contains(IDCANCEL)) return IDCANCEL;
    if (ids.contains(IDOK)) return IDOK;
    return IDNO;
}
