#pragma once
#include <QChar>

namespace kvd {

// The two sides as the unit table writes them: the first (the player's against the computer,
// the host's in a network game) and the second.
constexpr QLatin1Char kFirstSide('E');
constexpr QLatin1Char kSecondSide('D');
inline QChar OtherSide(QChar side) {
    return side == kFirstSide ? QChar(kSecondSide) : QChar(kFirstSide);
}

}  // namespace kvd
