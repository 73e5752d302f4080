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
        log.turn = 2 * k + 1;  // each entry of a turn of its own
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
    back.turn = 40;
    for (const QString& line : BattleLogMessages(log))
        ASSERT_TRUE(TakeBattleLogMessage(line, back)) << line.toStdString();
    // Every entry comes back with its own turn, but for what the host's board identified: the
    // joining board tells its own identifications.
    ASSERT_EQ(back.Size(), log.Size() / 2);
    for (int k = 0, b = 0; k < log.Size(); ++k) {
        if (log.Newest(k).kind == LogEntry::Identified) continue;
        SCOPED_TRACE(k);
        EXPECT_EQ(back.Newest(b).turn, log.Newest(k).turn);
        EXPECT_EQ(back.Newest(b).kind, log.Newest(k).kind);
        EXPECT_EQ(back.Newest(b).second.kind, UnitKind::Battleship);
        EXPECT_EQ(back.Newest(b).first.name,
                  QString(log.Newest(k).first.name).replace(QLatin1Char('|'), QLatin1Char('/')));
        ++b;
    }
    EXPECT_EQ(back.Newest(0).turn, 19);  // the last entry added, a fight
    EXPECT_EQ(back.turn, 40) << "the turn now is the resume message's to tell";
    EXPECT_EQ(back.shipsLost[1], 3);
    EXPECT_TRUE(back.identified.none());

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
