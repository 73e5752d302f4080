#pragma once
#include <QChar>
#include <QString>

namespace kvd {

// The eight player settings as the game reads them. They are copied from the settings lines
// (the first character of lines 1, 2 and 4 to 8, the whole of line 3); FlagTransfer and
// ReconPlanes are also changed by the rules of a running game.
struct Settings {
    QChar HomeNavy = QLatin1Char('E');        // 'E' Royal Navy, 'D' Kriegsmarine, 'U' US Navy, 'J' Japanese navy
    QChar Language = QLatin1Char('E');        // 'E' English, anything else German
    QString MapName = QStringLiteral("$STANDARD");
    QChar RevealOption = QLatin1Char('Y');
    QChar FlagTransfer = QLatin1Char('Y');
    QChar SoundOption = QLatin1Char('Y');
    QChar ReconPlanes = QLatin1Char('1');     // '0' to '3'
    QChar AdditionalDamage = QLatin1Char('N');
};

}  // namespace kvd
