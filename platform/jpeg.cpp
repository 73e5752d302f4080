#include "platform/jpeg.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE declared first

// jerror.h after jpeglib.h: its message list depends on the library's configuration.
// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

namespace kvd {

namespace {

// Larger pictures are refused before any pixel memory is taken: a damaged header can claim
// any size, and the game's pictures are screen-sized.
constexpr long long kMaxPixels = 64LL * 1024 * 1024;

// libjpeg reports failures through these callbacks. The default error_exit calls exit(), so
// ours longjmps back to the decoding helper instead. Warnings that mean the pixels are damaged
// (a truncated or garbled scan) are treated as errors too: libjpeg would otherwise pad the
// picture with grey and call it a success.
struct ErrorManager {
    jpeg_error_mgr pub;  // first, so a j_common_ptr's err can be cast to this
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void FailDecoding(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    info->err->format_message(info, manager->message);
    std::longjmp(manager->jump, 1);
}

bool IsDamageWarning(int code) {
    switch (code) {
        case JWRN_JPEG_EOF:
        case JWRN_HIT_MARKER:
        case JWRN_HUFF_BAD_CODE:
        case JWRN_ARITH_BAD_CODE:
        case JWRN_MUST_RESYNC:
            return true;
        default:
            return false;
    }
}

void OnMessage(j_common_ptr info, int level) {
    // level >= 0 are trace messages; harmless warnings (an odd JFIF version, extra bytes
    // before a marker) are let through.
    if (level < 0 && IsDamageWarning(info->err->msg_code)) FailDecoding(info);
}

void DiscardMessage(j_common_ptr) {}

struct Decoder {
    jpeg_decompress_struct info;
    ErrorManager errors;
};

// The steps that call libjpeg. Nothing with a destructor lives in their frames, so the
// longjmp from the error callbacks skips no clean-up. Each returns false with the reason in
// decoder.errors.message; the caller then only destroys the decoder.
bool CreateDecoder(Decoder& decoder, const unsigned char* data, unsigned long size) {
    decoder.info.err = jpeg_std_error(&decoder.errors.pub);
    decoder.errors.pub.error_exit = FailDecoding;
    decoder.errors.pub.emit_message = OnMessage;
    decoder.errors.pub.output_message = DiscardMessage;
    decoder.errors.message[0] = '\0';
    if (setjmp(decoder.errors.jump) != 0) return false;
    jpeg_create_decompress(&decoder.info);
    jpeg_mem_src(&decoder.info, data, size);
    return true;
}

bool StartDecoding(Decoder& decoder) {
    if (setjmp(decoder.errors.jump) != 0) return false;
    jpeg_read_header(&decoder.info, TRUE);
    // RGB output for colour and greyscale pictures alike; libjpeg expands grey itself.
    decoder.info.out_color_space = JCS_RGB;
    if (static_cast<long long>(decoder.info.image_width) * decoder.info.image_height > kMaxPixels) {
        std::snprintf(decoder.errors.message, sizeof decoder.errors.message,
                      "Picture too large: %u x %u", decoder.info.image_width,
                      decoder.info.image_height);
        return false;
    }
    jpeg_start_decompress(&decoder.info);
    return true;
}

bool ReadRows(Decoder& decoder, unsigned char* bits, long long bytesPerLine) {
    if (setjmp(decoder.errors.jump) != 0) return false;
    while (decoder.info.output_scanline < decoder.info.output_height) {
        JSAMPROW row = bits + bytesPerLine * decoder.info.output_scanline;
        if (jpeg_read_scanlines(&decoder.info, &row, 1) != 1) {
            // Only a suspending data source stops short; ours never does, but a loop that
            // cannot end must not depend on that.
            std::snprintf(decoder.errors.message, sizeof decoder.errors.message,
                          "Picture data stopped at row %u", decoder.info.output_scanline);
            return false;
        }
    }
    // Reads up to the end marker, so a stream cut off after the last row is noticed as well.
    jpeg_finish_decompress(&decoder.info);
    return true;
}

}  // namespace

QImage DecodeJpeg(const QByteArray& data, QString* error) {
    auto fail = [error](const char* reason) {
        if (error) *error = QString::fromLatin1(reason);
        return QImage();
    };
    if (data.isEmpty()) return fail("Empty JPEG data");

    Decoder decoder{};
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
    const auto size = static_cast<unsigned long>(data.size());
    if (!CreateDecoder(decoder, bytes, size)) {
        jpeg_destroy_decompress(&decoder.info);
        return fail(decoder.errors.message);
    }
    if (!StartDecoding(decoder)) {
        jpeg_destroy_decompress(&decoder.info);
        return fail(decoder.errors.message);
    }

    QImage image(int(decoder.info.output_width), int(decoder.info.output_height),
                 QImage::Format_RGB888);
    if (image.isNull() || decoder.info.output_components != 3) {
        jpeg_destroy_decompress(&decoder.info);
        return fail("Cannot hold the decoded picture");
    }
    // RGB888 rows are padded to 4 bytes, so each row goes to its own scan line.
    const bool read = ReadRows(decoder, image.bits(), image.bytesPerLine());
    jpeg_destroy_decompress(&decoder.info);
    if (!read) return fail(decoder.errors.message);
    if (error) error->clear();
    return image;
}

QImage DecodeJpegFile(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = QStringLiteral("Cannot open %1: %2").arg(path, file.errorString());
        return QImage();
    }
    return DecodeJpeg(file.readAll(), error);
}

}  // namespace kvd
