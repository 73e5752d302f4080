#pragma once
#include <QColor>

namespace kvd {

// Window colours are given as 0x00BBGGRR numbers (10862545 is red 209, green 191, blue 165).
inline QColor BgrColor(quint32 value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

}  // namespace kvd
