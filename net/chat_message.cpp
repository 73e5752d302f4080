#include "net/chat_message.h"

#include "play/network_board.h"

namespace kvd {

QString ChatText(const QString& typed) {
    QString text = typed.left(4 * NetworkBoard::kLongestChat);
    for (QChar& c : text) {
        const ushort u = c.unicode();
        if (u < 0x20 || (u >= 0x7f && u < 0xa0) || u > 0xff) c = QLatin1Char(' ');
    }
    return text.trimmed().left(NetworkBoard::kLongestChat);
}

}  // namespace kvd
