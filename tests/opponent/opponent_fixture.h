#pragma once
#include "opponent/ki_form.h"
#include "tests/play/play_fixture.h"

namespace kvd::test {

// A single game in which the real computer opponent plays the second side.
struct OpponentFixture : PlayFixture {
    std::unique_ptr<TKIForm> ki;
    void StartAgainstTheComputer(int mode = 0) {
        StartGame(mode);
        ki = std::make_unique<TKIForm>(context, game, pictures, *board);
        ki->endOfGame.Wire(end);
        turn->computer.Wire(*ki);
    }
    // The opponent's turn as the end of the player's move starts it.
    void ComputerTurn() {
        game.PlayerTurn = 0;
        game.OpponentTurn = 1;
        ki->RunKI();
    }
};

}  // namespace kvd::test
