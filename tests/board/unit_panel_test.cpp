#include "board/unit_panel.h"

#include <gtest/gtest.h>

#include "core/unit_codes.h"

// Every code of both fleets: minefields never tell their strength; of the submarines, the host's
// first (3) and the joining player's last three (30 to 32) do, the others not; every other unit
// shows its strength digit.
TEST(UnitPanel, WhoKeepsItsStrengthToItself) {
    for (bool joining : {false, true})
        for (int code = 1; code <= 64; ++code) {
            // The panel shows the player's own units: the host's first side, the joining second.
            if (kvd::SideOfCode(code) != (joining ? kvd::kSecondSide : kvd::kFirstSide)) continue;
            const bool secret = kvd::IsMinefield(code) ||
                                (joining ? code >= 27 && code <= 29 : code >= 4 && code <= 8);
            EXPECT_EQ(kvd::StrengthText(code, 7, joining), secret ? "XXX   " : "7     ")
                << code << (joining ? " joining" : " host");
        }
}
