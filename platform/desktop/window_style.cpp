#include "platform/desktop/window_style.h"

#include <QPixmap>
#include <QWidget>

#include "platform/colors.h"
#include "platform/picture.h"
#include "platform/resources.h"

namespace kvd {

QColor MenuTextColour() {
    return BgrColor(10862545);
}
QColor MenuHoverColour() {
    return BgrColor(8508149);
}

QPixmap PicturePixmap(const Resources& resources, const QString& name, const QSize& fallback) {
    Picture picture;
    if (LoadJPEGFromRes(resources, name, picture)) return QPixmap::fromImage(picture.Image());
    QPixmap plain(fallback);
    plain.fill(QColor(16, 32, 52));
    return plain;
}

QString TextColourSheet(const QColor& colour) {
    return QStringLiteral("color: %1;").arg(colour.name());
}

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
