#pragma once

namespace kvd {

class ComputerTurn;
class Game;
struct LanguageTexts;
class Showing;
struct Settings;

// What a rule works with: the game, the settings it is played with, the texts of its reports,
// and what it notes for the board to show. The computer opponent is there in a game against
// the computer, for what it does in the middle of a fight.
struct Rules {
    Game& game;
    Settings& settings;
    const LanguageTexts& texts;
    Showing& show;
    ComputerTurn* computer = nullptr;
};

}  // namespace kvd
