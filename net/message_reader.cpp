#include "net/message_reader.h"

#include "core/game.h"
#include "core/unit_codes.h"

namespace kvd {

void MessageReader::Feed(const QByteArray& bytes) {
    if (overflowed_) return;
    pending_ += bytes;
    for (;;) {
        const qsizetype end = pending_.indexOf('\n');
        if (end < 0) break;
        QByteArray line = pending_.left(end);
        pending_.remove(0, end + 1);
        if (line.endsWith('\r')) line.chop(1);
        if (line.size() > kLongestLine) {
            overflowed_ = true;
            return;
        }
        // The game's messages are 8-bit text.
        ready_.push_back(QString::fromLatin1(line));
    }
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

QByteArray Framed(const QString& message) { return message.toLatin1() + "\r\n"; }

bool ValidMoveRecord(const QString& record, const Game& game, QChar senderSide) {
    if (record.size() != 17 || !record.startsWith(QLatin1String("[Move]="))) return false;
    int numbers[5];
    for (int k = 0; k < 5; ++k) {
        numbers[k] = ReadNumber(record, 8 + 2 * k, 2);
        if (numbers[k] < 0) return false;
    }
    const int code = numbers[0];
    if (SideOfCode(code) != senderSide || game.scratchpad.FindSide(code, senderSide) < 0) return false;
    return OnBoard(numbers[1], numbers[2]) && OnBoard(numbers[3], numbers[4]);
}

}  // namespace kvd
