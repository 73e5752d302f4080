// Any bytes as a JPEG picture: an error or a picture of a sane size, never a crash.
#include "platform/jpeg.h"
#include "tools/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QString error;
    const QImage picture = kvd::DecodeJpeg(FuzzBytes(data, size), &error);
    FUZZ_CHECK(picture.isNull() != error.isEmpty());
    if (!picture.isNull()) FUZZ_CHECK(picture.width() > 0 && picture.height() > 0);
    return 0;
}
