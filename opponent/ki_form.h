#pragma once
#include <QWidget>

#include "opponent/move_choice.h"
#include "opponent/opponent_state.h"
#include "play/board_painter.h"
#include "play/computer_turn.h"
#include "play/end_of_game.h"
#include "play/scene.h"
#include "core/upward_call.h"

namespace kvd {

class Game;
class TMainForm;
struct Context;
struct GamePictures;

// The computer opponent: a window that is never shown, playing the second side's turn.
class TKIForm : public QWidget, public ComputerTurn {
public:
    TKIForm(Context& context, Game& game, GamePictures& pictures, TMainForm& board, QWidget* parent = nullptr);

    // One whole turn: a shot at the radar aircraft, then one unit fights, steps away, or steps
    // toward its goal; the supply ship mends the big ships. A side that cannot act has lost.
    void RunKI() override;
    // The submarine that damaged a big ship steps on (or back, with escorts about).
    void SubmarineRetreat() override;

    OpponentState& State() { return state_; }
    // The meetings of this turn: a copy of each player's unit next to one of the opponent's
    // acting units, with that unit's code in the attacker column.
    void BuildEngagements();

    UpwardCall<EndOfGame> endOfGame{"the computer opponent to the end-of-game window"};

private:
    bool ShootAtTheAircraft();
    bool Attack();
    void EndNotice();

    Game& game_;
    Context& context_;
    BoardPainter paint_;
    Scene scene_;
    OpponentState state_;
    MoveChoice moves_;
};

// The opponent's moods, from the units left: concern by its own losses, aggression by the
// player's.
int EnemyConcern(const Game& game);
int EnemyAggression(const Game& game);

}  // namespace kvd
