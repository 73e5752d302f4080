#include "platform/desktop/qt_sound.h"

#include <QSoundEffect>
#include <QUrl>

#include "platform/pacing.h"
#include "platform/resources.h"
#include "platform/wave.h"

namespace kvd {

QtSound::QtSound(const Resources& resources, Pacing& pacing)
    : resources_(resources), pacing_(pacing) {}

QtSound::~QtSound() {
    if (playing_) playing_->stop();
    qDeleteAll(effects_);
}

void QtSound::Play(const QString& name, bool wait) {
    const QString key = name.toUpper();
    QSoundEffect* effect = effects_.value(key);
    if (!effect) {
        const QString path = resources_.Path(ResourceKind::Sound, name);
        if (path.isEmpty()) return;
        // Created on first use: loading every sound up front would open the audio output
        // before the game needs it.
        effect = new QSoundEffect;
        effect->setSource(QUrl(QStringLiteral("qrc") + path));
        effects_.insert(key, effect);
        durations_.insert(key, WaveDurationMs(resources_.Data(ResourceKind::Sound, name)));
    }
    // One sound at a time; stopping first also restarts a sound played again while it runs.
    if (playing_) playing_->stop();
    effect->play();
    playing_ = effect;
    // The wait is the sound's length on the game's clock, never the effect's own "finished"
    // state, which stays "playing" for ever when there is no audio device.
    if (wait) pacing_.Delay(durations_.value(key));
}

}  // namespace kvd
