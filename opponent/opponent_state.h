#pragma once
#include <QStringList>

namespace kvd {

// The computer opponent's working state, rebuilt every turn: its scratch list and its moods.
struct OpponentState {
    // The engagement list, then the candidate list ("R" and a code); cleared before each use.
    QStringList EnemyNews;
    int EnemyConcern = 0;      // 0 to 5: how threatened it feels by its own losses
    int EnemyAggression = 0;   // 0 to 6: how weak the player looks
    bool AvoidFlag = false;    // the engaged unit steps away instead of fighting
    bool AvoidFailed = false;  // the unit to step away was boxed in
    int EnemyHeading = 0;      // the direction chosen for the moving unit, 0 stays
    bool ThreatMode = false;   // set while the heading answers a threat two cells away
};

}  // namespace kvd
