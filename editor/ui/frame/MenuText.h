#pragma once
#include <QString>

// A command's string holds "menu label\nstatus-bar description".
namespace MenuText {
QString Label(const QString& commandText);
QString StatusTip(const QString& commandText);
}  // namespace MenuText
