#include "platform/wave.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace kvd {

namespace {

std::uint32_t Le32(const QByteArray& data, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(data.constData()) + at;
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

std::uint16_t Le16(const QByteArray& data, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(data.constData()) + at;
    return std::uint16_t(p[0] | p[1] << 8);
}

bool IsTag(const QByteArray& data, qsizetype at, const char* tag) {
    return data.size() >= at + 4 && data.mid(at, 4) == QByteArray::fromRawData(tag, 4);
}

constexpr std::uint16_t kPcm = 1;
constexpr std::uint16_t kFloat = 3;
constexpr std::uint16_t kExtensible = 0xFFFE;

}  // namespace

int WaveDurationMs(const QByteArray& data) {
    if (!IsTag(data, 0, "RIFF") || !IsTag(data, 8, "WAVE")) return 0;

    std::int64_t bytesPerSecond = 0;
    std::int64_t dataBytes = -1;
    // Chunks follow the 12-byte RIFF header, each an id, a 32-bit size and a body padded to an
    // even length. Sizes are checked against the bytes actually present, never trusted.
    std::int64_t at = 12;
    const std::int64_t end = data.size();
    while (at + 8 <= end && (bytesPerSecond == 0 || dataBytes < 0)) {
        const std::int64_t size = Le32(data, at + 4);
        const std::int64_t body = at + 8;
        if (IsTag(data, at, "fmt ")) {
            if (size < 16 || body + 16 > end) return 0;
            const std::uint16_t format = Le16(data, body);
            const std::int64_t channels = Le16(data, body + 2);
            const std::int64_t rate = Le32(data, body + 4);
            const std::int64_t bits = Le16(data, body + 14);
            if (format != kPcm && format != kFloat && format != kExtensible) return 0;
            // Computed from the sample layout rather than taken from the header's own byte
            // rate field, which some writers leave wrong.
            bytesPerSecond = rate * channels * ((bits + 7) / 8);
            if (bytesPerSecond == 0) return 0;
        } else if (IsTag(data, at, "data")) {
            // A data chunk cut short plays what is there.
            dataBytes = std::min(size, end - body);
        }
        at = body + size + (size & 1);
    }
    if (bytesPerSecond == 0 || dataBytes < 0) return 0;
    const std::int64_t ms = (dataBytes * 1000 + bytesPerSecond / 2) / bytesPerSecond;
    return int(std::min<std::int64_t>(ms, std::numeric_limits<int>::max()));
}

}  // namespace kvd
