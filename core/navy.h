#pragma once
#include <QChar>
#include <QString>

namespace kvd {

struct LanguageTexts;

// The four navies by their letters, in the order the options list them: 'E' the Royal Navy,
// 'D' the Kriegsmarine, 'U' the US Navy, 'J' the Japanese navy.
inline const QString kNavyLetters = QStringLiteral("EDUJ");

// The navy a navy fights: the Royal Navy and the Kriegsmarine, the US and the Japanese navy.
QChar OpposingNavy(QChar navy);
// A navy's name in the game's language; the Royal Navy's for a letter that is no navy.
QString NavyName(QChar navy, const LanguageTexts& texts);

}  // namespace kvd
