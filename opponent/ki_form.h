#pragma once
#include <QWidget>

#include "play/computer_turn.h"

namespace kvd {

class Game;
struct Context;

// The computer opponent's window: never shown, it holds the opponent's working lists and
// plays the second side's turn.
class TKIForm : public QWidget, public ComputerTurn {
public:
    TKIForm(Context& context, Game& game, QWidget* parent = nullptr);

    // The opponent's turn. Its rules are still to come: the turn passes straight back.
    void RunKI() override {}
    void SubmarineRetreat() override {}

private:
    [[maybe_unused]] Context& context_;
    [[maybe_unused]] Game& game_;
};

}  // namespace kvd
