#pragma once
#include <QByteArray>

namespace kvd {

// The playing time in milliseconds of a PCM WAVE file, from its header; 0 when the data is
// not a WAVE file this can read.
int WaveDurationMs(const QByteArray& data);

}  // namespace kvd
