// Who may move what, counted from known positions as a move generator is: the opening positions
// of campaign stages on several maps (both fleets, the convoy, land), the same games played on by
// the scripted player for both sides, and crowded random seas. Every listed move is legal, every
// other step, jump and repair of the same units is refused.
#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>
#include <random>

#include "core/game.h"
#include "core/language_texts.h"
#include "core/settings.h"
#include "core/unit_codes.h"
#include "platform/random.h"
#include "play/apply_move.h"
#include "play/legal_moves.h"
#include "play/rules.h"
#include "play/selection.h"
#include "play/showing.h"
#include "tests/support/unit_line.h"
#include "tools/selfplay/scripted_player.h"

namespace {

using kvd::Move;
using kvd::MoveKind;
using kvd::Side;

// A position file: the map's lines and the table's, as a game record holds them.
kvd::Game Position(const QString& name) {
    QFile file(QStringLiteral(KORVALD_TESTDATA_DIR "/positions/") + name + QStringLiteral(".txt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    QStringList map, table;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).remove(QLatin1Char('\r'));
        if (line.startsWith(QLatin1String("[Map]="))) map << line.mid(6);
        if (line.startsWith(QLatin1String("[Table]="))) table << line.mid(8);
    }
    kvd::Game game;
    game.MemoPad.SetLines(map);
    game.scratchpad.SetLines(table);
    game.GameActive = true;
    return game;
}

bool Listed(const std::vector<Move>& moves, const Move& m) {
    return std::any_of(moves.begin(), moves.end(), [&](const Move& l) {
        const bool steps = m.kind == MoveKind::Step || m.kind == MoveKind::Attack;
        return l.code == m.code && l.side == m.side &&
               (m.kind == MoveKind::Repair
                    ? l.kind == MoveKind::Repair
                    : steps && l.kind != MoveKind::Repair && l.fromColumn == m.fromColumn &&
                          l.fromRow == m.fromRow && l.toColumn == m.toColumn && l.toRow == m.toRow);
    });
}

// Every listed move is legal and as the list says; every other move of the side's units (a step
// or a jump to any cell within two, from its own cell or another, a repair) is legal exactly when
// it is listed; nothing of the other side's and no move the rules make themselves is.
void CheckAgainstTheList(const kvd::Game& game, Side side) {
    const std::vector<Move> legal = kvd::LegalMoves(game, side);
    const kvd::UnitTable& t = game.scratchpad;
    for (const Move& m : legal) {
        ASSERT_TRUE(kvd::IsLegal(game, m)) << m.code << " to " << m.toColumn << "," << m.toRow;
        if (m.kind != MoveKind::Repair) {
            EXPECT_EQ(m.kind == MoveKind::Attack,
                      t.OccupantSide(m.toColumn, m.toRow) == kvd::OtherSide(side));
        }
    }
    for (int i = 1; i < t.Count(); ++i) {
        if (!t.IsUnit(i)) continue;
        const int code = t.Code(i), x = t.PosX(i), y = t.PosY(i);
        if (t.Side(i) != side) {
            // The other side's unit, moved as if it were this side's.
            EXPECT_FALSE(kvd::IsLegal(game, Move{side, code, x, y, x + 1, y, MoveKind::Step}));
            continue;
        }
        for (int fromDx : {0, 1})
            for (int dx = -2; dx <= 2; ++dx)
                for (int dy = -2; dy <= 2; ++dy) {
                    const Move m{side,   code,          x + fromDx, y, x + fromDx + dx,
                                 y + dy, MoveKind::Step};
                    ASSERT_EQ(kvd::IsLegal(game, m), Listed(legal, m))
                        << code << " from " << m.fromColumn << "," << m.fromRow << " to "
                        << m.toColumn << "," << m.toRow;
                    Move attack = m;
                    attack.kind = MoveKind::Attack;
                    ASSERT_EQ(kvd::IsLegal(game, attack), Listed(legal, m)) << code;
                }
        const Move repair{side, code, x, y, 0, 0, MoveKind::Repair};
        ASSERT_EQ(kvd::IsLegal(game, repair), Listed(legal, repair)) << code;
        for (MoveKind kind : {MoveKind::Shot, MoveKind::Pass})
            EXPECT_FALSE(kvd::IsLegal(game, Move{side, code, x, y, x, y + 1, kind}));
    }
}

// The counts of each side's moves: steps and attacks, and repairs.
std::array<int, 2> Counts(const kvd::Game& game, Side side) {
    std::array<int, 2> n{};
    for (const Move& m : kvd::LegalMoves(game, side)) ++n[m.kind == MoveKind::Repair ? 1 : 0];
    return n;
}

// Plays on with the scripted player for both sides, a ply at a time, through the move function.
void PlayOn(kvd::Game& game, kvd::Dice& dice, int plies, int& ply) {
    const kvd::Settings settings;
    const kvd::LanguageTexts texts;
    kvd::Showing nothing(false);
    for (int k = 0; k < plies && game.GameActive && !game.GameOver; ++k, ++ply) {
        const Side side = ply % 2 == 0 ? kvd::kFirstSide : kvd::kSecondSide;
        const kvd::ScriptedMove s = kvd::ChooseMove(game, dice, side, kvd::Approach::PressOn);
        if (s.kind == kvd::ScriptedMove::Pass) continue;
        kvd::SelectUnit(game, side, s.column, s.row);
        game.PlayerTurn = side == kvd::kFirstSide;
        const Move move = kvd::SelectedUnitTo(
            game, side, s.toColumn, s.toRow,
            s.kind == kvd::ScriptedMove::Repair ? MoveKind::Repair : MoveKind::Step);
        ASSERT_TRUE(kvd::IsLegal(game, move)) << "the scripted player's move at ply " << ply;
        kvd::Rules rules{game, const_cast<kvd::Settings&>(settings), texts, nothing};
        kvd::ApplyMove(rules, move);
    }
}

}  // namespace

TEST(LegalMoves, CountedFromKnownPositions) {
    // Each position's first-side and second-side steps and attacks, then the same after 30 and
    // after 60 plies of the scripted players.
    const struct {
        const char* name;
        std::array<int, 6> steps;
    } positions[] = {
        {"ICELAND-1", {39, 46, 42, 49, 47, 57}},     {"CORK-2", {47, 52, 61, 68, 55, 65}},
        {"MALTA-3", {58, 58, 66, 60, 55, 45}},       {"TRIPOLI-2", {41, 48, 55, 66, 71, 51}},
        {"NPHILLIPINE-1", {61, 55, 54, 51, 56, 66}}, {"SOKINAWA-3", {47, 60, 49, 73, 36, 59}},
    };
    for (const auto& p : positions) {
        SCOPED_TRACE(p.name);
        kvd::Game game = Position(QString::fromLatin1(p.name));
        ASSERT_GT(game.scratchpad.Count(), 30);
        kvd::Dice dice(7);
        int ply = 0;
        std::array<int, 6> steps{};
        for (int stage = 0; stage < 3; ++stage) {
            if (stage > 0) PlayOn(game, dice, 30, ply);
            for (Side side : {kvd::kFirstSide, kvd::kSecondSide}) {
                CheckAgainstTheList(game, side);
                steps[size_t(stage * 2 + (side == kvd::kSecondSide))] = Counts(game, side)[0];
            }
        }
        EXPECT_EQ(steps, p.steps);
    }
}

// Crowded random seas: units stacked on cells of both sides and of one side, damaged and
// repaired units, land, the edges.
TEST(LegalMoves, CrowdedRandomSeasAgreeWithTheList) {
    std::mt19937 draw(11);
    int repairs = 0;
    for (int round = 0; round < 60; ++round) {
        SCOPED_TRACE(round);
        QStringList lines{"header"};
        for (int code = 1; code <= 64; ++code) {
            if (!kvd::IsValidCode(code) || draw() % 3 == 0) continue;
            QString line = kvd::test::UnitLine(kvd::SideLetter(*kvd::SideOfCode(code)), code, 5,
                                               int(draw() % 10), int(draw() % 10));
            kvd::WriteNumber(line, kvd::col::kDamageState, 1, int(draw() % 3));
            kvd::WriteNumber(line, kvd::col::kRepairCount, 1, int(draw() % 4 == 0));
            lines << line;
        }
        QStringList map{"a", "b", "[Position] =L", "d"};
        for (int k = 0; k < 6; ++k)
            map << QStringLiteral("%1%2")
                       .arg(int(draw() % 10), 2, 10, QLatin1Char('0'))
                       .arg(int(draw() % 10), 2, 10, QLatin1Char('0'));
        kvd::Game game;
        game.scratchpad.SetLines(lines);
        game.MemoPad.SetLines(map);
        for (Side side : {kvd::kFirstSide, kvd::kSecondSide}) {
            CheckAgainstTheList(game, side);
            repairs += Counts(game, side)[1];
        }
    }
    EXPECT_GT(repairs, 10) << "the seas hold damaged units beside their supply ships";
}
