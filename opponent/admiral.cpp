#include "opponent/admiral.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <limits>

#include "core/game.h"
#include "core/language_texts.h"
#include "core/unit_codes.h"
#include "opponent/admiral_turn.h"
#include "opponent/computer_opponent.h"
#include "opponent/determinize.h"
#include "opponent/position_value.h"
#include "opponent/repetition.h"
#include "opponent/side_view.h"
#include "platform/random.h"
#include "play/game_record.h"
#include "play/legal_moves.h"
#include "play/rules.h"
#include "play/selection.h"
#include "play/showing.h"

namespace kvd {

namespace {
// Stepping straight back where a unit came from is how a quiet board stalls: a small price
// on it, well below any gain of material.
constexpr double kBackAgain = 1.0;
// Standing again in a position the side has stood in lately: a price for every time, so a
// quiet board moves on rather than to and fro.
constexpr double kRepeated = 0.5;
// The most worlds a move is thought over when only the time limits it: beyond this many the
// average no longer changes the move.
constexpr int kMostWorlds = 400;
// Ties are broken by the seed's draw, never by the order the moves were listed in.
constexpr double kJitter = 0.01;
}  // namespace

std::vector<Move> CandidateMoves(const SideView& v) {
    // The side's legal moves on a world drawn from the view: every cell its board offers is open
    // water or an opposing unit, and a unit the viewer cannot see is a target either way, so
    // which world it is does not change the moves. Where it sees a contact is an attack.
    Dice anyDraw(0);
    const Game world = Determinize(v, anyDraw);
    std::vector<Move> moves = LegalMoves(world, v.side);
    for (Move& m : moves)
        if (m.kind != MoveKind::Repair)
            m.kind = v.ContactOn(m.toColumn, m.toRow) ? MoveKind::Attack : MoveKind::Step;
    return moves;
}

namespace {

// The price of stepping back onto the cell a unit has just left.
double BackAgain(const SideView& v, const Move& m) {
    if (m.kind == MoveKind::Repair) return 0;
    for (const QString& line : v.own)
        if (ReadNumber(line, col::kCode, 2) == m.code)
            return ReadNumber(line, col::kPrevX, 2) == m.toColumn &&
                           ReadNumber(line, col::kPrevY, 2) == m.toRow && !m.Stays()
                       ? kBackAgain
                       : 0;
    return 0;
}

// The price of a move into a position the side has stood in lately; none for the flagship and
// its screen, which may wait where they are safe.
double Repeated(const SideView& v, const Move& m) {
    if (m.kind != MoveKind::Step || MovesTheFlagshipOrItsScreen(v.own, v.side, m)) return 0;
    const std::uint64_t next = Placement(v.own, &m);
    return kRepeated * double(std::count(v.placementsSeen.begin(), v.placementsSeen.end(), next));
}

}  // namespace

int SubmarinesBesideFlagship(const Game& g, Side side) {
    const UnitTable& t = g.scratchpad;
    const int flagship =
        t.FindSide(side == kFirstSide ? kFirstFlagshipCode : kSecondFlagshipCode, side);
    if (flagship < 0) return 0;
    int count = 0;
    for (int i = 1; i < t.Count(); ++i)
        if (t.IsUnit(i) && t.Side(i) != side && IsSubmarine(t.Code(i)) &&
            std::max(std::abs(t.PosX(i) - t.PosX(flagship)),
                     std::abs(t.PosY(i) - t.PosY(flagship))) <= 1)
            ++count;
    return count;
}

namespace {

// What playing a move out on a world takes: the game's rules with nothing shown, and the
// standard opponent's reply as the Admiral models it.
struct PlayOut {
    explicit PlayOut(const SideView& v) : settings(v.settings), first(v.side == kFirstSide) {
        standard.SetQuiet(true);
    }
    // The move on the world, followed by the enemy's reply where it has one; false when the
    // world refuses it.
    bool Play(Game& world, const Move& m) {
        Rules rules{world, settings, texts, nothingShown, &standard};
        // The first side's move is followed by the standard opponent's whole turn, as in a game
        // against the computer.
        return first ? PlayFirstSideMove(rules, m) : PlaySecondSideMove(rules, m);
    }
    // What a world is worth after the move and the reply, with the side's best move after them
    // played too.
    double Deeper(const Game& world, const Move& m, Side side) {
        Game played = world;
        if (!Play(played, m)) return -std::numeric_limits<double>::infinity();
        if (!played.GameActive || played.GameOver) return PositionValue(played, side);
        double best = PositionValue(played, side);
        for (const Move& next : LegalMoves(played, side)) {
            Game after = played;
            if (Play(after, next)) best = std::max(best, PositionValue(after, side));
        }
        return best;
    }

    Settings settings;
    const LanguageTexts texts;
    Showing nothingShown{false};
    ComputerOpponent standard;
    bool first;
};

// The worlds kept for the second look at the best moves, and how many moves get it.
constexpr size_t kKeptWorlds = 8;
constexpr size_t kSecondLooks = 10;

double Milliseconds(const QElapsedTimer& clock) {
    return double(clock.nsecsElapsed()) / 1e6;
}

// The second look, for the first side, whose enemy's reply the play-out knows: the best few
// moves of the first, each played on in the kept worlds by the side's best move after the
// reply. Their worth then replaces the first look's, and they go before every other move.
void SecondLook(const SideView& v, const std::vector<Move>& moves, const std::vector<Game>& kept,
                PlayOut& playOut, const std::function<bool()>& timeLeft,
                std::vector<double>& value) {
    std::vector<size_t> order(moves.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    const size_t looks = std::min(kSecondLooks, order.size());
    std::partial_sort(order.begin(), order.begin() + looks, order.end(),
                      [&](size_t a, size_t b) { return value[a] > value[b]; });
    std::vector<double> deeper(looks, 0.0);
    size_t worlds = 0;
    for (; worlds < kept.size() && timeLeft(); ++worlds)
        for (size_t k = 0; k < looks; ++k)
            deeper[k] += playOut.Deeper(kept[worlds], moves[order[k]], v.side);
    if (worlds == 0) return;
    constexpr double kLookedAt = 1e7;
    for (size_t k = 0; k < looks; ++k) {
        const size_t i = order[k];
        if (value[i] == -std::numeric_limits<double>::infinity()) continue;
        value[i] =
            kLookedAt + deeper[k] / double(worlds) - BackAgain(v, moves[i]) - Repeated(v, moves[i]);
    }
}

}  // namespace

Thought Admiral::Choose(const SideView& v, std::uint32_t seed, const ThinkBudget& budget) const {
    QElapsedTimer clock;
    clock.start();
    Thought thought;
    thought.move = Move{v.side};
    const std::vector<Move> moves = CandidateMoves(v);
    if (moves.empty()) {
        thought.milliseconds = Milliseconds(clock);
        return thought;
    }
    Dice draw(seed);
    std::vector<double> total(moves.size(), 0.0);
    std::vector<bool> refused(moves.size(), false);
    PlayOut playOut(v);
    std::vector<Game> kept;
    const bool counted = budget.worlds > 0, looksTwice = v.side == kFirstSide;
    const int most = counted ? budget.worlds : kMostWorlds;
    // Timed, the first look takes half the time when a second one follows.
    const double firstLook =
        counted || !looksTwice ? budget.milliseconds : budget.milliseconds / 2.0;
    for (int w = 0; w < most; ++w) {
        // One world at least; then as many as the count asks (or the most it ever plays)
        // while the time lasts, stopping before a world that would run past the limit.
        const double spent = Milliseconds(clock);
        if (w > 0 && spent + spent / w > firstLook) break;
        const Game world = Determinize(v, draw);
        thought.submarinesBesideFlagship += SubmarinesBesideFlagship(world, v.side);
        for (size_t i = 0; i < moves.size(); ++i) {
            if (refused[i]) continue;
            Game played = world;
            if (!playOut.Play(played, moves[i])) {
                refused[i] = true;
                continue;
            }
            total[i] += PositionValue(played, v.side);
            ++thought.simulations;
        }
        if (kept.size() < kKeptWorlds) kept.push_back(world);
        ++thought.worlds;
    }
    thought.submarinesBesideFlagship /= std::max(1, thought.worlds);
    std::vector<double> value(moves.size(), -std::numeric_limits<double>::infinity());
    for (size_t i = 0; i < moves.size(); ++i)
        if (!refused[i])
            value[i] = total[i] / thought.worlds - BackAgain(v, moves[i]) - Repeated(v, moves[i]) +
                       kJitter * draw.Next(100) / 100.0;
    if (looksTwice)
        SecondLook(
            v, moves, kept, playOut,
            [&] { return counted || Milliseconds(clock) < budget.milliseconds; }, value);
    double best = -std::numeric_limits<double>::infinity();
    for (size_t i = 0; i < moves.size(); ++i) {
        if (refused[i] || value[i] <= best) continue;
        best = value[i];
        thought.move = moves[i];
    }
    thought.milliseconds = Milliseconds(clock);
    return thought;
}

}  // namespace kvd
