#pragma once
#include <QString>
#include <memory>
#include <vector>

namespace kvd {

class Pacing;
class Resources;

// Plays the built-in sounds. Starting a sound cuts off the one still playing. A waiting play
// returns once the sound's playing time has passed, measured by the game's pacing (so it
// paces the game the same with or without an audio device); sounds are never sequenced on
// the device's own "finished" notice, which never comes when there is no device.
class Sound {
  public:
    virtual ~Sound() = default;
    virtual void Play(const QString& name, bool wait) = 0;
};

// Records every play; a waiting play still takes the sound's time on the given pacing.
class RecordingSound : public Sound {
  public:
    struct Played {
        QString name;
        bool wait;
    };
    RecordingSound(const Resources& resources, Pacing& pacing)
        : resources_(resources), pacing_(pacing) {}
    void Play(const QString& name, bool wait) override;
    const std::vector<Played>& Plays() const { return plays_; }
    void Clear() { plays_.clear(); }

  private:
    const Resources& resources_;
    Pacing& pacing_;
    std::vector<Played> plays_;
};

}  // namespace kvd
