#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <map>
#include <vector>

namespace kvd {

class Files;

// One decided battle as the player's service record keeps it.
struct ServiceEntry {
    enum Result { Won, Lost, Drawn };
    QDateTime date;
    QString map;       // the map's name, "$STANDARD" for a built-in one
    QChar navy;        // the player's navy letter
    QString opponent;  // "S" the standard computer, "A" the Admiral, else the other commander
    Result result = Won;
    int turns = 0;
    int ownLost = 0, enemyLost = 0;
    int stage = 0;  // 0 a single game, 1 to 3 the campaign's stage
    // After a campaign's last stage, whether the campaign was won (best of three).
    enum Campaign { NoCampaign, CampaignWon, CampaignLost };
    Campaign campaign = NoCampaign;
    QString record;  // the file its replay is kept in, empty when none was
};

// How often a player won against one commander or on one map.
struct ServiceTally {
    int battles = 0, won = 0, lost = 0, drawn = 0;
    int WinPercent() const { return battles > 0 ? (100 * won + battles / 2) / battles : 0; }
    void Count(ServiceEntry::Result result);
};

// The player's service record: a line a decided battle in "service.txt" of the folder the game
// writes to, and the replays of the last battles beside it. The file is written whole and put
// in place of the old one, so it is never left half written. It is read with suspicion: a file
// that is too large or holds a line that is no battle (a cut file, a foreign one) is moved aside
// as "service.txt.damaged" and a new one is begun with the battles that read well.
class ServiceRecord {
  public:
    static inline const QString kFile = QStringLiteral("service.txt");
    static inline const QString kDamagedFile = QStringLiteral("service.txt.damaged");
    static constexpr int kReplaysKept = 20;
    static constexpr qint64 kMaxBytes = 1 << 22;

    explicit ServiceRecord(Files& files) : files_(files) {}

    // The battles as the file holds them, oldest first; true when the file had to be moved
    // aside (or could not be read at all).
    std::vector<ServiceEntry> Read(bool* damaged = nullptr);
    // Adds a battle, with its record's lines kept for a replay (none when empty); the replays
    // of all but the last battles are let go. False when the file could not be written.
    bool Add(ServiceEntry entry, const QStringList& recordLines);

    // The line of a battle, and a battle from its line (false for a line that is none).
    static QString LineOf(const ServiceEntry& entry);
    static bool EntryOf(const QString& line, ServiceEntry& entry);

  private:
    Files& files_;
};

// The totals of a record, by commander and by map.
struct ServiceTotals {
    ServiceTally all;
    std::map<QString, ServiceTally> byOpponent, byMap;
    int campaignsFought = 0, campaignsWon = 0;
};
ServiceTotals TotalsOf(const std::vector<ServiceEntry>& entries);

}  // namespace kvd
