#include "play/campaign_tally.h"

#include "core/game.h"
#include "core/unit_codes.h"

namespace kvd {

int ShipsLost(const Game& game, Side side) {
    // Ships left, not lines: the radar aircraft and spent minefields are no losses.
    const int left = CountUnits(game.scratchpad, side, IsShipCode);
    return (side == kFirstSide ? game.FirstSideShips : game.SecondSideShips) - left;
}

void TallyTheGame(Game& g) {
    if (g.GameMode != mode::kFirstStage && g.GameMode != mode::kConvoyStage) {
        g.GameActive = false;
        g.GameOver = true;
    }
    // The joining program of a network game keeps no tally: its table is the second side's.
    const bool joining = g.NetRole == net_role::kJoining;
    if (g.Gamestage == stage::kFirstSideWon && !joining) ++g.FirstSideWins;
    if (g.Gamestage == stage::kSecondSideWon && !joining) ++g.SecondSideWins;
    if (g.GameMode == mode::kFirstStage) g.CampaignLossesFirst = g.CampaignLossesSecond = 0;
    g.CampaignLossesFirst += ShipsLost(g, kFirstSide);
    g.CampaignLossesSecond += ShipsLost(g, kSecondSide);
}

}  // namespace kvd
