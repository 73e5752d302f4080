#pragma once

namespace kvd {

struct Scene;

// The selected unit's panel in the bottom band: name, kind (German with the German texts),
// strength, state, and its picture in a framed box, in the band's left part (the battle's log
// and state take the rest).
void DrawUnitPanel(Scene& scene, int index);

}  // namespace kvd
