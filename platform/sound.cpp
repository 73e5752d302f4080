#include "platform/sound.h"

#include "platform/pacing.h"
#include "platform/resources.h"
#include "platform/wave.h"

namespace kvd {

void RecordingSound::Play(const QString& name, bool wait) {
    plays_.push_back({name, wait});
    if (wait) pacing_.Delay(WaveDurationMs(resources_.Data(ResourceKind::Sound, name)));
}

}  // namespace kvd
