#include "core/service_record.h"

#include "platform/files.h"

namespace kvd {

namespace {
const QString kHeader = QStringLiteral("Korvald service record 1");
constexpr QChar kSeparator = QLatin1Char('\t');
constexpr int kFields = 11;
const QString kCampaigns = QStringLiteral("-WL");

// A name as a line can hold it: no separator, no line break.
QString Clean(QString text) {
    for (QChar& c : text)
        if (c == kSeparator || c == QLatin1Char('\r') || c == QLatin1Char('\n')) c = u' ';
    return text.trimmed();
}

bool Number(const QString& text, int low, int high, int& value) {
    bool ok = false;
    value = text.toInt(&ok);
    return ok && value >= low && value <= high;
}
}  // namespace

void ServiceTally::Count(ServiceEntry::Result result) {
    ++battles;
    won += result == ServiceEntry::Won;
    lost += result == ServiceEntry::Lost;
    drawn += result == ServiceEntry::Drawn;
}

QString ServiceRecord::LineOf(const ServiceEntry& e) {
    const char results[] = {'W', 'L', 'D'};
    return QStringList{e.date.toUTC().toString(Qt::ISODate),
                       Clean(e.map),
                       QString(e.navy),
                       Clean(e.opponent),
                       QString(QLatin1Char(results[e.result])),
                       QString::number(e.turns),
                       QString::number(e.ownLost),
                       QString::number(e.enemyLost),
                       QString::number(e.stage),
                       Clean(e.record),
                       QString(kCampaigns[e.campaign])}
        .join(kSeparator);
}

bool ServiceRecord::EntryOf(const QString& line, ServiceEntry& e) {
    const QStringList f = line.split(kSeparator);
    if (f.size() != kFields) return false;
    e.date = QDateTime::fromString(f[0], Qt::ISODate);
    const QString results = QStringLiteral("WLD");
    const int result = f[4].size() == 1 ? int(results.indexOf(f[4][0])) : -1;
    const int campaign = f[10].size() == 1 ? int(kCampaigns.indexOf(f[10][0])) : -1;
    int stage = 0;
    if (!e.date.isValid() || f[1].isEmpty() || f[2].size() != 1 || f[3].isEmpty() || result < 0 ||
        !Number(f[5], 0, 100000, e.turns) || !Number(f[6], 0, 99, e.ownLost) ||
        !Number(f[7], 0, 99, e.enemyLost) || !Number(f[8], 0, 3, stage) || campaign < 0)
        return false;
    e.map = f[1];
    e.navy = f[2][0];
    e.opponent = f[3];
    e.result = ServiceEntry::Result(result);
    e.stage = stage;
    e.record = f[9];
    e.campaign = ServiceEntry::Campaign(campaign);
    return true;
}

std::vector<ServiceEntry> ServiceRecord::Read(bool* damaged) {
    if (damaged) *damaged = false;
    std::vector<ServiceEntry> entries;
    if (!files_.Exists(kFile)) return entries;
    QStringList lines;
    const qint64 size = files_.Size(kFile);
    const bool readable = size >= 0 && size <= kMaxBytes && files_.LoadLines(kFile, lines);
    // A line that reads as a battle is kept even past a bad one: only what is damaged is lost.
    const bool headed = !lines.isEmpty() && lines.front() == kHeader;
    bool whole = readable && headed;
    for (int k = headed ? 1 : 0; readable && k < lines.size(); ++k) {
        ServiceEntry entry;
        if (EntryOf(lines[k], entry))
            entries.push_back(entry);
        else
            whole = false;
    }
    if (whole) return entries;
    if (damaged) *damaged = true;
    // The damaged file is only written over once it is kept aside.
    files_.Delete(kDamagedFile);
    if (!files_.Copy(kFile, kDamagedFile)) return entries;
    QStringList fresh{kHeader};
    for (const ServiceEntry& entry : entries) fresh << LineOf(entry);
    files_.SaveLines(kFile, fresh);
    return entries;
}

bool ServiceRecord::Add(ServiceEntry entry, const QStringList& recordLines) {
    std::vector<ServiceEntry> entries = Read();
    if (!recordLines.isEmpty()) {
        const QString stamp = entry.date.toUTC().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        QString name = QStringLiteral("service-%1.kvr").arg(stamp);
        for (int n = 2; files_.Exists(name) && n < 100; ++n)
            name = QStringLiteral("service-%1-%2.kvr").arg(stamp).arg(n);
        entry.record = files_.SaveLines(name, recordLines) ? name : QString();
    }
    entries.push_back(entry);
    QStringList lines{kHeader};
    for (const ServiceEntry& e : entries) lines << LineOf(e);
    if (!files_.SaveLines(kFile, lines)) return false;
    // Only the last battles keep their replays.
    for (int k = 0; k + kReplaysKept < int(entries.size()); ++k) {
        const QString& old = entries[size_t(k)].record;
        if (!old.isEmpty() && files_.Exists(old)) files_.Delete(old);
    }
    return true;
}

ServiceTotals TotalsOf(const std::vector<ServiceEntry>& entries) {
    ServiceTotals totals;
    for (const ServiceEntry& e : entries) {
        totals.all.Count(e.result);
        totals.byOpponent[e.opponent].Count(e.result);
        totals.byMap[e.map].Count(e.result);
        totals.campaignsFought += e.campaign != ServiceEntry::NoCampaign;
        totals.campaignsWon += e.campaign == ServiceEntry::CampaignWon;
    }
    return totals;
}

}  // namespace kvd
