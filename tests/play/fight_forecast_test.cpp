#include <gtest/gtest.h>
#include <QFile>

#include "core/game.h"
#include "core/language_texts.h"
#include "core/settings.h"
#include "core/unit_codes.h"
#include "play/fight_forecast.h"
#include "play/rules.h"
#include "play/selection.h"
#include "play/showing.h"
#include "play/turn.h"
#include "tests/support/unit_line.h"

namespace {

using kvd::FightForecast;

kvd::LanguageTexts Texts(const char* file) {
    QFile in(QStringLiteral(KORVALD_SOURCE_DIR "/data/config/") + QLatin1String(file));
    EXPECT_TRUE(in.open(QIODevice::ReadOnly));
    kvd::LanguageTexts texts;
    texts.MessageList = QString::fromUtf8(in.readAll()).split(QStringLiteral("\r\n"));
    return texts;
}

// The first side's ship on (4, 4), an identified opposing one beside it on (5, 4), and with
// supporting fire on, an opposing destroyer that can fire into the fight.
struct Forecasts : ::testing::Test {
    kvd::Game game;
    kvd::Settings settings;
    kvd::LanguageTexts texts = Texts("english.mes");

    void Meeting(int mover, int moverStrength, int met, int metStrength, bool support,
                 QChar revealed = QLatin1Char('1')) {
        QStringList lines{"header", kvd::test::UnitLine('E', mover, moverStrength, 4, 4, "Cossack"),
                          kvd::test::UnitLine('D', met, metStrength, 5, 4, "Prinz Eugen")};
        lines[2][17] = revealed;
        if (support) lines << kvd::test::UnitLine('D', 36, 5, 6, 5, "Z 1");
        game = kvd::Game();
        game.scratchpad.SetLines(lines);
        game.GameActive = true;
        settings.AdditionalDamage = QLatin1Char(support ? 'Y' : 'N');
    }
    FightForecast Forecast() {
        kvd::SelectUnit(game, kvd::kFirstSide, 4, 4);
        return kvd::ForecastFight(
            game, settings, kvd::SelectedUnitTo(game, kvd::kFirstSide, 5, 4, kvd::MoveKind::Step));
    }
    // The step as the board makes it, on a copy of the game whose coin falls as given.
    kvd::ForecastBranch Play(int coin) {
        kvd::Game played = game;
        played.dice.Script({coin});
        kvd::Showing shown(true);
        kvd::Rules rules{played, settings, texts, shown};
        kvd::SelectUnit(played, kvd::kFirstSide, 4, 4);
        kvd::SideStep(rules, kvd::kFirstSide, 5, 4);
        kvd::ForecastBranch after;
        const kvd::UnitTable& t = played.scratchpad;
        for (int i = 1; i < t.Count(); ++i) {
            if (t.ShownName(i) == QLatin1String("Cossack")) after.moverStrength = t.Strength(i);
            if (t.ShownName(i) == QLatin1String("Prinz Eugen")) after.metStrength = t.Strength(i);
        }
        after.stage = played.GameOver ? played.Gamestage : 0;
        return after;
    }
};

bool Same(const kvd::ForecastBranch& a, const kvd::ForecastBranch& b) {
    return a.moverStrength == b.moverStrength && a.metStrength == b.metStrength &&
           a.stage == b.stage;
}

}  // namespace

TEST_F(Forecasts, EveryPairOfKindsAndStrengthsComesOutAsForetold) {
    // One ship of every kind the player moves, against every kind the board may show identified.
    const int movers[] = {2, 9, 11, 13, 16, 19, 21, 22};
    const int mets[] = {26, 33, 35, 37, 40, 43, 45, 46, 60, 61, 62, 63};
    int coins = 0;
    for (const bool support : {false, true})
        for (const int mover : movers)
            for (const int met : mets)
                for (int ms = 1; ms <= 9; ++ms)
                    for (int es = 1; es <= 9; ++es) {
                        SCOPED_TRACE(testing::Message() << mover << "(" << ms << ") onto " << met
                                                        << "(" << es << ") support " << support);
                        Meeting(mover, ms, met, es, support);
                        const FightForecast f = Forecast();
                        ASSERT_EQ(f.kind, FightForecast::Kind::Known);
                        ASSERT_FALSE(f.branches.empty());
                        int total = 0;
                        for (const auto& b : f.branches) total += b.chance;
                        EXPECT_EQ(total, 100);
                        // Whichever way the coin falls, what happens was foretold, and every
                        // outcome foretold can happen.
                        std::vector<bool> reached(f.branches.size(), false);
                        for (const int coin : {0, 1}) {
                            const kvd::ForecastBranch happened = Play(coin);
                            bool told = false;
                            for (size_t k = 0; k < f.branches.size(); ++k)
                                if (Same(happened, f.branches[k])) told = reached[k] = true;
                            EXPECT_TRUE(told) << "mover " << happened.moverStrength << " met "
                                              << happened.metStrength;
                        }
                        for (const bool r : reached) EXPECT_TRUE(r);
                        coins += f.branches.size() > 1;
                    }
    // Supporting fire is the coin: it must have split some forecasts.
    EXPECT_GT(coins, 0);
}

TEST_F(Forecasts, SaysWhatTheBandShows) {
    const kvd::LanguageTexts german = Texts("deutsch.mes");
    struct Case {
        int mover, moverStrength, met, metStrength;
        bool support;
        QChar revealed;
        const char* english;
        const char* german;
    } cases[] = {
        {11, 5, 40, 7, false, '1', "Cossack (5) against Prinz Eugen (7): Cossack is sunk",
         "Cossack (5) gegen Prinz Eugen (7): Cossack sinkt"},
        {16, 6, 35, 6, false, '1', "Cossack (6) against Prinz Eugen (6): both are sunk",
         "Cossack (6) gegen Prinz Eugen (6): beide sinken"},
        {21, 8, 45, 6, false, '1',
         "Cossack (8) against Prinz Eugen (6): Prinz Eugen is sunk, the battle is won",
         "Cossack (8) gegen Prinz Eugen (6): Prinz Eugen sinkt, die Schlacht ist gewonnen"},
        {19, 7, 40, 5, true, '1',
         "Cossack (7) against Prinz Eugen (5): Prinz Eugen is sunk, Cossack down to 6 (50 in "
         "100) or Prinz Eugen is sunk (50 in 100)",
         "Cossack (7) gegen Prinz Eugen (5): Prinz Eugen sinkt, Cossack nur noch 6 (50 zu 100) "
         "oder Prinz Eugen sinkt (50 zu 100)"},
        // Not identified: the kind and strength stay unsaid.
        {11, 5, 40, 7, false, '0', "Cossack against an unknown ship",
         "Cossack gegen ein unbekanntes Schiff"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.english);
        Meeting(c.mover, c.moverStrength, c.met, c.metStrength, c.support, c.revealed);
        const FightForecast f = Forecast();
        EXPECT_EQ(kvd::ForecastText(f, texts, kvd::kFirstSide), QString::fromUtf8(c.english));
        EXPECT_EQ(kvd::ForecastText(f, german, kvd::kFirstSide), QString::fromUtf8(c.german));
    }
}

TEST_F(Forecasts, NeverToldOfSubmarinesMinefieldsOrWithRevealOff) {
    // Opposing submarines and minefields, and the own submarine: nothing at all.
    for (const auto& [mover, met] : {std::pair{11, 28}, std::pair{11, 47}, std::pair{4, 40}}) {
        Meeting(mover, 5, met, 5, false);
        EXPECT_EQ(Forecast().kind, FightForecast::Kind::None) << mover << " onto " << met;
    }
    // A submarine under an identified ship is met first: only "unknown".
    Meeting(11, 5, 40, 3, false);
    game.scratchpad.Append(kvd::test::UnitLine('D', 28, 5, 5, 4));
    EXPECT_EQ(Forecast().kind, FightForecast::Kind::Unknown);
    // Identified, but the player chose not to see pictures of identified ships.
    Meeting(11, 5, 40, 3, false);
    settings.RevealOption = QLatin1Char('N');
    EXPECT_EQ(Forecast().kind, FightForecast::Kind::Unknown);
    settings.RevealOption = QLatin1Char('Y');
    // Free water is no fight; the forecast leaves the game as it was.
    Meeting(11, 5, 40, 3, false);
    const QStringList before = game.scratchpad.Lines();
    const int draws = game.dice.Draws();
    EXPECT_EQ(Forecast().kind, FightForecast::Kind::Known);
    EXPECT_EQ(game.scratchpad.Lines(), before);
    EXPECT_EQ(game.dice.Draws(), draws);
    EXPECT_EQ(
        kvd::ForecastFight(game, settings, {kvd::kFirstSide, 11, 4, 4, 4, 5, kvd::MoveKind::Step})
            .kind,
        FightForecast::Kind::None);
}
