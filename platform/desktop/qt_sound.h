#pragma once
#include <QHash>

#include "platform/sound.h"

class QSoundEffect;

namespace kvd {

class QtSound : public Sound {
  public:
    QtSound(const Resources& resources, Pacing& pacing);
    ~QtSound() override;
    void Play(const QString& name, bool wait) override;

  private:
    const Resources& resources_;
    Pacing& pacing_;
    QHash<QString, QSoundEffect*> effects_;  // by upper-case name, owned
    QHash<QString, int> durations_;          // playing time in ms, by upper-case name
    QSoundEffect* playing_ = nullptr;
};

}  // namespace kvd
