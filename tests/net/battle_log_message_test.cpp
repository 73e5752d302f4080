// The battle's log as a host sends it to a player who comes back: it reads back as it was, and a
// hostile line changes nothing and cannot put an unshowable name in the band.
#include "net/battle_log_message.h"

#include <gtest/gtest.h>

#include "play/combat.h"

namespace kvd {
namespace {

TEST(BattleLogMessage, TheLogReadsBackAsItWasAndABadLineIsRefused) {
    BattleLog log;
    for (int k = 0; k < BattleLog::kKept + 2; ++k) {
        LogEntry e;
        e.kind = k % 2 ? LogEntry::Fight : LogEntry::Identified;
        e.turn = k + 1;
        e.outcome = outcome::kFirstWins;
        e.more = k;
        e.first = {11, kFirstSide, QStringLiteral("Cossack|%1").arg(k), UnitKind::Destroyer};
        e.second = {45, kSecondSide, QStringLiteral("Bismarck"), UnitKind::Battleship};
        log.Add(e);
    }
    log.shipsLost[1] = 3;
    log.identified[45] = true;
    log.identified[64] = true;

    BattleLog back;
    for (const QString& line : BattleLogMessages(log))
        ASSERT_TRUE(TakeBattleLogMessage(line, back)) << line.toStdString();
    ASSERT_EQ(back.Size(), log.Size());
    for (int k = 0; k < log.Size(); ++k) {
        EXPECT_EQ(back.Newest(k).turn, log.Newest(k).turn);
        EXPECT_EQ(back.Newest(k).kind, log.Newest(k).kind);
        EXPECT_EQ(back.Newest(k).second.kind, UnitKind::Battleship);
        EXPECT_EQ(back.Newest(k).first.name,
                  QString(log.Newest(k).first.name).replace(QLatin1Char('|'), QLatin1Char('/')));
    }
    EXPECT_EQ(back.shipsLost[1], 3);
    EXPECT_EQ(back.identified, log.identified);

    const QString sound = BattleLogMessages(log).last();
    BattleLog kept = back;
    for (const QString& bad :
         {QStringLiteral("[Logged]=1|2|3"), QStringLiteral("[Logged]=9|1|1|0|11|E|5|A|45|D|9|B"),
          QStringLiteral("[Logged]=0|1|42|0|11|E|5|A|45|D|9|B"),
          QStringLiteral("[Logged]=0|1|1|0|99|E|5|A|45|D|9|B"),
          QStringLiteral("[Logged]=0|1|1|0|11|X|5|A|45|D|9|B"),
          QStringLiteral("[Logged]=0|1|1|0|11|E|77|A|45|D|9|B"),
          QStringLiteral("[Logged]=0|-1|1|0|11|E|5|A|45|D|9|B"), QStringLiteral("[Battle]=1|2"),
          QStringLiteral("[Battle]=1|2|0101"),
          QStringLiteral("[Battle]=1|x|") + QString(65, QLatin1Char('0')),
          sound + QString(400, QLatin1Char('x'))}) {
        EXPECT_FALSE(TakeBattleLogMessage(bad, kept)) << bad.toStdString();
    }
    EXPECT_EQ(kept.Size(), back.Size());
    EXPECT_EQ(kept.shipsLost[1], 3);

    // A name that would turn the text around or break the line is shown without those marks.
    ASSERT_TRUE(TakeBattleLogMessage(
        QStringLiteral("[Logged]=0|1|1|0|11|E|5|Co\u202Essack\n|45|D|9|Bis\u200Fmarck"), kept));
    EXPECT_EQ(kept.Newest(0).first.name, QStringLiteral("Cossack"));
    EXPECT_EQ(kept.Newest(0).second.name, QStringLiteral("Bismarck"));
}

}  // namespace
}  // namespace kvd
