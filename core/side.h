#pragma once
#include <QChar>
#include <optional>

namespace kvd {

// The two sides: the first (the player's against the computer, the host's in a network game)
// and the second.
enum class Side { First, Second };
constexpr Side kFirstSide = Side::First;
constexpr Side kSecondSide = Side::Second;

constexpr Side OtherSide(Side side) {
    return side == kFirstSide ? kSecondSide : kFirstSide;
}

// The letter the unit table, saves, records and the network write for a side, and back (no side
// for any other letter).
constexpr QLatin1Char SideLetter(Side side) {
    return side == kFirstSide ? QLatin1Char('E') : QLatin1Char('D');
}
inline std::optional<Side> SideOfLetter(QChar letter) {
    if (letter == QLatin1Char('E')) return kFirstSide;
    if (letter == QLatin1Char('D')) return kSecondSide;
    return std::nullopt;
}

}  // namespace kvd
