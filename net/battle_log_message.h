#pragma once
#include <QString>
#include <QStringList>

#include "core/battle_log.h"

namespace kvd {

// The battle's log as the host sends it to a joining player who comes back, so its band tells
// the battle as it stood: "[Battle]=" with the ships each side has lost and the units identified
// so far, then one "[Logged]=" line an entry, the oldest first.
QStringList BattleLogMessages(const BattleLog& log);

// One of those lines taken into `log`; false for a line that is not one, or not sound. Names
// are taken only as they may be shown, each entry with its own turn. What the host's board
// identified (the set and its entries) is checked but not taken: the joining board's own
// reveal tells what it sees.
bool TakeBattleLogMessage(const QString& message, BattleLog& log);

}  // namespace kvd
