#include "net/message_reader.h"

#include "core/game.h"
#include "core/unit_codes.h"

namespace kvd {

void MessageReader::Feed(const QByteArray& bytes) {
    if (overflowed_) return;
    // Only the new bytes can end the line in progress, and the finished lines are cut off the
    // front at once: a peer trickling a long line byte by byte, or sending many lines in one
    // read, costs no more than the bytes themselves.
    qsizetype search = pending_.size();
    pending_ += bytes;
    qsizetype start = 0;
    for (qsizetype end; (end = pending_.indexOf('\n', search)) >= 0; search = start) {
        qsizetype length = end - start;
        if (length > 0 && pending_[end - 1] == '\r') --length;
        if (length > kLongestLine) {
            overflowed_ = true;
            pending_.clear();
            return;
        }
        // The game's messages are 8-bit text.
        ready_.push_back(QString::fromLatin1(pending_.constData() + start, length));
        start = end + 1;
    }
    pending_.remove(0, start);
    if (pending_.size() > kLongestLine) {
        overflowed_ = true;
        pending_.clear();
    }
}

bool MessageReader::Next(QString& message) {
    if (ready_.empty()) return false;
    message = ready_.front();
    ready_.pop_front();
    return true;
}

void MessageReader::Clear() {
    pending_.clear();
    ready_.clear();
    overflowed_ = false;
}

QByteArray Framed(const QString& message) {
    return message.toLatin1() + "\r\n";
}

}  // namespace kvd
