#pragma once
#include <QPoint>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "platform/cursor.h"

namespace kvd {

class Game;
struct BattleBand;
struct Settings;

// Which picture a step of the showing draws: a unit's from one of the picture sets, or a
// marker. The board's view turns it into the picture it holds.
enum class PictureOf {
    FirstSet,     // the player's units (by code)
    SecondSet,    // identified opposing units (by code)
    JoiningOwn,   // the joining player's own units (by code)
    FightFirst,   // a unit in a fight, from the first set (submarine slots 3 and 32 have none)
    FightSecond,  // the same from the second set
    Minefield,    // the first set's minefield
    EnemyFlag,    // the marker of an unidentified opponent
    HammerBox,    // the supply ship that may be asked for a repair
};

// The band picture below the board.
enum class BandOf { Menu, Dark };

// One thing the board shows, hears or waits for while a move is shown.
struct ShowStep {
    enum Kind {
        Wait,          // a = ms
        Sound,         // text = name, a = wait, b = whatever the sound setting says
        Report,        // text, a = x %, b = left %, c = right %: the box, then text and the time
        ReportBox,     // a = left %, b = right %
        Write,         // a = x %, b = y %, text; c = the time follows the text
        RestoreCell,   // cell
        Picture,       // a = PictureOf, b = code, cell
        TargetFrame,   // the green frame of a cell a unit steps to or from: cell
        Band,          // a = BandOf
        TakeSnapshot,  // the board as shown becomes the snapshot
        RedrawBoard,   // the snapshot back onto the board
        Compose,       // the board composed anew from `lines`; a = turn view, b = the
                       // identifications just made, c = the sweep may run, d = the aircraft flies
        Paint,         // the snapshot and the band on the window; a = turn view, b = game active
        Cursor,        // a = CursorShape
        HideBoard,
        AircraftShot,      // the radar aircraft blinks out in cell; a = it is over a ship
        RepairHammers,     // the hammers over cell and cell2
        CarrierTakesFlag,  // a = the first side's, b = shown on the joining board
        EndOfGame,         // the end-of-game window
        Battle,            // the band's log and state as they stand now: `battle`
    };
    Kind kind = Wait;
    int a = 0, b = 0, c = 0, d = 0;
    QPoint cell, cell2;
    QString text;
    QStringList lines;
    std::shared_ptr<const BattleBand> battle;
};

// What a rule shows, in order: rules decide at once and never wait, draw or play a sound; they
// note here what the board is to show, hear and wait for, and the board plays it afterwards
// with the same pictures, sounds and pauses. Where nobody looks (self-play, a search), nothing
// is noted.
class Showing {
  public:
    explicit Showing(bool recording = true) : recording_(recording) {}
    bool Recording() const { return recording_; }
    const std::vector<ShowStep>& Steps() const { return steps_; }
    std::vector<ShowStep> Take() { return std::move(steps_); }

    void Wait(int ms);
    // A sound, as the sound setting decides, or whatever it says.
    void Sound(const QString& name, bool wait);
    void SoundAlways(const QString& name, bool wait);
    // A report line: its box, then the text with the time after it.
    void Report(const QString& text, int xPercent = 12, int leftPercent = 8, int rightPercent = 97);
    void ReportBox(int leftPercent = 8, int rightPercent = 97);
    void Write(int xPercent, int yPercent, const QString& text, bool withTime = false);
    void RestoreCell(int column, int row);
    void Picture(PictureOf picture, int code, int column, int row);
    // The green frame the board draws round a cell a unit steps to or from.
    void TargetFrame(int column, int row);
    void Band(BandOf band);
    void TakeSnapshot();
    void RedrawBoard();
    // The board composed from the table as it stands now, and put on the window.
    void Compose(const Game& game);
    void Paint(const Game& game);
    void Cursor(CursorShape shape);
    void HideBoard();
    void AircraftShot(const Game& game, int column, int row);
    void RepairHammers(QPoint repairer, QPoint target);
    void CarrierTakesFlag(const Game& game, bool firstSide);
    void EndOfGame();
    // The band's log and the state of the battle as the game has them now.
    void Battle(const Game& game);

    // The units as the board draws them in a single cell.
    // The player's unit Player.Code; on the joining board the host's unit as identified.
    void MovedUnit(const Game& game, int column, int row);
    // The joining player's own unit Enemy.Code.
    void JoiningUnit(const Game& game, int column, int row);
    // The opposing unit Enemy.Code in its cell Enemy.X, Enemy.Y as the player may see it; on the
    // joining board the player's own unit Enemy.Code.
    void SingleEnemy(const Game& game, const Settings& settings);
    // The same, but with the reveal setting off the anonymous marker stands in for ships.
    void EnemyOrMarker(const Game& game, const Settings& settings, int column, int row);

  private:
    ShowStep& Add(ShowStep::Kind kind);
    void AddSound(const QString& name, bool wait, bool always);
    bool recording_;
    std::vector<ShowStep> steps_;
};

}  // namespace kvd
