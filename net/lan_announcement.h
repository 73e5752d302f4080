#pragma once
#include <QByteArray>
#include <QChar>
#include <QString>
#include <optional>

namespace kvd {

// What a hosting program tells the local network of its game, one datagram of plain text:
//   KORVALD 1|<game>|<commander>|<navy letter>|<port to join on>
// Names are at most 16 characters, without '|' or control characters; the navy is 'E' or 'U'.
struct LanAnnouncement {
    static constexpr int kLongestName = 16;
    // No sound announcement is longer (two names of 16 characters of up to 4 bytes each).
    static constexpr int kLongestDatagram = 192;

    QString game;
    QString commander;
    QChar navy;
    quint16 port = 0;

    // The datagram; names are cut to their length and '|' or a control character becomes '/'.
    QByteArray Encode() const;
    // The announcement a datagram holds; nothing for anything else, however malformed.
    static std::optional<LanAnnouncement> Parse(const QByteArray& datagram);

    bool operator==(const LanAnnouncement&) const = default;
};

}  // namespace kvd
