#include "opponent/submarine_belief.h"

#include <algorithm>
#include <cstdlib>

#include "core/game.h"
#include "core/unit_codes.h"
#include "core/unit_table.h"
#include "opponent/move_choice.h"
#include "opponent/side_view.h"
#include "platform/random.h"

namespace kvd {

namespace {
constexpr int kCells = kBoardSize * kBoardSize;

int Column(int cell) {
    return cell % kBoardSize;
}
int Row(int cell) {
    return cell / kBoardSize;
}

// The cell of the player's unit of this code, or -1.
int OwnCell(const SideView& v, int code) {
    for (const QString& line : v.own)
        if (ReadNumber(line, col::kCode, 2) == code)
            return ReadNumber(line, col::kPosY, 2) * kBoardSize + ReadNumber(line, col::kPosX, 2);
    return -1;
}

// Where the computer opponent steers a submarine of this code against the first side: the
// first two the carrier (the flagship once the flag has passed; the convoy in its stage), the
// others the flagship; -1 for the last one, which it never offers to move.
constexpr int kLastSubmarine = 32, kFlagshipHunter = 29;
// How likely a turn in which nothing drawn moved has moved one of the submarines.
constexpr double kMoved = 0.5;

int Goal(const SideView& v, int code) {
    if (code == kLastSubmarine) return -1;
    const int flagship = OwnCell(v, kFirstFlagshipCode);
    if ((code == 27 || code == 28) && v.gameMode == mode::kConvoyStage) {
        // In the convoy's stage they hunt the convoy: its last ship in the table.
        int convoy = -1;
        for (const QString& line : v.own)
            if (IsConvoyCode(ReadNumber(line, col::kCode, 2)))
                convoy =
                    ReadNumber(line, col::kPosY, 2) * kBoardSize + ReadNumber(line, col::kPosX, 2);
        return convoy >= 0 ? convoy : flagship;
    }
    if (code == 27 || code == 28) {
        const int carrier = OwnCell(v, v.eTransferred ? kFirstFlagshipCode : kFirstCarrierCode);
        return carrier >= 0 ? carrier : flagship;
    }
    return flagship;
}

bool Water(const SideView& v, int column, int row) {
    return OnBoard(column, row) && !v.map.IsLand(column, row);
}

// Whether an escort of the player's stands within two cells of a cell.
bool EscortNear(const SideView& v, int cell) {
    for (const QString& line : v.own) {
        const int x = ReadNumber(line, col::kPosX, 2), y = ReadNumber(line, col::kPosY, 2);
        if (IsEscort(ReadNumber(line, col::kCode, 2)) &&
            std::max(std::abs(x - Column(cell)), std::abs(y - Row(cell))) <= 2)
            return true;
    }
    return false;
}

// The cell the computer steps a unit to from `cell` toward `goal`: the way there when it is
// open, else the open way of the highest direction; -1 when none is open.
int SteerFrom(const SideView& v, int cell, int goal) {
    auto open = [&](int direction) {
        const Offset o = DirectionOffset(direction);
        const int x = Column(cell) + o.dc, y = Row(cell) + o.dr;
        return direction >= 1 && Water(v, x, y) && !ShownTaken(v, y * kBoardSize + x)
                   ? y * kBoardSize + x
                   : -1;
    };
    const int ahead = open(HeadingToward(Column(cell), Row(cell), Column(goal), Row(goal)));
    if (ahead >= 0) return ahead;
    for (int direction = 8; direction >= 1; --direction)
        if (open(direction) >= 0) return open(direction);
    return -1;
}

void Normalize(SubmarineTrack& t, const std::vector<char>& may) {
    double sum = 0;
    for (double w : t.weight) sum += w;
    if (sum <= 0) {
        // What it believed cannot be: anywhere the player's memory still allows.
        for (int i = 0; i < kCells; ++i) t.weight[size_t(i)] = may.empty() || may[size_t(i)];
        for (double w : t.weight) sum += w;
    }
    if (sum > 0)
        for (double& w : t.weight) w /= sum;
}
}  // namespace

bool ShownTaken(const SideView& v, int cell) {
    return v.ContactOn(Column(cell), Row(cell)) || v.OwnOn(Column(cell), Row(cell));
}

void SubmarineBelief::Start(const SideView& v, int count, const std::vector<char>& may) {
    tracks_.clear();
    const Side enemy = v.Enemy();
    for (int code = 1; code < 100 && int(tracks_.size()) < count; ++code) {
        if (KindOfCode(code) != UnitKind::Submarine || SideOfCode(code) != enemy) continue;
        SubmarineTrack t;
        t.code = code;
        t.weight.assign(kCells, 0.0);
        for (int i = 0; i < kCells; ++i)
            t.weight[size_t(i)] = (may.empty() || may[size_t(i)]) ? 1.0 : 0.0;
        tracks_.push_back(std::move(t));
    }
    Observe(v, may);
}

void SubmarineBelief::Unmet(const SideView& v) {
    std::vector<char> beside(kCells, 0);
    for (const QString& line : v.own) {
        const int code = ReadNumber(line, col::kCode, 2);
        if (code == kReconPlaneCode) continue;
        const int x = ReadNumber(line, col::kPosX, 2), y = ReadNumber(line, col::kPosY, 2);
        for (int direction = 1; direction <= 8; ++direction) {
            const Offset o = DirectionOffset(direction);
            if (OnBoard(x + o.dc, y + o.dr)) beside[size_t((y + o.dr) * kBoardSize + x + o.dc)] = 1;
        }
    }
    for (SubmarineTrack& t : tracks_)
        for (int i = 0; i < kCells; ++i)
            if (beside[size_t(i)]) t.weight[size_t(i)] = 0;
}

void SubmarineBelief::Advance(const SideView& v) {
    // One unit of the enemy's moved, and none of those the board draws: a submarine that moves
    // is that one in as many cases as there are of them, and in about half the turns the unit
    // the computer draws moves nowhere (boxed in, or a draw past its list).
    const bool steered = v.Enemy() == kSecondSide;
    int moving = 0;
    for (const SubmarineTrack& t : tracks_) moving += !steered || Goal(v, t.code) >= 0;
    if (moving == 0) return;
    const double chance = kMoved / moving;
    for (SubmarineTrack& t : tracks_) {
        t.struck = false;
        const int goal = steered ? Goal(v, t.code) : 0;
        if (steered && goal < 0) continue;
        std::vector<double> next(kCells, 0.0);
        for (int i = 0; i < kCells; ++i) {
            const double w = t.weight[size_t(i)];
            if (w <= 0) continue;
            next[size_t(i)] += w * (1 - chance);
            if (steered) {
                // A step toward its goal, or the way the computer takes when that is shut.
                const int to = SteerFrom(v, i, goal);
                next[size_t(to >= 0 ? to : i)] += w * chance;
                continue;
            }
            // A person's submarine: any open neighbour, or it stays.
            std::vector<int> ways{i};
            for (int direction = 1; direction <= 8; ++direction) {
                const Offset o = DirectionOffset(direction);
                const int x = Column(i) + o.dc, y = Row(i) + o.dr;
                if (Water(v, x, y)) ways.push_back(y * kBoardSize + x);
            }
            for (int to : ways) next[size_t(to)] += w * chance / double(ways.size());
        }
        t.weight = std::move(next);
    }
}

void SubmarineBelief::Struck(const SideView& v, int cell) {
    if (tracks_.empty()) return;
    // The one most likely near the ship it struck.
    size_t best = 0;
    double most = -1;
    for (size_t k = 0; k < tracks_.size(); ++k) {
        if (tracks_[k].struck) continue;
        double near = 0;
        for (int i = 0; i < kCells; ++i)
            if (std::max(std::abs(Column(i) - Column(cell)), std::abs(Row(i) - Row(cell))) <= 2)
                near += tracks_[k].weight[size_t(i)];
        if (near > most) most = near, best = k;
    }
    SubmarineTrack& t = tracks_[best];
    t.struck = true;
    std::fill(t.weight.begin(), t.weight.end(), 0.0);
    // The computer's submarine steps on from the ship it struck toward the player's flagship or
    // carrier, unless an escort of the player's is near: then back where it came from.
    const int goal = Goal(v, t.code == kLastSubmarine ? kFlagshipHunter : t.code);
    if (v.Enemy() == kSecondSide && goal >= 0 && !EscortNear(v, cell)) {
        const int to = SteerFrom(v, cell, goal);
        if (to >= 0) {
            t.weight[size_t(to)] = 1;
            return;
        }
    }
    for (int direction = 1; direction <= 8; ++direction) {
        const Offset o = DirectionOffset(direction);
        const int x = Column(cell) + o.dc, y = Row(cell) + o.dr;
        if (Water(v, x, y) && !ShownTaken(v, y * kBoardSize + x))
            t.weight[size_t(y * kBoardSize + x)] = 1;
    }
    // Nowhere to go: on the ship's own cell.
    if (std::all_of(t.weight.begin(), t.weight.end(), [](double w) { return w <= 0; }))
        t.weight[size_t(cell)] = 1;
    Normalize(t, {});
}

void SubmarineBelief::Observe(const SideView& v, const std::vector<char>& may) {
    for (SubmarineTrack& t : tracks_) {
        for (int i = 0; i < kCells; ++i)
            if (!Water(v, Column(i), Row(i)) || (!t.struck && ShownTaken(v, i)))
                t.weight[size_t(i)] = 0;
        Normalize(t, may);
    }
}

int DrawCell(const SubmarineTrack& t, const std::vector<char>& open, Dice& draw) {
    double sum = 0;
    for (int i = 0; i < kCells; ++i)
        if (open[size_t(i)]) sum += t.weight[size_t(i)];
    if (sum <= 0) return -1;
    // A draw of one in a million of the weight left.
    double pick = sum * draw.Next(1000000) / 1e6;
    int last = -1;
    for (int i = 0; i < kCells; ++i) {
        if (!open[size_t(i)] || t.weight[size_t(i)] <= 0) continue;
        last = i;
        pick -= t.weight[size_t(i)];
        if (pick < 0) return i;
    }
    return last;
}

}  // namespace kvd
