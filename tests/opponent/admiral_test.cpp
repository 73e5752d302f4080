#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/game.h"
#include "core/language_texts.h"
#include "core/unit_codes.h"
#include "opponent/admiral.h"
#include "opponent/contact_memory.h"
#include "opponent/determinize.h"
#include "opponent/hint_reason.h"
#include "opponent/side_view.h"
#include "platform/random.h"
#include "tests/opponent/small_battle.h"
#include "tests/support/test_platform.h"

namespace {

using kvd::test::GameOf;
using kvd::test::Unit;

kvd::Move Decide(const kvd::Game& g, std::uint32_t seed, int worlds = 6) {
    const kvd::Settings settings;
    return kvd::Admiral()
        .Choose(kvd::ViewOf(g, settings, kvd::kFirstSide), seed, {worlds, 5000})
        .move;
}

bool SameMove(const kvd::Move& a, const kvd::Move& b) {
    return a.code == b.code && a.kind == b.kind && a.toColumn == b.toColumn && a.toRow == b.toRow;
}

// The first side's fleet of the fairness games: what it sees is the same in both.
const std::vector<Unit> kOwn = {
    {'E', 2, 2, 0, 5},  {'E', 11, 5, 3, 4}, {'E', 16, 6, 3, 6},
    {'E', 21, 8, 1, 5}, {'E', 22, 7, 1, 3},
};

}  // namespace

// Two games that differ only in what the first side cannot see: which contact is which kind,
// how strong the unidentified ones are, where the submarines and minefields lie, and the
// game's coming draws. The Admiral must play the same move in both.
TEST(Admiral, HiddenFactsDoNotChangeItsMove) {
    kvd::test::TestPlatform platform;
    std::vector<Unit> a = kOwn, b = kOwn;
    // Seen alike: an identified cruiser, and anonymous contacts on the same cells; the one
    // beside the destroyer is the supply ship in one game (a prize) and the flagship in the
    // other (a death), and a submarine lies beside the flagship in one of them.
    a.insert(a.end(), {{'D', 40, 6, 5, 5, true},
                       {'D', 26, 2, 4, 3},
                       {'D', 35, 5, 6, 2},
                       {'D', 45, 9, 9, 8},
                       {'D', 27, 5, 2, 5},
                       {'D', 28, 5, 7, 7},
                       {'D', 47, 5, 2, 2}});
    b.insert(b.end(), {{'D', 40, 6, 5, 5, true},
                       {'D', 45, 3, 4, 3},
                       {'D', 35, 1, 9, 8},
                       {'D', 26, 2, 6, 2},
                       {'D', 27, 5, 9, 0},
                       {'D', 28, 5, 5, 9},
                       {'D', 47, 5, 4, 6}});
    kvd::Game first = GameOf(a), second = GameOf(b);
    first.dice.Seed(1);
    second.dice.Seed(999);
    // An identification made by an escort of a submarine is not drawn either.
    second.scratchpad.SetRevealed(second.scratchpad.Find(27), QLatin1Char('1'));
    // And which of its submarines the enemy still has: a third game lost the first two.
    std::vector<Unit> c = b;
    for (Unit& u : c)
        if (u.code == 27 || u.code == 28) u.code += 3;
    const kvd::Game third = GameOf(c);
    for (std::uint32_t seed : {1u, 2u, 77u, 4096u}) {
        const kvd::Move m1 = Decide(first, seed);
        for (const kvd::Game* other : {&std::as_const(second), &third}) {
            const kvd::Move m2 = Decide(*other, seed);
            EXPECT_TRUE(SameMove(m1, m2)) << "seed " << seed << ": unit " << m1.code << " to "
                                          << m1.toColumn << "," << m1.toRow << " against unit "
                                          << m2.code << " to " << m2.toColumn << "," << m2.toRow;
        }
    }
}

// With the reveal setting off the board draws no kind at all, identified or not.
TEST(Admiral, WithoutRevealNoContactIsKnown) {
    kvd::test::TestPlatform platform;
    std::vector<Unit> units = kOwn;
    units.insert(units.end(),
                 {{'D', 40, 6, 5, 5, true}, {'D', 45, 9, 8, 5, true}, {'D', 30, 5, 6, 6, true}});
    kvd::Settings settings;
    for (QChar reveal : {QLatin1Char('Y'), QLatin1Char('N')}) {
        settings.RevealOption = reveal;
        const kvd::SideView view = kvd::ViewOf(GameOf(units), settings, kvd::kFirstSide);
        ASSERT_EQ(view.contacts.size(), 2u) << "the submarine is never drawn";
        for (const kvd::Contact& c : view.contacts)
            EXPECT_EQ(c.code != 0, reveal == QLatin1Char('Y'));
        EXPECT_EQ(view.enemyAfloat, (std::vector<int>{40, 45}));
        EXPECT_EQ(view.hiddenSubmarines, 1) << "counted, never named";
    }
}

// The second side's board identifies by its own radar, as the joining player's does: what is
// beside its units, even in a game against the computer, where no board marks the first side's
// units; what is farther off stays a contact.
TEST(Admiral, SecondSideIdentifiesWhatIsBesideIt) {
    kvd::test::TestPlatform platform;
    const kvd::Game g =
        GameOf({{'D', 45, 9, 5, 5}, {'D', 35, 5, 8, 8}, {'E', 16, 6, 6, 5}, {'E', 21, 8, 1, 1}});
    const kvd::SideView view = kvd::ViewOf(g, kvd::Settings(), kvd::kSecondSide);
    ASSERT_EQ(view.contacts.size(), 2u);
    EXPECT_EQ(view.contacts[0].code, 0) << "the flagship far off is a contact";
    EXPECT_EQ(view.contacts[1].code, 16);
    EXPECT_EQ(view.contacts[1].strength, 6);
    EXPECT_FALSE(g.scratchpad.IsRevealed(g.scratchpad.Find(16)))
        << "the game itself is left as it was";
}

// The worlds the search plays in: every contact holds a unit on its cell, identified ones as
// they are; the hidden units stand on water the first side sees empty; the kinds drawn are
// what the enemy still has.
TEST(Admiral, DrawnWorldsAgreeWithTheBoard) {
    kvd::test::TestPlatform platform;
    std::vector<Unit> units = kOwn;
    units.insert(units.end(), {{'D', 40, 4, 5, 5, true},
                               {'D', 45, 9, 8, 5},
                               {'D', 35, 5, 6, 2},
                               {'D', 26, 2, 9, 8},
                               {'D', 27, 5, 4, 5},
                               {'D', 28, 5, 7, 7},
                               {'D', 47, 5, 2, 2}});
    kvd::Game real = GameOf(units);
    kvd::MapLines map;
    map.SetLines(
        {"Test", "Picture.....", "Home....... L", "Region..... E", "0000", "0909", "0408"});
    real.MemoPad = map;
    const kvd::SideView view = kvd::ViewOf(real, kvd::Settings(), kvd::kFirstSide);
    kvd::Dice draw(5);
    for (int world = 0; world < 40; ++world) {
        const kvd::Game g = kvd::Determinize(view, draw);
        const kvd::UnitTable& t = g.scratchpad;
        std::vector<int> codes, drawn;
        int submarines = 0, minefields = 0;
        for (int i = 1; i < t.Count(); ++i) {
            if (t.Side(i) == kvd::kFirstSide) continue;
            codes.push_back(t.Code(i));
            if (kvd::DrawnToOpponent(t.Code(i))) drawn.push_back(t.Code(i));
            submarines += kvd::IsSubmarine(t.Code(i));
            minefields += kvd::IsMinefield(t.Code(i));
            const int x = t.PosX(i), y = t.PosY(i);
            EXPECT_FALSE(map.IsLand(x, y)) << "unit " << t.Code(i) << " on land";
            if (t.Code(i) == 40) {
                EXPECT_EQ(t.Strength(i), 4) << "an identified contact keeps its strength";
            }
            if (kvd::DrawnToOpponent(t.Code(i))) {
                EXPECT_TRUE(view.ContactOn(x, y)) << "a drawn kind stands on a contact's cell";
            } else {
                EXPECT_FALSE(view.ContactOn(x, y) || view.OwnOn(x, y))
                    << "a hidden unit on a cell the board shows taken";
            }
        }
        EXPECT_TRUE(std::is_sorted(codes.begin(), codes.end()))
            << "the enemy's lines by code, whatever the draw";
        EXPECT_EQ(drawn, view.enemyAfloat);
        EXPECT_EQ(submarines, view.hiddenSubmarines);
        EXPECT_EQ(minefields, view.hiddenMinefields);
    }
}

// A move that plainly wins: a unit that can sink the enemy's flagship (no carrier to take
// the flag over) takes it, whatever else tempts.
TEST(Admiral, TakesTheFlagshipWhenItCan) {
    kvd::test::TestPlatform platform;
    struct Case {
        int attacker, strength;
        const char* what;
    };
    const Case cases[] = {
        {21, 8, "the battleship on a damaged battleship"},
        {5, 5, "a submarine on a battleship below strength 5"},
        {19, 7, "a heavy cruiser on a damaged battleship"},
    };
    for (const Case& c : cases) {
        std::vector<Unit> units = {{'E', 2, 2, 0, 9},
                                   {'E', 22, 7, 0, 0},
                                   {'E', 11, 5, 6, 1},
                                   {'E', c.attacker, c.strength, 4, 4},
                                   // The flagship, identified and worn down, beside the attacker...
                                   {'D', 45, 3, 5, 5, true},
                                   // ...and an easy prize elsewhere.
                                   {'D', 26, 2, 7, 1, true}};
        if (c.attacker != 21) units.push_back({'E', 21, 8, 0, 5});
        const kvd::Move m = Decide(GameOf(units), 3);
        EXPECT_EQ(m.code, c.attacker) << c.what;
        EXPECT_EQ(m.toColumn, 5) << c.what;
        EXPECT_EQ(m.toRow, 5) << c.what;
    }
}

// A move that plainly loses a ship: stepping onto an identified enemy the fight table says
// beats the unit. The Admiral does not make it.
TEST(Admiral, DoesNotThrowAShipAway) {
    kvd::test::TestPlatform platform;
    struct Case {
        int own, ownStrength, enemy, enemyStrength;
        const char* what;
    };
    const Case cases[] = {
        {16, 6, 43, 7, "a light cruiser on a stronger heavy cruiser"},
        {9, 3, 35, 5, "a corvette on a destroyer"},
        {4, 5, 37, 4, "a submarine on a frigate"},
        {2, 2, 33, 3, "the supply ship on a corvette"},
    };
    for (const Case& c : cases) {
        const std::vector<Unit> units = {{'E', 21, 8, 0, 0},
                                         {'E', 22, 7, 0, 2},
                                         {'E', c.own, c.ownStrength, 4, 4},
                                         {'D', 45, 9, 9, 9, true},
                                         {'D', c.enemy, c.enemyStrength, 5, 4, true}};
        for (std::uint32_t seed : {1u, 2u, 3u}) {
            const kvd::Move m = Decide(GameOf(units), seed);
            EXPECT_FALSE(m.code == c.own && m.toColumn == 5 && m.toRow == 4)
                << c.what << ", seed " << seed;
        }
    }
}

// A move that plainly loses the flagship, with no carrier to take the flag: stepping it beside
// (or onto) an identified enemy that beats it, when the enemy moves next. It stays clear.
TEST(Admiral, KeepsTheFlagshipOutOfReach) {
    kvd::test::TestPlatform platform;
    struct Case {
        int flagshipStrength, enemy, enemyStrength;
        const char* what;
    };
    const Case cases[] = {
        {8, 45, 9, "the stronger battleship two cells off"},
        {6, 43, 7, "a heavy cruiser stronger than the worn flagship"},
        {4, 40, 6, "a light cruiser against a flagship the next hit sinks"},
    };
    for (const Case& c : cases) {
        const std::vector<Unit> units = {{'E', 2, 2, 0, 9},
                                         {'E', 11, 5, 0, 0},
                                         {'E', 21, c.flagshipStrength, 4, 4},
                                         {'D', 45, 9, 9, 9, true},
                                         {'D', c.enemy, c.enemyStrength, 6, 4, true}};
        for (std::uint32_t seed : {1u, 2u, 3u}) {
            const kvd::Move m = Decide(GameOf(units), seed);
            if (m.code != 21) continue;
            EXPECT_GT(std::max(std::abs(m.toColumn - 6), std::abs(m.toRow - 4)), 1)
                << c.what << ", seed " << seed << ": to " << m.toColumn << "," << m.toRow;
        }
    }
}

// The belief about unseen submarines, over turns in which nothing was seen to move: the
// computer's hunters come toward the flagship (the first two toward the carrier), its last one
// lies still; and no world ever puts a hidden unit on a cell the board shows a unit on.
TEST(Admiral, BelievesUnseenSubmarinesComeAlongTheirWays) {
    kvd::test::TestPlatform platform;
    const kvd::Settings settings;
    struct Case {
        int code;
        int goalColumn, goalRow;  // where the mass of the belief goes; -1: it stays
        const char* what;
    };
    const Case cases[] = {
        {29, 1, 2, "a hunter of the flagship"},
        {27, 3, 8, "a hunter of the carrier"},
        {32, -1, -1, "the last submarine"},
    };
    for (const Case& c : cases) {
        // The flagship at (1, 2), the carrier at (3, 8); the enemy's six submarines are
        // somewhere in the band east (columns 6 to 9); a contact that never moves, a minefield of
        // the enemy's too.
        std::vector<Unit> units = {{'E', 21, 8, 1, 2},
                                   {'E', 22, 7, 3, 8},
                                   {'E', 11, 5, 2, 5},
                                   {'D', 35, 5, 8, 0},
                                   {'D', 47, 5, 7, 7}};
        for (int code = 27; code <= 32; ++code) units.push_back({'D', code, 5, 9, code - 27});
        const kvd::Game g = GameOf(units);
        kvd::ContactMemory memory;
        kvd::SideView v;
        double start = 0;
        // How far the belief's mean cell is from the goal (from the start, for one that stays).
        auto distance = [&] {
            for (const kvd::SubmarineTrack& track : v.submarineTracks) {
                if (track.code != c.code) continue;
                double x = 0, y = 0;
                for (int i = 0; i < 100; ++i) {
                    x += (i % 10) * track.weight[size_t(i)];
                    y += (i / 10) * track.weight[size_t(i)];
                }
                return c.goalColumn < 0 ? x + 10 * y : std::hypot(x - c.goalColumn, y - c.goalRow);
            }
            return -1.0;
        };
        for (int turn = 0; turn < 40; ++turn) {
            v = kvd::ViewOf(g, settings, kvd::kFirstSide);
            memory.Recall(v);
            ASSERT_EQ(v.submarineTracks.size(), 6u) << c.what;
            if (turn == 0) start = distance();
        }
        if (c.goalColumn < 0)
            EXPECT_NEAR(distance(), start, 1e-9) << c.what;
        else
            EXPECT_LT(distance(), start - 1.5) << c.what << ": toward its goal";
        kvd::Dice draw(11);
        for (int world = 0; world < 60; ++world) {
            const kvd::UnitTable& t = kvd::Determinize(v, draw).scratchpad;
            for (int i = 1; i < t.Count(); ++i) {
                if (t.Side(i) == kvd::kFirstSide || kvd::DrawnToOpponent(t.Code(i))) continue;
                const int x = t.PosX(i), y = t.PosY(i);
                EXPECT_FALSE(v.ContactOn(x, y) || v.OwnOn(x, y))
                    << c.what << ": unit " << t.Code(i) << " on a cell the board shows taken";
            }
        }
    }
}

// The moves its board offers: steps onto water or contacts, never onto land or its own
// units, and a repair only for a damaged ship beside the supply ship.
TEST(Admiral, CandidatesFollowTheBoard) {
    kvd::test::TestPlatform platform;
    std::vector<Unit> units = {
        {'E', 2, 2, 0, 0}, {'E', 11, 5, 1, 1}, {'E', 23, 5, 5, 5}, {'D', 35, 5, 2, 2}};
    kvd::Game g = GameOf(units);
    g.scratchpad.SetDamageState(g.scratchpad.Find(11), 1);
    kvd::MapLines map;
    map.SetLines({"Test", "Picture.....", "Home....... L", "Region..... E", "0100"});
    g.MemoPad = map;
    const std::vector<kvd::Move> moves =
        kvd::CandidateMoves(kvd::ViewOf(g, kvd::Settings(), kvd::kFirstSide));
    int supplySteps = 0, destroyerSteps = 0, repairs = 0, attacks = 0;
    for (const kvd::Move& m : moves) {
        EXPECT_NE(m.code, 23) << "a minefield does not move";
        if (m.kind == kvd::MoveKind::Repair)
            ++repairs;
        else if (m.code == 2)
            ++supplySteps;
        else
            ++destroyerSteps;
        attacks += m.kind == kvd::MoveKind::Attack;
    }
    EXPECT_EQ(supplySteps, 1)
        << "the corner: land east, the destroyer south-east, only south is free";
    EXPECT_EQ(destroyerSteps, 6) << "eight neighbours but land and the supply ship";
    EXPECT_EQ(repairs, 1);
    EXPECT_EQ(attacks, 1);
}

// A contact identified once is followed while it can be: on its cell, or as the one new
// contact beside the cell it left; never when two could be it, nor once it is sunk.
TEST(Admiral, RemembersWhatItIdentified) {
    kvd::test::TestPlatform platform;
    const kvd::Settings settings;
    struct Case {
        std::vector<Unit> next;  // the enemy on the turn after: none identified
        int code;                // what the contact at (6, 5) is remembered as, 0 nothing
        const char* what;
    };
    const Case cases[] = {
        {{{'D', 45, 9, 6, 5}, {'D', 35, 5, 2, 8}},
         45,
         "it moved a cell, the one contact beside where it was"},
        {{{'D', 45, 9, 6, 5}, {'D', 35, 5, 2, 8}, {'D', 26, 2, 9, 9}},
         45,
         "another contact far off"},
        {{{'D', 45, 9, 6, 5}, {'D', 35, 5, 6, 4}},
         0,
         "it moved, and two contacts stand beside its cell"},
        {{{'D', 35, 5, 6, 5}}, 0, "it is sunk: what stands there now is another"},
    };
    for (const Case& c : cases) {
        kvd::ContactMemory memory;
        // Seen once: the flagship at (5, 5), identified; the destroyer far off.
        kvd::SideView seen =
            kvd::ViewOf(GameOf({kOwn[0], {'D', 45, 9, 5, 5, true}, {'D', 35, 5, 2, 8}}), settings,
                        kvd::kFirstSide);
        memory.Recall(seen);
        std::vector<Unit> units{kOwn[0]};
        units.insert(units.end(), c.next.begin(), c.next.end());
        kvd::SideView now = kvd::ViewOf(GameOf(units), settings, kvd::kFirstSide);
        memory.Recall(now);
        int code = 0;
        for (const kvd::Contact& contact : now.contacts)
            if (contact.column == 6 && contact.row == 5) code = contact.code;
        EXPECT_EQ(code, c.code) << c.what;
    }
}

// Where unseen submarines may be: the enemy's home band at first; a turn in which a contact
// was seen to move leaves them where they were, a turn in which none did lets one move a cell.
TEST(Admiral, FollowsWhereUnseenSubmarinesMayBe) {
    kvd::test::TestPlatform platform;
    const kvd::Settings settings;
    auto view = [&](int contactColumn) {
        kvd::Game g =
            GameOf({kOwn[0], kOwn[1], {'D', 35, 5, contactColumn, 0}, {'D', 27, 5, 9, 9}});
        g.HomePosition = QLatin1Char('L');  // the enemy's band: columns 6 to 9
        return kvd::ViewOf(g, settings, kvd::kFirstSide);
    };
    auto westmost = [](const kvd::SideView& v) {
        int west = 10;
        for (int i = 0; i < 100; ++i)
            if (v.submarineMay[size_t(i)]) west = std::min(west, i % 10);
        return west;
    };
    kvd::ContactMemory memory;
    const int steps[][2] = {
        // the contact's column, then the westmost column a submarine may be in
        {9, 6},  // the start: the band
        {8, 6},  // the contact moved: no submarine did
        {8, 5},  // nothing seen moved: one may have come a column nearer
        {8, 4}, {7, 4},
    };
    for (const auto& [column, west] : steps) {
        kvd::SideView v = view(column);
        memory.Recall(v);
        EXPECT_EQ(westmost(v), west) << "contact in column " << column;
        EXPECT_FALSE(v.submarineMay[size_t(column)]) << "not on a contact's cell";
        EXPECT_TRUE(v.minefieldMay[9 * 10 + 9]);
    }
}

// A ship of its own that lost strength in a turn in which no contact moved was struck by an
// unseen submarine: the worlds drawn next put one beside it.
TEST(Admiral, LooksForTheSubmarineThatStruck) {
    kvd::test::TestPlatform platform;
    const kvd::Settings settings;
    struct Case {
        int cruiserStrength, contactColumn;
        bool struck;
        std::vector<Unit> more;  // the side's other units
        int column, row;         // where the submarine is then, or -1: anywhere beside
        const char* what;
    };
    const Case cases[] = {
        {6, 9, false, {}, -1, -1, "nothing happened"},
        {4, 9, true, {}, -1, -1, "the cruiser lost strength and no contact moved"},
        {4, 8, false, {}, -1, -1, "a contact moved: it may have been that"},
        // The computer's submarine steps on toward the flagship it hunts...
        {4, 9, true, {{'E', 21, 8, 2, 6}}, 2, 3, "on toward the flagship"},
        // ...but back where it came from, which the player cannot know, with an escort about.
        {4, 9, true, {{'E', 21, 8, 2, 6}, {'E', 11, 5, 4, 3}}, -1, -1, "an escort near"},
    };
    for (const Case& c : cases) {
        kvd::ContactMemory memory;
        auto game = [&](int strength, int column) {
            std::vector<Unit> units = {
                kOwn[0], {'E', 16, strength, 2, 2}, {'D', 35, 5, column, 0}, {'D', 29, 5, 9, 9}};
            units.insert(units.end(), c.more.begin(), c.more.end());
            kvd::Game g = GameOf(units);
            g.HomePosition = QLatin1Char('L');
            return g;
        };
        kvd::SideView before = kvd::ViewOf(game(6, 9), settings, kvd::kFirstSide);
        memory.Recall(before);
        kvd::SideView now =
            kvd::ViewOf(game(c.cruiserStrength, c.contactColumn), settings, kvd::kFirstSide);
        memory.Recall(now);
        ASSERT_EQ(now.submarineStruck.size(), c.struck ? 1u : 0u) << c.what;
        if (!c.struck) continue;
        kvd::Dice draw(3);
        for (int world = 0; world < 10; ++world) {
            const kvd::UnitTable& t = kvd::Determinize(now, draw).scratchpad;
            int sub = -1;
            for (int i = 1; i < t.Count(); ++i)
                if (kvd::IsSubmarine(t.Code(i)) && t.Side(i) == kvd::kSecondSide) sub = i;
            ASSERT_GE(sub, 0) << c.what;
            if (c.column >= 0) {
                EXPECT_EQ(t.PosX(sub), c.column) << c.what;
                EXPECT_EQ(t.PosY(sub), c.row) << c.what;
            } else {
                EXPECT_TRUE(kvd::AreNeighbours(t.PosX(sub), t.PosY(sub), 2, 2))
                    << c.what << ": outside the band, beside the cruiser";
            }
        }
    }
}

// The hint says why in a few words, from what the side's board shows: a fight the table wins, a
// ship taken away from where an unseen submarine struck or from a contact that beats it, or the
// way toward the enemy.
TEST(Admiral, TheHintsReasonNamesTheFightTheThreatOrTheWay) {
    kvd::LanguageTexts english;
    kvd::test::TestPlatform t;
    t.CopyData("config");
    kvd::SwitchLanguage(t.Folder(), QLatin1Char('E'), english);
    const kvd::Game g = GameOf({{'E', 21, 9, 0, 0},
                                {'E', 11, 5, 3, 3},
                                {'E', 20, 7, 6, 6},
                                {'D', 45, 9, 9, 9},
                                {'D', 33, 3, 4, 4, true},
                                {'D', 43, 8, 7, 7, true}});
    const kvd::Settings settings;
    kvd::SideView view = kvd::ViewOf(g, settings, kvd::kFirstSide);
    const auto reason = [&](int code, int fromC, int fromR, int toC, int toR,
                            kvd::MoveKind kind = kvd::MoveKind::Step) {
        return kvd::HintReason(view, {kvd::kFirstSide, code, fromC, fromR, toC, toR, kind}, english)
            .toStdString();
    };
    EXPECT_EQ(reason(11, 3, 3, 4, 4, kvd::MoveKind::Attack), "wins: destroyer beats corvette");
    EXPECT_EQ(reason(20, 6, 6, 5, 5), "threat: heavy cruiser beats heavy cruiser");
    EXPECT_EQ(reason(11, 3, 3, 2, 3).rfind("closing in: ", 0), 0u);
    view.submarineStruck = {3 * 10 + 3};  // beside the destroyer's cell, (3, 3)
    EXPECT_EQ(reason(11, 3, 3, 2, 2).rfind("threat: a submarine has struck beside ", 0), 0u)
        << reason(11, 3, 3, 2, 2);
}
