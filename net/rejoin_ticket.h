#pragma once
#include <QString>
#include <optional>

namespace kvd {

class Files;

// What the joining player's program keeps of a network game under way, so that after a lost
// connection it can find the same host and game again, also after a restart: the host's address
// and port, the game's code the host gave, and the player's and the game's names.
struct RejoinTicket {
    static inline const QString kFile = QStringLiteral("config/rejoin.cfg");

    QString host;
    int port = 0;
    QString code;
    QString name;
    QString game;

    // Whether text is a game code: 8 to 32 upper-case hex digits (a host gives 16).
    static bool IsCode(const QString& text);
    // A new code for the player a host has just seated, from the system's random source.
    static QString NewCode();
    // Whether a code a connection offers is the one kept; the time it takes does not tell how
    // much of it was right.
    static bool SameCode(const QString& offered, const QString& kept);
    // The ticket kept, when there is a sound one.
    static std::optional<RejoinTicket> Load(const Files& files);
    bool Save(Files& files) const;
    // The game is over: there is nothing to rejoin.
    static void Forget(Files& files);
};

}  // namespace kvd
