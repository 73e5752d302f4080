#pragma once
#include <QString>

namespace kvd {

// A line the two commanders of a network game send each other: "[Chat]=" and plain text. A
// program that does not know the key ignores it.
inline const QString kChatKey = QStringLiteral("[Chat]=");

// The text as it may travel and be shown: printable 8-bit characters only (anything else
// becomes a blank), no blanks at either end, at most as long as a chat line may be.
QString ChatText(const QString& typed);

}  // namespace kvd
