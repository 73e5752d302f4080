#pragma once
#include <gtest/gtest.h>
#include <QColor>
#include <QImage>
#include <cstdlib>

namespace kvd::test {

// Compares the colour of one pixel, each channel within tolerance (decoded and smoothly scaled
// pictures are never exact). Use as EXPECT_TRUE(PixelNear(image, x, y, Qt::red)).
inline ::testing::AssertionResult PixelNear(const QImage& image, int x, int y,
                                            const QColor& expected, int tolerance = 0) {
    if (!image.valid(x, y)) {
        return ::testing::AssertionFailure()
               << "(" << x << ", " << y << ") lies outside the " << image.width() << " x "
               << image.height() << " picture";
    }
    const QColor actual = image.pixelColor(x, y);
    const bool near = std::abs(actual.red() - expected.red()) <= tolerance &&
                      std::abs(actual.green() - expected.green()) <= tolerance &&
                      std::abs(actual.blue() - expected.blue()) <= tolerance;
    if (near) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "pixel (" << x << ", " << y << ") is rgb(" << actual.red() << ", " << actual.green()
           << ", " << actual.blue() << "), expected rgb(" << expected.red() << ", "
           << expected.green() << ", " << expected.blue() << ") within " << tolerance;
}

}  // namespace kvd::test
