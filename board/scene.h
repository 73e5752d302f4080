#pragma once

namespace kvd {

class BoardPainter;
class Game;
struct Context;
struct GamePictures;

// What a rule that shows itself on the board works with: the game, the settings, texts and
// platform, the game's pictures, and the painter that draws onto the board window.
struct Scene {
    Game& game;
    Context& context;
    GamePictures& pictures;
    BoardPainter& paint;
};

}  // namespace kvd
