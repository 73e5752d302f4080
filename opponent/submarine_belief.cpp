#include "opponent/submarine_belief.h"

#include <algorithm>
#include <cstdlib>

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
// first two the carrier (the flagship once the flag has passed), the others the flagship; -1
// for the last one, which it never offers to move.
int Goal(const SideView& v, int code) {
    if (code == 32) return -1;
    const int flagship = OwnCell(v, kFirstFlagshipCode);
    if (code == 27 || code == 28) {
        const int carrier = OwnCell(v, v.eTransferred ? kFirstFlagshipCode : kFirstCarrierCode);
        return carrier >= 0 ? carrier : flagship;
    }
    return flagship;
}

bool Water(const SideView& v, int column, int row) {
    return OnBoard(column, row) && !v.map.IsLand(column, row);
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

void SubmarineBelief::Advance(const SideView& v) {
    // One unit moved: a submarine that moves is that one in as many cases as there are of them.
    const bool steered = v.Enemy() == kSecondSide;
    int moving = 0;
    for (const SubmarineTrack& t : tracks_) moving += !steered || Goal(v, t.code) >= 0;
    if (moving == 0) return;
    const double chance = 1.0 / moving;
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
                // A step toward its goal where the water is open; otherwise it stays.
                const int heading = HeadingToward(Column(i), Row(i), Column(goal), Row(goal));
                const Offset o = DirectionOffset(heading);
                const int x = Column(i) + o.dc, y = Row(i) + o.dr;
                const int to = y * kBoardSize + x;
                const bool open = heading > 0 && Water(v, x, y) && !ShownTaken(v, to);
                next[size_t(open ? to : i)] += w * chance;
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
