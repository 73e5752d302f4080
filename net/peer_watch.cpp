#include "net/peer_watch.h"

namespace kvd {

PeerWatch::PeerWatch() {
    connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
}

void PeerWatch::SetTimes(const Times& times) {
    times_ = times;
    if (timer_.isActive()) timer_.start(times_.beatMs);
}

void PeerWatch::Start(bool introduced) {
    beating_ = false;
    introduced_ = introduced;
    opened_.start();
    heard_.start();
    timer_.start(times_.beatMs);
}

void PeerWatch::Stop() {
    timer_.stop();
}

void PeerWatch::Heard(bool isBeat) {
    heard_.restart();
    beating_ = beating_ || isBeat;
}

void PeerWatch::Tick() {
    const bool silent = beating_ && heard_.elapsed() > times_.silenceMs;
    const bool unknown = !introduced_ && opened_.elapsed() > times_.introductionMs;
    if (silent || unknown) {
        timer_.stop();
        if (gone) gone();
        return;
    }
    if (beat) beat();
}

}  // namespace kvd
