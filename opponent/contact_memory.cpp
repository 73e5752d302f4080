#include "opponent/contact_memory.h"

#include <algorithm>

#include "core/fleet_placement.h"
#include "core/unit_table.h"
#include "opponent/repetition.h"
#include "opponent/side_view.h"

namespace kvd {

void ContactMemory::Recall(SideView& v) {
    auto afloat = [&](int code) {
        return std::binary_search(v.enemyAfloat.begin(), v.enemyAfloat.end(), code);
    };
    auto shown = [&](int code) {
        for (const Contact& c : v.contacts)
            if (c.code == code) return true;
        return false;
    };
    for (const Known& k : known_) {
        if (!afloat(k.code) || shown(k.code)) continue;
        Contact* same = nullptr;
        Contact* moved = nullptr;
        int beside = 0;
        for (Contact& c : v.contacts) {
            if (c.column == k.column && c.row == k.row) same = &c;
            if (c.code == 0 && AreNeighbours(c.column, c.row, k.column, k.row)) {
                moved = &c;
                ++beside;
            }
        }
        Contact* it = same ? (same->code == 0 ? same : nullptr) : (beside == 1 ? moved : nullptr);
        if (!it) continue;
        it->code = k.code;
        it->strength = k.strength;
    }
    known_.clear();
    for (const Contact& c : v.contacts)
        if (c.code != 0) known_.push_back({c.column, c.row, c.code, c.strength});
    FollowHidden(v);
    // The positions it has stood in lately, this one too.
    constexpr size_t kPlacementsKept = 40;
    placements_.push_back(Placement(v.own));
    if (placements_.size() > kPlacementsKept) placements_.erase(placements_.begin());
    v.placementsSeen = placements_;
}

void ContactMemory::FollowHidden(SideView& v) {
    constexpr int kCells = kBoardSize * kBoardSize;
    std::vector<int> cells;
    for (const Contact& c : v.contacts)
        if (c.code != 1) cells.push_back(c.row * kBoardSize + c.column);
    std::sort(cells.begin(), cells.end());
    const bool started = started_;
    bool contactMoved = false;
    if (!started_) {
        // The enemy's home band, unless a map places its fleet itself.
        const QRect band = HomeBand(v.homePosition, v.Enemy());
        const bool placedByMap = v.hasPresets == QLatin1Char('Y') && v.Enemy() == kFirstSide;
        submarines_.assign(kCells, 0);
        for (int i = 0; i < kCells; ++i)
            submarines_[size_t(i)] =
                placedByMap || band.isEmpty() || band.contains(i % kBoardSize, i / kBoardSize);
        minefields_ = submarines_;
        started_ = true;
    } else {
        for (int cell : cells)
            contactMoved = contactMoved ||
                           !std::binary_search(contactCells_.begin(), contactCells_.end(), cell);
        if (!contactMoved) {
            // One unseen unit may have moved a cell.
            std::vector<char> reach = submarines_;
            for (int i = 0; i < kCells; ++i) {
                if (!submarines_[size_t(i)]) continue;
                for (int direction = 1; direction <= 8; ++direction) {
                    const Offset o = DirectionOffset(direction);
                    const int x = i % kBoardSize + o.dc, y = i / kBoardSize + o.dr;
                    if (OnBoard(x, y)) reach[size_t(y * kBoardSize + x)] = 1;
                }
            }
            submarines_ = std::move(reach);
        }
    }
    std::vector<std::pair<int, int>> strengths;
    for (const QString& line : v.own) {
        const int code = ReadNumber(line, col::kCode, 2),
                  strength = ReadNumber(line, col::kStrength, 1);
        strengths.push_back({code, strength});
        if (!started || contactMoved) continue;
        for (const auto& [was, before] : strengths_)
            if (was == code && strength < before)
                v.submarineStruck.push_back(ReadNumber(line, col::kPosY, 2) * kBoardSize +
                                            ReadNumber(line, col::kPosX, 2));
    }
    strengths_ = std::move(strengths);
    contactCells_ = cells;
    const bool fresh = !started;
    for (int i = 0; i < kCells; ++i) {
        const int x = i % kBoardSize, y = i / kBoardSize;
        if (v.map.IsLand(x, y)) submarines_[size_t(i)] = minefields_[size_t(i)] = 0;
        // No unit of the enemy's shares a cell with another of its own.
        if (std::binary_search(cells.begin(), cells.end(), i)) submarines_[size_t(i)] = 0;
        // A ship of the player's on a cell has shown it holds no minefield.
        if (v.OwnOn(x, y)) minefields_[size_t(i)] = 0;
    }
    if (fresh || !belief_.Started())
        belief_.Start(v, v.hiddenSubmarines, submarines_);
    else {
        if (v.submarineStruck.empty()) belief_.Unmet(v);
        if (!contactMoved) belief_.Advance(v);
    }
    for (int cell : v.submarineStruck) belief_.Struck(v, cell);
    belief_.Observe(v, submarines_);
    v.submarineMay = submarines_;
    v.minefieldMay = minefields_;
    v.submarineTracks = belief_.Tracks();
}

}  // namespace kvd
