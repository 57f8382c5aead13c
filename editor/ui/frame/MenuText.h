#pragma once
#include <QString>

// A command's string holds "menu label\nstatus-bar description". Header only: the check room reads
// its menu labels too and links nothing of the frame room.
namespace MenuText {

inline QString Label(const QString& commandText) {
    return commandText.section(QLatin1Char('\n'), 0, 0);
}

// The label as a name inside a sentence: without its mnemonic marks and closing dots.
inline QString Name(const QString& commandText) {
    QString label = Label(commandText);
    if (label.endsWith(QLatin1String("..."))) label.chop(3);
    QString name;
    for (qsizetype i = 0; i < label.size(); ++i) {
        if (label[i] == QLatin1Char('&') && ++i == label.size()) break;
        name += label[i];
    }
    return name;
}

inline QString StatusTip(const QString& commandText) {
    const qsizetype newline = commandText.indexOf(QLatin1Char('\n'));
    return newline < 0 ? QString() : commandText.mid(newline + 1);
}

}  // namespace MenuText
