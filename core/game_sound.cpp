#include "core/game_sound.h"

#include "core/settings.h"
#include "platform/platform.h"

namespace kvd {

void PlaySound(Platform& platform, const Settings& settings, const QString& name, bool wait) {
    if (settings.SoundOption == QLatin1Char('Y')) platform.sound->Play(name, wait);
}

}  // namespace kvd
