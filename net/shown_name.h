#pragma once
#include <QString>

namespace kvd {

// A name another program sent, as it may be shown: without control characters, without the
// invisible characters that turn the direction of text (which could make one name read as
// another), and without line or paragraph breaks; cut to `longest` characters.
QString ShownName(const QString& name, int longest = 16);

}  // namespace kvd
