#include "MenuText.h"

namespace MenuText {

QString Label(const QString& commandText) {
    return commandText.section(QLatin1Char('\n'), 0, 0);
}

QString StatusTip(const QString& commandText) {
    const qsizetype newline = commandText.indexOf(QLatin1Char('\n'));
    return newline < 0 ? QString() : commandText.mid(newline + 1);
}

}  // namespace MenuText
