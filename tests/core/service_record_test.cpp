#include <gtest/gtest.h>

#include "core/service_record.h"
#include "platform/files.h"
#include "tests/support/test_platform.h"

namespace {

using kvd::ServiceEntry;
using kvd::ServiceRecord;

struct Service : ::testing::Test {
    kvd::test::TestPlatform t;
    kvd::Files& files = t.Folder();
    ServiceRecord record{files};

    // The n-th battle of a run: every third lost, every seventh drawn, against two commanders
    // on three maps.
    static ServiceEntry Battle(int n) {
        ServiceEntry e;
        e.date = QDateTime(QDate(2026, 1, 1), QTime(12, 0), Qt::UTC).addSecs(3600 * n);
        e.map = n % 3 == 0 ? "$STANDARD" : n % 3 == 1 ? "$MALTA" : "Home waters";
        e.navy = 'E';
        e.opponent = n % 2 ? "A" : "Jack\tTar";  // a name that holds the separator
        e.result = n % 7 == 0   ? ServiceEntry::Drawn
                   : n % 3 == 0 ? ServiceEntry::Lost
                                : ServiceEntry::Won;
        e.turns = 10 + n;
        e.ownLost = n % 5;
        e.enemyLost = n % 9;
        e.stage = n % 4;
        if (e.stage == 3)
            e.campaign = n % 8 == 3 ? ServiceEntry::CampaignLost : ServiceEntry::CampaignWon;
        return e;
    }
    QByteArray Bytes(const QString& name) {
        QByteArray bytes;
        files.LoadBytes(name, bytes);
        return bytes;
    }
};

}  // namespace

TEST_F(Service, CountsAHundredBattlesAndKeepsTheLastReplays) {
    for (int n = 1; n <= 100; ++n)
        ASSERT_TRUE(record.Add(Battle(n), {"a record", QString::number(n)}));
    bool damaged = true;
    const std::vector<ServiceEntry> read = record.Read(&damaged);
    EXPECT_FALSE(damaged);
    ASSERT_EQ(read.size(), 100u);
    int won = 0, lost = 0, drawn = 0, campaignsWon = 0, campaigns = 0;
    for (int n = 1; n <= 100; ++n) {
        const ServiceEntry e = Battle(n), &r = read[size_t(n - 1)];
        won += e.result == ServiceEntry::Won;
        lost += e.result == ServiceEntry::Lost;
        drawn += e.result == ServiceEntry::Drawn;
        campaigns += e.campaign != ServiceEntry::NoCampaign;
        campaignsWon += e.campaign == ServiceEntry::CampaignWon;
        EXPECT_EQ(r.date, e.date);
        EXPECT_EQ(r.map, e.map);
        EXPECT_EQ(r.opponent, n % 2 ? "A" : "Jack Tar");
        EXPECT_EQ(std::tie(r.result, r.turns, r.ownLost, r.enemyLost, r.stage, r.campaign),
                  std::tie(e.result, e.turns, e.ownLost, e.enemyLost, e.stage, e.campaign));
        // Only the last twenty keep their replay.
        EXPECT_EQ(files.Exists(r.record), n > 80) << n;
    }
    const kvd::ServiceTotals totals = kvd::TotalsOf(read);
    EXPECT_EQ(totals.all.battles, 100);
    EXPECT_EQ(std::tie(totals.all.won, totals.all.lost, totals.all.drawn),
              std::tie(won, lost, drawn));
    EXPECT_EQ(totals.all.won + totals.all.lost + totals.all.drawn, 100);
    EXPECT_EQ(std::tie(totals.campaignsWon, totals.campaignsFought),
              std::tie(campaignsWon, campaigns));
    EXPECT_GT(campaignsWon, 0);
    EXPECT_GT(campaigns, campaignsWon);
    EXPECT_EQ(totals.byOpponent.at("A").battles, 50);
    EXPECT_EQ(totals.byOpponent.at("Jack Tar").battles, 50);
    EXPECT_EQ(totals.byMap.at("$STANDARD").battles + totals.byMap.at("$MALTA").battles +
                  totals.byMap.at("Home waters").battles,
              100);
    QStringList kept;
    files.LoadLines(read.back().record, kept);
    EXPECT_EQ(kept, QStringList({"a record", "100"}));
}

TEST_F(Service, ADamagedFileIsMovedAsideAndTheGoodBattlesGoOn) {
    for (int n = 1; n <= 4; ++n) ASSERT_TRUE(record.Add(Battle(n), {}));
    const QByteArray whole = Bytes(ServiceRecord::kFile);
    const int lastLine = whole.lastIndexOf("\r\n", whole.size() - 3);
    const struct {
        const char* what;
        QByteArray bytes;
        size_t good;
    } cases[] = {
        {"cut in its last line", whole.left(lastLine + 12), 3},
        {"cut after its header", whole.left(whole.indexOf("\r\n") + 2 + 5), 0},
        {"a line of noise between", QByteArray(whole).insert(lastLine + 2, "noise\t1\r\n"), 4},
        {"a number out of range", QByteArray(whole).replace("\tL\t13\t", "\tL\t-13\t"), 3},
        {"no header: a file of something else", "E 5 0 Cossack\r\n", 0},
        {"empty", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        files.Delete(ServiceRecord::kDamagedFile);
        ASSERT_TRUE(files.SaveBytes(ServiceRecord::kFile, c.bytes));
        bool damaged = false;
        EXPECT_EQ(record.Read(&damaged).size(), c.good);
        EXPECT_TRUE(damaged);
        EXPECT_EQ(Bytes(ServiceRecord::kDamagedFile), c.bytes) << "kept as it was for a look";
        // The new file reads whole, and the next battle goes on it.
        EXPECT_TRUE(record.Add(Battle(9), {}));
        EXPECT_EQ(record.Read(&damaged).size(), c.good + 1);
        EXPECT_FALSE(damaged);
    }
    // A file far larger than any record is not read into memory at all.
    ASSERT_TRUE(
        files.SaveBytes(ServiceRecord::kFile, QByteArray(ServiceRecord::kMaxBytes + 1, 'x')));
    bool damaged = false;
    EXPECT_TRUE(record.Read(&damaged).empty());
    EXPECT_TRUE(damaged);
    EXPECT_EQ(files.Size(ServiceRecord::kDamagedFile), ServiceRecord::kMaxBytes + 1);
}
