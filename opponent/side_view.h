#pragma once
#include <QChar>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "core/map_file.h"
#include "core/settings.h"
#include "core/side.h"
#include "opponent/submarine_belief.h"

namespace kvd {

class Game;

// An opposing unit as a side's board draws it: its cell always; its code and strength only
// once radar, the radar aircraft or a fight has identified it (and the board shows what is
// identified); the anonymous flag otherwise.
struct Contact {
    int column = 0, row = 0;
    int code = 0;       // 0 while unidentified
    int strength = -1;  // -1 while unidentified
};

// What one side's player knows of a game, and nothing more: the computer's search plans from
// this, never from the game itself.
//
// Known: the side's own units (their whole lines); the opposing units its board draws, as
// contacts; the map, the settings, the turn and the flag transfers; the radar aircraft's
// patrol. Also known: which opposing units the board draws are still afloat, by code, and how
// many submarines and minefields the enemy still has. Both sides' fleets are read from the
// fleet file every player has, and every loss is announced on both boards by its fight report,
// so what the enemy still has is public knowledge; where those units stand and how strong they
// are is not. A submarine or minefield lost is told only as "a submarine": which of them it
// was is not known.
//
// Unknown: the kinds and strengths of unidentified contacts, and every opposing submarine and
// minefield (never drawn, wherever they are).
struct SideView {
    Side side = kFirstSide;
    QString header;                 // the table's line 0
    QStringList own;                // the side's own unit lines, in table order
    std::vector<Contact> contacts;  // ordered by cell, so the table's order tells nothing
    std::vector<int> enemyAfloat;   // the opposing codes still afloat, ascending, drawn kinds
    int hiddenSubmarines = 0, hiddenMinefields = 0;  // the enemy's, still afloat
    MapLines map;
    Settings settings;

    // Public game variables the rules read.
    int gameMode = 0;
    QChar hasPresets = QLatin1Char('N');
    QChar homePosition = QLatin1Char('L');
    int firstSideShips = 0, secondSideShips = 0;
    int planeLaunches = 1;
    QChar planeAllowance = QLatin1Char('0');
    int patrolWaypoint = 1;
    int turnCount = 0;
    QChar flagTransfer = QLatin1Char('Y'), flagTransferSecond = QLatin1Char('N');
    bool eTransferred = false, dTransferred = false;

    // Where the player's memory of the game allows an unseen submarine or minefield of the
    // enemy's to be, one flag a cell (row by row); empty: anywhere.
    std::vector<char> submarineMay, minefieldMay;
    // Cells beside which an unseen submarine has just struck: a ship of the player's lost
    // strength in a turn in which no contact was seen to move.
    std::vector<int> submarineStruck;
    // The player's belief about each unseen submarine; empty: nothing remembered.
    std::vector<SubmarineTrack> submarineTracks;
    // The side's own positions at its last looks (Placement), oldest first.
    std::vector<std::uint64_t> placementsSeen;

    Side Enemy() const { return OtherSide(side); }
    // Whether a contact stands on a cell, and the side's own unit (not the radar aircraft).
    bool ContactOn(int column, int row) const;
    bool OwnOn(int column, int row) const;
};

// The view of the side's player of a game. It reads the opposing units' lines only for what
// the board draws of them.
SideView ViewOf(const Game& game, const Settings& settings, Side side);

}  // namespace kvd
