#pragma once
#include <vector>

#include "play/showing.h"

namespace kvd {

class BoardPainter;
class Picture;
class EndOfGame;
class TMainForm;
struct Context;
struct GamePictures;

// Plays on the board what the rules noted, in order: the same pictures, sounds and pauses. A
// pause ends the playing when the game was left or the program closes (the rest is not shown).
class ShowPlayer {
  public:
    ShowPlayer(TMainForm& board, BoardPainter& paint, Context& context, GamePictures& pictures)
        : board_(board), paint_(paint), context_(context), pictures_(pictures) {}

    // False when the playing was cut short.
    bool Play(const std::vector<ShowStep>& steps, EndOfGame* endOfGame);

  private:
    bool PlayStep(const ShowStep& step, EndOfGame* endOfGame);
    const Picture* PictureFor(PictureOf picture, int code);

    TMainForm& board_;
    BoardPainter& paint_;
    Context& context_;
    GamePictures& pictures_;
};

}  // namespace kvd
