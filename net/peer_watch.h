#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

namespace kvd {

// Whether the program at the other end of a connection is still there. Both programs send a
// beat every few seconds while they are connected; a peer that has beaten once and then says
// nothing past the silence limit is gone, though its socket may never tell (a program stopped,
// a cable pulled). A peer that never beats (an older program) is never judged by its silence.
// A new connection must say who it is within its own limit, so a connection that says nothing
// cannot hold the game's one place.
class PeerWatch : public QObject {
  public:
    struct Times {
        int beatMs = 5000;
        int silenceMs = 15000;
        int introductionMs = 10000;
    };

    PeerWatch();

    std::function<void()> beat;  // send one beat to the peer
    std::function<void()> gone;  // the peer is gone: close the connection

    void SetTimes(const Times& times);
    // A connection has opened; introduced: the peer need not say who it is (this program
    // connected to it).
    void Start(bool introduced);
    void Stop();
    bool Running() const { return timer_.isActive(); }
    // Something came from the peer; a beat marks it as a peer that beats.
    void Heard(bool beat);
    // The peer has said who it is.
    void Introduced() { introduced_ = true; }

  private:
    void Tick();

    Times times_;
    QTimer timer_;
    QElapsedTimer opened_, heard_;
    bool beating_ = false;
    bool introduced_ = false;
};

}  // namespace kvd
