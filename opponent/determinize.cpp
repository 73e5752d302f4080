#include "opponent/determinize.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/unit_codes.h"
#include "opponent/side_view.h"
#include "platform/random.h"
#include "play/combat.h"

namespace kvd {

int UsualStrength(int code) {
    switch (KindOfCode(code)) {
        case UnitKind::ReconPlane:
            return 8;
        case UnitKind::Supply:
            return 2;
        case UnitKind::Corvette:
            return 3;
        case UnitKind::Frigate:
            return 4;
        case UnitKind::LightCruiser:
            return 6;
        case UnitKind::HeavyCruiser:
        case UnitKind::Carrier:
            return 7;
        // The second side's flagship is the stronger in most fleets: a careful guess.
        case UnitKind::Battleship:
            return SideOfCode(code) == kSecondSide ? 9 : 8;
        case UnitKind::Trooper:
        case UnitKind::Merchant1:
        case UnitKind::Merchant2:
        case UnitKind::Oiler:
            return 2;
        default:
            return 5;
    }
}

QString PlacedUnitLine(Side side, int code, int strength, int column, int row, bool identified) {
    QString line =
        QStringLiteral("E 5 0    3 5  0  0 Contact           0 Unknown   0000 0000          00");
    line[0] = SideLetter(side);
    WriteNumber(line, col::kStrength, 1, strength);
    WriteNumber(line, col::kPrevX, 2, column);
    WriteNumber(line, col::kPrevY, 2, row);
    WriteNumber(line, col::kPosX, 2, column);
    WriteNumber(line, col::kPosY, 2, row);
    WriteNumber(line, col::kCode, 2, code);
    line[col::kRevealed - 1] = identified ? QLatin1Char('1') : QLatin1Char('0');
    return line;
}

namespace {
// How far about a big ship a hidden submarine is looked for, and how much likelier it is there.
constexpr int kHuntingRange = 2;
constexpr int kHunting = 3;

template <class T>
void Shuffle(std::vector<T>& items, Dice& draw) {
    for (int i = int(items.size()) - 1; i > 0; --i)
        std::swap(items[size_t(i)], items[size_t(draw.Next(i + 1))]);
}
}  // namespace

Game Determinize(const SideView& v, Dice& draw) {
    const Side enemy = v.Enemy();
    // The kinds the unidentified contacts may be, and the hidden units: what is afloat and
    // not already identified on the board.
    std::vector<int> drawnKinds, hidden;
    for (int code : v.enemyAfloat) {
        bool identified = false;
        for (const Contact& c : v.contacts) identified = identified || c.code == code;
        if (identified) continue;
        (DrawnToOpponent(code) ? drawnKinds : hidden).push_back(code);
    }
    Shuffle(drawnKinds, draw);

    std::vector<std::pair<int, QString>> enemyLines;  // by code, as a fleet file orders them
    size_t next = 0;
    for (const Contact& c : v.contacts) {
        if (c.code != 0) {
            enemyLines.push_back(
                {c.code, PlacedUnitLine(enemy, c.code, c.strength, c.column, c.row, true)});
        } else if (next < drawnKinds.size()) {
            const int code = drawnKinds[next++];
            enemyLines.push_back(
                {code, PlacedUnitLine(enemy, code, UsualStrength(code), c.column, c.row, false)});
        }
    }
    // Contacts fewer than the kinds left: the rest are counted among the hidden units too
    // (a unit of the viewer's may share their cell).
    for (; next < drawnKinds.size(); ++next) hidden.push_back(drawnKinds[next]);

    // Where the hidden units may be: water the viewer sees empty. Submarines hunt big ships,
    // so a submarine is drawn to the cells about the viewer's cruisers, carrier and flagship
    // (which of those it is, the viewer cannot know); a minefield lies anywhere.
    std::vector<int> freeCells, nearBig;
    for (int row = 0; row < kBoardSize; ++row)
        for (int column = 0; column < kBoardSize; ++column)
            if (!v.map.IsLand(column, row) && !v.ContactOn(column, row) && !v.OwnOn(column, row))
                freeCells.push_back(row * kBoardSize + column);
    for (const QString& line : v.own) {
        if (!IsMajorWarship(ReadNumber(line, col::kCode, 2))) continue;
        const int x = ReadNumber(line, col::kPosX, 2), y = ReadNumber(line, col::kPosY, 2);
        for (int cell : freeCells)
            if (std::max(std::abs(cell % kBoardSize - x), std::abs(cell / kBoardSize - y)) <=
                kHuntingRange)
                nearBig.push_back(cell);
    }
    size_t struck = 0;  // the strikes of unseen submarines placed so far
    for (int code : hidden) {
        const bool hunter = KindOfCode(code) == UnitKind::Submarine;
        // A submarine that has just struck is beside the ship it struck (on its cell the board
        // shows the ship only).
        if (hunter && struck < v.submarineStruck.size()) {
            const int at = v.submarineStruck[struck++];
            std::vector<int> beside;
            for (int cell : freeCells)
                if (std::max(std::abs(cell % kBoardSize - at % kBoardSize),
                             std::abs(cell / kBoardSize - at / kBoardSize)) <= 1)
                    beside.push_back(cell);
            if (!beside.empty()) {
                const int cell = beside[size_t(draw.Next(int(beside.size())))];
                enemyLines.push_back(
                    {code, PlacedUnitLine(enemy, code, UsualStrength(code), cell % kBoardSize,
                                          cell / kBoardSize, false)});
                freeCells.erase(std::remove(freeCells.begin(), freeCells.end(), cell),
                                freeCells.end());
                nearBig.erase(std::remove(nearBig.begin(), nearBig.end(), cell), nearBig.end());
                continue;
            }
        }
        // The cells the player's memory leaves it, when it leaves any.
        const std::vector<char>& may = hunter ? v.submarineMay : v.minefieldMay;
        auto allowed = [&](int cell) { return may.empty() || may[size_t(cell)]; };
        std::vector<int> plainCells, bigCells;
        for (int cell : freeCells)
            if (allowed(cell)) plainCells.push_back(cell);
        for (int cell : nearBig)
            if (allowed(cell)) bigCells.push_back(cell);
        if (plainCells.empty()) plainCells = freeCells, bigCells = nearBig;
        // A weighted draw: every free cell once, and the cells near a big ship once more for
        // each big ship near them, kHunting times over.
        const int plain = int(plainCells.size()),
                  weighted = hunter ? int(bigCells.size()) * kHunting : 0;
        if (plain == 0) break;
        const int pick = draw.Next(plain + weighted);
        const int cell =
            pick < plain ? plainCells[size_t(pick)] : bigCells[size_t((pick - plain) / kHunting)];
        enemyLines.push_back({code, PlacedUnitLine(enemy, code, UsualStrength(code),
                                                   cell % kBoardSize, cell / kBoardSize, false)});
        freeCells.erase(std::remove(freeCells.begin(), freeCells.end(), cell), freeCells.end());
        nearBig.erase(std::remove(nearBig.begin(), nearBig.end(), cell), nearBig.end());
    }
    std::sort(enemyLines.begin(), enemyLines.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });

    QStringList lines{v.header};
    QStringList theirs;
    for (const auto& [code, line] : enemyLines) theirs << line;
    // The first side's lines come first in every table.
    if (v.side == kFirstSide)
        lines << v.own << theirs;
    else
        lines << theirs << v.own;

    Game g;
    g.scratchpad.SetLines(lines);
    g.MemoPad = v.map;
    g.dice.Seed(std::uint32_t(draw.Next(1 << 30)));
    g.GameMode = v.gameMode;
    g.HasPresets = v.hasPresets;
    g.HomePosition = v.homePosition;
    g.FirstSideShips = v.firstSideShips;
    g.SecondSideShips = v.secondSideShips;
    g.PlaneLaunches = v.planeLaunches;
    g.PlaneAllowance = v.planeAllowance;
    g.PatrolWaypoint = v.patrolWaypoint;
    g.TurnCount = v.turnCount;
    g.FlagTransfer = v.flagTransfer;
    g.FlagTransferSecond = v.flagTransferSecond;
    g.ETransferred = v.eTransferred;
    g.DTransferred = v.dTransferred;
    g.GameActive = true;
    g.GameOver = false;
    g.Winner = outcome::kTurnOver;
    g.Enemy.Code = g.Player.Code = kNoUnit;
    g.PlayerTurn = v.side == kFirstSide;
    g.OpponentTurn = !g.PlayerTurn;
    g.SideToMove = v.side;
    return g;
}

}  // namespace kvd
