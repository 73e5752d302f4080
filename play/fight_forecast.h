#pragma once
#include <QChar>
#include <QString>
#include <vector>

#include "play/move.h"

namespace kvd {

class Game;
struct LanguageTexts;
struct Settings;

// One way a fight may go, and how likely it is.
struct ForecastBranch {
    int chance = 100;        // in percent
    int moverStrength = -1;  // the moving unit's strength after the fight, -1 when it is sunk
    int metStrength = -1;    // the same of the unit it meets
    int stage = 0;           // how the battle stands afterwards (core/game.h stage::)
};

// What the moving side's player may be told of a step onto an opposing unit before making it.
struct FightForecast {
    enum class Kind {
        None,     // no fight, or one of a kind never told (a submarine's, a minefield's)
        Unknown,  // the unit there is not identified: only that is told
        Known,    // identified: the outcome from the fight rules
    };
    Kind kind = Kind::None;
    QString moverName, metName;
    int moverStrength = 0, metStrength = 0;
    std::vector<ForecastBranch> branches;  // Known only: each different outcome once
};

// The fight the move would lead to, decided by the rules' own move function on copies of the
// game, so it can never differ from what the move then does. Where a coin of the fight decides
// (supporting fire), each side of the coin is played and outcomes that differ are told apart.
// The player learns no more than the board shows: an opposing unit that is not identified (or
// the reveal setting off) is only unknown, and a submarine or a minefield on either side is
// never forecast.
FightForecast ForecastFight(const Game& game, const Settings& settings, const Move& move);

// The forecast as the band says it, in the language of the texts; empty for None.
QString ForecastText(const FightForecast& forecast, const LanguageTexts& texts, Side viewer);

}  // namespace kvd
