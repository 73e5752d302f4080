#include "opponent/determinize.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/unit_codes.h"
#include "opponent/side_view.h"
#include "opponent/submarine_belief.h"
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
template <class T>
void Shuffle(std::vector<T>& items, Dice& draw) {
    for (int i = int(items.size()) - 1; i > 0; --i)
        std::swap(items[size_t(i)], items[size_t(draw.Next(i + 1))]);
}

// The codes of the enemy's units of a kind, in fleet order.
std::vector<int> CodesOf(Side side, UnitKind kind) {
    std::vector<int> codes;
    for (int code = 1; code < 100; ++code)
        if (KindOfCode(code) == kind && SideOfCode(code) == side) codes.push_back(code);
    return codes;
}

int Chebyshev(int a, int b) {
    return std::max(std::abs(a % kBoardSize - b % kBoardSize),
                    std::abs(a / kBoardSize - b / kBoardSize));
}

// The unseen submarines as the player's belief has them: as many tracks as the enemy still has
// submarines, those that have just struck first, each on a cell drawn from its weights.
// Placed as {code, cell}; the cells taken are closed.
std::vector<std::pair<int, int>> FollowedSubmarines(const SideView& v, std::vector<char>& open,
                                                    Dice& draw) {
    std::vector<size_t> order(v.submarineTracks.size());
    for (size_t k = 0; k < order.size(); ++k) order[k] = k;
    Shuffle(order, draw);
    std::stable_partition(order.begin(), order.end(),
                          [&](size_t k) { return v.submarineTracks[k].struck; });
    std::vector<std::pair<int, int>> placed;
    for (size_t k : order) {
        if (int(placed.size()) >= v.hiddenSubmarines) break;
        const int cell = DrawCell(v.submarineTracks[k], open, draw);
        if (cell < 0) continue;
        open[size_t(cell)] = 0;
        placed.push_back({v.submarineTracks[k].code, cell});
    }
    return placed;
}
}  // namespace

namespace {
// The world itself: the view's table with the enemy's lines drawn for it, and every game
// variable the view knows.
Game WorldOf(const SideView& v, const QStringList& theirs, Dice& draw) {
    QStringList lines{v.header};
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

}  // namespace

Game Determinize(const SideView& v, Dice& draw) {
    const Side enemy = v.Enemy();
    // The kinds the unidentified contacts may be: what is afloat and not already identified
    // on the board.
    std::vector<int> drawnKinds, hidden;
    for (int code : v.enemyAfloat) {
        bool identified = false;
        for (const Contact& c : v.contacts) identified = identified || c.code == code;
        if (!identified) drawnKinds.push_back(code);
    }
    Shuffle(drawnKinds, draw);

    std::vector<std::pair<int, QString>> enemyLines;  // by code, as a fleet file orders them
    auto place = [&](int code, int cell) {
        enemyLines.push_back({code, PlacedUnitLine(enemy, code, UsualStrength(code),
                                                   cell % kBoardSize, cell / kBoardSize, false)});
    };
    size_t next = 0;
    for (const Contact& c : v.contacts) {
        if (c.code != 0) {
            enemyLines.push_back(
                {c.code, PlacedUnitLine(enemy, c.code, c.strength, c.column, c.row, true)});
        } else if (next < drawnKinds.size()) {
            place(drawnKinds[next++], c.row * kBoardSize + c.column);
        }
    }
    // Contacts fewer than the kinds left: the rest are counted among the hidden units too
    // (a unit of the viewer's may share their cell).
    for (; next < drawnKinds.size(); ++next) hidden.push_back(drawnKinds[next]);

    // Where the hidden units may be: water the viewer sees empty.
    std::vector<char> open(kBoardSize * kBoardSize, 0);
    for (int cell = 0; cell < kBoardSize * kBoardSize; ++cell)
        open[size_t(cell)] =
            !v.map.IsLand(cell % kBoardSize, cell / kBoardSize) && !ShownTaken(v, cell);
    // The submarines the belief follows, then the others, which of the enemy's codes they are
    // drawn (which were lost is not known).
    std::vector<int> subCodes = CodesOf(enemy, UnitKind::Submarine);
    int subsLeft = v.hiddenSubmarines;
    for (const auto& [code, cell] : FollowedSubmarines(v, open, draw)) {
        place(code, cell);
        subCodes.erase(std::remove(subCodes.begin(), subCodes.end(), code), subCodes.end());
        --subsLeft;
    }
    Shuffle(subCodes, draw);
    for (int k = 0; k < subsLeft && k < int(subCodes.size()); ++k)
        hidden.push_back(subCodes[size_t(k)]);
    const std::vector<int> mineCodes = CodesOf(enemy, UnitKind::Minefield);
    for (int k = 0; k < v.hiddenMinefields && k < int(mineCodes.size()); ++k)
        hidden.push_back(mineCodes[size_t(k)]);

    size_t struck = 0;  // the strikes of unseen submarines placed so far
    for (int code : hidden) {
        const bool hunter = KindOfCode(code) == UnitKind::Submarine;
        std::vector<int> cells;
        // A submarine that has just struck is beside the ship it struck (on its cell the board
        // shows the ship only).
        if (hunter && v.submarineTracks.empty() && struck < v.submarineStruck.size()) {
            const int at = v.submarineStruck[struck++];
            for (int cell = 0; cell < int(open.size()); ++cell)
                if (open[size_t(cell)] && Chebyshev(cell, at) <= 1) cells.push_back(cell);
        }
        // Else the cells the player's memory leaves it, when it leaves any.
        const std::vector<char>& may = hunter ? v.submarineMay : v.minefieldMay;
        for (int cell = 0; cells.empty() && cell < int(open.size()); ++cell)
            if (open[size_t(cell)] && (may.empty() || may[size_t(cell)])) cells.push_back(cell);
        for (int cell = 0; cells.empty() && cell < int(open.size()); ++cell)
            if (open[size_t(cell)]) cells.push_back(cell);
        if (cells.empty()) break;
        const int cell = cells[size_t(draw.Next(int(cells.size())))];
        place(code, cell);
        open[size_t(cell)] = 0;
    }
    std::sort(enemyLines.begin(), enemyLines.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList theirs;
    for (const auto& [code, line] : enemyLines) theirs << line;
    return WorldOf(v, theirs, draw);
}

}  // namespace kvd
