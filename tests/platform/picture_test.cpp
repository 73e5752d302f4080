#include "platform/picture.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "tests/platform/pixels.h"

namespace kvd {
namespace {

using test::PixelNear;

const QColor kSea(0, 128, 128);

QImage Filled(int width, int height, const QColor& colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A 6 x 4 sprite: sea everywhere (so also at the bottom-left), a yellow top-left pixel and a
// red 2 x 2 ship at (2, 1).
QImage SpriteImage() {
    QImage image = Filled(6, 4, kSea);
    image.setPixelColor(0, 0, Qt::yellow);
    for (int y = 1; y <= 2; ++y)
        for (int x = 2; x <= 3; ++x) image.setPixelColor(x, y, Qt::red);
    return image;
}

QImage DrawnOnBlue(const Picture& picture) {
    QImage target = Filled(picture.Width(), picture.Height(), Qt::blue);
    picture.StretchDraw(target, QRect(0, 0, picture.Width(), picture.Height()));
    return target;
}

TEST(PictureTransparency, KeyIsTheBottomLeftColourAndCanBeSwitchedOff) {
    Picture sprite(SpriteImage());
    sprite.SetTransparent(true);
    QImage drawn = DrawnOnBlue(sprite);
    EXPECT_TRUE(PixelNear(drawn, 0, 3, Qt::blue));  // the key pixel itself
    EXPECT_TRUE(PixelNear(drawn, 1, 1, Qt::blue));
    EXPECT_TRUE(PixelNear(drawn, 5, 0, Qt::blue));
    EXPECT_TRUE(PixelNear(drawn, 2, 1, Qt::red));
    EXPECT_TRUE(PixelNear(drawn, 3, 2, Qt::red));
    // The top-left corner is not the key: it is drawn.
    EXPECT_TRUE(PixelNear(drawn, 0, 0, Qt::yellow));

    sprite.SetTransparent(false);
    drawn = DrawnOnBlue(sprite);
    EXPECT_TRUE(PixelNear(drawn, 0, 3, kSea));
    EXPECT_TRUE(PixelNear(drawn, 1, 1, kSea));
    EXPECT_TRUE(PixelNear(drawn, 2, 1, Qt::red));

    sprite.SetTransparent(true);
    EXPECT_TRUE(PixelNear(DrawnOnBlue(sprite), 1, 1, Qt::blue));

    // A new image is keyed by its own bottom-left colour: now red is left out, sea drawn.
    QImage next = Filled(6, 4, kSea);
    next.setPixelColor(0, 3, Qt::red);
    next.setPixelColor(4, 1, Qt::red);
    sprite.Assign(next);
    drawn = DrawnOnBlue(sprite);
    EXPECT_TRUE(PixelNear(drawn, 4, 1, Qt::blue));
    EXPECT_TRUE(PixelNear(drawn, 1, 1, kSea));
}

TEST(PictureCreate, IsOpaqueAndFilledEvenAfterTransparency) {
    Picture picture(SpriteImage());
    picture.SetTransparent(true);
    // A filled picture is all key colour: left transparent, it would draw nothing at all.
    picture.Create(5, 3, Qt::green);
    EXPECT_FALSE(picture.Transparent());
    EXPECT_EQ(picture.Width(), 5);
    EXPECT_EQ(picture.Height(), 3);
    const QImage drawn = DrawnOnBlue(picture);
    EXPECT_TRUE(PixelNear(drawn, 0, 2, Qt::green));
    EXPECT_TRUE(PixelNear(drawn, 4, 0, Qt::green));
}

// A picture drawn at its own size is what a painter would draw, pixel for pixel: at an offset,
// in the target's corner, partly outside it, and with a colour key that must let the target
// show through.
TEST(PictureStretch, AtItsOwnSizeIsThePaintersDrawing) {
    QImage noise(37, 23, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, qRgb((x * 37 + y) & 255, (y * 91) & 255, (x * y) & 255));
    for (bool keyed : {false, true}) {
        Picture picture(noise);
        picture.SetTransparent(keyed);
        for (const QRect& rect : {QRect(5, 7, 37, 23), QRect(0, 0, 37, 23), QRect(43, 47, 37, 23),
                                  QRect(60, 50, 37, 23)}) {
            QImage drawn = Filled(80, 70, Qt::darkGreen), painted = drawn;
            picture.StretchDraw(drawn, rect);
            {
                QPainter painter(&painted);
                painter.drawImage(rect, picture.Image());
            }
            EXPECT_EQ(drawn, painted) << keyed << " at " << rect.x() << "," << rect.y();
        }
    }
}

TEST(PictureStretch, FillsExactlyTheRectangle) {
    QImage quadrants(2, 2, QImage::Format_RGB32);
    quadrants.setPixelColor(0, 0, Qt::red);
    quadrants.setPixelColor(1, 0, Qt::green);
    quadrants.setPixelColor(0, 1, Qt::blue);
    quadrants.setPixelColor(1, 1, Qt::white);
    const Picture picture(quadrants);

    QImage target = Filled(100, 80, Qt::black);
    const QRect rect(10, 20, 30, 40);
    picture.StretchDraw(target, rect);

    EXPECT_TRUE(PixelNear(target, rect.left(), rect.top(), Qt::red, 2));
    EXPECT_TRUE(PixelNear(target, rect.right(), rect.top(), Qt::green, 2));
    EXPECT_TRUE(PixelNear(target, rect.left(), rect.bottom(), Qt::blue, 2));
    EXPECT_TRUE(PixelNear(target, rect.right(), rect.bottom(), Qt::white, 2));
    // One pixel beyond each edge is untouched.
    EXPECT_TRUE(PixelNear(target, rect.left() - 1, rect.top(), Qt::black));
    EXPECT_TRUE(PixelNear(target, rect.right() + 1, rect.top(), Qt::black));
    EXPECT_TRUE(PixelNear(target, rect.left(), rect.top() - 1, Qt::black));
    EXPECT_TRUE(PixelNear(target, rect.right(), rect.bottom() + 1, Qt::black));
    EXPECT_TRUE(PixelNear(target, 0, 0, Qt::black));
    EXPECT_TRUE(PixelNear(target, 99, 79, Qt::black));
}

TEST(PictureCopyRect, CopiesIntoTheDestinationRectangleStretchedIfNeeded) {
    Picture dest(Filled(10, 10, Qt::green));
    const Picture source(Filled(4, 4, Qt::red));
    dest.CopyRect(QRect(3, 3, 4, 4), source, QRect(0, 0, 4, 4));
    EXPECT_TRUE(PixelNear(dest.Image(), 3, 3, Qt::red));
    EXPECT_TRUE(PixelNear(dest.Image(), 6, 6, Qt::red));
    EXPECT_TRUE(PixelNear(dest.Image(), 2, 3, Qt::green));
    EXPECT_TRUE(PixelNear(dest.Image(), 7, 6, Qt::green));
    EXPECT_TRUE(PixelNear(dest.Image(), 3, 2, Qt::green));
    EXPECT_TRUE(PixelNear(dest.Image(), 6, 7, Qt::green));

    Picture wide(Filled(10, 10, Qt::green));
    wide.CopyRect(QRect(1, 1, 8, 6), source, QRect(1, 1, 2, 2));
    EXPECT_TRUE(PixelNear(wide.Image(), 1, 1, Qt::red));
    EXPECT_TRUE(PixelNear(wide.Image(), 8, 6, Qt::red));
    EXPECT_TRUE(PixelNear(wide.Image(), 9, 6, Qt::green));
    EXPECT_TRUE(PixelNear(wide.Image(), 8, 7, Qt::green));
}

TEST(PictureCopyRect, CopiesKeyColoursAsColoursAndRekeysTheDestination) {
    // The source is transparent, but a copy takes its pixels as they are stored.
    Picture flag(SpriteImage());
    flag.SetTransparent(true);
    Picture opaque(Filled(6, 4, Qt::white));
    opaque.CopyRect(QRect(0, 0, 6, 4), flag, QRect(0, 0, 6, 4));
    EXPECT_TRUE(PixelNear(DrawnOnBlue(opaque), 1, 1, kSea));

    // Onto a transparent palette sprite, as a navy flag goes onto a ship: copied pixels of
    // the sprite's key colour become holes, the rest is drawn, and the sea stays left out.
    Picture sprite(SpriteImage().convertToFormat(QImage::Format_Indexed8));
    sprite.SetTransparent(true);
    QImage corner = Filled(2, 2, Qt::magenta);
    corner.setPixelColor(1, 1, kSea);
    sprite.CopyRect(QRect(0, 0, 2, 2), Picture(corner), QRect(0, 0, 2, 2));
    const QImage drawn = DrawnOnBlue(sprite);
    EXPECT_TRUE(PixelNear(drawn, 0, 0, Qt::magenta));
    EXPECT_TRUE(PixelNear(drawn, 1, 1, Qt::blue));
    EXPECT_TRUE(PixelNear(drawn, 5, 3, Qt::blue));
    EXPECT_TRUE(PixelNear(drawn, 2, 1, Qt::red));
}

TEST(PictureCopyRect, WithinOnePicture) {
    QImage halves = Filled(8, 4, Qt::red);
    for (int y = 0; y < 4; ++y)
        for (int x = 4; x < 8; ++x) halves.setPixelColor(x, y, Qt::blue);
    Picture picture(halves);
    picture.CopyRect(QRect(4, 0, 4, 4), picture, QRect(0, 0, 4, 4));
    EXPECT_EQ(picture.Image(), Filled(8, 4, Qt::red));
}

// A turned sprite keeps leaving out what it left out before, although its bottom-left corner now
// holds what was the bottom-right one (here a green buoy), and keeps that key through a later
// copy onto it; turned again, it is the sprite it was.
TEST(PictureMirror, TurnsLeftToRightAndKeepsItsKey) {
    QImage image = SpriteImage();
    image.setPixelColor(5, 3, Qt::green);
    for (bool transparent : {false, true}) {
        SCOPED_TRACE(transparent ? "transparent" : "opaque");
        Picture sprite(image);
        sprite.SetTransparent(transparent);
        sprite.Mirror();
        const QColor background = transparent ? QColor(Qt::blue) : kSea;
        QImage drawn = DrawnOnBlue(sprite);
        EXPECT_TRUE(PixelNear(drawn, 5, 0, Qt::yellow));
        EXPECT_TRUE(PixelNear(drawn, 0, 3, Qt::green));
        EXPECT_TRUE(PixelNear(drawn, 2, 1, Qt::red));
        EXPECT_TRUE(PixelNear(drawn, 1, 1, background));
        EXPECT_TRUE(PixelNear(drawn, 5, 3, background));
        EXPECT_TRUE(PixelNear(drawn, 0, 0, background));

        // Switched on only after turning, transparency uses the key from before as well.
        if (!transparent) {
            sprite.SetTransparent(true);
            EXPECT_TRUE(PixelNear(DrawnOnBlue(sprite), 1, 1, Qt::blue));
            EXPECT_TRUE(PixelNear(DrawnOnBlue(sprite), 0, 3, Qt::green));
            sprite.SetTransparent(false);
        }

        sprite.CopyRect(QRect(0, 0, 1, 1), Picture(Filled(1, 1, Qt::white)), QRect(0, 0, 1, 1));
        drawn = DrawnOnBlue(sprite);
        EXPECT_TRUE(PixelNear(drawn, 0, 0, Qt::white));
        EXPECT_TRUE(PixelNear(drawn, 1, 1, background));
        EXPECT_TRUE(PixelNear(drawn, 0, 3, Qt::green));

        sprite.Mirror();
        drawn = DrawnOnBlue(sprite);
        EXPECT_TRUE(PixelNear(drawn, 0, 0, Qt::yellow));
        EXPECT_TRUE(PixelNear(drawn, 1, 0, background));
        EXPECT_TRUE(PixelNear(drawn, 5, 0, Qt::white));
        EXPECT_TRUE(PixelNear(drawn, 5, 3, Qt::green));
        EXPECT_TRUE(PixelNear(drawn, 3, 2, Qt::red));

        // A new picture is keyed by its own corner again: a red one leaves the sea in.
        QImage next = Filled(6, 4, kSea);
        next.setPixelColor(0, 3, Qt::red);
        sprite.Assign(next);
        EXPECT_TRUE(PixelNear(DrawnOnBlue(sprite), 1, 1, kSea));
        EXPECT_TRUE(
            PixelNear(DrawnOnBlue(sprite), 0, 3, transparent ? QColor(Qt::blue) : QColor(Qt::red)));
    }
}

}  // namespace
}  // namespace kvd
