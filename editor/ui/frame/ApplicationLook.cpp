#include "ApplicationLook.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include "CommandIds.h"

namespace ApplicationLook {

namespace {

struct Look {
    int id;
    const char* style;
    QRgb tint;  // 0: the style's own palette
};

// The Office 2007 looks differ only in their colour scheme.
constexpr Look kLooks[] = {
    {ID_VIEW_APPLOOK_WIN_2000, "Windows", 0},
    {ID_VIEW_APPLOOK_OFF_XP, "Fusion", 0},
    {ID_VIEW_APPLOOK_WIN_XP, "Windows", 0},
    {ID_VIEW_APPLOOK_OFF_2003, "Fusion", 0},
    {ID_VIEW_APPLOOK_VS_2005, "Fusion", 0},
    {ID_VIEW_APPLOOK_OFF_2007_BLUE, "Fusion", 0xFFC4D7EE},
    {ID_VIEW_APPLOOK_OFF_2007_BLACK, "Fusion", 0xFF535353},
    {ID_VIEW_APPLOOK_OFF_2007_SILVER, "Fusion", 0xFFD8DCE3},
    {ID_VIEW_APPLOOK_OFF_2007_AQUA, "Fusion", 0xFFC9DDE3},
};

const Look* Find(int id) {
    for (const Look& look : kLooks)
        if (look.id == id) return &look;
    return nullptr;
}

}  // namespace

bool IsLookCommand(int id) {
    return Find(id) != nullptr;
}

const char* StyleName(int id) {
    const Look* look = Find(id);
    return look ? look->style : "";
}

void Apply(int id) {
    const Look* look = Find(id);
    if (!look) return;
    QStyle* style = QStyleFactory::create(QString::fromLatin1(look->style));
    if (!style) return;
    QApplication::setStyle(style);
    QApplication::setPalette(look->tint ? QPalette(QColor::fromRgb(look->tint)) : style->standardPalette());
}

}  // namespace ApplicationLook
