#include "platform/picture.h"

#include <QPainter>
#include <cstring>

namespace kvd {

namespace {

// Pictures are kept in the two formats the raster painter handles fastest: opaque RGB32, or
// premultiplied ARGB32 when the picture carries alpha. Palette pictures (the 8-bit sprites)
// cannot be painted on, and would be converted on every draw anyway.
QImage Normalised(QImage image) {
    if (image.isNull()) return image;
    const QImage::Format format =
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    if (image.format() != format) image.convertTo(format);
    return image;
}

// The stored value of the bottom-left pixel. Opaque pictures store their pixels with full alpha,
// so the value is the same before and after the conversion for keying.
QRgb BottomLeft(const QImage& image) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(image.height() - 1))[0];
}

}  // namespace

Picture::Picture(QImage image) {
    Assign(std::move(image));
}

void Picture::Assign(QImage image) {
    original_ = Normalised(std::move(image));
    key_.reset();
    ApplyTransparency();
}

void Picture::Clear() {
    key_.reset();
    original_ = QImage();
    image_ = QImage();
    scaled_ = QImage();
}

QImage Picture::Take() {
    key_.reset();
    QImage taken = std::move(original_);
    original_ = QImage();
    image_ = QImage();
    scaled_ = QImage();
    return taken;
}

void Picture::SetTransparent(bool transparent) {
    if (transparent == transparent_) return;
    transparent_ = transparent;
    ApplyTransparency();
}

void Picture::Create(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    transparent_ = false;
    Assign(std::move(image));
}

void Picture::StretchDraw(QImage& target, const QRect& rect) const {
    if (target.isNull() || image_.isNull() || rect.isEmpty()) return;
    if (rect.size() == image_.size()) {
        StretchImage(target, rect, image_);
        return;
    }
    if (scaled_.size() != rect.size())
        scaled_ = image_.scaled(rect.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    StretchImage(target, rect, scaled_);
}

void Picture::CopyRect(const QRect& dest, const Picture& from, const QRect& source) {
    if (original_.isNull() || from.original_.isNull() || dest.isEmpty() || source.isEmpty()) return;
    // A local handle, so copying within one picture reads the pixels as they were before.
    const QImage pixels = from.original_;
    {
        QPainter painter(&original_);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(dest, pixels, source);
    }
    ApplyTransparency();
}

void Picture::Mirror() {
    if (original_.isNull()) return;
    if (!key_) key_ = BottomLeft(original_);
    original_.mirror(true, false);
    ApplyTransparency();
}

void Picture::Tint(const QColor& tone, int percent) {
    if (original_.isNull()) return;
    if (!key_) key_ = BottomLeft(original_);
    const QRgb key = *key_;
    const int p = qBound(0, percent, 100), q = 100 - p;
    QImage image = original_.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (row[x] == (key | 0xff000000u)) continue;
            row[x] = qRgb((qRed(row[x]) * q + tone.red() * p) / 100,
                          (qGreen(row[x]) * q + tone.green() * p) / 100,
                          (qBlue(row[x]) * q + tone.blue() * p) / 100);
        }
    }
    original_ = image.convertToFormat(original_.format());
    ApplyTransparency();
}

void Picture::ApplyTransparency() {
    scaled_ = QImage();
    if (!transparent_ || original_.isNull()) {
        image_ = original_;
        return;
    }
    // The key is matched on the exact stored value; for an opaque picture that is its colour.
    QImage keyed = original_.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int height = keyed.height();
    const int width = keyed.width();
    const QRgb key = key_ ? *key_ : BottomLeft(keyed);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (row[x] == key) row[x] = 0;
        }
    }
    image_ = std::move(keyed);
}

void StretchImage(QImage& target, const QRect& rect, const QImage& image) {
    if (target.isNull() || image.isNull() || rect.isEmpty()) return;
    // An opaque picture of the rectangle's own size in the target's format is a copy of its
    // rows: the board is put on the window so every step, and a painter costs it twice over.
    if (rect.size() == image.size() && image.format() == target.format() && image.depth() >= 8 &&
        !image.hasAlphaChannel() && target.rect().contains(rect)) {
        CopyPixels(target, rect.topLeft(), image, image.rect());
        return;
    }
    QPainter painter(&target);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect, image);
}

void CopyPixels(QImage& to, QPoint at, const QImage& from, const QRect& source) {
    // The part of source that lies in `from` and lands in `to`.
    const QPoint shift = at - source.topLeft();
    const QRect part = source & from.rect() & to.rect().translated(-shift);
    if (part.isEmpty() || to.format() != from.format() || to.depth() < 8) return;
    const size_t pixel = size_t(to.depth() / 8);
    for (int y = part.top(); y <= part.bottom(); ++y)
        std::memcpy(to.scanLine(y + shift.y()) + size_t(part.x() + shift.x()) * pixel,
                    from.constScanLine(y) + size_t(part.x()) * pixel, size_t(part.width()) * pixel);
}

}  // namespace kvd
