#include "net/lan_announcement.h"

#include <QList>

#include "net/shown_name.h"

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

// A name as it is shown: control and direction characters taken out; nothing when that leaves
// no name, or the name was too long to be one.
std::optional<QString> SoundName(const QByteArray& bytes) {
    const QString name = QString::fromUtf8(bytes);
    // Bytes that are no UTF-8 are no name.
    if (name.size() > LanAnnouncement::kLongestName || name.contains(QChar::ReplacementCharacter))
        return std::nullopt;
    const QString shown = ShownName(name, LanAnnouncement::kLongestName);
    if (shown.isEmpty()) return std::nullopt;
    return shown;
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
    const std::optional<QString> name = SoundName(fields[1]), commander = SoundName(fields[2]);
    if (!name || !commander) return std::nullopt;
    game.game = *name;
    game.commander = *commander;
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
