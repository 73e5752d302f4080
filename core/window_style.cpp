#include "core/window_style.h"

#include <QWidget>

namespace kvd {

void PaintBlack(QWidget& window) {
    window.setAutoFillBackground(true);
    QPalette black = window.palette();
    black.setColor(QPalette::Window, Qt::black);
    window.setPalette(black);
}

void StyleFullScreenWindow(QWidget& window) {
    window.setWindowTitle(QStringLiteral("Korvald"));
    window.setWindowFlag(Qt::FramelessWindowHint);
    PaintBlack(window);
    window.setMouseTracking(true);
}

}  // namespace kvd
