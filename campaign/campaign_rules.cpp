#include "campaign/campaign_rules.h"

#include "core/game.h"
#include "core/unit_codes.h"

namespace kvd {

bool GoOnToNextStage(Game& g) {
    if (g.GameMode == mode::kLastStage) g.GameMode = mode::kSingleGame;  // the campaign is over
    if (g.GameMode != mode::kFirstStage && g.GameMode != mode::kConvoyStage) {
        g.GameActive = false;
        g.GameOver = true;
        return false;
    }
    g.GameMode += 1;
    return true;
}

}  // namespace kvd
