#pragma once
#include <QString>

namespace kvd {

struct Scene;

// The selected unit's panel in the bottom band: name, kind (German with the German texts),
// strength, state, and its picture in a framed box, in the band's left part (the battle's log
// and state take the rest).
void DrawUnitPanel(Scene& scene, int index);
// The panel's strength text for a unit of the player's own side: the strength digit and five
// blanks, or "XXX   " where the unit keeps it to itself.
QString StrengthText(int code, int strength, bool joining);

}  // namespace kvd
