#pragma once
#include <QPoint>

namespace kvd {

struct Scene;

// A repair as the player sees it: the rule, then the report, the hammer and its animation.
// False when the rule must stop (the game was left while it waited).
bool Repair(Scene& scene, int repairerCode, int targetCode);

// The hammer over the repairer's and the target's cells, five times.
bool AuxFlacker(Scene& scene, QPoint repairer, QPoint target);

// The carrier takes over the flag after the fight that sank the flagship: its code, its
// picture and the report; the game goes on (GameOver back to 0).
bool DoTransfer(Scene& scene);

}  // namespace kvd
