#pragma once
#include <QChar>
#include <QString>

namespace kvd {

// What the two programs of a network game keep about their exchange.
struct NetState {
    int NetStage = 0;       // handshake stage: 0 before, 2 greeting or table under way, 3 ready
    int LastMovedCode = 0;  // the unit of the last move record received
    QChar OppositePosition = QLatin1Char('R');  // the joining player's home edge
    QString PeerHash;  // the peer's table checksum after its last step; empty when none came
    QString GameCode;  // the host's code for the game, which a joining player rejoins with
};

// The home edge opposite to a home position letter (L and R, T and B).
QChar OppositeOf(QChar homePosition);

}  // namespace kvd
