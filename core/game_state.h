#pragma once
#include <QString>
#include <QStringList>

namespace kvd {

class Game;

// Every variable of a game as "Name=value" lines, and back: what a save and a game record
// keep beside the unit table, the map lines and the dice.
QStringList GameVariables(const Game& game);
// Sets the variables from such lines. Every variable must be there once, with a value in its
// range (a variable older saves lack may be missing: it keeps its value); otherwise nothing is
// set and the reason is given.
bool SetGameVariables(Game& game, const QStringList& lines, QString* error);

}  // namespace kvd
