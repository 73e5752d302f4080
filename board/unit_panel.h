#pragma once

namespace kvd {

struct Scene;

// The selected unit's panel in the bottom band: name, kind (German with the German texts),
// strength, state, and its picture in a framed box.
void DrawUnitPanel(Scene& scene, int index);

}  // namespace kvd
