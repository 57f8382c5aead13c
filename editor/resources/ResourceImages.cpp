#include "ResourceImages.h"

#include <QFile>

namespace ResourceImages {

QIcon Image(const QString& name, ImageSet set) {
    QIcon icon;
    if (name.isEmpty()) return icon;
    const QString base = (set == ImageSet::HighColour ? QStringLiteral(":/pel/images/high/")
                                                      : QStringLiteral(":/pel/images/normal/")) +
                         name;
    const QString small = base + QStringLiteral(".png");
    if (!QFile::exists(small)) return icon;
    icon.addFile(small, QSize(16, 16));
    // The high-colour set also has a double-size drawing for dense screens.
    const QString large = base + QStringLiteral("@2x.png");
    if (QFile::exists(large)) icon.addFile(large, QSize(32, 32));
    return icon;
}

QIcon Icon(int id) {
    // Each picture in the normal set under one id and in the high-colour set under the next.
    static const struct {
        int id;
        const char* name;
    } kIcons[] = {{163, "pane-profile"}, {165, "pane-output"}};
    for (const auto& icon : kIcons)
        if (id == icon.id || id == icon.id + 1)
            return Image(QString::fromLatin1(icon.name), SetFor(id == icon.id + 1));
    return {};
}

QIcon ThemedImage(const char* themeName, const QString& name, ImageSet set) {
    const QIcon fallback = Image(name, set);
    if (!themeName || !*themeName) return fallback;
    return QIcon::fromTheme(QString::fromLatin1(themeName), fallback);
}

}  // namespace ResourceImages
