#pragma once
#include <QIcon>
#include <QString>

// The images the editor's resource library carries: toolbar, menu, pane and tree pictures in two
// sets, as the original's 16-colour and high-colour bitmaps. They exist only while the library is
// loaded; QIcon reads the pixels at once, so an icon outlives the library.
namespace ResourceImages {

enum class ImageSet { Normal, HighColour };

inline ImageSet SetFor(bool highColour) {
    return highColour ? ImageSet::HighColour : ImageSet::Normal;
}

// The library's image of that name; a null icon when the library carries none.
QIcon Image(const QString& name, ImageSet set);

// The library's icon resource by id (the pane icons 163 to 166); a null icon for another id.
QIcon Icon(int id);

// The desktop theme's icon of the freedesktop name (none: no theme icon), else the library's image,
// so the editor looks complete without an icon theme.
QIcon ThemedImage(const char* themeName, const QString& name, ImageSet set);

}  // namespace ResourceImages
