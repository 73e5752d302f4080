#pragma once
#include <QImage>
#include <QRect>
#include <optional>

namespace kvd {

// A picture the game draws with: a bitmap that may be transparent. A transparent picture
// leaves out every pixel of the colour of its bottom-left pixel; the key is turned into an
// alpha channel once, when transparency is switched on, so drawing never compares colours.
class Picture {
  public:
    Picture() = default;
    explicit Picture(QImage image);

    bool IsNull() const { return image_.isNull(); }
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }

    // The picture as drawn (with alpha when transparent).
    const QImage& Image() const { return image_; }
    // Replaces the picture; transparency is applied again to the new image.
    void Assign(QImage image);
    void Clear();
    // Hands the picture's pixels over and leaves it empty: a frame recomposed and assigned back
    // keeps its memory instead of taking a new one.
    QImage Take();

    void SetTransparent(bool transparent);
    bool Transparent() const { return transparent_; }

    // Makes an opaque picture of this size filled with a colour.
    void Create(int width, int height, const QColor& fill = Qt::black);

    // Draws the whole picture stretched into rect of target. The stretched picture is kept for
    // the next draw of the same size, so a sprite drawn into cell after cell is scaled once.
    void StretchDraw(QImage& target, const QRect& rect) const;
    // Copies the rectangle source of another picture onto the rectangle dest of this one
    // (stretched when the sizes differ), opaquely. Transparency is applied again afterwards.
    void CopyRect(const QRect& dest, const Picture& from, const QRect& source);
    // Turns the picture left to right (a ship then faces the other way). What was left out
    // stays left out: the colour key is the one the picture had before it was turned, even
    // when the corner that now sits bottom left holds another colour.
    void Mirror();
    // Blends every pixel that is not left out toward a tone, by percent (0 leaves it, 100 paints
    // it the tone); the colour key stays what it was.
    void Tint(const QColor& tone, int percent);

  private:
    void ApplyTransparency();
    QImage original_;  // as loaded, colour key intact
    QImage image_;     // as drawn
    bool transparent_ = false;
    // The colour key once the picture was turned; until then the bottom-left pixel's colour.
    std::optional<QRgb> key_;
    mutable QImage scaled_;  // image_ at the size last drawn
};

// Stretches image into rect of target (smoothly), with its alpha.
void StretchImage(QImage& target, const QRect& rect, const QImage& image);
// Copies the pixels of `source` in `from` into `to`, its top-left at `at`, row by row: both
// pictures of one format of whole bytes a pixel; clipped to both.
void CopyPixels(QImage& to, QPoint at, const QImage& from, const QRect& source);

}  // namespace kvd
