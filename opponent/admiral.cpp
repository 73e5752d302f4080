#include "opponent/admiral.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdlib>
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

Thought Admiral::Choose(const SideView& v, std::uint32_t seed, const ThinkBudget& budget) const {
    QElapsedTimer clock;
    clock.start();
    Thought thought;
    thought.move = Move{v.side};
    const std::vector<Move> moves = CandidateMoves(v);
    if (moves.empty()) {
        thought.milliseconds = clock.nsecsElapsed() / 1e6;
        return thought;
    }
    Dice draw(seed);
    std::vector<double> total(moves.size(), 0.0);
    std::vector<bool> refused(moves.size(), false);
    Settings settings = v.settings;
    const LanguageTexts texts;
    Showing nothingShown(false);
    ComputerOpponent standard;
    standard.SetQuiet(true);
    const bool first = v.side == kFirstSide;
    const int most = budget.worlds > 0 ? budget.worlds : kMostWorlds;
    for (int w = 0; w < most; ++w) {
        // One world at least; then as many as the count asks (or the most it ever plays)
        // while the time lasts, stopping before a world that would run past the limit.
        const double spent = clock.nsecsElapsed() / 1e6;
        if (w > 0 && spent + spent / w > budget.milliseconds) break;
        const Game world = Determinize(v, draw);
        thought.submarinesBesideFlagship += SubmarinesBesideFlagship(world, v.side);
        for (size_t i = 0; i < moves.size(); ++i) {
            if (refused[i]) continue;
            Game played = world;
            Rules rules{played, settings, texts, nothingShown, &standard};
            // The first side's move is followed by the standard opponent's whole turn, as in a
            // game against the computer.
            const bool allowed =
                first ? PlayFirstSideMove(rules, moves[i]) : PlaySecondSideMove(rules, moves[i]);
            if (!allowed) {
                refused[i] = true;
                continue;
            }
            total[i] += PositionValue(played, v.side);
            ++thought.simulations;
        }
        ++thought.worlds;
    }
    thought.submarinesBesideFlagship /= std::max(1, thought.worlds);
    double best = -std::numeric_limits<double>::infinity();
    for (size_t i = 0; i < moves.size(); ++i) {
        if (refused[i]) continue;
        const double value = total[i] / thought.worlds - BackAgain(v, moves[i]) -
                             Repeated(v, moves[i]) + kJitter * draw.Next(100) / 100.0;
        if (value > best) {
            best = value;
            thought.move = moves[i];
        }
    }
    thought.milliseconds = clock.nsecsElapsed() / 1e6;
    return thought;
}

}  // namespace kvd
