#include "net/rejoin_ticket.h"

#include <QRandomGenerator>
#include <QStringList>
#include <algorithm>

#include "platform/files.h"

namespace kvd {

bool RejoinTicket::IsCode(const QString& text) {
    if (text.size() < 8 || text.size() > 32) return false;
    for (QChar c : text)
        if (!c.isDigit() && !(c >= QLatin1Char('A') && c <= QLatin1Char('F'))) return false;
    return true;
}

QString RejoinTicket::NewCode() {
    const quint64 bits = QRandomGenerator::system()->generate64();
    return QString::number(bits, 16).toUpper().rightJustified(16, QLatin1Char('0'));
}

bool RejoinTicket::SameCode(const QString& offered, const QString& kept) {
    if (kept.isEmpty()) return false;
    // Every character of the longer is looked at, whatever the first difference.
    const qsizetype n = std::max(offered.size(), kept.size());
    unsigned difference = unsigned(offered.size() ^ kept.size());
    for (qsizetype i = 0; i < n; ++i) {
        const unsigned a = i < offered.size() ? offered[i].unicode() : 0u;
        const unsigned b = i < kept.size() ? kept[i].unicode() : 0u;
        difference |= a ^ b;
    }
    return difference == 0;
}

std::optional<RejoinTicket> RejoinTicket::Load(const Files& files) {
    QStringList lines;
    if (!files.LoadLines(kFile, lines) || lines.size() < 5) return std::nullopt;
    RejoinTicket t;
    bool ok = false;
    t.host = lines[0].trimmed();
    t.port = lines[1].trimmed().toInt(&ok);
    t.code = lines[2].trimmed();
    t.name = lines[3].left(16);
    t.game = lines[4].left(16);
    // A file the player edited or a disk damaged is no ticket.
    if (!ok || t.port < 1 || t.port > 65535 || t.host.isEmpty() || t.host.size() > 64 ||
        t.host.contains(QLatin1Char(' ')) || !IsCode(t.code) || t.name.isEmpty())
        return std::nullopt;
    return t;
}

bool RejoinTicket::Save(Files& files) const {
    return files.SaveLines(kFile, {host, QString::number(port), code, name, game});
}

void RejoinTicket::Forget(Files& files) {
    if (files.Exists(kFile)) files.Delete(kFile);
}

}  // namespace kvd
