#include "opponent/opponent_choice.h"

#include "core/settings.h"
#include "play/rules.h"

namespace kvd {

ComputerOpponent& OpponentChoice::Playing(const Rules& rules) {
    return AdmiralPlays(rules.settings) ? admiral_ : standard_;
}

void OpponentChoice::RunKI(Rules& rules) {
    // A game against the standard opponent hands nothing to the record, whatever the Admiral
    // chose in an earlier one.
    admiral_.TakeAnswer();
    Playing(rules).RunKI(rules);
}

Move OpponentChoice::SubmarineRetreat(Rules& rules) {
    return Playing(rules).SubmarineRetreat(rules);
}

}  // namespace kvd
