#include "platform/desktop/canvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

namespace kvd {

CanvasWindow::CanvasWindow(QWidget* parent) : QWidget(parent) {
    // paintEvent covers every exposed pixel itself; Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CanvasWindow::ResizeCanvas(int width, int height) {
    if (canvas_.width() == width && canvas_.height() == height) return;
    if (width <= 0 || height <= 0) {
        canvas_ = QImage();
        update();
        return;
    }
    // Opaque format: the window has nothing behind it to blend with, and RGB32 blits fastest.
    QImage resized(width, height, QImage::Format_RGB32);
    resized.fill(background_);
    if (!canvas_.isNull()) {
        QPainter painter(&resized);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, canvas_);
    }
    canvas_ = std::move(resized);
    update();
}

void CanvasWindow::SetCanvasBackground(const QColor& colour) {
    background_ = colour;
}

void CanvasWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect exposed = event->rect();
    const QRect shown = exposed & canvas_.rect();
    if (!shown.isEmpty()) painter.drawImage(shown.topLeft(), canvas_, shown);
    // A window larger than its canvas shows the background beyond it.
    for (const QRect& rest : QRegion(exposed).subtracted(shown))
        painter.fillRect(rest, background_);
}

}  // namespace kvd
