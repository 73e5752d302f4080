#pragma once
#include <QByteArray>
#include <QString>
#include <deque>

#include "core/side.h"

namespace kvd {

class Game;

// How the two programs keep their messages apart: each message goes out followed by CR LF,
// and the receiver hands over one message per complete line, whatever the reads cut the bytes
// into. An unfinished line waits for the rest; a line that grows past 4 KB without its end is
// not a message of the game, and the connection is given up.
class MessageReader {
  public:
    static constexpr int kLongestLine = 4096;

    // The bytes of one read.
    void Feed(const QByteArray& bytes);
    // The next complete message (its line end taken off), in the order they came.
    bool Next(QString& message);
    bool Overflowed() const { return overflowed_; }
    void Clear();

  private:
    QByteArray pending_;
    std::deque<QString> ready_;
    bool overflowed_ = false;
};

// A message as it goes on the wire: its text and the line end.
QByteArray Framed(const QString& message);

}  // namespace kvd
