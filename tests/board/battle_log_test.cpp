#include <gtest/gtest.h>
#include <QFile>
#include <tuple>

#include "board/battle_lines.h"
#include "core/game.h"
#include "core/language_texts.h"
#include "core/settings.h"
#include "play/apply_move.h"
#include "play/battle_notes.h"
#include "play/combat.h"
#include "play/computer_turn.h"
#include "play/rules.h"
#include "play/showing.h"
#include "play/turn.h"
#include "tests/support/unit_line.h"

namespace {

using namespace kvd::outcome;

kvd::LanguageTexts Texts(const char* file) {
    kvd::LanguageTexts texts;
    QFile in(QStringLiteral(KORVALD_SOURCE_DIR "/data/config/") + QLatin1String(file));
    if (in.open(QIODevice::ReadOnly))
        for (QByteArray line : in.readAll().split('\n'))
            texts.MessageList << QString::fromUtf8(line.replace('\r', ""));
    return texts;
}

// A game on an open sea with the units a test names (side, code, strength, column, row); each
// unit is called "N" and its code.
struct BandLog : ::testing::Test {
    kvd::Game game;
    kvd::Settings settings;
    kvd::LanguageTexts english = Texts("english.mes");
    kvd::Showing shown{true};

    void Units(std::initializer_list<std::tuple<char, int, int, int, int>> units) {
        QStringList lines{"header"};
        for (const auto& [side, code, strength, column, row] : units)
            lines << kvd::test::UnitLine(QChar(side), code, strength, column, row,
                                         QStringLiteral("N%1").arg(code, 2, 10, QLatin1Char('0')));
        game = kvd::Game();
        game.scratchpad.SetLines(lines);
        game.GameActive = true;
    }
    // The unit of the code, chosen as a selection chooses it, steps onto the cell of another.
    void Attack(char side, int code, int target) {
        const kvd::UnitTable& t = game.scratchpad;
        const int i = t.Find(code), j = t.Find(target);
        kvd::TakeFighter(game, i);
        kvd::Rules rules{game, settings, english, shown};
        kvd::ApplyMove(rules, {kvd::test::SideOf(side), code, t.PosX(i), t.PosY(i), t.PosX(j),
                               t.PosY(j), kvd::MoveKind::Attack});
    }
    std::vector<kvd::BattleLine> Told(const kvd::LanguageTexts& texts, int count = 5) {
        return kvd::BattleLogLines(kvd::BattleBandOf(game), texts, count);
    }
};

}  // namespace

TEST_F(BandLog, EveryFightIsToldWithWhoFoughtWhomAsEachSideKnowsIt) {
    using Tone = kvd::BattleLine::Tone;
    struct Case {
        char side;
        int mover, strength, target, targetStrength;
        int outcome;
        const char* firstSideView;  // what the player of the first side reads
        Tone firstSideTone;
        const char* secondSideView;  // what the joining player reads of the same fight
        int lostFirst, lostSecond;
    } cases[] = {
        {'E', 11, 5, 40, 3, kFirstWins, "1: N40 (light cruiser) sunk by N11", Tone::Good,
         "1: N40 sunk by N11 (destroyer)", 0, 1},
        {'E', 16, 3, 40, 5, kSecondWins, "1: N16 sunk by N40 (light cruiser)", Tone::Bad,
         "1: N16 (light cruiser) sunk by N40", 1, 0},
        // A submarine's torpedoes are seen, not the submarine.
        {'D', 27, 5, 21, 9, kFirstHit, "1: N21 damaged by a submarine", Tone::Bad,
         "1: N21 (battleship) damaged by N27", 0, 0},
        {'E', 4, 5, 45, 9, kSecondHit, "1: N45 (battleship) damaged by N04", Tone::Good,
         "1: N45 damaged by a submarine", 0, 0},
        // Minefields are only ever what they are; spent on a ship, they sink nothing that counts.
        {'E', 11, 5, 47, 5, kBothLost, "1: N11 ran onto a minefield and sank", Tone::Bad,
         "1: N11 (destroyer) ran onto a minefield and sank", 1, 0},
        {'E', 21, 9, 47, 5, kShipHitsMine, "1: N21 damaged by a minefield", Tone::Bad,
         "1: N21 (battleship) damaged by a minefield", 0, 0},
        {'D', 35, 5, 23, 5, kMineHitsShip, "1: N35 (destroyer) damaged by a minefield", Tone::Good,
         "1: N35 damaged by a minefield", 0, 0},
        {'E', 21, 9, 45, 9, kBattleshipDuel, "1: N21 and N45 (battleship) exchange hits",
         Tone::Plain, "1: N21 (battleship) and N45 exchange hits", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.side << c.mover << " onto " << c.target);
        const char other = c.side == 'E' ? 'D' : 'E';
        Units({{c.side, c.mover, c.strength, 4, 4}, {other, c.target, c.targetStrength, 5, 4}});
        Attack(c.side, c.mover, c.target);
        ASSERT_EQ(game.Winner, c.outcome);
        std::vector<kvd::BattleLine> lines = Told(english);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].text.toStdString(), c.firstSideView);
        EXPECT_EQ(lines[0].tone, c.firstSideTone);
        EXPECT_EQ(game.battleLog.shipsLost[0], c.lostFirst);
        EXPECT_EQ(game.battleLog.shipsLost[1], c.lostSecond);
        game.NetRole = kvd::net_role::kJoining;
        lines = Told(english);
        EXPECT_EQ(lines[0].text.toStdString(), c.secondSideView);
        const Tone mirrored = c.firstSideTone == Tone::Good  ? Tone::Bad
                              : c.firstSideTone == Tone::Bad ? Tone::Good
                                                             : Tone::Plain;
        EXPECT_EQ(lines[0].tone, mirrored) << "good news for one side is bad news for the other";
    }
}

TEST_F(BandLog, IdentificationsAreToldOnceAndOnlyOfWhatTheBoardShows) {
    // A destroyer beside an opposing cruiser and a submarine, which it also finds.
    Units({{'E', 11, 5, 4, 4}, {'D', 43, 6, 5, 4}, {'D', 28, 5, 4, 5}, {'D', 35, 5, 9, 9}});
    game.PlayerTurn = true;
    kvd::Rules rules{game, settings, english, shown};
    kvd::ComposeBoard(rules);
    kvd::ComposeBoard(rules);
    std::vector<kvd::BattleLine> lines = Told(english);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].text.toStdString(), "1: Identified: N43 (heavy cruiser)");

    // Seen again after losing sight of it: nothing new.
    game.scratchpad.SetPos(game.scratchpad.Find(43), 8, 8);
    kvd::ComposeBoard(rules);
    game.scratchpad.SetPos(game.scratchpad.Find(43), 5, 4);
    kvd::ComposeBoard(rules);
    EXPECT_EQ(Told(english).size(), 1u);

    // With the reveal setting off the board never shows who a contact is, so neither does the log.
    Units({{'E', 11, 5, 4, 4}, {'D', 43, 6, 5, 4}, {'D', 36, 6, 3, 4}});
    game.PlayerTurn = true;
    settings.RevealOption = 'N';
    kvd::ComposeBoard(rules);
    EXPECT_TRUE(Told(english).empty());
    settings.RevealOption = 'Y';
    kvd::ComposeBoard(rules);
    lines = Told(english);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].text.toStdString(),
              "1: Identified: N43 (heavy cruiser) and N36 (destroyer)");
}

TEST_F(BandLog, TheStateCountsTurnsOwnShipsAndTheEnemyAsFarAsItShows) {
    // Own: a destroyer, a submarine, a minefield (no ship); enemy: a cruiser, a submarine (never
    // seen), a minefield.
    Units({{'E', 11, 5, 0, 0},
           {'E', 4, 5, 0, 1},
           {'E', 23, 5, 0, 2},
           {'D', 43, 6, 9, 9},
           {'D', 28, 5, 9, 8},
           {'D', 47, 5, 9, 7}});
    kvd::Rules rules{game, settings, english, shown};
    struct Computer : kvd::ComputerTurn {
        void RunKI(kvd::Rules&) override {}
        kvd::Move SubmarineRetreat(kvd::Rules&) override { return {}; }
    } computer;
    rules.computer = &computer;
    kvd::EndFirstSideMove(rules);
    kvd::EndFirstSideMove(rules);
    kvd::BattleBand band = kvd::BattleBandOf(game);
    EXPECT_EQ(band.ownShips, 2);
    EXPECT_EQ(band.enemyContacts, 1);
    std::vector<kvd::BattleLine> state = kvd::BattleStateLines(band, english);
    QStringList texts;
    for (const auto& line : state) texts << line.text;
    EXPECT_EQ(texts.join(QLatin1Char('|')).toStdString(),
              "Turn 3|Our ships: 2|Enemy in sight: 1|Enemy sunk: 0");
    // The joining player's own side is the second.
    game.NetRole = kvd::net_role::kJoining;
    band = kvd::BattleBandOf(game);
    EXPECT_EQ(band.ownShips, 2);
    EXPECT_EQ(band.enemyContacts, 1);
}

TEST_F(BandLog, KeepsTheNewestEntriesNewestFirstInEitherLanguage) {
    Units({{'E', 21, 9, 4, 4}, {'E', 2, 5, 3, 4}});
    const kvd::LanguageTexts german = Texts("deutsch.mes");
    for (int k = 0; k < 11; ++k) {
        game.battleLog.turn = k + 1;
        kvd::NoteRepair(game, 21);
    }
    ASSERT_EQ(game.battleLog.Size(), kvd::BattleLog::kKept);
    std::vector<kvd::BattleLine> lines = Told(english, 20);
    ASSERT_EQ(int(lines.size()), kvd::BattleLog::kKept);
    EXPECT_EQ(lines.front().text.toStdString(), "11: N21 repaired by the supply ship");
    EXPECT_EQ(lines.back().text.toStdString(), "4: N21 repaired by the supply ship");
    EXPECT_EQ(Told(german, 1)[0].text, QStringLiteral("11: N21 vom Versorgungsschiff repariert"));
}

// A repair or a carrier taking the flag names an opposing ship only once the viewer has
// identified it; its own ships always by name.
TEST_F(BandLog, AnOpposingShipNobodyIdentifiedIsRepairedNameless) {
    Units({{'E', 21, 9, 4, 4}, {'E', 2, 5, 3, 4}, {'D', 45, 9, 8, 8}, {'D', 26, 5, 8, 7}});
    kvd::NoteRepair(game, 45);
    kvd::NoteFlagTransfer(game, game.scratchpad.Find(45));
    kvd::NoteRepair(game, 21);
    std::vector<kvd::BattleLine> lines = Told(english, 3);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].text.toStdString(), "1: N21 repaired by the supply ship");
    EXPECT_EQ(lines[1].text.toStdString(), "1: an enemy ship takes over the flag");
    EXPECT_EQ(lines[2].text.toStdString(), "1: an enemy ship repaired by the supply ship");
    EXPECT_EQ(Told(Texts("deutsch.mes"), 3)[2].text,
              QStringLiteral("1: ein feindliches Schiff vom Versorgungsschiff repariert"));
    // Once identified, by its name and kind.
    game.battleLog.identified[45] = true;
    lines = Told(english, 3);
    EXPECT_NE(lines[2].text.indexOf("N45"), -1) << lines[2].text.toStdString();
}
