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

void TakeKeyboard(QWidget& window) {
    window.raise();
    window.activateWindow();
    window.setFocus(Qt::ActiveWindowFocusReason);
}

void StyleFullScreenWindow(QWidget& window) {
    window.setWindowTitle(QStringLiteral("Korvald"));
    window.setWindowFlag(Qt::FramelessWindowHint);
    PaintBlack(window);
    window.setMouseTracking(true);
    window.setFocusPolicy(Qt::StrongFocus);
}

}  // namespace kvd
