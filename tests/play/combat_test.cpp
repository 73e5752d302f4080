#include <gtest/gtest.h>
#include <vector>

#include "core/game.h"
#include "core/settings.h"
#include "core/unit_codes.h"
#include "play/combat.h"
#include "tests/support/test_platform.h"

namespace {

using namespace kvd::outcome;
using kvd::FightOutcome;
using kvd::UnitKind;

// Every unit that can meet another in a fight, by its first-side code: the first submarine slot
// (3) and the radar aircraft (1) are tried on their own.
std::vector<int> Fighters() {
    std::vector<int> codes{2};
    for (int c = 4; c <= 25; ++c) codes.push_back(c);
    for (int c = 50; c <= 54; ++c) codes.push_back(c);
    return codes;
}
int SecondSide(int firstSideCode) {
    return firstSideCode >= 50 ? firstSideCode + 10 : firstSideCode + 24;
}
UnitKind Kind(int code) {
    return kvd::KindOfCode(code);
}
bool Escort(int code) {
    return kvd::CodeIn(kvd::FirstSideCode(code), 9, 15);
}
bool BigShip(int code) {
    return kvd::CodeIn(kvd::FirstSideCode(code), 16, 22);
}
bool Warship(int code) {
    return Escort(code) || BigShip(code);
}
bool Mines(int code) {
    return Kind(code) == UnitKind::Minefield;
}
bool Submarine(int code) {
    return Kind(code) == UnitKind::Submarine;
}
// The same fight told from the other side.
int Mirrored(int outcome) {
    switch (outcome) {
        case kFirstWins:
            return kSecondWins;
        case kSecondWins:
            return kFirstWins;
        case kSecondHit:
            return kFirstHit;
        case kFirstHit:
            return kSecondHit;
        case kMineHitsShip:
            return kShipHitsMine;
        case kShipHitsMine:
            return kMineHitsShip;
        default:
            return outcome;
    }
}
// A first-side unit of code p and strength ps meets a second-side unit of first-side code e.
int Meet(int p, int ps, int e, int es) {
    return FightOutcome(p, SecondSide(e), ps, es, false, false);
}

}  // namespace

// A meeting of two kinds ends alike whichever side each is on; only the first side's minefields
// treat the second side's escorts and convoy more kindly than the other way round.
TEST(FightTable, AMeetingEndsAlikeFromEitherSideButForTheFirstSidesMinefields) {
    int compared = 0;
    for (int a : Fighters()) {
        for (int b : Fighters()) {
            for (int sa = 0; sa <= 9; ++sa) {
                for (int sb = 0; sb <= 9; ++sb) {
                    const int forward = Meet(a, sa, b, sb), backward = Mirrored(Meet(b, sb, a, sa));
                    SCOPED_TRACE(testing::Message()
                                 << a << " (" << sa << ") against " << b << " (" << sb << ")");
                    if (Escort(a) && Mines(b)) {
                        // An escort that steps onto mines goes down with them; a second-side
                        // escort of 5 or more that steps onto the first side's is only hit.
                        ASSERT_EQ(forward, kBothLost);
                        ASSERT_EQ(Meet(b, sb, a, sa), sa < 5 ? kBothLost : kMineHitsShip);
                    } else if (kvd::IsConvoyCode(a) && Mines(b)) {
                        ASSERT_EQ(forward, kBothLost);
                        ASSERT_EQ(Meet(b, sb, a, sa), kFirstWins)
                            << "the first side's mines outlast a convoy ship";
                    } else if (!(Mines(a) && (Escort(b) || kvd::IsConvoyCode(b)))) {
                        ASSERT_EQ(forward, backward);
                        ++compared;
                    }
                }
            }
        }
    }
    EXPECT_GT(compared, 50000);
    // The first submarine slot never fights as the first side, though the second side's is met.
    for (int e : Fighters()) {
        EXPECT_EQ(Meet(3, 9, e, 0), kNothing) << e;
        EXPECT_EQ(Meet(e, 9, 3, 0), Meet(e, 9, 4, 0)) << e;
    }
}

// Between warships the stronger wins and equal strengths sink both, whoever steps; strength
// decides nothing else but whether a ship of 5 or more survives a submarine or mines.
TEST(FightTable, GunsDecideBetweenWarshipsElseOnlyTheLineOfFiveCounts) {
    for (int p : Fighters()) {
        for (int e : Fighters()) {
            for (int ps = 0; ps <= 9; ++ps) {
                for (int es = 0; es <= 9; ++es) {
                    SCOPED_TRACE(testing::Message()
                                 << p << " (" << ps << ") against " << e << " (" << es << ")");
                    const int got = Meet(p, ps, e, es);
                    if (Mines(p) && Mines(e)) continue;  // minefields never move, so never meet
                    if (Warship(p) && Warship(e)) {
                        if (p == 21 && e == 21 && ps == es && ps >= 5)
                            continue;  // the battleships' duel
                        ASSERT_EQ(got, ps > es ? kFirstWins : ps < es ? kSecondWins : kBothLost);
                    } else {
                        ASSERT_EQ(got, Meet(p, ps < 5 ? 0 : 9, e, es < 5 ? 0 : 9));
                        ASSERT_EQ(got, Meet(p, ps < 5 ? 4 : 5, e, es < 5 ? 4 : 5));
                    }
                }
            }
        }
    }
}

TEST(FightTable, EscortsSinkSubmarinesWhoeverStepsAndSubmarinesOnlyHitBigShipsOfFive) {
    for (int sub = 4; sub <= 8; ++sub) {
        for (int other : Fighters()) {
            for (int ss = 0; ss <= 9; ++ss) {
                for (int os = 0; os <= 9; ++os) {
                    SCOPED_TRACE(testing::Message() << "submarine " << sub << " (" << ss << "), "
                                                    << other << " (" << os << ")");
                    if (Escort(other)) {
                        ASSERT_EQ(Meet(sub, ss, other, os), kSecondWins);
                        ASSERT_EQ(Meet(other, os, sub, ss), kFirstWins);
                    } else if (BigShip(other)) {
                        ASSERT_EQ(Meet(sub, ss, other, os), os < 5 ? kFirstWins : kSecondHit);
                    } else if (Submarine(other) || Mines(other)) {
                        ASSERT_EQ(Meet(sub, ss, other, os), kBothLost);
                    } else {
                        ASSERT_EQ(Meet(sub, ss, other, os), kFirstWins)
                            << "supply and convoy ships are easy prey";
                    }
                }
            }
        }
    }
}

TEST(FightTable, MinefieldsTakeDownWhatRunsOntoThemButBigShipsOfFive) {
    for (int mines = 23; mines <= 25; ++mines) {
        for (int ship : Fighters()) {
            if (Mines(ship)) continue;
            for (int strength = 0; strength <= 9; ++strength) {
                SCOPED_TRACE(testing::Message()
                             << ship << " (" << strength << ") onto mines " << mines);
                const int got = FightOutcome(ship, SecondSide(mines), strength, 5, false, false);
                ASSERT_EQ(got, BigShip(ship) && strength >= 5 ? kShipHitsMine : kBothLost);
            }
        }
    }
}

TEST(FightTable, TheBattleshipsDuelAtEqualStrengthWhereOtherShipsSinkTogether) {
    for (int s = 0; s <= 9; ++s) {
        EXPECT_EQ(Meet(21, s, 21, s), s < 5 ? kBothLost : kBattleshipDuel) << s;
        for (int other = 16; other <= 22; ++other) {
            if (other == 21) continue;
            EXPECT_EQ(Meet(21, s, other, s), kBothLost) << other;
            EXPECT_EQ(Meet(other, s, 21, s), kBothLost) << other;
        }
        if (s > 0) {
            EXPECT_EQ(Meet(21, s, 21, s - 1), kFirstWins);
            EXPECT_EQ(Meet(21, s - 1, 21, s), kSecondWins);
        }
    }
}

// The radar aircraft is shot down by the flag carrier alone: the carrier with the flag keeps it
// even after it took the flagship's code, and in a network game the aircraft never meets it.
TEST(FightTable, TheRadarAircraftMeetsOnlyTheCarrierThatHoldsTheFlag) {
    for (int e = 26; e <= 64; ++e) {
        if (!kvd::IsValidCode(e) || kvd::SideOfCode(e) != kvd::kSecondSide) continue;
        for (bool transferred : {false, true}) {
            const int flagCarrier = transferred ? 45 : 46;
            EXPECT_EQ(FightOutcome(1, e, 0, 9, transferred, false),
                      e == flagCarrier ? kSecondWins : kNothing)
                << e;
            EXPECT_EQ(FightOutcome(1, e, 0, 9, transferred, true), kNothing) << e;
        }
    }
}

TEST(FightTable, OutcomesAPlayerKnows) {
    struct Pinned {
        int p, ps, e, es, outcome;
        const char* what;
    } const pinned[] = {
        {11, 6, 13, 6, kBothLost, "a destroyer and a frigate of equal strength"},
        {19, 7, 16, 5, kFirstWins, "a heavy cruiser outguns a light cruiser"},
        {9, 2, 21, 9, kSecondWins, "a corvette against the flagship"},
        {9, 1, 5, 9, kFirstWins, "a weak corvette still sinks a submarine"},
        {5, 5, 21, 4, kFirstWins, "a submarine sinks a weakened battleship"},
        {5, 5, 21, 7, kSecondHit, "and only hits a sound one"},
        {22, 7, 22, 7, kBothLost, "two carriers sink each other"},
        {21, 6, 21, 6, kBattleshipDuel, "the battleships' duel"},
        {2, 9, 9, 0, kSecondWins, "the supply ship cannot fight"},
        {2, 2, 2, 2, kBothLost, "two supply ships"},
        {23, 5, 16, 6, kMineHitsShip, "a cruiser runs onto mines"},
        {20, 4, 23, 5, kBothLost, "a weakened cruiser goes down on mines"},
    };
    for (const Pinned& p : pinned) EXPECT_EQ(Meet(p.p, p.ps, p.e, p.es), p.outcome) << p.what;
}

namespace {
struct Effects : ::testing::Test {
    kvd::test::TestPlatform t;
    kvd::Game game;
    kvd::Settings settings;
    QString Unit(QChar side, int code, int strength, int column, int row) {
        QString line = QStringLiteral(
            "E 5 0    3 5  0  0 Unit              0 Kind      0000 0000          00");
        line[0] = side;
        kvd::UnitTable table;
        table.SetLines({"header", line});
        table.SetStrength(1, strength);
        table.SetPos(1, column, row);
        table.SetPrev(1, column, row);
        line = table.Line(1);
        return line.replace(68, 2, kvd::TwoDigits(code));
    }
    void Fight(int p, int ps, int e, int es) {
        game.scratchpad.SetLines({"header", Unit('E', p, ps, 3, 3), Unit('D', e, es, 3, 3),
                                  Unit('E', 22, 7, 0, 0), Unit('D', 46, 7, 9, 9)});
        game.Player.Code = p, game.Enemy.Code = e, game.Player.Strength = ps,
        game.Enemy.Strength = es;
        game.Winner = kvd::FightOutcome(p, e, ps, es, game.DTransferred, game.NetGame);
        game.Loser = game.Gamestage = 0;
        kvd::ApplyOutcome(game);
    }
    int Strength(int code) { return game.scratchpad.Strength(game.scratchpad.Find(code)); }
    int Damage(int code) { return game.scratchpad.DamageState(game.scratchpad.Find(code)); }
    bool Exists(int code) { return game.scratchpad.UnitExists(code); }
};
}  // namespace

TEST_F(Effects, LossesHitsAndTheEndOfTheGame) {
    Fight(11, 6, 37, 6);  // destroyer against frigate at equal strength
    EXPECT_EQ(game.Winner, 3);
    EXPECT_FALSE(Exists(11));
    EXPECT_FALSE(Exists(37));

    Fight(16, 4, 28, 5);  // a weak cruiser meets a submarine
    EXPECT_EQ(game.Winner, 2);
    EXPECT_FALSE(Exists(16));
    EXPECT_EQ(game.Loser, 16);
    Fight(16, 5, 28, 5);
    EXPECT_EQ(game.Winner, 6);
    EXPECT_EQ(Strength(16), 3);
    EXPECT_EQ(Damage(16), 1);
    EXPECT_TRUE(game.SubRetreat);

    Fight(5, 5, 45, 4);  // a submarine against a weakened battleship
    EXPECT_EQ(game.Winner, 1);
    EXPECT_EQ(game.Gamestage, 8);
    Fight(5, 5, 45, 7);
    EXPECT_EQ(game.Winner, 4);
    EXPECT_EQ(Strength(45), 5);
    EXPECT_EQ(game.Gamestage, 0);

    Fight(21, 6, 45, 6);
    EXPECT_EQ(game.Winner, 11);
    EXPECT_EQ(Strength(21), 4);
    EXPECT_EQ(Strength(45), 4);
    Fight(21, 4, 45, 4);
    EXPECT_EQ(game.Winner, 3);
    EXPECT_EQ(game.Gamestage, 10);

    Fight(2, 2, 26, 2);  // supply ship against supply ship
    EXPECT_FALSE(Exists(2));
    EXPECT_FALSE(Exists(26));

    game.FlagTransfer = game.FlagTransferSecond = 'Y';
    Fight(22, 7, 35, 9);  // the carrier sunk: its side can no longer transfer the flag
    EXPECT_EQ(game.FlagTransfer, 'N');
    Fight(12, 9, 46, 7);
    EXPECT_EQ(game.FlagTransferSecond, 'N');

    Fight(23, 5, 40, 6);  // a minefield spent on a cruiser
    EXPECT_EQ(game.Winner, 5);
    EXPECT_FALSE(Exists(23));
    EXPECT_EQ(Strength(40), 4);
    Fight(19, 7, 48, 5);  // a cruiser on a minefield
    EXPECT_EQ(game.Winner, 7);
    EXPECT_FALSE(Exists(48));
    EXPECT_EQ(Damage(19), 1);
}

TEST_F(Effects, TheRadarAircraftGoesBackToItsCarrierWhileLaunchesRemain) {
    settings.ReconPlanes = '2';
    game.PlaneAllowance = '3';
    game.PlaneLaunches = 2;
    Fight(1, 0, 46, 7);
    EXPECT_EQ(game.Winner, 2);
    const int plane = game.scratchpad.Find(1);
    ASSERT_GE(plane, 0) << "relaunched";
    EXPECT_EQ(game.scratchpad.PosX(plane), 0);
    EXPECT_EQ(game.PlaneLaunches, 3);
    Fight(1, 0, 46, 7);  // the last launch is used up
    EXPECT_FALSE(Exists(1));
    EXPECT_EQ(game.PlaneAllowance, '0');
    EXPECT_EQ(settings.ReconPlanes, '2') << "the game counts, not the settings";
}

TEST_F(Effects, HitsAndExtraDamageNeverGoBelowZero) {
    kvd::UnitTable& table = game.scratchpad;
    table.SetLines({"header", Unit('E', 11, 0, 0, 0)});
    for (int strength : {0, 1, 2, 3, 9}) {
        table.SetStrength(1, strength);
        table.SetDamageState(1, 2);
        kvd::HitUnit(table, 1);
        EXPECT_EQ(table.Strength(1), strength >= 3 ? strength - 2 : strength);
        EXPECT_EQ(table.DamageState(1), 2);
    }
    game.Player.Code = 11;
    game.Winner = 1;
    table.SetStrength(1, 0);
    kvd::ExtraDamage(game);
    EXPECT_EQ(table.Line(1).mid(2, 1), "0") << "no minus sign in the strength column";
    EXPECT_EQ(game.Player.Strength, 0);
}

TEST_F(Effects, SupportFireNeedsADestroyerOrBiggerOfTheOtherSideNextToTheFight) {
    // The player's destroyer steps onto a cruiser at (3, 3); a second cruiser stands by.
    game.scratchpad.SetLines({"header", Unit('E', 11, 5, 3, 3), Unit('D', 40, 5, 3, 3),
                              Unit('D', 41, 5, 4, 4), Unit('D', 33, 5, 2, 2)});
    game.Player.Code = 11, game.Enemy.Code = 40, game.Player.X = game.Player.Y = 3,
    game.SideToMove = kvd::kFirstSide;
    game.PlayerTurn = true;
    kvd::MultiCombat(game);
    EXPECT_TRUE(game.SupportFire);
    game.scratchpad.SetPos(3, 6, 6);  // only the corvette is near
    kvd::MultiCombat(game);
    EXPECT_FALSE(game.SupportFire);
    game.scratchpad.SetPos(3, 4, 4);
    game.Player.Code = 10;  // a corvette fights alone
    kvd::MultiCombat(game);
    EXPECT_FALSE(game.SupportFire);
}
