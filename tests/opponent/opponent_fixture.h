#pragma once
#include "board/show_player.h"
#include "opponent/computer_opponent.h"
#include "play/rules.h"
#include "play/showing.h"
#include "tests/board/play_fixture.h"

namespace kvd::test {

// A single game in which the real computer opponent plays the second side.
struct OpponentFixture : PlayFixture {
    std::unique_ptr<ComputerOpponent> ki;
    void StartAgainstTheComputer(int mode = 0) {
        StartGame(mode);
        ki = std::make_unique<ComputerOpponent>();
        turn->computer.Wire(*ki);
    }
    // Runs a rule on this game, then shows on the board what it noted.
    template <class Fn>
    void Decide(Fn fn) {
        Showing show;
        Rules rules{game, context.settings, context.texts, show, ki.get()};
        fn(rules);
        BoardPainter painter(*board, pictures, context);
        ShowPlayer(*board, painter, context, pictures).Play(show.Steps(), &end);
    }
    // The opponent's turn as the end of the player's move starts it.
    void ComputerTurn() {
        game.PlayerTurn = false;
        game.OpponentTurn = true;
        Decide([&](Rules& rules) { ki->RunKI(rules); });
    }
};

}  // namespace kvd::test
