#pragma once
#include <QString>

// A command's string holds "menu label\nstatus-bar description". Header only: the check room reads
// its menu labels too and links nothing of the frame room.
namespace MenuText {

inline QString Label(const QString& commandText) {
    return commandText.section(QLatin1Char('\n'), 0, 0);
}

inline QString StatusTip(const QString& commandText) {
    const qsizetype newline = commandText.indexOf(QLatin1Char('\n'));
    return newline < 0 ? QString() : commandText.mid(newline + 1);
}

}  // namespace MenuText
