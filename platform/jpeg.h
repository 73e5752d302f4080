#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

namespace kvd {

// JPEG decoding with libjpeg. A corrupt or truncated stream is an error with a reason,
// never the end of the program. The result is a 24-bit RGB picture.
QImage DecodeJpeg(const QByteArray& data, QString* error = nullptr);

// Decodes a JPEG file on disk (the map editor's user pictures).
QImage DecodeJpegFile(const QString& path, QString* error = nullptr);

}  // namespace kvd
