#include "net/lan_announcement.h"

#include <QList>

namespace kvd {

namespace {

const QByteArray kTag = "KORVALD 1";

QString CleanName(const QString& name) {
    QString clean = name.left(LanAnnouncement::kLongestName);
    for (QChar& c : clean)
        if (c == QLatin1Char('|') || c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = QLatin1Char('/');
    return clean;
}

bool SoundName(const QString& name) {
    if (name.isEmpty() || name.size() > LanAnnouncement::kLongestName) return false;
    for (const QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c == QChar::ReplacementCharacter)
            return false;
    return true;
}

}  // namespace

QByteArray LanAnnouncement::Encode() const {
    return kTag + '|' + CleanName(game).toUtf8() + '|' + CleanName(commander).toUtf8() + '|' +
           QString(navy).toLatin1() + '|' + QByteArray::number(port);
}

std::optional<LanAnnouncement> LanAnnouncement::Parse(const QByteArray& datagram) {
    if (datagram.size() > kLongestDatagram) return std::nullopt;
    const QList<QByteArray> fields = datagram.split('|');
    if (fields.size() != 5 || fields[0] != kTag) return std::nullopt;
    LanAnnouncement game;
    game.game = QString::fromUtf8(fields[1]);
    game.commander = QString::fromUtf8(fields[2]);
    if (!SoundName(game.game) || !SoundName(game.commander)) return std::nullopt;
    if (fields[3] != "E" && fields[3] != "U") return std::nullopt;
    game.navy = QLatin1Char(fields[3][0]);
    const QByteArray& port = fields[4];
    if (port.isEmpty() || port.size() > 5) return std::nullopt;
    for (const char c : port)
        if (c < '0' || c > '9') return std::nullopt;
    const int number = port.toInt();
    if (number < 1 || number > 65535) return std::nullopt;
    game.port = quint16(number);
    return game;
}

}  // namespace kvd
