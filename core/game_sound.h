#pragma once
#include <QString>

namespace kvd {

struct Platform;
struct Settings;

// Plays a built-in sound when the Sound setting is on. A waiting play returns when the sound
// has finished; with the setting off it costs no time.
void PlaySound(Platform& platform, const Settings& settings, const QString& name, bool wait);

}  // namespace kvd
