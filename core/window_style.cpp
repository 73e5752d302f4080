#include "core/window_style.h"

#include <QWidget>

#include "platform/colors.h"

namespace kvd {

QColor MenuTextColour() { return BgrColor(10862545); }
QColor MenuHoverColour() { return BgrColor(8508149); }

QString TextColourSheet(const QColor& colour) { return QStringLiteral("color: %1;").arg(colour.name()); }

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
