#pragma once

namespace kvd {

struct Rules;

// In the convoy stage, after the player's step: one convoy ship, drawn from those that can
// move, steps toward the battleship. With none that can move the stage is lost; false then.
bool ConvoyStep(Rules& rules);

}  // namespace kvd
