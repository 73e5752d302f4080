#include "platform/desktop/canvas.h"

#include <gtest/gtest.h>
#include <QPainter>

#include "tests/platform/pixels.h"

namespace kvd {
namespace {

using test::PixelNear;

TEST(CanvasWindow, ResizeKeepsWhatFitsAndFillsTheRestWithTheBackground) {
    CanvasWindow window;
    window.SetCanvasBackground(Qt::blue);
    window.ResizeCanvas(40, 30);
    ASSERT_EQ(window.Canvas().size(), QSize(40, 30));
    EXPECT_FALSE(window.Canvas().hasAlphaChannel());
    EXPECT_TRUE(PixelNear(window.Canvas(), 39, 29, Qt::blue));

    {
        QPainter painter(&window.Canvas());
        painter.fillRect(QRect(30, 10, 10, 20), Qt::red);
    }
    window.SetCanvasBackground(Qt::green);
    window.ResizeCanvas(60, 20);
    const QImage& canvas = window.Canvas();
    ASSERT_EQ(canvas.size(), QSize(60, 20));
    EXPECT_TRUE(PixelNear(canvas, 0, 0, Qt::blue));
    EXPECT_TRUE(PixelNear(canvas, 30, 10, Qt::red));
    EXPECT_TRUE(PixelNear(canvas, 39, 19, Qt::red));
    EXPECT_TRUE(PixelNear(canvas, 40, 10, Qt::green));
    EXPECT_TRUE(PixelNear(canvas, 59, 0, Qt::green));
}

TEST(CanvasWindow, ShowsTheCanvasPixels) {
    CanvasWindow window;
    window.SetCanvasBackground(Qt::black);
    window.ResizeCanvas(50, 40);
    QImage& canvas = window.Canvas();
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 50; ++x) canvas.setPixelColor(x, y, QColor(x * 5, y * 6, 77));
    window.CanvasChanged();
    // The window is larger than its canvas: beyond it, the background shows.
    window.resize(60, 40);

    const QImage shown = window.grab().toImage();
    ASSERT_EQ(shown.size(), QSize(60, 40));
    for (const QPoint p :
         {QPoint(0, 0), QPoint(49, 0), QPoint(0, 39), QPoint(49, 39), QPoint(23, 17)})
        EXPECT_TRUE(PixelNear(shown, p.x(), p.y(), canvas.pixelColor(p)));
    EXPECT_TRUE(PixelNear(shown, 55, 20, Qt::black));

    // A repaint of one exposed part copies just that part, at its own place.
    QImage part(60, 40, QImage::Format_RGB32);
    part.fill(Qt::white);
    window.render(&part, QPoint(10, 10), QRegion(10, 10, 5, 5));
    EXPECT_TRUE(PixelNear(part, 12, 12, canvas.pixelColor(12, 12)));
    EXPECT_TRUE(PixelNear(part, 9, 12, Qt::white));
}

}  // namespace
}  // namespace kvd
